#pragma once

// Surfaces and surfaces of revolution work in whole window pixels: grid points are projected
// once, pinned to a range and rounded, and edges are drawn as pixel lines with both ends
// painted.

#include <cmath>
#include <cstdint>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "lib/graph/graph_record.h"
#include "lib/kelvolib.h"

namespace kelvo {

struct PixelPoint {
    int32_t column = 0;
    int32_t row = 0;

    friend bool operator==(PixelPoint, PixelPoint) = default;
};

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
int32_t pinned_pixel(double coordinate, int32_t low, int32_t high);

// Draws with the graph's pen and write mode; the pen changes only when the colour does, so
// that runs of edges in one colour make no new pens.
void draw_pixel_line(GraphRecord& graph, PixelPoint from, PixelPoint to, TkColor colour);

} // namespace kelvo
