#include "platform/raster/surface.h"

#include <gtest/gtest.h>

namespace {

using kp::Color;
using kp::Surface;

TEST(Surface, NegativeAndZeroSizesGiveAnEmptySurface)
{
    EXPECT_TRUE(Surface({-5, 10}).is_empty());
    EXPECT_TRUE(Surface({0, 0}).pixels().empty());
    Surface s({-5, 10});
    s.set_pixel({0, 0}, kp::colors::white); // outside: nothing happens
    EXPECT_EQ(s.pixel({0, 0}), Color{});
}

TEST(Surface, ResizeKeepsTheCommonCorner)
{
    Surface s({3, 2}, Color::from_rgb(1, 2, 3));
    s.set_pixel({2, 1}, kp::colors::white);
    s.resize({4, 3}, kp::colors::black);
    EXPECT_EQ(s.pixel({2, 1}), kp::colors::white);
    EXPECT_EQ(s.pixel({0, 0}), Color::from_rgb(1, 2, 3));
    EXPECT_EQ(s.pixel({3, 2}), kp::colors::black);
    s.resize({1, 1});
    EXPECT_EQ(s.pixels().size(), 1u);
}

TEST(Color, InterfaceAndPixelFormsSwapRedAndBlue)
{
    Color red = Color::from_interface(0x000000FF);
    EXPECT_EQ(red.red(), 255);
    EXPECT_EQ(red.pixel(), 0x00FF0000u);
    EXPECT_EQ(red.to_interface(), 0x000000FFu);
    EXPECT_EQ(Color::from_interface(0xFF123456).to_interface(), 0x00123456u);
}

} // namespace
