// Block copies and scrolling, read back from tiny bitmaps.

#include <random>

#include <gtest/gtest.h>

#include "tests/platform/graphics/test_bitmap.h"

namespace {

using kp::Color;
using kp::Point;
using kp::RasterOp;
using kp::Rect;
using kp::Region;
using kp::Surface;
using kp::testing::blue;
using kp::testing::red;
using kp::testing::rows;
using kp::testing::TestBitmap;

void fill_with_noise(Surface& surface, uint32_t seed)
{
    std::mt19937 random(seed);
    for (auto& pixel : surface.pixels())
        pixel = random() & 0x00FFFFFF;
}

TEST(BlockCopy, EachOperationCombinesSourceAndDestination)
{
    uint32_t const s = 0x00C3A50F;
    uint32_t const d = 0x005A5AF0;
    struct Case {
        RasterOp op;
        uint32_t expected;
    };
    Case const cases[] = {{RasterOp::Copy, s},
                          {RasterOp::NotCopy, ~s & 0x00FFFFFF},
                          {RasterOp::And, s & d},
                          {RasterOp::Or, s | d},
                          {RasterOp::Xor, s ^ d}};
    for (Case const& c : cases) {
        TestBitmap source(9, 2, Color::from_pixel(s));
        TestBitmap destination(9, 2, Color::from_pixel(d));
        destination.dc.copy_block({0, 0, 9, 1}, source.dc, {0, 0}, c.op);
        for (int x = 0; x < 9; ++x) { // nine pixels: the four-at-a-time path and the rest
            EXPECT_EQ(destination.at(x, 0).pixel(), c.expected) << int(c.op) << " at " << x;
            EXPECT_EQ(destination.at(x, 1).pixel(), d) << "the row below is outside the block";
        }
    }
}

TEST(BlockCopy, CopyLandsAtTheDestinationPoint)
{
    TestBitmap source(4, 3);
    source.dc.set_pixel({0, 0}, red);
    source.dc.set_pixel({1, 2}, blue);
    TestBitmap destination(6, 5, kp::colors::black);
    destination.dc.copy_block({2, 1, 2, 3}, source.dc, {0, 0}, RasterOp::Copy);
    EXPECT_EQ(destination.picture(), rows(R"(
......
..rw..
..ww..
..wb..
......
)"));
}

TEST(BlockCopy, IsClippedToBothSurfaces)
{
    TestBitmap source(4, 4, red);
    TestBitmap destination(6, 6);
    // The block hangs off the source's top-left and the destination's right edge.
    destination.dc.copy_block({3, 1, 5, 5}, source.dc, {-2, -1}, RasterOp::Copy);
    EXPECT_EQ(destination.picture(), rows(R"(
......
......
.....r
.....r
.....r
.....r
)"));
    // A huge offset moves nothing and does not overflow.
    destination.dc.copy_block({0, 0, 6, 6}, source.dc, {INT32_MIN, INT32_MAX}, RasterOp::Copy);
    destination.dc.copy_block({INT32_MAX - 2, 0, 6, 6}, source.dc, {INT32_MIN, 0}, RasterOp::Copy);
    EXPECT_EQ(destination.at(0, 0), kp::colors::white);
}

// Copies within one surface must read every source pixel before it is overwritten, in all
// eight directions and with every operation.
TEST(BlockCopy, OverlappingCopiesWithinOneSurfaceMatchACopyThroughABuffer)
{
    Point const shifts[] = {{3, 0}, {-3, 0}, {0, 2}, {0, -2}, {2, 1}, {-2, -1}, {1, -2}, {-1, 2}};
    RasterOp const ops[] = {RasterOp::Copy, RasterOp::NotCopy, RasterOp::And, RasterOp::Or, RasterOp::Xor};
    for (Point shift : shifts) {
        for (RasterOp op : ops) {
            TestBitmap t(16, 12);
            fill_with_noise(t.pixels(), 11);
            Surface expected = t.pixels();
            Surface const saved = t.pixels();
            Rect const from{3, 3, 9, 5}; // every shift keeps the block inside
            for (int y = 0; y < from.height; ++y)
                for (int x = 0; x < from.width; ++x) {
                    uint32_t& pixel = expected.at(from.x + shift.x + x, from.y + shift.y + y);
                    pixel = kp::apply(op, pixel, saved.at(from.x + x, from.y + y));
                }
            t.dc.copy_block(from.translated(shift.x, shift.y), t.dc, from.origin(), op);
            ASSERT_TRUE(std::ranges::equal(t.pixels().pixels(), expected.pixels()))
                << "shift " << shift.x << "," << shift.y << " op " << int(op);
        }
    }
}

TEST(Scroll, MovesThePictureAndReturnsTheUncoveredRegion)
{
    TestBitmap t(6, 5);
    t.dc.set_pixel({1, 1}, red);
    t.dc.set_pixel({4, 3}, blue);
    // Up by one and left by two, inside the whole bitmap.
    Region const uncovered = t.dc.scroll({0, 0, 6, 5}, -2, -1, {0, 0, 6, 5});
    EXPECT_EQ(uncovered, Region(Rect{4, 0, 2, 5}).united(Region(Rect{0, 4, 6, 1})));
    // The red pixel left the bitmap and the blue one moved; the uncovered strip keeps its
    // old pixels (blue at 4,3 among them) until someone paints it.
    EXPECT_EQ(t.picture(), rows(R"(
......
......
..b...
....b.
......
)"));
}

TEST(Scroll, StaysInsideTheClipAndScrollsOnlyTheArea)
{
    TestBitmap t(8, 4);
    for (int x = 0; x < 8; ++x)
        t.dc.set_pixel({x, 1}, x % 2 ? red : blue);
    // Scroll the middle of row 1 right by two, changing nothing outside columns 2..5.
    Region const uncovered = t.dc.scroll({2, 1, 4, 1}, 2, 0, {2, 0, 4, 4});
    EXPECT_EQ(uncovered, Region(Rect{2, 1, 2, 1}));
    EXPECT_EQ(t.picture(), rows(R"(
........
brbrbrbr
........
........
)"));
    // Pixels 2..5 were b r b r; 2 and 3 moved to 4 and 5.
    t.dc.scroll({0, 1, 8, 1}, 0, 0, {0, 0, 8, 4});
    EXPECT_EQ(t.at(4, 1), blue);
    EXPECT_EQ(t.at(5, 1), red);
}

TEST(Scroll, FurtherThanTheAreaUncoversAllOfIt)
{
    TestBitmap t(5, 5, red);
    Region const uncovered = t.dc.scroll({1, 1, 3, 3}, 0, 10, {1, 1, 3, 3});
    EXPECT_EQ(uncovered, Region(Rect{1, 1, 3, 3}));
    EXPECT_EQ(t.dc.scroll({0, 0, 5, 5}, INT32_MAX, INT32_MIN, {0, 0, 5, 5}), Region(Rect{0, 0, 5, 5}));
}

TEST(Scroll, UncoveredRegionPaintedWithTheBackColour)
{
    // What the library does after a scroll: paint the uncovered region with a brush.
    TestBitmap t(4, 4, red);
    t.dc.set_pixel({0, 0}, blue);
    Region const uncovered = t.dc.scroll({0, 0, 4, 4}, 1, 1, {0, 0, 4, 4});
    t.brush(kp::colors::white);
    t.dc.paint_region(uncovered);
    EXPECT_EQ(t.picture(), rows(R"(
wwww
wb..
w...
w...
)"));
}

} // namespace
