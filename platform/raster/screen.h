#pragma once

// What the screen can show. Our framebuffers are true colour at 96 pixels per logical inch.

#include "platform/base/color.h"

namespace kp {

inline constexpr int pixels_per_logical_inch = 96;

// The nearest colour the screen can show: on a true-colour screen, the colour itself.
constexpr Color nearest_screen_color(Color color)
{
    return color;
}

} // namespace kp
