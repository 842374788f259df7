#pragma once

// One-pixel lines. A line from A to B paints A and stops one pixel short of B, so that
// consecutive segments of a polyline paint each shared vertex once.
//
// Which pixels: along the major axis (x when |dx| >= |dy|, diagonals included) every
// coordinate from A up to, not including, B gets one pixel; its minor coordinate is the
// exact line's value rounded to the nearest integer, halves rounding towards +infinity.
// The rule depends only on the geometric line, not on its direction, so a line drawn from B
// to A covers the same pixels apart from its two ends.
//
// Clipping happens once, before painting: `clip_line` finds the stretch of pixels that lies
// in a clip rectangle and the exact error term at its first pixel, so the painting loop never
// tests coordinates and a line from -2^31 to 2^31 costs no more than its visible part.

#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <cstdlib>
#include <optional>

#include "platform/base/rect.h"
#include "platform/base/device_geometry.h"
#include "platform/raster/line_pattern.h"
#include "platform/raster/raster_op.h"
#include "platform/raster/surface.h"

namespace kp {

// The part of a line inside one clip rectangle, ready to walk.
struct LineStretch {
    int32_t x = 0; // first pixel
    int32_t y = 0;
    int64_t count = 0;       // pixels in the stretch, at least 1
    int64_t first_index = 0; // position of the first pixel along the whole line (A is 0)
    int32_t major_dx = 0;    // one step along the major axis
    int32_t major_dy = 0;
    int32_t minor_dx = 0; // the extra step when the error term reaches 0
    int32_t minor_dy = 0;
    int64_t error = 0; // in [-2 * major extent, 0)
    int64_t error_increment = 0; // 2 * minor extent
    int64_t error_decrement = 0; // 2 * major extent
};

// Pixels the whole line paints (the end is not one of them).
int64_t line_pixel_count(DevicePoint from, DevicePoint to);

std::optional<LineStretch> clip_line(DevicePoint from, DevicePoint to, Rect const& clip);

// Visits every pixel of the stretch in order: visit(x, y, index along the line).
template <typename Visit>
void walk_line(LineStretch const& stretch, Visit&& visit)
{
    int32_t x = stretch.x;
    int32_t y = stretch.y;
    int64_t error = stretch.error;
    int64_t index = stretch.first_index;
    for (int64_t n = stretch.count;;) {
        visit(x, y, index);
        if (--n == 0)
            break;
        ++index;
        x += stretch.major_dx;
        y += stretch.major_dy;
        error += stretch.error_increment;
        if (error >= 0) {
            error -= stretch.error_decrement;
            x += stretch.minor_dx;
            y += stretch.minor_dy;
        }
    }
}

// Visits `count` pixels of a line in memory from `pixel`: a major step each time, and a
// minor step too when the error term, raised by `increment`, reaches 0 (it then drops by
// `decrement`). A plain branch for the minor step measured faster than branch-free selects:
// the selects lengthen the chain from one error term to the next, which costs every pixel,
// while a mispredicted branch costs only some.
template <typename Paint>
[[gnu::always_inline]] inline void walk_pixels(uint32_t* pixel, int64_t count, ptrdiff_t major_step,
                                               ptrdiff_t minor_step, int64_t error, int64_t increment,
                                               int64_t decrement, Paint&& paint)
{
    for (int64_t n = count;;) {
        paint(*pixel);
        if (--n == 0)
            break;
        pixel += major_step;
        error += increment;
        if (error >= 0) {
            error -= decrement;
            pixel += minor_step;
        }
    }
}

// The stretch of the whole line, from A (index 0) up to the pixel before B, for a line that
// lies inside the clip. One step past its last pixel the walk lands on B itself.
constexpr LineStretch whole_line(DevicePoint from, DevicePoint to)
{
    int64_t const dx = to.x - from.x;
    int64_t const dy = to.y - from.y;
    bool const x_major = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
    int64_t const major_delta = x_major ? dx : dy;
    int64_t const minor_delta = x_major ? dy : dx;
    int64_t const major = major_delta < 0 ? -major_delta : major_delta;
    int32_t const major_direction = major_delta > 0 ? 1 : -1;
    int32_t const minor_direction = minor_delta >= 0 ? 1 : -1;
    LineStretch stretch;
    stretch.x = static_cast<int32_t>(from.x);
    stretch.y = static_cast<int32_t>(from.y);
    stretch.count = major;
    stretch.major_dx = x_major ? major_direction : 0;
    stretch.major_dy = x_major ? 0 : major_direction;
    stretch.minor_dx = x_major ? 0 : minor_direction;
    stretch.minor_dy = x_major ? minor_direction : 0;
    // Halves round towards +infinity whichever way the line runs (clip_line says how).
    stretch.error = -major - (minor_delta < 0 ? 1 : 0);
    stretch.error_increment = 2 * (minor_delta < 0 ? -minor_delta : minor_delta);
    stretch.error_decrement = 2 * major;
    return stretch;
}

// Visits the first `count` pixels of the stretch's walk through memory (count may run one
// past the stretch, onto the line's end).
template <typename Paint>
[[gnu::always_inline]] inline void walk_stretch_pixels(Surface& surface, LineStretch const& stretch, int64_t count,
                                                       Paint&& paint)
{
    ptrdiff_t const stride = surface.width();
    walk_pixels(surface.row(stretch.y) + stretch.x, count, stretch.major_dx + stretch.major_dy * stride,
                stretch.minor_dx + stretch.minor_dy * stride, stretch.error, stretch.error_increment,
                stretch.error_decrement, paint);
}

// Paints the line from `from` to `to` and then its end `to`, with `operation` (one of
// raster_ops): the pixels of the whole line, followed by the end, which the walk reaches on
// its last step. Device level: both ends must lie inside the surface and inside the clip.
template <typename Operation>
[[gnu::always_inline]] inline void paint_line_and_end(Surface& surface, DevicePoint from, DevicePoint to, uint32_t value,
                                                      Operation operation)
{
    if (from.y == to.y) {
        // A row, left to right whatever the direction: no pixel is painted twice, so the
        // order does not change the result.
        int64_t const left = std::min(from.x, to.x);
        fill_row_with(operation, surface.row(static_cast<int32_t>(from.y)) + left,
                      static_cast<int32_t>(std::max(from.x, to.x) - left + 1), value);
        return;
    }
    LineStretch const stretch = whole_line(from, to);
    walk_stretch_pixels(surface, stretch, stretch.count + 1, [&](uint32_t& p) { p = operation(p, value); });
}

// paint_line_and_end when both ends lie inside `clip`; false, painting nothing, when an end
// lies outside, and the caller then clips. Device level: `clip` lies inside the surface.
template <typename Operation>
[[gnu::always_inline]] inline bool paint_line_and_end_inside(Surface& surface, DevicePoint from, DevicePoint to,
                                                             Rect const& clip, uint32_t value, Operation operation)
{
    if (!contains(clip, from) || !contains(clip, to))
        return false;
    paint_line_and_end(surface, from, to, value, operation);
    return true;
}

// Paints the stretch in one value. Device level: the stretch must come from `clip_line`
// with a clip inside the surface.
void paint_line(Surface& surface, LineStretch const& stretch, uint32_t value, RasterOp op);
// Paints the stretch's dashes in `value` and, when given, its gaps in `gap_value`; the
// pattern is counted from the stretch's first index.
void paint_dashed_line(Surface& surface, LineStretch const& stretch, LinePattern pattern, uint32_t value,
                       std::optional<uint32_t> gap_value, RasterOp op);

} // namespace kp
