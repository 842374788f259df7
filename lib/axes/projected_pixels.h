#pragma once

// Window pixels of many points at once, for plots of millions of points: each is the pixel
// window_pixel(project(...)) gives that point, computed by the same operations in the same
// order (vector lanes round each operation as scalars do), on a linear graph.

#include <cstdint>
#include <optional>

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

// Consecutive pixels of a polyline in one pixel column: the rows of the first and last, and
// the lowest and highest row. The lines between them, all in that column, paint every pixel
// from the lowest row to the highest, and nothing else.
struct ColumnRun {
    int32_t x = 0;
    int32_t first = 0;
    int32_t last = 0;
    int32_t low = 0;
    int32_t high = 0;

    static constexpr ColumnRun at(PixelPoint p) { return {p.x, p.y, p.y, p.y, p.y}; }
    friend bool operator==(ColumnRun const&, ColumnRun const&) = default;
};

struct ColumnRuns {
    int closed = 0;  // runs written, in order
    ColumnRun open;  // the run the last point lies in, which further points may extend
};

// The column runs of points first .. first + count - 1 continuing the run `open` (that of the
// point before them), on a linear graph: the runs they close, at most count of them, and the
// run left open. None as for project_to_pixels.
std::optional<ColumnRuns> project_to_column_runs(EffectiveScales const& s, PointArrays const& points, int64_t first,
                                                 int count, ColumnRun open, ColumnRun* closed);

} // namespace kelvo
