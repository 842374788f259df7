// Bad input does nothing harmful: coordinates anywhere in 32 bits, boxes whose edges leave
// 32 bits, negative and zero sizes, dead handles. The sanitizer build turns any overflow or
// stray access here into a failure; each call must also finish at once.

#include <climits>
#include <vector>

#include <gtest/gtest.h>

#include "tests/platform/graphics/test_bitmap.h"

namespace {

using kp::Point;
using kp::PenStyle;
using kp::Rect;
using kp::testing::red;
using kp::testing::TestBitmap;

constexpr int32_t low = INT32_MIN;
constexpr int32_t high = INT32_MAX;

void draw_everything_with_extreme_coordinates(TestBitmap& t)
{
    Point const corners[] = {{low, low}, {high, low}, {high, high}, {low, high}, {0, 0}, {high, 0}, {low, 7}};
    for (Point a : corners) {
        t.dc.move_to(a);
        for (Point b : corners)
            t.dc.line_to(b);
        t.dc.set_pixel(a, red);
        (void)t.dc.pixel(a);
    }
    t.dc.polyline(corners);
    t.dc.polygon(corners, kp::FillRule::Alternate);
    t.dc.polygon(corners, kp::FillRule::Winding);
    Rect const boxes[] = {{low, low, high, high}, {high - 1, high - 1, high, high}, {low, 0, high, 5},
                          {-3, -3, high, 9},      {2, 2, 3, high},                  {high, high, 1, 1}};
    for (Rect const& box : boxes) {
        t.dc.rectangle(box);
        t.dc.ellipse(box);
        t.dc.arc(box, {low, low}, {high, 3});
        t.dc.arc(box, {0, 0}, {0, 0});
        t.dc.paint_region(kp::Region(box));
        t.dc.copy_block(box, t.dc, {low, high}, kp::RasterOp::Xor);
        t.dc.copy_block(box, t.dc, {2, 1}, kp::RasterOp::Copy);
        (void)t.dc.scroll(box, high, low, box);
        (void)t.dc.scroll(box, low, 1, {0, 0, 9, 9});
    }
}

TEST(HostileInput, ExtremeCoordinatesWithEveryKindOfPen)
{
    struct PenCase {
        PenStyle style;
        int32_t width;
    };
    PenCase const pens[] = {{PenStyle::Solid, 1},   {PenStyle::Dashed, 1},        {PenStyle::DashDot, 1},
                            {PenStyle::Solid, 4},   {PenStyle::Solid, 1 << 20}, {PenStyle::Invisible, 1},
                            {PenStyle::Solid, high}};
    for (PenCase const& pen : pens) {
        for (kp::RasterOp op : {kp::RasterOp::Copy, kp::RasterOp::Xor}) {
            TestBitmap t(23, 17);
            t.pen(pen.style, pen.width, kp::colors::black);
            t.brush(red);
            t.dc.set_raster_op(op);
            t.dc.set_background_mode(kp::BackgroundMode::Opaque);
            draw_everything_with_extreme_coordinates(t);
        }
    }
}

TEST(HostileInput, ALineAcrossTheWholeRangeIsExactWhereItShows)
{
    // From (-2^31, -2^31) to (2^31 - 1, 2^31 - 1) the line's pixels in the bitmap are its
    // diagonal: x = y for every visible column.
    TestBitmap t(8, 8);
    t.dc.move_to({low, low});
    t.dc.line_to({high, high});
    for (int i = 0; i < 8; ++i)
        for (int j = 0; j < 8; ++j)
            EXPECT_EQ(t.at(i, j) == kp::colors::black, i == j) << i << "," << j;
}

TEST(HostileInput, HugeCircleShowsItsEdgeWhereItCrossesTheBitmap)
{
    // A circle of radius 2^29 about (2^29, 8): its leftmost column is x = 0, rows about 8.
    TestBitmap t(4, 17);
    t.hollow_brush();
    int32_t const r = 1 << 29;
    t.dc.ellipse({0, 8 - r, 2 * r + 1, 2 * r + 1});
    EXPECT_EQ(t.at(0, 8), kp::colors::black);
    EXPECT_EQ(t.at(1, 8), kp::colors::white);
    EXPECT_EQ(t.at(3, 8), kp::colors::white);
}

TEST(HostileInput, DegenerateShapesDrawNothingOrTheirOnePixel)
{
    TestBitmap t(5, 5);
    t.brush(red);
    t.dc.rectangle({1, 1, 0, 3});
    t.dc.rectangle({1, 1, -4, -4});
    t.dc.ellipse({1, 1, 3, 0});
    t.dc.polygon(std::vector<Point>{}, kp::FillRule::Alternate);
    t.dc.polygon(std::vector<Point>{{2, 2}}, kp::FillRule::Alternate);
    t.dc.polyline(std::vector<Point>{{2, 2}});
    t.dc.polyline({});
    t.dc.arc({1, 1, 0, 0}, {0, 0}, {1, 1});
    t.dc.copy_block({0, 0, -3, 2}, t.dc, {1, 1}, kp::RasterOp::Copy);
    t.dc.copy_block({0, 0, 3, 2}, t.dc, {1, 1}, static_cast<kp::RasterOp>(0));
    EXPECT_TRUE(t.dc.scroll({0, 0, -2, 5}, 1, 1, {0, 0, 5, 5}).is_empty());
    EXPECT_EQ(t.picture(), std::string(5, '.') + "\n" + std::string(5, '.') + "\n" + std::string(5, '.') + "\n"
                               + std::string(5, '.') + "\n" + std::string(5, '.') + "\n");
    // A one-pixel box is one pixel of outline.
    t.dc.ellipse({2, 2, 1, 1});
    t.dc.rectangle({0, 0, 1, 1});
    EXPECT_EQ(t.at(2, 2), kp::colors::black);
    EXPECT_EQ(t.at(0, 0), kp::colors::black);
}

TEST(HostileInput, DeadHandlesChangeNothing)
{
    TestBitmap t(3, 3);
    uint32_t const dead = kp::create_pen(PenStyle::Solid, 1, red);
    kp::delete_object(dead);
    uint32_t const pen_before = t.dc.selected_object(kp::ObjectKind::Pen);
    EXPECT_EQ(t.dc.select_object(dead), 0u);
    EXPECT_EQ(t.dc.select_object(0xDEADBEEF), 0u);
    EXPECT_EQ(t.dc.selected_object(kp::ObjectKind::Pen), pen_before);
    EXPECT_FALSE(t.dc.select_clip_region(dead));
    EXPECT_EQ(t.dc.clip_region(), std::nullopt);
}

TEST(HostileInput, ZeroSizedBitmapsTakeNoDrawing)
{
    kp::MemoryDeviceContext dc;
    kp::OwnedObject empty(kp::create_compatible_bitmap(dc, 0, 0));
    kp::ScopedSelection selected(dc, empty.get());
    ASSERT_TRUE(selected.selected());
    dc.rectangle({0, 0, 5, 5});
    dc.ellipse({0, 0, 5, 5});
    TestBitmap other(3, 3, red);
    dc.copy_block({0, 0, 3, 3}, other.dc, {0, 0}, kp::RasterOp::Copy);
    other.dc.copy_block({0, 0, 3, 3}, dc, {0, 0}, kp::RasterOp::Copy);
    EXPECT_EQ(other.at(1, 1), red);
    EXPECT_FALSE(dc.pixel({0, 0}));
}

} // namespace
