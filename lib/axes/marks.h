#pragma once

// Marks in user coordinates: symbols at a fixed pixel size, error bars, graph labels,
// polygons and cross-wires.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "lib/draw/shapes.h"
#include "lib/graph/graph_record.h"

namespace kelvo {

// Symbol codes 0 (none) to 9, drawn in the symbol colour when the graph uses it, else in the
// pen colour; the pen is left as it was.
void plot_symbol(GraphRecord& graph, int32_t code, double x, double y, double z);

// Bars of half-widths ex (in x) and ey (in y) about (x, y) at the graph's ZPlane, then the
// symbol there. A bar no longer than the symbol size is left out.
void draw_error_bar(GraphRecord& graph, int32_t code, double x, double y, double ex, double ey);

// The text (cut to 255 bytes) at the graph-label offsets from the point, in the graph's font,
// orientation, justification and text colour.
void draw_graph_label(GraphRecord& graph, std::string_view text, double x, double y, double z);

// No more polygon points than this are drawn: more raise coordinate warning 1 (10601, "Not
// enough room for local array") and draw nothing.
inline constexpr std::size_t polygon_point_limit = 125000;

// The open polyline (outline) or filled polygon through user points; points that project
// beyond the window limit are dropped.
void draw_user_polygon(GraphRecord& graph, std::span<Triple const> points, Filling filling);

// Lines through the point parallel to the axes across the effective ranges: x and y at the
// graph's ZPlane, or x, y and z. The current point is left at the end of the last line.
void draw_cross_wires(GraphRecord& graph, double x, double y);
void draw_cross_wires(GraphRecord& graph, double x, double y, double z);

} // namespace kelvo
