#include "platform/raster/line.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <random>
#include <set>
#include <utility>

#include <gtest/gtest.h>

#include "tests/platform/pixel_picture.h"

namespace {

using kp::DevicePoint;
using kp::Rect;
using kp::Surface;
using kp::testing::picture;
using kp::testing::rows;

constexpr uint32_t ink = 0x00FFFFFF;

void draw(Surface& surface, DevicePoint from, DevicePoint to, kp::RasterOp op = kp::RasterOp::Copy)
{
    if (auto stretch = kp::clip_line(from, to, surface.bounds()))
        kp::paint_line(surface, *stretch, ink, op);
}

std::set<std::pair<int64_t, int64_t>> walked(DevicePoint from, DevicePoint to, Rect clip)
{
    std::set<std::pair<int64_t, int64_t>> pixels;
    if (auto stretch = kp::clip_line(from, to, clip))
        kp::walk_line(*stretch, [&](int32_t x, int32_t y, int64_t) { pixels.insert({x, y}); });
    return pixels;
}

// The rule stated in line.h, pixel by pixel: each major coordinate from the start up to the
// end gets the exact minor coordinate rounded half up. Exact in 128 bits.
std::set<std::pair<int64_t, int64_t>> reference(DevicePoint from, DevicePoint to, Rect clip)
{
    std::set<std::pair<int64_t, int64_t>> pixels;
    int64_t const dx = to.x - from.x;
    int64_t const dy = to.y - from.y;
    bool const x_major = std::llabs(dx) >= std::llabs(dy);
    int64_t const major = x_major ? dx : dy;
    if (major == 0)
        return pixels;
    int64_t const minor = x_major ? dy : dx;
    int const step = major > 0 ? 1 : -1;
    // Only major coordinates that can fall in the clip are visited.
    int64_t const low = x_major ? clip.left() : clip.top();
    int64_t const high = x_major ? clip.right() : clip.bottom();
    int64_t const start = x_major ? from.x : from.y;
    for (int64_t m = low; m < high; ++m) {
        int64_t const i = (m - start) * step;
        if (i < 0 || i >= std::llabs(major))
            continue;
        // minor_start + i * minor / |major|, rounded half up: floor((2 * i * minor + |major|) / (2 |major|)).
        __int128 const numerator = __int128{2} * i * minor + std::llabs(major);
        __int128 const denominator = __int128{2} * std::llabs(major);
        __int128 q = numerator / denominator;
        if (numerator % denominator != 0 && numerator < 0)
            q -= 1;
        int64_t const n = (x_major ? from.y : from.x) + static_cast<int64_t>(q);
        int64_t const x = x_major ? m : n;
        int64_t const y = x_major ? n : m;
        if (clip.contains(kp::Point{static_cast<int32_t>(std::clamp<int64_t>(x, INT32_MIN, INT32_MAX)),
                                    static_cast<int32_t>(std::clamp<int64_t>(y, INT32_MIN, INT32_MAX))})
            && x >= INT32_MIN && x <= INT32_MAX && y >= INT32_MIN && y <= INT32_MAX)
            pixels.insert({x, y});
    }
    return pixels;
}

TEST(Line, EveryOctantPaintsItsStartAndNotItsEnd)
{
    // From the centre to eight points, one per octant; the ends are left unpainted.
    Surface s({11, 11});
    DevicePoint const centre{5, 5};
    DevicePoint const ends[] = {{10, 7}, {7, 10}, {3, 10}, {0, 7}, {0, 3}, {3, 0}, {7, 0}, {10, 3}};
    for (DevicePoint end : ends)
        draw(s, centre, end);
    EXPECT_EQ(picture(s, kp::colors::black), rows(R"(
...........
...#...#...
....#.#....
.#..#.#..#.
..##.#.##..
....###....
..##.#.##..
.#..#.#..#.
....#.#....
...#...#...
...........
)"));
}

TEST(Line, ShallowLineRoundsHalvesTowardsGreaterCoordinates)
{
    Surface s({9, 3});
    draw(s, {0, 0}, {8, 2});
    EXPECT_EQ(picture(s, kp::colors::black), rows(R"(
##.......
..####...
......##.
)"));
}

TEST(Line, ReversedLineCoversTheSameInteriorPixels)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coordinate(-20, 60);
    Rect const clip{0, 0, 40, 40};
    for (int round = 0; round < 2000; ++round) {
        DevicePoint const a{coordinate(random), coordinate(random)};
        DevicePoint const b{coordinate(random), coordinate(random)};
        auto forward = walked(a, b, clip);
        auto backward = walked(b, a, clip);
        forward.insert({b.x, b.y});
        backward.insert({a.x, a.y});
        // Add each line's missing end, if it lies in the clip, and the two sets agree.
        std::erase_if(forward, [&](auto const& p) { return !clip.contains(kp::Point{int32_t(p.first), int32_t(p.second)}); });
        std::erase_if(backward, [&](auto const& p) { return !clip.contains(kp::Point{int32_t(p.first), int32_t(p.second)}); });
        ASSERT_EQ(forward, backward) << a.x << "," << a.y << " - " << b.x << "," << b.y;
    }
}

// Clipping up front must find exactly the pixels of the unclipped line that lie in the clip.
TEST(Line, ClippedStretchMatchesThePixelRuleForRandomLinesAndClips)
{
    std::mt19937 random(42);
    std::uniform_int_distribution<int> coordinate(-50, 90);
    std::uniform_int_distribution<int> edge(-10, 50);
    for (int round = 0; round < 3000; ++round) {
        DevicePoint const a{coordinate(random), coordinate(random)};
        DevicePoint const b{coordinate(random), coordinate(random)};
        int x1 = edge(random), x2 = edge(random), y1 = edge(random), y2 = edge(random);
        Rect const clip = Rect::from_edges(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2) + 1, std::max(y1, y2) + 1);
        ASSERT_EQ(walked(a, b, clip), reference(a, b, clip)) << a.x << "," << a.y << " - " << b.x << "," << b.y;
    }
}

TEST(Line, CoordinatesAcrossThe32BitRangeAreClippedExactly)
{
    constexpr int64_t low = std::numeric_limits<int32_t>::min();
    constexpr int64_t high = std::numeric_limits<int32_t>::max();
    Rect const clip{-3, -3, 40, 40};
    DevicePoint const cases[][2] = {
        {{low, low}, {high, high}},
        {{high, low}, {low, high}},
        {{low, 5}, {high, 7}},
        {{3, high}, {4, low}},
        {{low, -7}, {high, 30}},
        {{-2, low + 12345}, {30, high - 777}},
        {{low - 70000, 10}, {high + 70000, 11}}, // a window origin pushes a point past 32 bits
    };
    for (auto const& [a, b] : cases) {
        auto const pixels = walked(a, b, clip);
        EXPECT_FALSE(pixels.empty()) << a.x << "," << a.y << " - " << b.x << "," << b.y;
        EXPECT_EQ(pixels, reference(a, b, clip));
    }
}

TEST(Line, IndexAlongTheLineSurvivesClipping)
{
    // The first visible pixel of a clipped line knows how far along the line it is, which
    // is what keeps dash patterns in step.
    auto stretch = kp::clip_line({-10, 0}, {30, 0}, Rect{0, 0, 10, 1});
    ASSERT_TRUE(stretch);
    EXPECT_EQ(stretch->first_index, 10);
    EXPECT_EQ(stretch->count, 10);
    auto backwards = kp::clip_line({30, 0}, {-10, 0}, Rect{0, 0, 10, 1});
    ASSERT_TRUE(backwards);
    EXPECT_EQ(backwards->first_index, 21);
    EXPECT_EQ(backwards->x, 9);
}

// A line painted with its end in one walk must leave every pixel as clipping, painting the
// line and then its end one pixel long would. Exclusive or shows a pixel painted twice or
// missed; the other operations show the order of the writes and the value written.
TEST(Line, LineAndEndInsideAClipPaintWhatTheLineAndItsEndPaint)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coordinate(-4, 43);
    std::uniform_int_distribution<int> short_step(-7, 7);
    std::uniform_int_distribution<uint32_t> colour(0, 0x00FFFFFF);
    Rect const clip{3, 2, 34, 30};
    for (kp::RasterOp const op : {kp::RasterOp::Copy, kp::RasterOp::NotCopy, kp::RasterOp::And, kp::RasterOp::Or,
                                  kp::RasterOp::Xor}) {
        Surface expected({40, 36}, kp::Color::from_pixel(0x00123456));
        Surface walked_once({40, 36}, kp::Color::from_pixel(0x00123456));
        int inside = 0;
        for (int round = 0; round < 2000; ++round) {
            DevicePoint const a{coordinate(random), coordinate(random)};
            // Mostly short lines, some of them single points, and some long ones.
            bool const long_line = round % 8 == 0;
            DevicePoint const b = long_line ? DevicePoint{coordinate(random), coordinate(random)}
                                            : DevicePoint{a.x + short_step(random), a.y + short_step(random) / (round % 3 + 1)};
            uint32_t const value = colour(random);
            bool const both_inside = clip.contains(kp::Point{int32_t(a.x), int32_t(a.y)})
                && clip.contains(kp::Point{int32_t(b.x), int32_t(b.y)});
            bool const painted = kp::with_raster_op(op, [&](auto operation) {
                return kp::paint_line_and_end_inside(walked_once, a, b, clip, value, operation);
            });
            ASSERT_EQ(painted, both_inside) << a.x << "," << a.y << " - " << b.x << "," << b.y;
            if (!painted)
                continue;
            ++inside;
            if (auto stretch = kp::clip_line(a, b, clip))
                kp::paint_line(expected, *stretch, value, op);
            uint32_t& end = expected.at(int32_t(b.x), int32_t(b.y));
            end = kp::apply(op, end, value);
            ASSERT_TRUE(std::ranges::equal(walked_once.pixels(), expected.pixels()))
                << a.x << "," << a.y << " - " << b.x << "," << b.y;
        }
        EXPECT_GT(inside, 500) << "a good share of the lines fall inside the clip";
    }
}

TEST(Line, DegenerateLinesPaintNothing)
{
    EXPECT_FALSE(kp::clip_line({3, 3}, {3, 3}, Rect{0, 0, 10, 10}));
    EXPECT_FALSE(kp::clip_line({0, 0}, {5, 5}, Rect{}));
    EXPECT_FALSE(kp::clip_line({-5, -5}, {-1, -1}, Rect{0, 0, 10, 10}));
}

} // namespace
