#pragma once

// The window system's own records. Only the platform's window code includes this.

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/base/handle_table.h"
#include "platform/base/region.h"
#include "platform/window/host.h"
#include "platform/window/window.h"
#include "platform/window/window_class.h"
#include "platform/window/window_device_context.h"

namespace kp {


struct Window {
    WindowHandle handle = 0;
    std::shared_ptr<WindowClass const> window_class;
    WindowHandle parent = 0;
    std::vector<WindowHandle> children; // bottom of the z-order first
    Rect frame;                          // in the parent's client coordinates
    WindowStyle styles = WindowStyle::None;
    bool visible = false;
    bool destroying = false;
    std::vector<uint8_t> extra;
    Region update_region;                // client coordinates
    Region paint_region;                 // while painting: what begin paint took, client coordinates
    bool painting = false;
    std::unique_ptr<HostState> host;     // top-level hosts only
    std::unique_ptr<WindowDeviceContext> device_context;

    bool has_border() const { return has_style(styles, WindowStyle::Border); }
    // The client area in the window's own frame coordinates.
    Rect client_in_frame() const
    {
        int32_t const inset = has_border() ? 1 : 0;
        return Rect::from_edges(inset, inset, int64_t{frame.width} - inset, int64_t{frame.height} - inset);
    }
};

class WindowRegistry {
public:
    Window* find(WindowHandle handle) const { return windows_.find(handle); }
    // Keeps the window alive while a message to it is being handled, even if it is
    // destroyed meanwhile.
    std::shared_ptr<Window> keep_alive(WindowHandle handle) const;
    WindowHandle insert(std::shared_ptr<Window> window) { return windows_.insert(std::move(window)); }
    void remove(WindowHandle handle) { windows_.remove(handle); }
    bool any_window_of(WindowClass const* window_class) const;
    std::size_t size() const { return windows_.size(); }
    std::vector<WindowHandle> hosts() const;

    // Any change to the tree's geometry, order or visibility moves the epoch on, so that
    // cached visible regions know they are stale.
    uint64_t epoch() const { return epoch_; }
    void geometry_changed() { ++epoch_; }

private:
    HandleTable<Window, std::shared_ptr<Window>> windows_{0x00010001};
    uint64_t epoch_ = 1;
};

WindowRegistry& window_registry();

// Pre-order walk of a host's tree: parents before children, children bottom to top.
template <typename Visit>
void for_each_in_tree(WindowHandle root, Visit&& visit)
{
    Window* window = window_registry().find(root);
    if (window == nullptr)
        return;
    visit(*window);
    std::vector<WindowHandle> const children = window->children; // visit may change the list
    for (WindowHandle child : children)
        for_each_in_tree(child, visit);
}

// Whether the window and all its ancestors are shown.
bool is_showing(Window const& window);
Point client_origin_in_host(Window const& window);
// The window's outer rectangle and its client area, in host coordinates.
Rect frame_in_host(Window const& window);
Rect client_in_host(Window const& window);
// The part of `area` (host coordinates) where this window's pixels show: inside every
// ancestor's client area, outside siblings above it that clip, and, when `clip_children`,
// outside its visible children.
Region visible_part(Window const& window, Rect area, bool clip_children);

// Adds the part of a host-coordinate region that each window shows to its update region.
void expose_region(WindowHandle host, Region const& area);
// Tells the host's presenter that a window below it has something to paint.
void announce_pending_paint(WindowHandle window);
// Fills host pixels directly (the window system's own painting: backgrounds, borders).
void fill_host_region(WindowHandle host, Region const& area, Color color);
// Paints the 1-pixel borders of the windows in the tree that have them.
void paint_borders(WindowHandle root);

} // namespace kp
