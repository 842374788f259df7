#include "platform/window/painting.h"

#include "platform/window/window_registry.h"

namespace kp {

namespace {

Region showing_client_region(Window const& window)
{
    return visible_region(window.handle).translated(client_origin_in_host(window).negated());
}

} // namespace

void invalidate_rect(WindowHandle handle, Rect area)
{
    Window* window = window_registry().find(handle);
    if (window == nullptr)
        return;
    Rect const client = Rect::from_size(window->client_in_frame().size());
    window->update_region.unite(Region(area.intersected(client)));
    announce_pending_paint(handle);
}

void invalidate_window(WindowHandle handle)
{
    invalidate_rect(handle, client_rect(handle));
}

void validate_window(WindowHandle handle)
{
    if (Window* window = window_registry().find(handle))
        window->update_region = {};
}

Region update_region(WindowHandle handle)
{
    Window const* window = window_registry().find(handle);
    return window == nullptr ? Region{} : window->update_region;
}

PaintRecord begin_paint(WindowHandle handle)
{
    PaintRecord record;
    Window* window = window_registry().find(handle);
    if (window == nullptr)
        return record;
    // Only what shows can be painted; a covered part stays pending for nobody.
    Region region = window->update_region.intersected(showing_client_region(*window));
    window->update_region = {};
    window->paint_region = region;
    window->painting = true;
    window_registry().geometry_changed(); // the window's context now clips to the paint region
    Rect const bounds = region.bounds();
    record.left = bounds.left();
    record.top = bounds.top();
    record.right = bounds.right();
    record.bottom = bounds.bottom();
    std::optional<Color> background = window->host ? window->host->background : window->window_class->background;
    if (background && !region.is_empty()) {
        Point const origin = client_origin_in_host(*window);
        Region const erased = region.translated(origin.x, origin.y);
        fill_host_region(host_of(handle), erased, *background);
        // A recording of the window's drawing keeps the erased pixels as they now are.
        if (window->device_context)
            window->device_context->changed_behind_drawing(erased);
        record.erase = 0;
    } else {
        record.erase = 1;
    }
    return record;
}

void end_paint(WindowHandle handle)
{
    if (Window* window = window_registry().find(handle)) {
        window->painting = false;
        window->paint_region = {};
        window_registry().geometry_changed();
    }
}

Region paint_region(WindowHandle handle)
{
    Window const* window = window_registry().find(handle);
    return window == nullptr || !window->painting ? Region{} : window->paint_region;
}

void update_window(WindowHandle handle)
{
    Window const* window = window_registry().find(handle);
    if (window == nullptr || window->update_region.is_empty())
        return;
    if (window->update_region.intersected(showing_client_region(*window)).is_empty()) {
        // Nothing of it shows: painting would draw nothing.
        validate_window(handle);
        return;
    }
    send_message(handle, message::paint, 0, 0);
}

void update_all_windows()
{
    // A window may invalidate others (or itself) while painting; a few passes settle that,
    // and the bound keeps a window that always invalidates itself from hanging the loop.
    constexpr int max_passes = 8;
    for (int pass = 0; pass < max_passes; ++pass) {
        std::vector<WindowHandle> pending;
        for (WindowHandle host : window_registry().hosts())
            for_each_in_tree(host, [&](Window& window) {
                if (!window.update_region.is_empty())
                    pending.push_back(window.handle);
            });
        if (pending.empty())
            return;
        for (WindowHandle handle : pending)
            update_window(handle);
    }
}

} // namespace kp
