#pragma once

// Surfaces z(x, y) on a grid in the graph's view: an edge-coloured wire frame (style 3) or
// a hidden-line drawing (style 4).

#include <cstdint>

#include "lib/graph/graph_record.h"
#include "lib/kelvolib.h"
#include "lib/plot/plot_grid.h"

namespace kelvo {

inline constexpr uint8_t wire_frame_style = 3;
inline constexpr uint8_t hidden_line_style = 4;

struct SurfaceRequest {
    uint8_t style = wire_frame_style;
    TkColor upper_colour = 0; // the side that faces up on the screen
    TkColor lower_colour = 0;
    uint8_t option = 0;
};

// Checks the coordinates and heights, fits the ranges under options 1 and 3 (the view is
// kept), draws the axes under options 2 and 3, then the surface; failures go to the error
// state. Nothing is done when the error state is already set.
//
// A hidden-line drawing in a view without a front (looking straight down the z axis, or
// with both grid directions on one arm of the sweep) is drawn as the wire frame: from
// straight above no part of a surface hides another.
void draw_surface(GraphRecord& graph, PlotGrid const& grid, SurfaceRequest const& request);

} // namespace kelvo
