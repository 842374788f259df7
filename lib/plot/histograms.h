#pragma once

// Bar charts: a histogram of bars standing on y = 0, and a 3D chart of one bar per grid
// point, drawn back to front. Faces are filled in the call's colour and outlined in the
// graph's own colour (the pen colour of its style), which is also the pen colour afterwards.

#include <array>
#include <cstdint>
#include <span>

#include "lib/graph/graph_record.h"
#include "lib/kelvolib.h"
#include "lib/plot/grid_heights.h"

namespace kelvo {

struct BarStyle {
    TkColor colour = 0;
    uint8_t option = 0;
};

// TkDrawHistogram1: bar i spans from X(i) + w * offset * width to that plus w * width, where
// w is the distance from X(i) to its next point (for the last, to the point before; 1 when
// there is only one point), and reaches from 0 to Y(i).
int32_t draw_histogram(GraphRecord& graph, TkArray x, TkArray y, int32_t n, double width, double offset,
                       BarStyle const& style);

// The bars of TkDrawHistogram1 once its arguments are checked: as many heights as points,
// at least one, and a finite width and offset.
struct Bars {
    std::span<double const> x;
    std::span<double const> heights;
    double width = 1;
    double offset = 0;
};
// Fits and frames by the option, then draws the bars; the pen ends in the graph's own colour.
void draw_bars(GraphRecord& graph, Bars const& bars, BarStyle const& style);

// TkDrawHistogram2: a bar of height Z(i, j) at each (X(i), Y(j)), x_width and y_width of the
// distance to the next point along each axis wide.
int32_t draw_histogram(GraphRecord& graph, TkArray x, TkArray y, TkArray z, int32_t nx, int32_t ny, double x_width,
                       double y_width, BarStyle const& style);

// The order of painting 3D bars: columns run in the direction sx, rows in the direction sy
// (each +1 or -1), so that nearer bars are painted over farther ones; `up` when the view
// looks down on the x-y plane.
struct PaintersOrder {
    int32_t sx = 1;
    int32_t sy = 1;
    bool up = true;
};
PaintersOrder painters_order(double theta, double phi);

// The faces of one bar that can be seen from the view: its top, its side at the far end of
// x and its side at the far end of y (in the painting direction), each four corners.
struct BarFaces {
    std::array<Triple, 4> top;
    std::array<Triple, 4> x_side;
    std::array<Triple, 4> y_side;
};

struct BarGrid {
    std::span<double const> x; // X(1..nx)
    std::span<double const> y; // Y(1..ny)
    GridHeights const& heights;
    double x_width = 1;
    double y_width = 1;
};

// Bar (i, j). A side reaches down to 0 when the bar stands towards the viewer (up and
// positive, or seen from below and negative); otherwise only to the height of its
// neighbour beyond it, a neighbour outside the grid counting as 0.
BarFaces bar_faces(BarGrid const& grid, int32_t i, int32_t j, PaintersOrder const& order);

} // namespace kelvo
