#include "platform/raster/line.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>

namespace kp {

namespace {

using Wide = __int128; // products of two 33-bit extents with room to spare

// Floor and ceiling of n / d for d > 0.
Wide floor_div(Wide n, Wide d)
{
    Wide q = n / d;
    return (n % d != 0 && n < 0) ? q - 1 : q;
}
Wide ceil_div(Wide n, Wide d)
{
    Wide q = n / d;
    return (n % d != 0 && n > 0) ? q + 1 : q;
}

// The half-open range of steps i (0 <= i < extent) whose coordinate start + direction * i
// lies in [low, high).
void narrow_to_axis(Wide start, int direction, Wide low, Wide high, Wide& first, Wide& last)
{
    if (direction > 0) {
        first = std::max(first, low - start);
        last = std::min(last, high - start);
    } else {
        first = std::max(first, start - high + 1);
        last = std::min(last, start - low + 1);
    }
}

} // namespace

int64_t line_pixel_count(DevicePoint from, DevicePoint to)
{
    return std::max(std::llabs(to.x - from.x), std::llabs(to.y - from.y));
}

std::optional<LineStretch> clip_line(DevicePoint from, DevicePoint to, Rect const& clip)
{
    if (clip.is_empty())
        return std::nullopt;
    int64_t const dx = to.x - from.x;
    int64_t const dy = to.y - from.y;
    bool const x_major = std::llabs(dx) >= std::llabs(dy);
    int64_t const major_delta = x_major ? dx : dy;
    int64_t const minor_delta = x_major ? dy : dx;
    Wide const a = std::llabs(major_delta);
    Wide const b = std::llabs(minor_delta);
    if (a == 0)
        return std::nullopt;
    int const major_direction = major_delta > 0 ? 1 : -1;
    int const minor_direction = minor_delta >= 0 ? 1 : -1;

    // A line whose two ends lie in the rectangle has every pixel in it: the stretch is the
    // whole line, found without the search below. Short lines are the common case and the
    // search its largest cost.
    if (contains(clip, from) && contains(clip, to))
        return whole_line(from, to);
    Wide const major_start = x_major ? from.x : from.y;
    Wide const minor_start = x_major ? from.y : from.x;

    // Pixel i lies at major_start + major_direction * i and minor_start + minor_direction * m(i),
    // with m(i) = floor((2 * i * b + a - t) / (2 * a)). t = 1 when the minor coordinate falls, so
    // that halves round towards +infinity whichever way the line runs.
    Wide const t = minor_direction < 0 ? 1 : 0;

    Wide first = 0;
    Wide last = a;
    narrow_to_axis(major_start, major_direction, x_major ? clip.left() : clip.top(),
                   x_major ? clip.right() : clip.bottom(), first, last);

    // m(i) is non-decreasing, so the minor range [k_low, k_high) is a range of steps too.
    Wide k_low = 0;
    Wide k_high = 0;
    {
        Wide const low = x_major ? clip.top() : clip.left();
        Wide const high = x_major ? clip.bottom() : clip.right();
        if (minor_direction > 0) {
            k_low = low - minor_start;
            k_high = high - minor_start;
        } else {
            k_low = minor_start - high + 1;
            k_high = minor_start - low + 1;
        }
    }
    // The first step whose m(i) reaches k.
    auto first_step_reaching = [&](Wide k) -> Wide {
        if (k <= 0)
            return 0;
        if (b == 0)
            return a; // m stays 0
        return ceil_div(2 * a * k - a + t, 2 * b);
    };
    first = std::max(first, first_step_reaching(k_low));
    last = std::min(last, first_step_reaching(k_high));
    if (first >= last)
        return std::nullopt;

    Wide const numerator = 2 * first * b + a - t;
    Wide const minor_offset = floor_div(numerator, 2 * a);
    Wide const remainder = numerator - minor_offset * 2 * a;

    Wide const major_at = major_start + major_direction * first;
    Wide const minor_at = minor_start + minor_direction * minor_offset;
    LineStretch stretch;
    stretch.x = static_cast<int32_t>(x_major ? major_at : minor_at);
    stretch.y = static_cast<int32_t>(x_major ? minor_at : major_at);
    stretch.count = static_cast<int64_t>(last - first);
    stretch.first_index = static_cast<int64_t>(first);
    stretch.major_dx = x_major ? major_direction : 0;
    stretch.major_dy = x_major ? 0 : major_direction;
    stretch.minor_dx = x_major ? 0 : minor_direction;
    stretch.minor_dy = x_major ? minor_direction : 0;
    stretch.error = static_cast<int64_t>(remainder - 2 * a);
    stretch.error_increment = static_cast<int64_t>(2 * b);
    stretch.error_decrement = static_cast<int64_t>(2 * a);
    assert(clip.contains(Point{stretch.x, stretch.y}));
    return stretch;
}

void paint_line(Surface& surface, LineStretch const& stretch, uint32_t value, RasterOp op)
{
    if (stretch.count <= 0)
        return;
    // Horizontal lines are rows.
    if (stretch.major_dy == 0 && stretch.error_increment == 0) {
        int32_t const left = stretch.major_dx > 0 ? stretch.x : static_cast<int32_t>(stretch.x - stretch.count + 1);
        fill_row(surface.row(stretch.y) + left, static_cast<int32_t>(stretch.count), value, op);
        return;
    }
    with_raster_op(op, [&](auto operation) {
        walk_stretch_pixels(surface, stretch, stretch.count, [&](uint32_t& pixel) { pixel = operation(pixel, value); });
    });
}

void paint_dashed_line(Surface& surface, LineStretch const& stretch, LinePattern pattern, uint32_t value,
                       std::optional<uint32_t> gap_value, RasterOp op)
{
    if (stretch.count <= 0)
        return;
    PatternCursor dashes(pattern, stretch.first_index);
    with_raster_op(op, [&](auto operation) {
        if (gap_value) {
            uint32_t const gap = *gap_value;
            walk_stretch_pixels(surface, stretch, stretch.count, [&](uint32_t& pixel) { pixel = operation(pixel, dashes.next() ? value : gap); });
        } else {
            walk_stretch_pixels(surface, stretch, stretch.count, [&](uint32_t& pixel) {
                if (dashes.next())
                    pixel = operation(pixel, value);
            });
        }
    });
}

} // namespace kp
