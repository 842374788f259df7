#include "lib/draw/draw_state.h"

namespace kelvo {

DrawState& draw_state()
{
    static DrawState state;
    return state;
}

} // namespace kelvo
