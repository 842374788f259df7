#include "lib/draw/colours.h"

#include "lib/draw/draw_state.h"
#include "platform/graphics/screen.h"

namespace kelvo {

namespace {

constexpr std::array<std::array<int32_t, 3>, colour_set_size> colour_set_components = {{
    {0, 0, 0},
    {0, 0, 128},
    {0, 128, 0},
    {0, 120, 120},
    {132, 0, 0},
    {80, 0, 100},
    {128, 128, 0},
    {192, 192, 192},
    {128, 128, 128},
    {84, 84, 255},
    {84, 255, 84},
    {20, 227, 227},
    {255, 64, 64},
    {192, 72, 255},
    {228, 228, 76},
    {255, 255, 255},
}};

} // namespace

TkColor match_to_screen(TkColor colour)
{
    return kp::nearest_screen_color(kp::Color::from_interface(colour)).to_interface();
}

TkColor make_colour(int32_t red, int32_t green, int32_t blue, int32_t match)
{
    TkColor const colour = pack_colour(red, green, blue);
    return match == 1 ? match_to_screen(colour) : colour;
}

ColourSet const& colour_set()
{
    return draw_state().colours;
}

void build_colour_set()
{
    for (int i = 0; i < colour_set_size; ++i) {
        auto const [red, green, blue] = colour_set_components[static_cast<std::size_t>(i)];
        draw_state().colours[static_cast<std::size_t>(i)] = make_colour(red, green, blue, 1);
    }
}

} // namespace kelvo
