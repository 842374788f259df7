#include "lib/graph/drawing_modes.h"

#include <gtest/gtest.h>

namespace {

using namespace kelvo;

TEST(DrawingModes, OpenFlagsBitsZeroToTwoChooseTheMode)
{
    EXPECT_EQ(opened_mode_from_flags(3), DrawingMode::Background);
    EXPECT_EQ(opened_mode_from_flags(3 + 64), DrawingMode::Background);
    EXPECT_EQ(opened_mode_from_flags(128 + 2), DrawingMode::AutoRedraw);
    for (int32_t flags : {0, 5, 6, 7, 64})
        EXPECT_EQ(opened_mode_from_flags(flags), DrawingMode::Foreground) << flags;
    EXPECT_EQ(image_count(DrawingMode::Foreground), 0);
    EXPECT_EQ(image_count(DrawingMode::AutoRedraw), 1);
    EXPECT_EQ(image_count(DrawingMode::Background), 2);
    EXPECT_EQ(image_count(DrawingMode::DelayRedraw), 1);
}

TEST(DrawingModes, ImagesHoldTheWindowPlusTheSlackInItsProportions)
{
    EXPECT_EQ(image_size_for({400, 300}, image_slack_at_open), (kp::Size{516, 387}));
    kp::Size rebuilt = image_size_for({400, 300}, image_slack_at_rebuild);
    EXPECT_NEAR(rebuilt.width * rebuilt.height - 400 * 300, 40000, 800);
    kp::Size degenerate = image_size_for({0, -5}, image_slack_at_open);
    EXPECT_GT(degenerate.width, 0);
    EXPECT_GT(degenerate.height, 0);
}

TEST(DrawingModes, RebuildWhenTheWindowOutgrowsTheImageOrTheImageIsFarTooBig)
{
    EXPECT_FALSE(images_need_rebuild({516, 387}, {400, 300}));
    EXPECT_FALSE(images_need_rebuild({516, 387}, {450, 320}));
    EXPECT_TRUE(images_need_rebuild({516, 387}, {517, 300}));
    EXPECT_TRUE(images_need_rebuild({516, 387}, {400, 388}));
    EXPECT_TRUE(images_need_rebuild({516, 387}, {300, 200}));
}

} // namespace
