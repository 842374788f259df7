#include "platform/base/region.h"

#include <limits>
#include <random>
#include <vector>

#include <gtest/gtest.h>

namespace {

using kp::Rect;
using kp::Region;

TEST(Region, UnionOfOverlappingRectanglesIsBandedAndCanonical)
{
    Region a(Rect{0, 0, 10, 10});
    Region b(Rect{5, 5, 10, 10});
    Region u = a.united(b);
    EXPECT_EQ(u.area(), 100 + 100 - 25);
    ASSERT_EQ(u.rects().size(), 3u);
    EXPECT_EQ(u.rects()[0], (Rect{0, 0, 10, 5}));
    EXPECT_EQ(u.rects()[1], (Rect{0, 5, 15, 5}));
    EXPECT_EQ(u.rects()[2], (Rect{5, 10, 10, 5}));
    EXPECT_EQ(u, b.united(a));
}

TEST(Region, AdjacentPiecesMergeBackIntoOneRectangle)
{
    Rect halves[] = {{0, 0, 5, 10}, {5, 0, 5, 10}, {0, 10, 10, 3}};
    Region r = Region::from_rects(halves);
    ASSERT_EQ(r.rects().size(), 1u);
    EXPECT_EQ(r.rects()[0], (Rect{0, 0, 10, 13}));
}

TEST(Region, SubtractingTheMiddleLeavesAFrame)
{
    Region frame = Region(Rect{0, 0, 10, 10}).subtracted(Region(Rect{2, 2, 6, 6}));
    EXPECT_EQ(frame.area(), 100 - 36);
    EXPECT_FALSE(frame.contains({5, 5}));
    EXPECT_TRUE(frame.contains({1, 5}));
    EXPECT_EQ(frame.bounds(), (Rect{0, 0, 10, 10}));
    EXPECT_TRUE(frame.subtracted(frame).is_empty());
}

TEST(Region, MovesBeyondTheRangeClampAndStayCanonical)
{
    constexpr int32_t low = std::numeric_limits<int32_t>::min();
    constexpr int32_t high = std::numeric_limits<int32_t>::max();
    Rect const parts[] = {{0, 0, 10, 10}, {20, 0, 10, 10}, {0, 10, 30, 5}};
    Region const region = Region::from_rects(parts);
    for (int32_t d : {low, low + 1, -(1 << 30), 1 << 30, high - 1, high}) {
        Region const moved = region.translated(d, d);
        std::vector<Rect> clamped;
        for (Rect const& rect : parts)
            clamped.push_back(Rect::from_edges(int64_t{rect.left()} + d, int64_t{rect.top()} + d,
                                               int64_t{rect.right()} + d, int64_t{rect.bottom()} + d));
        EXPECT_EQ(moved, Region::from_rects(clamped)) << d;
    }
    Region const everything(Rect::from_edges(low, low, high, high));
    EXPECT_EQ(everything.translated(5, 0).bounds(), Rect::from_edges(int64_t{low} / 2 + 5, low / 2, high / 2, high / 2));
    EXPECT_TRUE(everything.translated(high, 0).is_empty());
    EXPECT_EQ(region.translated(3, -4).translated(kp::Point{-3, 4}), region);
}

// Compares every operation with a brute-force pixel set on random rectangles.
TEST(Region, OperationsAgreeWithPixelSets)
{
    constexpr int side = 24;
    std::mt19937 random(1234);
    std::uniform_int_distribution<int> coordinate(-2, side);
    auto random_region = [&] {
        std::vector<Rect> rects;
        int count = random() % 5;
        for (int i = 0; i < count; ++i) {
            int x1 = coordinate(random), x2 = coordinate(random), y1 = coordinate(random), y2 = coordinate(random);
            rects.push_back(Rect::from_edges(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)));
        }
        return Region::from_rects(rects);
    };
    for (int round = 0; round < 300; ++round) {
        Region a = random_region();
        Region b = random_region();
        Region u = a.united(b), i = a.intersected(b), d = a.subtracted(b);
        int64_t count_u = 0, count_i = 0, count_d = 0;
        for (int y = -3; y <= side + 1; ++y)
            for (int x = -3; x <= side + 1; ++x) {
                bool in_a = a.contains({x, y}), in_b = b.contains({x, y});
                ASSERT_EQ(u.contains({x, y}), in_a || in_b);
                ASSERT_EQ(i.contains({x, y}), in_a && in_b);
                ASSERT_EQ(d.contains({x, y}), in_a && !in_b);
                count_u += in_a || in_b;
                count_i += in_a && in_b;
                count_d += in_a && !in_b;
            }
        // Disjoint rectangles: the areas add up exactly.
        EXPECT_EQ(u.area(), count_u);
        EXPECT_EQ(i.area(), count_i);
        EXPECT_EQ(d.area(), count_d);
        EXPECT_EQ(u.translated(3, -4).translated(-3, 4), u);
    }
}

} // namespace
