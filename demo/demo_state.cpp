#include "demo/demo_state.h"

namespace kelvotour {

void reset_graph(DemoState& state, Clearing clearing)
{
    TkDefaults(state.GraphId);
    TkKelvoStyle(state.GraphId, state.ColorStyle);
    if (clearing == Clearing::Clear) {
        TkClearWindow(state.GraphId);
        TkDispatchToWindow(state.GraphId);
    }
}

void set_busy(DemoState& state, bool on)
{
    state.Busy = on;
    TkSetMouseShape(state.GraphId, on ? 2 : 1);
}

} // namespace kelvotour
