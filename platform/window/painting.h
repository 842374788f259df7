#pragma once

// Invalidation, update regions and the paint cycle.

#include <cstdint>

#include "platform/base/rect.h"
#include "platform/base/region.h"
#include "platform/window/message.h"

namespace kp {

// The window system's 64-byte paint structure, as window procedures receive it.
struct PaintRecord {
    uint32_t device_context = 0; // unused: a window draws through window_device_context()
    int32_t erase = 0;
    int32_t left = 0; // the paint rectangle, client coordinates, right and bottom excluded
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    int32_t restore = 0;
    int32_t include_update = 0;
    uint8_t reserved[32] = {};

    Rect paint_rect() const { return Rect::from_edges(left, top, right, bottom); }
};
static_assert(sizeof(PaintRecord) == 64);

// Adds a client rectangle (or the whole client area) to the window's update region; the
// window gets paint at the next update.
void invalidate_rect(WindowHandle window, Rect area);
void invalidate_window(WindowHandle window);
void validate_window(WindowHandle window);
Region update_region(WindowHandle window);

// Takes the update region for painting: drawing through the window's device context is
// clipped to it until end_paint. Paints the class background under it, if the class has one.
PaintRecord begin_paint(WindowHandle window);
void end_paint(WindowHandle window);
// The region being painted (client coordinates), or empty outside a paint.
Region paint_region(WindowHandle window);

// Sends paint at once if the window has a non-empty update region.
void update_window(WindowHandle window);

} // namespace kp
