#include "platform/window/host.h"

#include <algorithm>
#include <utility>

#include "platform/window/painting.h"
#include "platform/window/window_registry.h"

namespace kp {

namespace {

constexpr char host_class_name[] = "KpHost";

std::shared_ptr<WindowClass const> host_class()
{
    if (auto existing = find_class(host_class_name))
        return existing;
    WindowClass window_class;
    window_class.name = host_class_name;
    window_class.procedure = default_window_procedure;
    window_class.background = colors::white;
    register_class(std::move(window_class));
    return find_class(host_class_name);
}

HostState* host_state(WindowHandle handle)
{
    Window* window = window_registry().find(handle);
    return window == nullptr || !window->host ? nullptr : window->host.get();
}

constexpr uint32_t double_click_as_button_down(uint32_t number)
{
    return number - 2; // 515 -> 513, 518 -> 516, 521 -> 519
}

} // namespace

WindowHandle create_host(Size client_size, HostPresenter* presenter)
{
    auto window = std::make_shared<Window>();
    window->window_class = host_class();
    window->frame = Rect::from_size({std::max(client_size.width, 0), std::max(client_size.height, 0)});
    window->styles = WindowStyle::ClipChildren | WindowStyle::Visible;
    window->visible = true;
    window->host = std::make_unique<HostState>();
    window->host->framebuffer = Surface(window->frame.size(), window->host->background);
    window->host->presenter = presenter;
    window->host->damage = window->frame;
    WindowHandle const handle = window_registry().insert(window);
    window->handle = handle;
    window_registry().geometry_changed();
    return handle;
}

bool is_host(WindowHandle handle)
{
    return host_state(handle) != nullptr;
}

void set_host_presenter(WindowHandle host, HostPresenter* presenter)
{
    if (HostState* state = host_state(host))
        state->presenter = presenter;
}

void set_host_message_handler(WindowHandle host, WindowProcedure handler)
{
    if (HostState* state = host_state(host))
        state->message_handler = std::move(handler);
}

Surface* host_framebuffer(WindowHandle host)
{
    HostState* state = host_state(host);
    return state == nullptr ? nullptr : &state->framebuffer;
}

void set_host_background(WindowHandle host, Color color)
{
    HostState* state = host_state(host);
    if (state == nullptr)
        return;
    state->background = color;
    expose_host(host, state->framebuffer.bounds());
}

void resize_host(WindowHandle host, Size client_size)
{
    Window* window = window_registry().find(host);
    if (window == nullptr || !window->host)
        return;
    client_size = {std::max(client_size.width, 0), std::max(client_size.height, 0)};
    Rect const before = window->frame;
    if (before.size() == client_size)
        return;
    window->frame = Rect::from_size(client_size);
    window->host->framebuffer.resize(client_size, window->host->background);
    window_registry().geometry_changed();
    // The pixels of the common part stay; only the new strips need painting.
    Region fresh = Region(window->frame).subtracted(Region(before));
    expose_region(host, fresh);
    report_damage(host, window->frame);
    send_message(host, message::size, 0, pack_point(client_size.width, client_size.height));
}

void expose_host(WindowHandle host, Rect area)
{
    if (!is_host(host))
        return;
    expose_region(host, Region(area));
}

WindowHit hit_test(WindowHandle host, Point point)
{
    Window const* current = window_registry().find(host);
    if (current == nullptr || !current->host || !Rect::from_size(current->frame.size()).contains(point))
        return {};
    for (;;) {
        if (!client_in_host(*current).contains(point))
            return {current->handle, HitArea::Border};
        Window const* hit = nullptr;
        for (auto it = current->children.rbegin(); it != current->children.rend(); ++it) {
            Window const* child = window_registry().find(*it);
            if (child != nullptr && child->visible && !child->destroying && frame_in_host(*child).contains(point)) {
                hit = child;
                break;
            }
        }
        if (hit == nullptr)
            return {current->handle, HitArea::Client};
        current = hit;
    }
}

WindowHandle window_at(WindowHandle host, Point point)
{
    return hit_test(host, point).window;
}

void send_mouse(WindowHandle host, uint32_t number, Point point, WParam keys)
{
    if (!is_mouse_message(number))
        return;
    WindowHit const hit = hit_test(host, point);
    Window const* window = window_registry().find(hit.window);
    if (window == nullptr || hit.area != HitArea::Client)
        return;
    if (is_double_click(number) && !has_style(window->window_class->styles, ClassStyle::DoubleClicks))
        number = double_click_as_button_down(number);
    // The point lies in the client area, so its client coordinates fit in 32 bits.
    Point const origin = client_origin_in_host(*window);
    send_message(hit.window, number, keys,
                 pack_point(static_cast<int32_t>(int64_t{point.x} - origin.x),
                            static_cast<int32_t>(int64_t{point.y} - origin.y)));
}

void fill_host_region(WindowHandle host, Region const& area, Color color)
{
    HostState* state = host_state(host);
    if (state == nullptr)
        return;
    Region const clipped = area.intersected(Region(state->framebuffer.bounds()));
    for (Rect const& rect : clipped.rects()) {
        for (int32_t y = rect.top(); y < rect.bottom(); ++y)
            std::fill_n(state->framebuffer.row(y) + rect.left(), rect.width, color.pixel());
        report_damage(host, rect);
    }
}

void announce_pending_paint(WindowHandle window)
{
    if (HostState* state = host_state(host_of(window)); state != nullptr && state->presenter != nullptr)
        state->presenter->paint_pending();
}

void report_damage(WindowHandle host, Rect area)
{
    HostState* state = host_state(host);
    if (state == nullptr)
        return;
    area.intersect(state->framebuffer.bounds());
    if (area.is_empty())
        return;
    state->damage.unite(area);
    if (state->presenter != nullptr)
        state->presenter->damaged(area);
}

void report_new_picture(WindowHandle host, Rect area)
{
    HostState* state = host_state(host);
    if (state == nullptr)
        return;
    area.intersect(state->framebuffer.bounds());
    if (!area.is_empty() && state->presenter != nullptr)
        state->presenter->new_picture(area);
}

Rect take_damage(WindowHandle host)
{
    HostState* state = host_state(host);
    if (state == nullptr)
        return {};
    return std::exchange(state->damage, Rect{});
}

} // namespace kp
