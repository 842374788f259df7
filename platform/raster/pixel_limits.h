#pragma once

// The largest areas of pixels the platform makes on request: bitmaps, and the pictures saved
// from a recording (all of its pixels for PNG, patches for SVG and PDF). 2^28 pixels of four
// bytes are a gigabyte. Anything larger is refused before memory is asked for.

#include <cstdint>

#include "platform/base/size.h"

namespace kp {

inline constexpr int32_t max_bitmap_side = 1 << 16;
inline constexpr int64_t max_bitmap_pixels = int64_t{1} << 28;

// Whether neither side is negative, nor longer than max_bitmap_side, and the area is at most
// max_bitmap_pixels.
constexpr bool within_pixel_limits(Size size)
{
    return size.width >= 0 && size.height >= 0 && size.width <= max_bitmap_side && size.height <= max_bitmap_side
           && int64_t{size.width} * size.height <= max_bitmap_pixels;
}

} // namespace kp
