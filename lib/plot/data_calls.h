#pragma once

// How every call that draws the caller's own memory begins: the error state cleared, flag
// and code, before its own checks.

#include "lib/runtime/error_state.h"

namespace kelvo {

inline void start_data_call()
{
    ErrorState& errors = error_state();
    errors.flag = 0;
    errors.code = 0;
}

} // namespace kelvo
