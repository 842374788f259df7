#pragma once

// The frame of a plot: axis lines of the axis type with primary and secondary pips, the box
// of the effective ranges, the grid and the window border.

#include "lib/graph/graph_record.h"

namespace kelvo {

// Grid (if any), axis lines, pips in each axis's label font, then the titles that are set.
void draw_axes(GraphRecord& graph);
void draw_box(GraphRecord& graph);
// Nothing in a 3D view.
void draw_grid(GraphRecord& graph);
void draw_border(GraphRecord& graph);

} // namespace kelvo
