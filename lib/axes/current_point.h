#pragma once

// The current point in user coordinates, and lines drawn from it with the graph's pen and
// write mode. Segments are clipped to the window limit; a segment whose ends both lie beyond
// it draws nothing, even when it crosses the window.

#include "lib/draw/line_batch.h"
#include "lib/graph/graph_record.h"

namespace kelvo {

void move_to(GraphRecord& graph, double x, double y, double z);
void draw_to(GraphRecord& graph, double x, double y, double z);
// The same line added to a batch in the pen's colour, for drawings of many short lines.
void draw_to(GraphRecord& graph, double x, double y, double z, LineBatch& lines);
// Relative forms: from the current point.
void move_by(GraphRecord& graph, double dx, double dy, double dz);
void draw_by(GraphRecord& graph, double dx, double dy, double dz);

// 2D forms at the graph's ZPlane.
void move_to(GraphRecord& graph, double x, double y);
void draw_to(GraphRecord& graph, double x, double y);

} // namespace kelvo
