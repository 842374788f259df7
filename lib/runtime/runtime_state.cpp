#include "lib/runtime/runtime_state.h"

namespace kelvo {

RuntimeState& runtime_state()
{
    static RuntimeState state;
    return state;
}

} // namespace kelvo
