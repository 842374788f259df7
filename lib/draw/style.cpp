#include "lib/draw/style.h"

#include "lib/draw/colours.h"

namespace kelvo {

namespace {
constexpr int black = 0;
constexpr int green = 2;
constexpr int cyan = 3;
constexpr int red = 4;
constexpr int yellow = 14;
constexpr int white = 15;
constexpr int32_t times_roman_face = 1;
constexpr int32_t helvetica_face = 2;
} // namespace

StyleRecord build_style_record(int32_t number)
{
    ColourSet const& colours = colour_set();
    StyleRecord style;
    switch (number) {
    case 1:
        style.text_colour = style.pen_colour = style.plot_colour1 = style.plot_colour2 = colours[black];
        style.back_colour = colours[white];
        style.font_face = helvetica_face;
        break;
    case 2:
        style.text_colour = style.pen_colour = style.plot_colour1 = style.plot_colour2 = colours[white];
        style.back_colour = colours[black];
        style.font_face = helvetica_face;
        break;
    default:
        style.text_colour = colours[green];
        style.pen_colour = colours[cyan];
        style.plot_colour1 = colours[red];
        style.plot_colour2 = colours[yellow];
        style.back_colour = colours[black];
        style.font_face = times_roman_face;
        break;
    }
    style.write_mode = 1;
    style.font_style = 1;
    style.font_size = 10;
    style.font_orientation = code_of(Orientation::Right);
    style.justification = code_of(Justification::Start);
    style.drawing_mode = 2;
    style.style_number = number;
    return style;
}

} // namespace kelvo
