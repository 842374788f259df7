#include "platform/graphics/painted_line.h"

#include <algorithm>
#include <cassert>
#include <cstddef>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kp {

LineEndsBox line_ends_box(std::span<PaintedLine const> lines, Point* copy)
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
    return {std::min(l[0], l[2]), std::min(l[1], l[3]), std::max(h[0], h[2]), std::max(h[1], h[3])};
#else
    LineEndsBox box{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (PaintedLine const& line : lines) {
        if (copy != nullptr) {
            *copy++ = line.from;
            *copy++ = line.to;
        }
        box.left = std::min({box.left, line.from.x, line.to.x});
        box.right = std::max({box.right, line.from.x, line.to.x});
        box.top = std::min({box.top, line.from.y, line.to.y});
        box.bottom = std::max({box.bottom, line.from.y, line.to.y});
    }
    return box;
#endif
}

DeviceBox line_ends_device_box(std::span<PaintedLine const> lines, Point origin)
{
    LineEndsBox const ends = line_ends_box(lines);
    return {int64_t{ends.left} + origin.x, int64_t{ends.top} + origin.y, int64_t{ends.right} + 1 + origin.x,
            int64_t{ends.bottom} + 1 + origin.y};
}

} // namespace kp
