#include "lib/plot/plot_state.h"

#include <utility>

namespace kelvo {

PlotState& plot_state()
{
    static PlotState state;
    return state;
}

TkGraph take_pending_graph()
{
    return std::exchange(plot_state().pending_graph, TkGraph{0});
}

} // namespace kelvo
