#include "lib/draw/colours.h"

#include <cstring>

#include <gtest/gtest.h>

#include "lib/draw/style.h"
#include "lib/kelvolib.h"

namespace {

using namespace kelvo;

TEST(Colours, TkRgbPacksEachComponentModulo256)
{
    EXPECT_EQ(TkRGB(255, 0, 0, 0), 255u);
    EXPECT_EQ(TkRGB(0, 0, 255, 0), 16711680u);
    EXPECT_EQ(TkRGB(256, 0, 0, 0), 0u);
    EXPECT_EQ(TkRGB(-1, 1, 2, 0), 0x000201FFu);
    EXPECT_EQ(TkRGB(10, 20, 30, 1), TkRGB(10, 20, 30, 0)) << "a true-colour screen shows every colour";
}

TEST(Colours, ColourSetIsBuiltAtLoadAndCopiedWhole)
{
    TkColor colours[17];
    colours[16] = 0xDEADBEEF;
    TkGetColorSet(colours);
    EXPECT_EQ(colours[0], 0u);
    EXPECT_EQ(colours[3], TkRGB(0, 120, 120, 1));
    EXPECT_EQ(colours[13], TkRGB(192, 72, 255, 1));
    EXPECT_EQ(colours[15], TkRGB(255, 255, 255, 1));
    EXPECT_EQ(colours[16], 0xDEADBEEFu) << "exactly 64 bytes are written";
    TkGetColorSet(nullptr);
}

TEST(Styles, NumbersOtherThanOneAndTwoGiveTheColouredStyle)
{
    StyleRecord zero = build_style_record(0);
    StyleRecord three = build_style_record(3);
    zero.style_number = three.style_number;
    EXPECT_EQ(std::memcmp(&zero, &three, sizeof zero), 0);
    EXPECT_EQ(three.style_number, 3);
    EXPECT_EQ(build_style_record(-7).style_number, -7);
    EXPECT_EQ(three.pen_colour, colour_set()[3]);
    EXPECT_EQ(three.font_face, 1);

    StyleRecord one = build_style_record(1);
    EXPECT_EQ(one.text_colour, colour_set()[0]);
    EXPECT_EQ(one.back_colour, colour_set()[15]);
    EXPECT_EQ(one.font_face, 2);
    StyleRecord two = build_style_record(2);
    EXPECT_EQ(two.pen_colour, colour_set()[15]);
    EXPECT_EQ(two.back_colour, colour_set()[0]);
    for (StyleRecord const& style : {zero, one, two})
        EXPECT_EQ(style.drawing_mode, 2);
}

} // namespace
