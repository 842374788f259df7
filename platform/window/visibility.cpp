// Which pixels of the host framebuffer each window owns.

#include "platform/window/window_registry.h"

namespace kp {

bool is_showing(Window const& window)
{
    Window const* current = &window;
    while (current != nullptr) {
        if (!current->visible || current->destroying)
            return false;
        current = window_registry().find(current->parent);
    }
    return true;
}

Point client_origin_in_host(Window const& window)
{
    // Each frame lies within from_edges' range, but a few nested ones add up beyond 32 bits:
    // sum in 64 bits and clamp once. A client area is less than 2^31 pixels wide, so a
    // window whose origin is beyond 32 bits shows nothing, at the clamped origin as well.
    int64_t x = 0;
    int64_t y = 0;
    for (Window const* current = &window; current != nullptr; current = window_registry().find(current->parent)) {
        if (current->parent == 0)
            continue;
        Rect const client = current->client_in_frame();
        x += int64_t{current->frame.x} + client.x;
        y += int64_t{current->frame.y} + client.y;
    }
    return {clamp_to_int32(x), clamp_to_int32(y)};
}

Rect frame_in_host(Window const& window)
{
    Window const* parent = window_registry().find(window.parent);
    if (parent == nullptr)
        return Rect::from_size(window.frame.size());
    Point const origin = client_origin_in_host(*parent);
    return window.frame.translated(origin.x, origin.y);
}

Rect client_in_host(Window const& window)
{
    Point const origin = client_origin_in_host(window);
    return Rect::from_size(window.client_in_frame().size()).translated(origin.x, origin.y);
}

Region visible_part(Window const& window, Rect area, bool clip_children)
{
    if (!is_showing(window))
        return {};
    Region result(area);
    Window const* current = &window;
    while (Window const* parent = window_registry().find(current->parent)) {
        result.intersect(Region(client_in_host(*parent)));
        if (has_style(current->styles, WindowStyle::ClipSiblings)) {
            bool above = false;
            for (WindowHandle sibling_handle : parent->children) {
                if (sibling_handle == current->handle) {
                    above = true;
                    continue;
                }
                Window const* sibling = window_registry().find(sibling_handle);
                if (above && sibling != nullptr && sibling->visible && !sibling->destroying)
                    result.subtract(Region(frame_in_host(*sibling)));
            }
        }
        current = parent;
    }
    if (current->host)
        result.intersect(Region(current->host->framebuffer.bounds()));
    if (clip_children && has_style(window.styles, WindowStyle::ClipChildren)) {
        for (WindowHandle child_handle : window.children) {
            Window const* child = window_registry().find(child_handle);
            if (child != nullptr && child->visible && !child->destroying)
                result.subtract(Region(frame_in_host(*child)));
        }
    }
    return result;
}

Region visible_region(WindowHandle handle)
{
    Window const* window = window_registry().find(handle);
    if (window == nullptr)
        return {};
    return visible_part(*window, client_in_host(*window), true);
}

Point client_origin_in_host(WindowHandle handle)
{
    Window const* window = window_registry().find(handle);
    return window == nullptr ? Point{} : client_origin_in_host(*window);
}

void expose_region(WindowHandle host, Region const& area)
{
    if (area.is_empty())
        return;
    for_each_in_tree(host, [&](Window& window) {
        Region part = visible_part(window, client_in_host(window), true).intersected(area);
        if (part.is_empty())
            return;
        window.update_region.unite(part.translated(client_origin_in_host(window).negated()));
    });
    paint_borders(host);
    announce_pending_paint(host);
}

void paint_borders(WindowHandle root)
{
    Window const* host_window = window_registry().find(host_of(root));
    if (host_window == nullptr || !host_window->host)
        return;
    for_each_in_tree(root, [&](Window& window) {
        if (!window.has_border() || window.parent == 0)
            return;
        Rect const frame = frame_in_host(window);
        Region border = visible_part(window, frame, false).subtracted(Region(client_in_host(window)));
        fill_host_region(host_window->handle, border, colors::black);
    });
}

} // namespace kp
