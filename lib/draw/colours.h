#pragma once

// Colour values 0x00BBGGRR, the library's colour set of 16 colours, and screen matching.

#include <array>
#include <cstdint>

#include "lib/kelvolib.h"
#include "platform/base/color.h"

namespace kelvo {

inline constexpr int colour_set_size = 16;
using ColourSet = std::array<TkColor, colour_set_size>;

// Each component taken modulo 256.
constexpr TkColor pack_colour(int32_t red, int32_t green, int32_t blue)
{
    return static_cast<TkColor>(red & 0xFF) | static_cast<TkColor>(green & 0xFF) << 8
         | static_cast<TkColor>(blue & 0xFF) << 16;
}

// The platform's form of a colour.
constexpr kp::Color to_color(TkColor colour)
{
    return kp::Color::from_interface(colour);
}

// The nearest colour the screen can show.
TkColor match_to_screen(TkColor colour);

// The packed colour, matched to the screen when `match` is 1.
TkColor make_colour(int32_t red, int32_t green, int32_t blue, int32_t match);

// The colour set, built when the library is loaded.
ColourSet const& colour_set();
void build_colour_set();

} // namespace kelvo
