#include "lib/numeric/numeric_state.h"

namespace kelvo {

NumericState& numeric_state()
{
    static NumericState state;
    return state;
}

} // namespace kelvo
