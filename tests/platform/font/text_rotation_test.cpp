#include "platform/font/text_rotation.h"

#include <climits>

#include <gtest/gtest.h>

namespace {

using kp::Rect;
using kp::rotated_cell_rect;
using kp::TextRotation;

TEST(TextRotation, EscapementsTurnToTheNearestQuarter)
{
    EXPECT_EQ(kp::rotation_for_escapement(0), TextRotation::Degrees0);
    EXPECT_EQ(kp::rotation_for_escapement(900), TextRotation::Degrees90);
    EXPECT_EQ(kp::rotation_for_escapement(1800), TextRotation::Degrees180);
    EXPECT_EQ(kp::rotation_for_escapement(2700), TextRotation::Degrees270);
    EXPECT_EQ(kp::rotation_for_escapement(3600), TextRotation::Degrees0);
    EXPECT_EQ(kp::rotation_for_escapement(-900), TextRotation::Degrees270);
    EXPECT_EQ(kp::rotation_for_escapement(449), TextRotation::Degrees0);
    EXPECT_EQ(kp::rotation_for_escapement(450), TextRotation::Degrees90);
    EXPECT_EQ(kp::rotation_for_escapement(3500), TextRotation::Degrees0);
    EXPECT_EQ(kp::rotation_for_escapement(INT_MIN), kp::rotation_for_escapement(INT_MIN % 3600 + 3600));
    EXPECT_EQ(kp::rotation_for_escapement(INT_MAX), kp::rotation_for_escapement(INT_MAX % 3600));
}

// A 7 x 15 cell with its corner at (50, 60): the cell turns about the corner.
TEST(TextRotation, CellsTurnAboutTheirCorner)
{
    Rect const cell{0, 0, 7, 15};
    EXPECT_EQ(rotated_cell_rect(cell, {50, 60}, TextRotation::Degrees0), (Rect{50, 60, 7, 15}));
    EXPECT_EQ(rotated_cell_rect(cell, {50, 60}, TextRotation::Degrees90), (Rect{50, 53, 15, 7}));
    EXPECT_EQ(rotated_cell_rect(cell, {50, 60}, TextRotation::Degrees180), (Rect{43, 45, 7, 15}));
    EXPECT_EQ(rotated_cell_rect(cell, {50, 60}, TextRotation::Degrees270), (Rect{35, 60, 15, 7}));
    // A part of the cell: column 2, rows 3..4.
    EXPECT_EQ(rotated_cell_rect({2, 3, 1, 2}, {50, 60}, TextRotation::Degrees90), (Rect{53, 57, 2, 1}));
    EXPECT_EQ(rotated_cell_rect({2, 3, 1, 2}, {50, 60}, TextRotation::Degrees270), (Rect{45, 62, 2, 1}));
}

TEST(TextRotation, FollowingCellsStartWhereTheAdvanceEnds)
{
    for (int turn = 0; turn < 4; ++turn) {
        auto rotation = static_cast<TextRotation>(turn);
        Rect first = rotated_cell_rect({0, 0, 7, 15}, {50, 60}, rotation);
        Rect second = rotated_cell_rect({0, 0, 5, 15}, kp::advanced_corner({50, 60}, 7, rotation), rotation);
        Rect both = rotated_cell_rect({0, 0, 12, 15}, {50, 60}, rotation);
        EXPECT_EQ(first.united(second), both) << turn;
        EXPECT_FALSE(first.intersects(second)) << turn;
    }
}

TEST(TextRotation, CornersAtTheEndsOfTheIntegerRangeDoNotWrap)
{
    Rect far = rotated_cell_rect({0, 0, 7, 15}, {INT_MAX, INT_MIN}, TextRotation::Degrees180);
    EXPECT_FALSE(far.intersects({0, 0, 1000, 1000}));
    far = rotated_cell_rect({0, 0, 7, 15}, {INT_MIN, INT_MAX}, TextRotation::Degrees90);
    EXPECT_FALSE(far.intersects({0, 0, 1000, 1000}));
}

} // namespace
