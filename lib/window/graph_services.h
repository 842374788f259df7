#pragma once

// Small services a graph offers its caller: message routing, the last paint record, the
// last mouse position and the mouse cursor.

#include <cstdint>

#include "lib/graph/graph_record.h"

namespace kelvo {

// Cursor shapes 1..7: arrow, hourglass, cross, "TkHand", I-beam, arrow (recorded as 1),
// "TkDot". Returns the shape in force before; a shape outside 1..7 changes nothing.
int32_t set_mouse_shape(GraphRecord& graph, int32_t shape);
// The hourglass when on, the arrow when off. Returns the previous shape.
int32_t set_waiting(GraphRecord& graph, bool on);
// The cursor of the graph's shape, loading it on first use.
uint32_t cursor_of_shape(GraphRecord& graph, int32_t shape);

} // namespace kelvo
