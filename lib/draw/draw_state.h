#pragma once

// Everything the drawing subsystem keeps library-wide, in one place.

#include "lib/draw/colours.h"

namespace kelvo {

struct DrawState {
    ColourSet colours{};
};

DrawState& draw_state();

} // namespace kelvo
