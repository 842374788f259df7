#pragma once

// How every call that draws the caller's own memory begins: the error state cleared, flag
// and code, before its own checks.

#include <cstddef>
#include <cstdint>
#include <limits>

#include "lib/runtime/error_state.h"

namespace kelvo {

// More reals than this cannot lie in memory: one object cannot hold them, and their byte
// offsets would overflow. The data calls refuse them with 20801 before reading any.
inline constexpr int64_t most_reals_in_memory =
    std::numeric_limits<std::ptrdiff_t>::max() / static_cast<int64_t>(sizeof(double));

inline void start_data_call()
{
    ErrorState& errors = error_state();
    errors.flag = 0;
    errors.code = 0;
}

} // namespace kelvo
