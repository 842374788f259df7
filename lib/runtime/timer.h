#pragma once

#include <cstdint>

namespace kelvo {

// Hundredths of a second since local midnight.
int32_t centiseconds_since_midnight();
int32_t centiseconds_of(int32_t hours, int32_t minutes, int32_t seconds, int32_t milliseconds);

} // namespace kelvo
