#pragma once

#include <cstdint>

namespace kp {

// What the gaps of dashed lines and the cells of text show: what was there, or the
// context's background colour.
enum class BackgroundMode : uint8_t { Transparent = 1, Opaque = 2 };

} // namespace kp
