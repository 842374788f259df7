#include "platform/raster/painted_line.h"

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <optional>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "platform/raster/line.h"

namespace kp {

DeviceBox line_ends_box(std::span<PaintedLine const> lines, Point* copy)
{
    assert(!lines.empty());
#if defined(__SSE2__)
    static_assert(sizeof(Point) == 8 && offsetof(PaintedLine, from) == 0 && offsetof(PaintedLine, to) == 8,
                  "a line's two ends are four consecutive coordinates");
    __m128i low = _mm_set1_epi32(INT32_MAX);
    __m128i high = _mm_set1_epi32(INT32_MIN);
    for (PaintedLine const& line : lines) {
        __m128i const ends = _mm_loadu_si128(reinterpret_cast<__m128i const*>(&line));
        if (copy != nullptr) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(copy), ends);
            copy += 2;
        }
        __m128i const below = _mm_cmpgt_epi32(low, ends);
        low = _mm_or_si128(_mm_and_si128(below, ends), _mm_andnot_si128(below, low));
        __m128i const above = _mm_cmpgt_epi32(ends, high);
        high = _mm_or_si128(_mm_and_si128(above, ends), _mm_andnot_si128(above, high));
    }
    alignas(16) int32_t l[4];
    alignas(16) int32_t h[4];
    _mm_store_si128(reinterpret_cast<__m128i*>(l), low);
    _mm_store_si128(reinterpret_cast<__m128i*>(h), high);
    return {std::min(l[0], l[2]), std::min(l[1], l[3]), int64_t{std::max(h[0], h[2])} + 1,
            int64_t{std::max(h[1], h[3])} + 1};
#else
    int32_t left = INT32_MAX, top = INT32_MAX, right = INT32_MIN, bottom = INT32_MIN;
    for (PaintedLine const& line : lines) {
        if (copy != nullptr) {
            *copy++ = line.from;
            *copy++ = line.to;
        }
        left = std::min({left, line.from.x, line.to.x});
        right = std::max({right, line.from.x, line.to.x});
        top = std::min({top, line.from.y, line.to.y});
        bottom = std::max({bottom, line.from.y, line.to.y});
    }
    return {left, top, int64_t{right} + 1, int64_t{bottom} + 1};
#endif
}

void paint_lines_and_ends(Surface& surface, Clip const& clip, Point origin, std::span<PaintedLine const> lines,
                          DeviceBox const& ends, RasterOp op)
{
    std::span<Rect const> const rects = clip.rects();
    if (rects.empty())
        return;
    with_raster_op(op, [&](auto operation) {
        // Every end inside one clip rectangle (the whole window, most often): no line needs a
        // test of its own.
        bool const all_inside = std::ranges::any_of(rects, [&](Rect const& rect) { return DeviceBox::from(rect).contains(ends); });
        // The clip rectangle that held the last line whole: consecutive lines of a drawing
        // lie close together, so it mostly holds the next one too.
        Rect const* near = &rects.front();
        for (PaintedLine const& line : lines) {
            DevicePoint const a = DevicePoint::from(line.from, origin);
            DevicePoint const b = DevicePoint::from(line.to, origin);
            uint32_t const value = line.color.pixel();
            bool const paints_end = line.to.x != INT32_MAX;
            if (all_inside && paints_end) {
                paint_line_and_end(surface, a, b, value, operation);
                continue;
            }
            // A line with both ends in one rectangle lies in it and in no other.
            if (paints_end && paint_line_and_end_inside(surface, a, b, *near, value, operation))
                continue;
            for (Rect const& rect : rects) {
                if (paints_end && &rect != near && paint_line_and_end_inside(surface, a, b, rect, value, operation)) {
                    near = &rect;
                    break;
                }
                if (std::optional<LineStretch> const stretch = clip_line(a, b, rect))
                    paint_line(surface, *stretch, value, op);
                if (paints_end && contains(rect, b)) {
                    uint32_t& pixel = surface.at(static_cast<int32_t>(b.x), static_cast<int32_t>(b.y));
                    pixel = operation(pixel, value);
                }
            }
        }
    });
}

} // namespace kp
