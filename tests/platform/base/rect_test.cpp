#include "platform/base/rect.h"

#include <limits>

#include <gtest/gtest.h>

namespace {

using kp::Rect;

TEST(Rect, IsHalfOpen)
{
    Rect r{0, 0, 10, 10};
    EXPECT_EQ(r.right(), 10);
    EXPECT_EQ(r.bottom(), 10);
    EXPECT_TRUE(r.contains(kp::Point{9, 9}));
    EXPECT_FALSE(r.contains(kp::Point{10, 9}));
    EXPECT_FALSE(r.contains(kp::Point{9, 10}));
    EXPECT_FALSE(r.intersects(Rect{10, 0, 5, 5})) << "touching rectangles share no pixel";
}

TEST(Rect, IntersectionAndUnion)
{
    Rect a{0, 0, 10, 10};
    Rect b{5, -5, 10, 10};
    EXPECT_EQ(a.intersected(b), (Rect{5, 0, 5, 5}));
    EXPECT_EQ(a.united(b), (Rect{0, -5, 15, 15}));
    EXPECT_TRUE(a.intersected(Rect{20, 20, 1, 1}).is_empty());
    EXPECT_EQ(a.united(Rect{}), a);
    Rect c = a;
    c.intersect(b);
    EXPECT_EQ(c, a.intersected(b));
}

TEST(Rect, EdgesFromAnywhereInThe32BitRangeAreClamped)
{
    constexpr int64_t lowest = std::numeric_limits<int32_t>::min();
    constexpr int64_t highest = std::numeric_limits<int32_t>::max();
    Rect huge = Rect::from_edges(lowest, lowest, highest, highest);
    EXPECT_FALSE(huge.is_empty());
    EXPECT_GT(huge.right(), huge.left());
    EXPECT_TRUE(huge.contains(Rect{-30000, -30000, 60000, 60000}));
    EXPECT_TRUE(Rect::from_edges(10, 10, 5, 20).is_empty());
}

TEST(Rect, MovesExactlyInRangeAndClampsBeyondIt)
{
    constexpr int32_t low = std::numeric_limits<int32_t>::min();
    constexpr int32_t high = std::numeric_limits<int32_t>::max();
    EXPECT_EQ((Rect{-5, 7, 10, 3}.translated(high - 20, low + 10)), (Rect{high - 25, low + 17, 10, 3}));
    // Pushed beyond 32 bits the rectangle keeps the pixels it has inside from_edges' range.
    Rect const wide = Rect::from_edges(-1000, 0, 1000, 10);
    Rect const pushed = wide.translated(high, 0);
    EXPECT_EQ(pushed, Rect::from_edges(int64_t{high} - 1000, 0, int64_t{high} + 1000, 10));
    EXPECT_TRUE(pushed.is_empty());
    // The largest rectangle from_edges makes, [-2^30, 2^30 - 1): moved by 2^30 its right
    // edge is 2^31 - 1 and still exact; one more and it is clamped.
    Rect const huge = Rect::from_edges(low, low, high, high);
    constexpr int32_t half = 1 << 30;
    EXPECT_EQ(huge.translated(half, -1), (Rect{0, -half - 1, huge.width, huge.height}));
    EXPECT_EQ(huge.translated(half + 1, 0), Rect::from_edges(1, -half, int64_t{high} + 1, half - 1));
    EXPECT_TRUE(huge.translated(low, 0).is_empty());
    EXPECT_TRUE(huge.translated(0, high).is_empty());
    // A rectangle built by hand whose far edge is past 2^31 - 1 reads it as 2^31 - 1.
    Rect const by_hand{high - 1, high - 1, high, high};
    EXPECT_EQ(by_hand.right(), high);
    EXPECT_EQ(by_hand.bottom(), high);
    EXPECT_TRUE(by_hand.contains(kp::Point{high - 1, high - 1}));
    EXPECT_TRUE(by_hand.normalized().is_empty());
    EXPECT_EQ(by_hand.inflated(1, 1), Rect::from_edges(int64_t{high} - 2, int64_t{high} - 2, int64_t{high} * 2, int64_t{high} * 2));
}

TEST(Point, MovesSaturateAtTheLimits)
{
    constexpr int32_t low = std::numeric_limits<int32_t>::min();
    constexpr int32_t high = std::numeric_limits<int32_t>::max();
    EXPECT_EQ((kp::Point{high, low}.translated(1, -1)), (kp::Point{high, low}));
    EXPECT_EQ((kp::Point{high, low}.translated(low, high)), (kp::Point{-1, -1}));
    EXPECT_EQ((kp::Point{low, 5}.negated()), (kp::Point{high, -5}));
    kp::Point p{high - 1, 0};
    p.translate_by(high, low);
    EXPECT_EQ(p, (kp::Point{high, low}));
}

} // namespace
