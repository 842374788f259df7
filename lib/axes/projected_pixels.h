#pragma once

// Window pixels of many points at once, for plots of millions of points: each is the pixel
// window_pixel(project(...)) gives that point, computed by the same operations in the same
// order (vector lanes round each operation as scalars do), on a linear graph.

#include <cstdint>

#include "lib/axes/axis_geometry.h"
#include "lib/graph/coordinate_state.h"

namespace kelvo {

// Points as the caller's arrays hold them: no x array stands for 0, 1, 2, ..., no z array for
// a plane at z_plane.
struct PointArrays {
    double const* x = nullptr;
    double const* y = nullptr;
    double const* z = nullptr;
    double z_plane = 0;
};

// The pixels of points first .. first + count - 1, on a graph whose projection is linear
// (AllLinear). False when a point is not finite or lies beyond the window limit: such points
// need the clipping of the point-by-point path, and the pixels are then not all meaningful.
bool project_to_pixels(EffectiveScales const& s, PointArrays const& points, int64_t first, int count,
                       PixelPoint* pixels);

} // namespace kelvo
