#include "lib/graph/graph_table.h"

namespace kelvo {

GraphRecord* find_graph(TkGraph id)
{
    return graph_table().graphs.find(id);
}

GraphRecord* make_current_by_lookup(TkGraph id)
{
    GraphRecord* graph = find_graph(id);
    current_graph_record = graph;
    return graph;
}

} // namespace kelvo
