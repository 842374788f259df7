#pragma once

// The table of graphics objects. Every object has a 32-bit handle, issued here and never
// reused; 0 is no object. Calls with a handle that is 0, deleted or never issued do nothing
// and return 0, false or nothing.

#include <cstddef>
#include <cstdint>
#include <optional>

#include "platform/base/rect.h"
#include "platform/base/region.h"
#include "platform/font/logical_font.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/brush.h"
#include "platform/graphics/graphics_object.h"
#include "platform/graphics/pen.h"
#include "platform/raster/pixel_limits.h"

namespace kp {

class DeviceContext;

enum class StockObject : uint8_t {
    BlackPen,
    WhitePen,
    NullPen,
    WhiteBrush,
    BlackBrush,
    NullBrush,
    DefaultFont,
    DefaultBitmap, // what a memory context holds before a bitmap is selected: 0 x 0 pixels
};

uint32_t stock_object(StockObject which);
// How many objects exist, stock objects included: what tests watch for leaks.
std::size_t live_object_count();

uint32_t create_pen(PenStyle style, int32_t width, Color color);
uint32_t create_solid_brush(Color color);
uint32_t create_font(LogicalFont const& font);
uint32_t create_rect_region(Rect const& rect);

// Bitmaps in the screen's format (all our contexts are true colour), black at first.
// Negative sizes, and sizes beyond the pixel limits (pixel_limits.h), give 0; a zero width
// or height gives an empty (0 x 0) bitmap that nothing can be drawn on.
uint32_t create_compatible_bitmap(DeviceContext const& context, int32_t width, int32_t height);
uint32_t create_discardable_bitmap(DeviceContext const& context, int32_t width, int32_t height);

// Frees the object. False, and nothing changes, for a bad handle or an object that is
// selected into a context (select another object there first). Stock objects are never
// freed: deleting one does nothing and returns true.
bool delete_object(uint32_t handle);

std::optional<ObjectKind> object_kind(uint32_t handle);
std::optional<Pen> pen_of(uint32_t handle);
std::optional<Brush> brush_of(uint32_t handle);
LogicalFont const* font_of(uint32_t handle);
std::optional<Size> bitmap_size(uint32_t handle);
// The pixels of a bitmap, for writing it out, or null.
Surface* bitmap_surface(uint32_t handle);
Region const* region_of(uint32_t handle);
// Gives a region object a new shape (a scroll's uncovered region, for example).
bool set_region(uint32_t handle, Region region);

// The object itself, for device contexts.
GraphicsObject* find_graphics_object(uint32_t handle);

} // namespace kp
