// The pixel rules of the shapes, read back from tiny bitmaps.

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "tests/platform/graphics/test_bitmap.h"

namespace {

using kp::Point;
using kp::Rect;
using kp::Surface;
using kp::testing::blue;
using kp::testing::green;
using kp::testing::red;
using kp::testing::rows;
using kp::testing::TestBitmap;
using kp::PenStyle;

TEST(Shapes, LineToPaintsTheStartNotTheEndAndMovesThePosition)
{
    TestBitmap t(6, 3);
    t.dc.move_to({0, 1});
    t.dc.line_to({4, 1});
    EXPECT_EQ(t.dc.current_position(), (Point{4, 1}));
    EXPECT_EQ(t.picture(), rows(R"(
......
####..
......
)"));
    // The library paints an end point by drawing one pixel further: a line from a point to
    // itself then paints that point alone.
    TestBitmap u(3, 3);
    u.dc.move_to({1, 1});
    u.dc.line_to({1, 1});
    u.dc.line_to({2, 1});
    EXPECT_EQ(u.picture(), rows(R"(
...
.#.
...
)"));
}

TEST(Shapes, RectangleBoxExcludesItsRightAndBottomEdges)
{
    TestBitmap t(12, 12);
    t.brush(red);
    t.dc.rectangle({0, 0, 10, 10});
    EXPECT_EQ(t.picture(), rows(R"(
##########..
#rrrrrrrr#..
#rrrrrrrr#..
#rrrrrrrr#..
#rrrrrrrr#..
#rrrrrrrr#..
#rrrrrrrr#..
#rrrrrrrr#..
#rrrrrrrr#..
##########..
............
............
)"));
}

TEST(Shapes, RectangleWithoutPenOrBrush)
{
    TestBitmap t(5, 4);
    t.dc.select_object(kp::stock_object(kp::StockObject::NullPen));
    t.brush(blue);
    t.dc.rectangle({1, 1, 3, 2}); // the brush alone covers the whole box
    t.dc.select_object(kp::stock_object(kp::StockObject::BlackPen));
    t.hollow_brush();
    t.dc.rectangle({0, 0, 5, 4});
    EXPECT_EQ(t.picture(), rows(R"(
#####
#bbb#
#bbb#
#####
)"));
}

TEST(Shapes, CircleBoxesOfRadiusZeroOneAndThree)
{
    // A circle of radius r about (x, y) has the box (x - r, y - r, x + r + 1, y + r + 1).
    TestBitmap t(14, 9);
    t.brush(red);
    t.dc.ellipse({1, 4, 1, 1});
    t.dc.ellipse({3, 3, 3, 3});
    t.dc.ellipse({7, 1, 7, 7});
    EXPECT_EQ(t.picture(), rows(R"(
..............
.........###..
........#rrr#.
...###.#rrrrr#
.#.#r#.#rrrrr#
...###.#rrrrr#
........#rrr#.
.........###..
..............
)"));
}

TEST(Shapes, EllipseInAnEvenBoxIsSymmetric)
{
    TestBitmap t(10, 6);
    t.hollow_brush();
    t.dc.ellipse({0, 0, 10, 6});
    EXPECT_EQ(t.picture(), rows(R"(
..######..
.#......#.
#........#
#........#
.#......#.
..######..
)"));
}

TEST(Shapes, ArcRunsCounterClockwiseFromStartRayToEndRay)
{
    // From the ray to the right to the ray upwards: the top-right quarter.
    TestBitmap t(9, 9);
    t.dc.arc({0, 0, 9, 9}, {8, 4}, {4, 0});
    EXPECT_EQ(t.picture(), rows(R"(
....###..
.......#.
........#
........#
........#
.........
.........
.........
.........
)"));
    // The same rays the other way round: the other three quarters.
    TestBitmap u(9, 9);
    u.dc.arc({0, 0, 9, 9}, {4, 0}, {8, 4});
    EXPECT_EQ(u.picture(), rows(R"(
..###....
.#.......
#........
#........
#.......#
#.......#
#.......#
.#.....#.
..#####..
)"));
}

TEST(Shapes, ArcWithCoincidingRaysIsTheWholeOutline)
{
    TestBitmap t(7, 7), u(7, 7);
    t.dc.arc({0, 0, 7, 7}, {0, 3}, {0, 3});
    u.hollow_brush();
    u.dc.ellipse({0, 0, 7, 7});
    EXPECT_EQ(t.picture(), u.picture());
}

std::vector<Point> pentagram(int cx, int cy, int r)
{
    std::vector<Point> points;
    for (int i = 0; i < 5; ++i) {
        double const angle = -std::numbers::pi / 2 + i * 4 * std::numbers::pi / 5;
        points.push_back({cx + int(std::lround(r * std::cos(angle))), cy + int(std::lround(r * std::sin(angle)))});
    }
    return points;
}

TEST(Shapes, AlternateFillLeavesTheCentreOfAPentagramEmpty)
{
    TestBitmap t(21, 21);
    t.brush(red);
    t.dc.polygon(pentagram(10, 10, 10), kp::FillRule::Alternate);
    EXPECT_EQ(t.picture(), rows(R"(
..........#..........
..........#..........
.........#r#.........
.........#r#.........
.........#r#.........
........#rrr#........
........#rrr#........
#####################
.##rrrr#.....#rrrr##.
...#rrr#.....#rrr#...
....##r#.....#r##....
......#.......#......
......##.....##......
......#r##.##r#......
.....#rrrr#rrrr#.....
.....#rr##.##rr#.....
.....#r#.....#r#.....
....###.......###....
....#...........#....
.....................
.....................
)"));
    TestBitmap u(21, 21);
    u.brush(red);
    u.dc.polygon(pentagram(10, 10, 10), kp::FillRule::Winding);
    EXPECT_EQ(u.at(10, 10), red) << "the winding rule fills the centre";
}

TEST(Shapes, PolygonFillCoversLeftAndTopEdgesAndTheOutlineTheRest)
{
    Point const square[] = {{1, 1}, {4, 1}, {4, 4}, {1, 4}};
    TestBitmap t(6, 6);
    t.dc.select_object(kp::stock_object(kp::StockObject::NullPen));
    t.brush(red);
    t.dc.polygon(square, kp::FillRule::Alternate);
    EXPECT_EQ(t.picture(), rows(R"(
......
.rrr..
.rrr..
.rrr..
......
......
)"));
    t.dc.select_object(kp::stock_object(kp::StockObject::BlackPen));
    t.dc.polygon(square, kp::FillRule::Alternate);
    EXPECT_EQ(t.picture(), rows(R"(
......
.####.
.#rr#.
.#rr#.
.####.
......
)"));
}

std::string styled_line(PenStyle style, kp::BackgroundMode mode)
{
    TestBitmap t(50, 1);
    t.dc.set_background_mode(mode);
    t.dc.set_background_color(red);
    t.pen(style, 1, kp::colors::black);
    t.dc.move_to({0, 0});
    t.dc.line_to({50, 0});
    return t.picture();
}

TEST(Shapes, PenStylesHaveTheirDashLengths)
{
    using kp::BackgroundMode;
    EXPECT_EQ(styled_line(PenStyle::Solid, BackgroundMode::Transparent), std::string(50, '#') + "\n");
    EXPECT_EQ(styled_line(PenStyle::Dotted, BackgroundMode::Transparent),
              "###...###...###...###...###...###...###...###...##\n");
    EXPECT_EQ(styled_line(PenStyle::Dashed, BackgroundMode::Transparent),
              "##################......##################......##\n");
    EXPECT_EQ(styled_line(PenStyle::DashDot, BackgroundMode::Transparent),
              "#########......###......#########......###......##\n");
    EXPECT_EQ(styled_line(PenStyle::Invisible, BackgroundMode::Transparent), std::string(50, '.') + "\n");
    // An opaque background paints the gaps in the background colour.
    EXPECT_EQ(styled_line(PenStyle::Dotted, BackgroundMode::Opaque),
              "###rrr###rrr###rrr###rrr###rrr###rrr###rrr###rrr##\n");
    // Upwards, the pattern starts at the bottom.
    TestBitmap up(1, 8);
    up.dc.set_background_mode(BackgroundMode::Opaque);
    up.dc.set_background_color(red);
    up.pen(PenStyle::Dotted, 1, kp::colors::black);
    up.dc.move_to({0, 7});
    up.dc.line_to({0, -1});
    EXPECT_EQ(up.picture(), "#\n#\nr\nr\nr\n#\n#\n#\n");
}

TEST(Shapes, DashesRunOnAcrossLineTosAndRestartAtMoveTo)
{
    TestBitmap t(20, 2);
    t.pen(PenStyle::Dotted, 1, kp::colors::black);
    t.dc.move_to({0, 0});
    t.dc.line_to({4, 0});
    t.dc.line_to({20, 0});
    t.dc.move_to({4, 1});
    t.dc.line_to({20, 1});
    EXPECT_EQ(t.picture(), rows(R"(
###...###...###...##
....###...###...###.
)"));
}

TEST(Shapes, DashesOfCurvesDoNotDependOnTheClip)
{
    // A window partly covered by another must show the same dashes where it shows at all.
    auto draw = [](TestBitmap& t) {
        t.pen(PenStyle::DashDot, 1, kp::colors::black);
        t.hollow_brush();
        t.dc.ellipse({2, 3, 40, 30});
        t.dc.arc({5, 5, 30, 30}, {30, 5}, {5, 30});
        t.dc.move_to({-7, 40});
        t.dc.line_to({50, -3});
    };
    TestBitmap whole(44, 36), clipped(44, 36);
    draw(whole);
    kp::OwnedObject region(kp::create_rect_region({10, 8, 20, 25}));
    clipped.dc.select_clip_region(region.get());
    draw(clipped);
    for (int y = 0; y < 36; ++y)
        for (int x = 0; x < 44; ++x)
            if (Rect{10, 8, 20, 25}.contains(Point{x, y})) {
                ASSERT_EQ(clipped.at(x, y), whole.at(x, y)) << x << "," << y;
            }
}

TEST(Shapes, WidePensAreSolidWithRoundEnds)
{
    TestBitmap t(12, 7);
    t.pen(PenStyle::Dashed, 5, kp::colors::black); // wide pens draw solid
    t.dc.move_to({3, 3});
    t.dc.line_to({8, 3});
    EXPECT_EQ(t.picture(), rows(R"(
............
..########..
.##########.
.##########.
.##########.
..########..
............
)"));
}

TEST(Shapes, EvenWidthsCoverExactlyThatManyRows)
{
    // Moved half a pixel right and down, the pen reaches one column past the end.
    TestBitmap t(8, 6);
    t.pen(PenStyle::Solid, 2, kp::colors::black);
    t.dc.move_to({1, 2});
    t.dc.line_to({6, 2});
    EXPECT_EQ(t.picture(), rows(R"(
........
........
.#######
.#######
........
........
)"));
}

TEST(Shapes, WidePolylinePaintsEachPixelOnceEvenInXor)
{
    // Round joins overlap the segments they join; in xor an overlap painted twice would
    // show as a hole.
    TestBitmap t(16, 12);
    t.pen(PenStyle::Solid, 3, kp::colors::white);
    t.dc.set_raster_op(kp::RasterOp::Xor);
    Point const path[] = {{2, 2}, {12, 2}, {12, 9}, {3, 9}};
    t.dc.polyline(path);
    EXPECT_EQ(t.picture(), rows(R"(
................
.#############..
.#############..
.#############..
...........###..
...........###..
...........###..
...........###..
..############..
..############..
..############..
................
)"));
}

TEST(Shapes, XorTwiceRestoresThePicture)
{
    std::mt19937 random(3);
    TestBitmap t(32, 24);
    for (auto& pixel : t.pixels().pixels())
        pixel = random() & 0x00FFFFFF;
    Surface const before = t.pixels();
    t.dc.set_raster_op(kp::RasterOp::Xor);
    t.brush(kp::Color::from_rgb(90, 200, 17));
    t.pen(PenStyle::Dashed, 1, kp::Color::from_rgb(255, 0, 170));
    auto draw_everything = [&] {
        t.dc.move_to({-3, 2});
        t.dc.line_to({35, 19});
        t.dc.rectangle({2, 3, 12, 9});
        t.dc.ellipse({10, 4, 17, 13});
        t.dc.polygon(pentagram(16, 12, 11), kp::FillRule::Alternate);
        t.dc.arc({0, 0, 30, 20}, {0, 0}, {30, 20});
    };
    draw_everything();
    EXPECT_NE(t.pixels().pixels()[200], before.pixels()[200]);
    draw_everything();
    EXPECT_TRUE(std::ranges::equal(t.pixels().pixels(), before.pixels()));
}

TEST(Shapes, OutlineAndFillNeverPaintTheSamePixel)
{
    // In xor a pixel painted by both would get pen ^ brush; the outline alone paints it.
    auto const pen_colour = kp::Color::from_rgb(1, 0, 0);
    auto const brush_colour = kp::Color::from_rgb(0, 1, 0);
    uint32_t const both = pen_colour.pixel() ^ brush_colour.pixel();
    auto const draws = std::vector<std::function<void(TestBitmap&)>>{
        [](TestBitmap& t) { t.dc.polygon(pentagram(12, 12, 11), kp::FillRule::Alternate); },
        [](TestBitmap& t) { t.dc.ellipse({1, 1, 19, 13}); },
        [](TestBitmap& t) { t.dc.rectangle({4, 1, 18, 15}); },
        [](TestBitmap& t) { t.dc.arc({1, 1, 19, 13}, {0, 0}, {19, 13}); },
    };
    for (int width : {1, 4}) {
        for (std::size_t i = 0; i < draws.size(); ++i) {
            TestBitmap t(24, 24, kp::colors::black);
            t.dc.set_raster_op(kp::RasterOp::Xor);
            t.pen(PenStyle::Solid, width, pen_colour);
            t.brush(brush_colour);
            draws[i](t);
            bool const overlap = std::ranges::count(t.pixels().pixels(), both) > 0;
            EXPECT_FALSE(overlap) << "shape " << i << ", width " << width;
            EXPECT_GT(std::ranges::count(t.pixels().pixels(), pen_colour.pixel()), 0) << "shape " << i;
        }
    }
}

TEST(Shapes, SetPixelIgnoresTheRasterOperation)
{
    TestBitmap t(2, 1);
    t.dc.set_raster_op(kp::RasterOp::Xor);
    t.dc.set_pixel({1, 0}, red);
    EXPECT_EQ(t.at(1, 0), red);
    EXPECT_EQ(t.dc.pixel({1, 0}), red);
    EXPECT_FALSE(t.dc.pixel({2, 0}));
}

TEST(Shapes, RasterOperationsCombinePenAndBrushWithThePixels)
{
    struct Case {
        kp::RasterOp op;
        uint32_t expected;
    };
    uint32_t const there = 0x00F0F00F;
    uint32_t const brush = 0x0033CC55;
    Case const cases[] = {{kp::RasterOp::Copy, brush},
                          {kp::RasterOp::NotCopy, 0x00CC33AA},
                          {kp::RasterOp::And, there & brush},
                          {kp::RasterOp::Or, there | brush},
                          {kp::RasterOp::Xor, there ^ brush}};
    for (Case const& c : cases) {
        TestBitmap t(3, 3, kp::Color::from_pixel(there));
        t.dc.select_object(kp::stock_object(kp::StockObject::NullPen));
        t.brush(kp::Color::from_pixel(brush));
        t.dc.set_raster_op(c.op);
        t.dc.rectangle({0, 0, 3, 3});
        EXPECT_EQ(t.at(1, 1).pixel(), c.expected) << int(c.op);
        t.dc.paint_region(kp::Region(Rect{0, 0, 1, 1}));
        EXPECT_EQ(t.at(0, 0).pixel(), kp::apply(c.op, c.expected, brush)) << int(c.op);
    }
}

// A run of lines paints, in every pen and raster operation and through a clip of several
// rectangles, what each line's move-to, line-to and one-pixel end step paint one after the
// other with the pen in its colour, and leaves the position and the pen where those do.
TEST(Shapes, RunOfLinesPaintsWhatEachLineAndItsEndPaint)
{
    struct PenCase {
        PenStyle style;
        int32_t width;
    };
    std::mt19937 random(5);
    std::uniform_int_distribution<int32_t> coordinate(-6, 45);
    std::uniform_int_distribution<int32_t> step(-5, 5);
    kp::Color const colours[] = {red, green, blue};
    kp::OwnedObject const clip(kp::create_rect_region({}));
    kp::set_region(clip.get(), kp::Region(Rect{2, 2, 30, 12}).united(kp::Region(Rect{8, 20, 30, 18})));
    for (PenCase const pen : {PenCase{PenStyle::Solid, 1}, PenCase{PenStyle::Dashed, 1}, PenCase{PenStyle::Solid, 3},
                              PenCase{PenStyle::Invisible, 1}})
        for (kp::RasterOp const op : {kp::RasterOp::Copy, kp::RasterOp::Xor}) {
            TestBitmap run(40, 40), each(40, 40);
            std::vector<kp::PaintedLine> lines;
            for (int n = 0; n < 300; ++n) {
                Point const from{coordinate(random), coordinate(random)};
                Point const to = n % 6 == 0 ? Point{coordinate(random), coordinate(random)}
                                            : Point{from.x + step(random), from.y + step(random)};
                lines.push_back({from, to, colours[n / 7 % 3]});
            }
            lines.push_back({{3, 3}, {INT32_MAX, 3}, red}); // its end step is empty
            for (TestBitmap* t : {&run, &each}) {
                t->pen(pen.style, pen.width, kp::colors::black);
                t->dc.set_raster_op(op);
                t->dc.select_clip_region(clip.get());
            }
            run.dc.draw_lines(lines);
            for (kp::PaintedLine const& line : lines) {
                each.pen(pen.style, pen.width, line.color);
                each.dc.move_to(line.from);
                each.dc.line_to(line.to);
                each.dc.line_to(line.to.translated(1, 0));
            }
            EXPECT_EQ(run.picture(), each.picture()) << static_cast<int>(pen.style) << " " << pen.width;
            EXPECT_EQ(run.dc.current_position(), each.dc.current_position());
            EXPECT_EQ(run.dc.pen().color, kp::colors::black) << "the selected pen keeps its colour";
        }
}

} // namespace
