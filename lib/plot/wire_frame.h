#pragma once

// The edge-coloured wire frame of a grid of projected points, shared by surfaces and
// surfaces of revolution.

#include <cstdint>
#include <span>

#include "lib/graph/graph_record.h"
#include "lib/plot/pixel_line.h"
#include "lib/plot/visible_segment.h"

namespace kelvo {

// `points` holds `columns` x `rows` points, row after row: P(c, r) at (r - 1) columns + c,
// counting from 1. Each cell is cut along its diagonal from P(c+1, r) to P(c, r+1) into a
// lower-left and an upper-right triangle; a triangle (A, B, D) faces the viewer when
// (B - A) x (D - B) <= 0 on the screen. Every grid edge is drawn once, in the upper colour
// when a triangle on either side of it faces the viewer and in the lower colour otherwise:
// first the edges within rows, column by column, then the edges between rows, row by row.
void draw_edge_coloured_wire_frame(GraphRecord& graph, std::span<PixelPoint const> points, int32_t columns,
                                   int32_t rows, SegmentColours colours);

} // namespace kelvo
