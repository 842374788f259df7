#pragma once

// Marks in user coordinates: symbols at a fixed pixel size, and polygons.

#include <cstdint>
#include <span>

#include "lib/draw/shapes.h"
#include "lib/graph/graph_record.h"

namespace kelvo {

// Symbol codes 0 (none) to 9, drawn in the symbol colour when the graph uses it, else in the
// pen colour; the pen is left as it was.
void plot_symbol(GraphRecord& graph, int32_t code, double x, double y, double z);

// The open polyline (outline) or filled polygon through user points; points that project
// beyond the window limit are dropped.
void draw_user_polygon(GraphRecord& graph, std::span<Triple const> points, Filling filling);

} // namespace kelvo
