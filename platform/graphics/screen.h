#pragma once

// The screen our device contexts stand for: true colour at 96 pixels per logical inch.

#include <cstdint>

#include "platform/base/color.h"

namespace kp {

inline constexpr int32_t screen_pixels_per_inch = 96;

// The screen shows every colour, so the nearest one is the colour itself.
constexpr Color nearest_screen_color(Color color) { return color; }

} // namespace kp
