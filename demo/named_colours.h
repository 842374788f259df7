#pragma once

// The demonstration's sixteen named colours, computed once at start-up through the library
// (matched to the screen).

#include "lib/kelvolib.h"

namespace kelvotour {

struct NamedColours {
    TkColor TkBlack, TkBlue, TkGreen, TkCyan, TkRed, TkMagenta, TkBrown, TkLightGray, TkDarkGray, TkLightBlue,
        TkLightGreen, TkLightCyan, TkLightRed, TkLightMagenta, TkYellow, TkWhite;
};

// Computes the colours; call once before any window exists.
void compute_named_colours();
NamedColours const& named_colours();

} // namespace kelvotour
