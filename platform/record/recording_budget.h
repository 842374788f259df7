#pragma once

// What keeps a recording's memory bounded, shared by its steps and its budget: the limits on
// how large a patch region grows.

#include <cstddef>

#include "platform/base/region.h"

namespace kp {

// A region built from many step boxes can have as many rectangles; past this many a patch
// keeps the region's bounds instead, which is coarser but just as faithful. A patch grows by
// union with each region added to it, so the count also bounds that cost.
inline constexpr std::size_t most_patch_rects = 256;

inline Region coarsened_patch(Region region)
{
    if (region.rects().size() > most_patch_rects)
        return Region(region.bounds());
    return region;
}

} // namespace kp
