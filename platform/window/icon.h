#pragma once

// Named icons: pictures a window class names and the presenter shows.

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/base/size.h"

namespace kp {

struct Icon {
    Size size;
    std::vector<uint32_t> argb; // 0xAARRGGBB, rows top to bottom
};

// "Kelvo": a small graph with axes and a curve. 0 for an unknown name. Loading the same
// icon twice gives the same handle; icons live as long as the process.
uint32_t load_named_icon(std::string_view name);
Icon const* find_icon(uint32_t icon);

} // namespace kp
