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

} // namespace
