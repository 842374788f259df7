#include "lib/window/graph_table.h"

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

kp::DeviceContext* GraphRecord::context(Slot slot) const
{
    if (slot == Slot::Window)
        return window_context;
    return image_contexts[slot_index(slot) - 1].get();
}

} // namespace kelvo
