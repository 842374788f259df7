#pragma once

// What plotting keeps library-wide: the pending graph for sampling, through which contour
// and surface calls lend their graph's parameters to the formula they sample.

#include "lib/kelvolib.h"

namespace kelvo {

struct PlotState {
    TkGraph pending_graph = 0;
};

PlotState& plot_state();

// Takes the pending graph and leaves the slot empty.
TkGraph take_pending_graph();

} // namespace kelvo
