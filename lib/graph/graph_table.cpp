#include "lib/graph/graph_table.h"

namespace kelvo {

WindowState& window_state()
{
    static WindowState state;
    return state;
}

GraphRecord* find_graph(TkGraph id)
{
    return window_state().graphs.find(id);
}

GraphRecord* make_current(TkGraph id)
{
    GraphRecord* graph = find_graph(id);
    window_state().current = graph;
    return graph;
}

GraphRecord* current_graph()
{
    return window_state().current;
}

} // namespace kelvo
