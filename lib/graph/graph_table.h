#pragma once

// Open graphs by identifier, and the current graph that internal routines work on.

#include "lib/kelvolib.h"
#include "lib/graph/graph_record.h"
#include "platform/base/handle_table.h"

namespace kelvo {

struct GraphTable {
    kp::HandleTable<GraphRecord> graphs{0x0C000001};
};

// The current graph, kept apart from the table so that reaching it needs no check that the
// table was built: most exported calls name the graph of the call before.
inline constinit GraphRecord* current_graph_record = nullptr;

// Built by a load step, before the unload step is registered. Inline: every exported graph
// call reaches it.
inline GraphTable& graph_table()
{
    static GraphTable table;
    return table;
}

// The graph of an identifier, or null for 0, a closed or a never-issued identifier.
GraphRecord* find_graph(TkGraph id);
// The same, storing the graph (null for a bad identifier) as the current graph.
GraphRecord* make_current_by_lookup(TkGraph id);

// Stores the identifier's graph (null for a bad one) as the current graph and returns it.
// Most calls name the graph of the call before, which needs no lookup.
inline GraphRecord* make_current(TkGraph id)
{
    GraphRecord* const current = current_graph_record;
    if (current != nullptr && current->id == id)
        return current;
    return make_current_by_lookup(id);
}

inline GraphRecord* current_graph()
{
    return current_graph_record;
}

// The parameter list of the graph, made current, for its formulae; null (no parameters)
// for an identifier that names no open graph.
inline ParameterList* parameters_of(TkGraph id)
{
    GraphRecord* const record = make_current(id);
    return record == nullptr ? nullptr : &record->parameters;
}

} // namespace kelvo
