#pragma once

// The frame of a plot: axis lines of the axis type with primary and secondary pips, the box
// of the effective ranges, the grid and the window border.

#include "lib/graph/graph_record.h"

namespace kelvo {

// Grid (if any), axis lines, pips in each axis's label font, then the titles that are set.
// The pen is put back afterwards; the write mode is left at 1 (copy) and the font at the
// last axis's label font.
void draw_axes(GraphRecord& graph);
// 2D: the rectangle of the effective ranges. 3D: the nine edges of the box that do not meet
// at the corner hidden behind it.
void draw_box(GraphRecord& graph);
// Lines at the secondary (grid mode 2) and primary pip positions across the plot, in their
// own pens; the write mode is left at 1. Nothing in a 3D view.
void draw_grid(GraphRecord& graph);
void draw_border(GraphRecord& graph);

} // namespace kelvo
