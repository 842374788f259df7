#pragma once

// Surfaces and surfaces of revolution work in whole window pixels: grid points are projected
// once, pinned to a range and rounded, and edges are drawn as pixel lines with both ends
// painted, collected into one batch per drawing.

#include <cmath>
#include <cstdint>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "lib/axes/axis_geometry.h"
#include "lib/draw/line_batch.h"
#include "lib/kelvolib.h"

namespace kelvo {

// Window positions handed to pixel lines stay within this many pixels of the origin.
inline constexpr int32_t pixel_limit = 30000;

// To the nearest integer, ties to even, like every window position. Callers keep the value
// well inside the 32-bit range.
inline int32_t rounded_pixel(double value)
{
#if defined(__SSE2__)
    return _mm_cvtsd_si32(_mm_set_sd(value));
#else
    return static_cast<int32_t>(std::nearbyint(value));
#endif
}

// A window coordinate clamped to [low, high] and then rounded as every window position is
// (to nearest, ties to even). A coordinate that is not a number gives `low`.
inline int32_t pinned_pixel(double coordinate, int32_t low, int32_t high)
{
    if (std::isnan(coordinate))
        return low;
    double const pinned = coordinate < low ? low : coordinate > high ? high : coordinate;
    return rounded_pixel(pinned);
}

// A pixel line from one point to the other, both ends painted, in the graph's pen and write
// mode with the pen's colour changed to `colour`.
inline void add_pixel_line(LineBatch& lines, PixelPoint from, PixelPoint to, TkColor colour)
{
    lines.add(from.x, from.y, to.x, to.y, colour);
}

} // namespace kelvo
