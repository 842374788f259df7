#pragma once

// How every plot of library arrays begins: the array checks' result becomes the error code
// (a failed check has no message), and a count below 1 is "Not enough data".

#include <cstdint>
#include <initializer_list>

#include "lib/runtime/array_check.h"

namespace kelvo {

// Clears the error flag and sets the code to the first non-zero result of the checks, or
// 0. Returns that code.
int32_t start_array_plot(std::initializer_list<ArrayCheck> checks);

// After a passed check: 20802 with its message when a count is below 1, else 0.
int32_t require_counts(std::initializer_list<int32_t> counts);

} // namespace kelvo
