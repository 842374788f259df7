// Creating, destroying, moving, showing and stacking windows.

#include <algorithm>
#include <cstring>

#include "platform/window/window_registry.h"

namespace kp {

namespace {

// The area a window's frame covers, in host coordinates; empty when it is not showing.
Region showing_frame(Window const& window)
{
    if (!is_showing(window))
        return {};
    Window const* parent = window_registry().find(window.parent);
    if (parent == nullptr)
        return Region(Rect::from_size(window.frame.size()));
    return visible_part(*parent, frame_in_host(window), false);
}

Rect sanitized(Rect frame)
{
    return Rect::from_edges(frame.x, frame.y, int64_t{frame.x} + std::max(frame.width, 0),
                            int64_t{frame.y} + std::max(frame.height, 0));
}

} // namespace

WindowHandle create_window(CreateWindowRequest const& request)
{
    Window* parent = window_registry().find(request.parent);
    if (parent == nullptr || parent->destroying) {
        set_last_error(error_code::invalid_window_handle);
        return 0;
    }
    std::shared_ptr<WindowClass const> window_class = find_class(request.class_name);
    if (!window_class) {
        set_last_error(error_code::class_does_not_exist);
        return 0;
    }
    auto window = std::make_shared<Window>();
    window->window_class = window_class;
    window->parent = request.parent;
    window->frame = sanitized(request.frame);
    window->styles = request.styles;
    window->extra.assign(static_cast<std::size_t>(window_class->extra_bytes), 0);
    WindowHandle const handle = window_registry().insert(window);
    window->handle = handle;
    parent->children.push_back(handle);
    window_registry().geometry_changed();

    send_message(handle, message::create, 0, 0);
    if (!is_window(handle))
        return 0; // the create handler destroyed it
    if (has_style(request.styles, WindowStyle::Visible))
        show_window(handle, Visibility::Shown);
    return handle;
}

void destroy_window(WindowHandle handle)
{
    std::shared_ptr<Window> window = window_registry().keep_alive(handle);
    if (!window || window->destroying)
        return;
    WindowHandle const host = host_of(handle);
    Region const uncovered = showing_frame(*window);

    window->destroying = true;
    window_registry().geometry_changed();
    send_message(handle, message::destroy, 0, 0);
    std::vector<WindowHandle> const children = window->children;
    for (WindowHandle child : children)
        destroy_window(child);

    if (Window* parent = window_registry().find(window->parent))
        std::erase(parent->children, handle);
    // The context lets go of its objects now, while the window's caller can still delete them.
    window->device_context.reset();
    window_registry().remove(handle);
    window_registry().geometry_changed();
    if (host != handle)
        expose_region(host, uncovered);
}

bool is_window(WindowHandle handle)
{
    Window const* window = window_registry().find(handle);
    return window != nullptr;
}

std::size_t window_count()
{
    return window_registry().size();
}

WindowHandle parent_of(WindowHandle handle)
{
    Window const* window = window_registry().find(handle);
    return window == nullptr ? 0 : window->parent;
}

WindowHandle host_of(WindowHandle handle)
{
    Window const* window = window_registry().find(handle);
    while (window != nullptr && window->parent != 0)
        window = window_registry().find(window->parent);
    return window == nullptr ? 0 : window->handle;
}

bool move_window(WindowHandle handle, Rect frame, Repaint repaint)
{
    Window* window = window_registry().find(handle);
    if (window == nullptr || window->parent == 0)
        return false;
    Region const before = showing_frame(*window);
    Size const old_size = window->frame.size();
    window->frame = sanitized(frame);
    window_registry().geometry_changed();
    if (repaint == Repaint::Yes)
        expose_region(host_of(handle), before.united(showing_frame(*window)));
    if (old_size != window->frame.size())
        send_message(handle, message::size, 0,
                     pack_point(window->client_in_frame().width, window->client_in_frame().height));
    return true;
}

Visibility show_window(WindowHandle handle, Visibility visibility)
{
    Window* window = window_registry().find(handle);
    if (window == nullptr)
        return Visibility::Hidden;
    Visibility const previous = window->visible ? Visibility::Shown : Visibility::Hidden;
    if (previous == visibility)
        return previous;
    Region const before = showing_frame(*window);
    window->visible = visibility == Visibility::Shown;
    window_registry().geometry_changed();
    expose_region(host_of(handle), before.united(showing_frame(*window)));
    return previous;
}

bool is_visible(WindowHandle handle)
{
    Window const* window = window_registry().find(handle);
    return window != nullptr && window->visible;
}

bool bring_to_top(WindowHandle handle)
{
    Window* window = window_registry().find(handle);
    if (window == nullptr)
        return false;
    Window* parent = window_registry().find(window->parent);
    if (parent == nullptr)
        return true;
    if (parent->children.back() != handle) {
        std::erase(parent->children, handle);
        parent->children.push_back(handle);
        window_registry().geometry_changed();
        // Parts that siblings covered are now the window's own and must be painted.
        expose_region(host_of(handle), showing_frame(*window));
    }
    return true;
}

Rect client_rect(WindowHandle handle)
{
    Window const* window = window_registry().find(handle);
    if (window == nullptr)
        return {};
    return Rect::from_size(window->client_in_frame().size());
}

Rect frame_rect(WindowHandle handle)
{
    Window const* window = window_registry().find(handle);
    return window == nullptr ? Rect{} : window->frame;
}

int32_t get_window_word(WindowHandle handle, int32_t offset)
{
    Window const* window = window_registry().find(handle);
    if (window == nullptr || offset < 0 || static_cast<std::size_t>(offset) + 4 > window->extra.size())
        return 0;
    int32_t value = 0;
    std::memcpy(&value, window->extra.data() + offset, sizeof value);
    return value;
}

int32_t set_window_word(WindowHandle handle, int32_t offset, int32_t value)
{
    Window* window = window_registry().find(handle);
    if (window == nullptr || offset < 0 || static_cast<std::size_t>(offset) + 4 > window->extra.size())
        return 0;
    int32_t previous = 0;
    std::memcpy(&previous, window->extra.data() + offset, sizeof previous);
    std::memcpy(window->extra.data() + offset, &value, sizeof value);
    return previous;
}

} // namespace kp
