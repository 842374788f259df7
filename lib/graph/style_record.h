#pragma once

// Style records: the 13 words that set a graph's default attributes at once.

#include <cstdint>

#include "lib/graph/text_placement.h"
#include "lib/kelvolib.h"

namespace kelvo {

struct StyleRecord {
    TkColor text_colour = 0;
    TkColor pen_colour = 0;
    TkColor plot_colour1 = 0;
    TkColor plot_colour2 = 0;
    TkColor back_colour = 0;
    int32_t write_mode = 1;
    int32_t font_face = 1;
    int32_t font_style = 1;
    int32_t font_size = 10;
    int32_t font_orientation = code_of(Orientation::Right);
    int32_t justification = code_of(Justification::Start);
    int32_t drawing_mode = 2;
    int32_t style_number = 0;
};

} // namespace kelvo
