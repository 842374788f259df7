#pragma once

// Everything the numerical subsystem keeps library-wide: the ODE sets by handle, the set
// being solved and the buffer its right-hand sides are evaluated into.

#include <array>

#include "lib/numeric/ode_set.h"
#include "platform/base/handle_table.h"

namespace kelvo {

struct NumericState {
    kp::HandleTable<OdeSet> ode_sets{0x0DE00001};
    OdeSet* current_set = nullptr;
    std::array<double, max_ode_equations> derivatives{};
};

NumericState& numeric_state();

} // namespace kelvo
