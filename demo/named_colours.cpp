#include "demo/named_colours.h"

namespace kelvotour {

namespace {
NamedColours colours{};
}

void compute_named_colours()
{
    // Computed in this order, with these exact components.
    colours.TkBlack = TkRGB(0, 0, 0, 1);
    colours.TkBlue = TkRGB(0, 0, 128, 1);
    colours.TkGreen = TkRGB(0, 128, 0, 1);
    colours.TkCyan = TkRGB(0, 120, 120, 1);
    colours.TkRed = TkRGB(132, 0, 0, 1);
    colours.TkMagenta = TkRGB(80, 0, 100, 1);
    colours.TkBrown = TkRGB(128, 128, 0, 1);
    colours.TkLightGray = TkRGB(192, 192, 192, 1);
    colours.TkDarkGray = TkRGB(128, 128, 128, 1);
    colours.TkLightBlue = TkRGB(84, 84, 255, 1);
    colours.TkLightGreen = TkRGB(84, 255, 84, 1);
    colours.TkLightCyan = TkRGB(20, 227, 227, 1);
    colours.TkLightRed = TkRGB(255, 64, 64, 1);
    colours.TkLightMagenta = TkRGB(135, 0, 171, 1);
    colours.TkYellow = TkRGB(228, 228, 76, 1);
    colours.TkWhite = TkRGB(255, 255, 255, 1);
}

NamedColours const& named_colours()
{
    return colours;
}

} // namespace kelvotour
