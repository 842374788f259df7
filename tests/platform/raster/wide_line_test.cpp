#include "platform/raster/wide_line.h"

#include <gtest/gtest.h>

namespace {

using kp::Coverage;
using kp::Rect;

int rows_covered_in_column(Coverage const& coverage, int x)
{
    int rows = 0;
    for (int y = coverage.bounds().top(); y < coverage.bounds().bottom(); ++y)
        rows += coverage.contains(x, y);
    return rows;
}

TEST(WideLine, HorizontalAndVerticalLinesAreExactlyThePenWide)
{
    for (int width = 2; width <= 9; ++width) {
        Coverage across(Rect{0, 0, 40, 40});
        kp::add_wide_segment(across, {5, 20}, {34, 20}, width);
        across.normalize();
        EXPECT_EQ(rows_covered_in_column(across, 20), width) << width;

        Coverage down(Rect{0, 0, 40, 40});
        kp::add_wide_segment(down, {20, 5}, {20, 34}, width);
        down.normalize();
        int columns = 0;
        for (int x = 0; x < 40; ++x)
            columns += down.contains(x, 20);
        EXPECT_EQ(columns, width) << width;
    }
}

TEST(WideLine, EndsAreRoundAndCoverBothEndPoints)
{
    Coverage coverage(Rect{0, 0, 20, 20});
    kp::add_wide_segment(coverage, {5, 10}, {14, 10}, 7);
    coverage.normalize();
    EXPECT_TRUE(coverage.contains(5, 10));
    EXPECT_TRUE(coverage.contains(14, 10));
    EXPECT_TRUE(coverage.contains(2, 10)) << "the cap reaches half the width past the end";
    EXPECT_FALSE(coverage.contains(1, 10));
    EXPECT_FALSE(coverage.contains(2, 7)) << "and is round, not square";
    // A dot is the cap alone.
    Coverage dot(Rect{0, 0, 9, 9});
    kp::add_wide_dot(dot, 4, 4, 5);
    dot.normalize();
    EXPECT_TRUE(dot.contains(4, 2));
    EXPECT_FALSE(dot.contains(2, 2));
}

TEST(Coverage, SpansMergeAndGapsAreTheRest)
{
    Coverage coverage(Rect{0, 0, 20, 2});
    coverage.span(0, 5, 8);
    coverage.span(0, 2, 4);
    coverage.span(0, 7, 11);
    coverage.span(0, -50, 1);
    coverage.span(1, 15, 1000);
    coverage.span(5, 0, 5); // outside the bounds
    coverage.normalize();
    ASSERT_EQ(coverage.row(0).size(), 3u);
    EXPECT_EQ(coverage.row(0)[0], (kp::Span{0, 1}));
    EXPECT_EQ(coverage.row(0)[1], (kp::Span{2, 4}));
    EXPECT_EQ(coverage.row(0)[2], (kp::Span{5, 11}));
    EXPECT_EQ(coverage.row(1)[0], (kp::Span{15, 20}));
    std::vector<std::pair<int64_t, int64_t>> gaps;
    coverage.for_each_gap(0, 0, 12, [&](int32_t, int64_t x0, int64_t x1) { gaps.push_back({x0, x1}); });
    EXPECT_EQ(gaps, (std::vector<std::pair<int64_t, int64_t>>{{1, 2}, {4, 5}, {11, 12}}));
}

} // namespace
