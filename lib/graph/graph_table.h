#pragma once

// Open graphs by identifier, and the current graph that internal routines work on.

#include "lib/kelvolib.h"
#include "lib/graph/graph_record.h"
#include "platform/base/handle_table.h"

namespace kelvo {

struct WindowState {
    kp::HandleTable<GraphRecord> graphs{0x0C000001};
    GraphRecord* current = nullptr;
};

WindowState& window_state();

// The graph of an identifier, or null for 0, a closed or a never-issued identifier.
GraphRecord* find_graph(TkGraph id);
// Stores the identifier's graph (null for a bad one) as the current graph and returns it.
GraphRecord* make_current(TkGraph id);
GraphRecord* current_graph();

} // namespace kelvo
