#include "platform/base/region.h"

#include <algorithm>
#include <array>
#include <bitset>
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

// Regions of many bands (up to 40 rectangles on a 16 x 16 grid) against a plain pixel
// set, for every operation: the pixels agree, and the result is the one canonical form,
// the same rectangles as the region built again from its pixel rows.
TEST(Region, ManyBandedOperationsMatchAPixelReference)
{
    constexpr int side = 16;
    using Pixels = std::bitset<side * side>;
    std::mt19937 random(20240611);
    auto random_rects = [&] {
        std::vector<Rect> rects;
        int const count = static_cast<int>(random() % 41);
        for (int i = 0; i < count; ++i) {
            int const x = static_cast<int>(random() % side) - 1, y = static_cast<int>(random() % side) - 1;
            rects.push_back({x, y, static_cast<int32_t>(random() % 7), static_cast<int32_t>(random() % 5)});
        }
        return rects;
    };
    auto pixels_of_rects = [&](std::vector<Rect> const& rects) {
        Pixels pixels;
        for (Rect const& rect : rects)
            for (int y = std::max(rect.top(), 0); y < std::min(rect.bottom(), side); ++y)
                for (int x = std::max(rect.left(), 0); x < std::min(rect.right(), side); ++x)
                    pixels.set(static_cast<std::size_t>(y * side + x));
        return pixels;
    };
    // The region of a pixel set, built from its runs in each row.
    auto region_of_pixels = [&](Pixels const& pixels) {
        std::vector<Rect> runs;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) {
                if (!pixels.test(static_cast<std::size_t>(y * side + x)))
                    continue;
                int end = x;
                while (end < side && pixels.test(static_cast<std::size_t>(y * side + end)))
                    ++end;
                runs.push_back({x, y, end - x, 1});
                x = end;
            }
        std::shuffle(runs.begin(), runs.end(), random);
        return Region::from_rects(runs);
    };
    auto pixels_of_region = [&](Region const& region) {
        Pixels pixels;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                pixels.set(static_cast<std::size_t>(y * side + x), region.contains({x, y}));
        return pixels;
    };

    for (int round = 0; round < 150; ++round) {
        // Clipped to the grid, so that the pixel set holds all of each region.
        std::vector<Rect> rects_a = random_rects(), rects_b = random_rects();
        for (auto* rects : {&rects_a, &rects_b})
            for (Rect& rect : *rects)
                rect = rect.intersected({0, 0, side, side});
        Region const a = Region::from_rects(rects_a);
        Region const b = Region::from_rects(rects_b);
        Pixels const pa = pixels_of_rects(rects_a), pb = pixels_of_rects(rects_b);
        ASSERT_EQ(pixels_of_region(a), pa) << "round " << round;
        ASSERT_EQ(a, region_of_pixels(pa)) << "round " << round;
        EXPECT_EQ(a.area(), static_cast<int64_t>(pa.count()));

        struct Case {
            char const* name;
            Region result;
            Pixels expected;
        };
        Case const cases[] = {{"union", a.united(b), pa | pb},
                              {"intersection", a.intersected(b), pa & pb},
                              {"difference", a.subtracted(b), pa & ~pb},
                              {"difference the other way", b.subtracted(a), pb & ~pa}};
        for (Case const& c : cases) {
            ASSERT_EQ(pixels_of_region(c.result), c.expected) << c.name << ", round " << round;
            ASSERT_EQ(c.result, region_of_pixels(c.expected)) << c.name << ", round " << round;
            EXPECT_EQ(c.result.bounds(), region_of_pixels(c.expected).bounds());
        }
        for (Rect const& probe : random_rects()) {
            EXPECT_EQ(a.intersects(probe), !a.intersected(Region(probe)).is_empty())
                << "round " << round << " probe " << probe.x << "," << probe.y << " " << probe.width << "x" << probe.height;
            // Inside, partly or outside, from the probe's pixels that the region holds (the
            // probe may reach past the grid, where the region never is).
            std::size_t const held = (pixels_of_rects({probe}) & pa).count();
            kp::Overlap const expected = held == static_cast<std::size_t>(probe.area()) ? kp::Overlap::Inside
                                         : held == 0                                    ? kp::Overlap::Outside
                                                                                        : kp::Overlap::Partly;
            EXPECT_EQ(a.overlap(probe), expected)
                << "round " << round << " probe " << probe.x << "," << probe.y << " " << probe.width << "x" << probe.height;
        }
    }
}

// Building a region does not depend on the order of the rectangles, and a staircase of
// many overlapping rectangles comes out as one rectangle per band.
TEST(Region, BuildingIsOrderFreeAndAStaircaseKeepsOneSpanPerBand)
{
    std::vector<Rect> stairs;
    for (int i = 0; i < 1000; ++i)
        stairs.push_back({3 * i, 2 * i, 10, 4});
    Region const region = Region::from_rects(stairs);
    // Bands of 2 rows: the top band and the bottom band are each one step's half.
    ASSERT_EQ(region.rects().size(), 1001u);
    EXPECT_EQ(region.rects()[0], (Rect{0, 0, 10, 2}));
    EXPECT_EQ(region.rects()[1], (Rect{0, 2, 13, 2}));
    EXPECT_EQ(region.rects().back(), (Rect{3 * 999, 2 * 1000, 10, 2}));
    EXPECT_EQ(region.area(), 2 * 10 + 999 * 2 * 13 + 2 * 10);
    std::mt19937 random(7);
    std::shuffle(stairs.begin(), stairs.end(), random);
    EXPECT_EQ(Region::from_rects(stairs), region);
    std::reverse(stairs.begin(), stairs.end());
    EXPECT_EQ(Region::from_rects(stairs), region);
}

} // namespace
