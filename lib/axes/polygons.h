#pragma once

// Polygons given by library arrays of coordinates. The arrays are checked before anything
// else and the check's result is the call's; a non-zero result draws nothing and leaves the
// current graph as it was.

#include <cstdint>

#include "lib/draw/shapes.h"
#include "lib/kelvolib.h"

namespace kelvo {

// Results of the check of the 3D forms.
inline constexpr int32_t polygon_missing_array = 1;
inline constexpr int32_t polygon_array_not_flat = 2;
inline constexpr int32_t polygon_array_too_short = 3;

// Points (X(i), Y(i)) at the graph's ZPlane, i = 1..n; the result of the plot array check
// (X as coordinate array, Y as data array).
int32_t draw_array_polygon(TkGraph graph, TkArray x, TkArray y, int32_t n, Filling filling);
// Points (X(i), Y(i), Z(i)); 1 for a missing array, 2 for one that is not one-dimensional,
// 3 for one shorter than n, else 0.
int32_t draw_array_polygon(TkGraph graph, TkArray x, TkArray y, TkArray z, int32_t n, Filling filling);

} // namespace kelvo
