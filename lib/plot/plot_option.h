#pragma once

// The plot option, the last argument of every plotting call: 0 draw only, 1 fit the ranges
// (and set the view) first, 2 draw and label the axes first, 3 both.

#include <cstdint>

namespace kelvo {

constexpr bool fits_ranges(uint8_t option)
{
    return option == 1 || option == 3;
}

constexpr bool draws_axes(uint8_t option)
{
    return option == 2 || option == 3;
}

} // namespace kelvo
