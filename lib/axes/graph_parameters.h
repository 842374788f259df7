#pragma once

// The graph parameters: every numeric setting of the coordinate and axis block, addressed by
// a code, and the graph colours, addressed by an index.

#include <cstdint>

#include "lib/graph/graph_record.h"

namespace kelvo {

// A code the table does not know is ignored; reading one gives 0. Flags are stored as true
// for any nonzero value and read back as 1 or 0.
void set_graph_parameter(GraphRecord& graph, int32_t code, int32_t value);
int32_t get_graph_parameter(GraphRecord const& graph, int32_t code);

// Indexes 1 to 19; any other shows a debug message, changes nothing and reads 0.
void set_graph_colour(GraphRecord& graph, int32_t index, TkColor colour);
TkColor get_graph_colour(GraphRecord const& graph, int32_t index);
// Axis, pip, label (x, y and z) and pen colours at once.
void set_colours(GraphRecord& graph, TkColor axis, TkColor pip, TkColor label, TkColor pen);

} // namespace kelvo
