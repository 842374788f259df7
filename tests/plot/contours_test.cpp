// Contours: the levels, the single-level rule, the cell walk with its fixed edge order, the
// checks of the grid and the request, and a contour against the true curve.

#include <cmath>
#include <numbers>
#include <set>

#include "lib/axes/projection.h"
#include "lib/graph/graph_table.h"
#include "lib/runtime/error_state.h"
#include "tests/plot/plot_test_support.h"
#include "tests/plot/plot_graph_test.h"

namespace kelvo::testing {
namespace {

TkColor const ink = 0x0000FFFF; // yellow

class Contours : public PlotGraphTest {
protected:
    // The plane z = x over [x1, x2] x [0, 1]: every level L is the vertical line x = L.
    int32_t draw_plane(double x1, double x2, int32_t levels, double z1, double z2, uint8_t option = 0)
    {
        OwnedArray const x = OwnedArray::line({x1, x2});
        OwnedArray const y = OwnedArray::line({0, 1});
        OwnedArray const z = OwnedArray::grid(2, 2, [&](int32_t i, int32_t) { return i == 1 ? x1 : x2; });
        return TkDrawContoursArray(graph, x, y, z, 2, 2, levels, z1, z2, 0, ink, option);
    }

    // The columns where the row through y = 0.5 shows the contour colour.
    std::set<int32_t> drawn_columns() const
    {
        Picture const picture(graph);
        int32_t const row = TkUserToWindowY(graph, 0, 0.5);
        std::set<int32_t> columns;
        for (int32_t x = 0; x < picture.width; ++x)
            if (picture.at(x, row) == ink)
                columns.insert(x);
        return columns;
    }

    std::set<int32_t> columns_of(std::vector<double> const& levels) const
    {
        std::set<int32_t> columns;
        for (double level : levels)
            columns.insert(TkUserToWindowX(graph, level, 0.5));
        return columns;
    }

    int drawn_pixels() const { return TkWindowWidth(graph) * TkWindowHeight(graph) - count_shown(graph, background); }
};

TEST_F(Contours, LevelsLieStrictlyBetweenTheBoundsInEqualSteps)
{
    TkSetRanges(graph, 0, 20, 0, 1);
    TkSetScales(graph);
    ASSERT_EQ(draw_plane(0, 20, 20, 0, 20), 0);
    std::vector<double> levels;
    for (int k = 1; k <= 20; ++k)
        levels.push_back(20.0 * k / 21);
    std::set<int32_t> const expected = columns_of(levels);
    ASSERT_EQ(expected.size(), 20u) << "the levels are told apart on the screen";
    EXPECT_EQ(drawn_columns(), expected);
    EXPECT_FALSE(drawn_columns().contains(TkUserToWindowX(graph, 0, 0.5))) << "no level at the lower bound";
    EXPECT_FALSE(drawn_columns().contains(TkUserToWindowX(graph, 20, 0.5))) << "no level at the upper bound";
}

TEST_F(Contours, EqualBoundsSpanTheFittedRangeOfTheData)
{
    TkSetRanges(graph, 0, 10, 0, 1);
    TkSetScales(graph);
    ASSERT_EQ(draw_plane(2, 9, 6, 0, 0), 0);
    // The fit starts 0.001 around the first value, 2, and widens to 9.
    std::vector<double> levels;
    for (int k = 1; k <= 6; ++k)
        levels.push_back(1.999 + k * (9 - 1.999) / 7);
    EXPECT_EQ(drawn_columns(), columns_of(levels));
}

TEST_F(Contours, OneLevelAskedForAtOneValueIsDrawnJustAboveIt)
{
    TkSetRanges(graph, 4.99, 5.01, 0, 1);
    TkSetScales(graph);
    ASSERT_EQ(draw_plane(4.99, 5.01, 1, 5, 5), 0);
    ASSERT_NE(TkUserToWindowX(graph, 5.0005, 0.5), TkUserToWindowX(graph, 5, 0.5));
    EXPECT_EQ(drawn_columns(), columns_of({5.0005}));
}

TEST_F(Contours, AValueEqualToTheLevelIsNotBelowIt)
{
    TkSetRanges(graph, 0, 2, 0, 1);
    TkSetScales(graph);
    OwnedArray const x = OwnedArray::line({0, 1, 2});
    OwnedArray const y = OwnedArray::line({0, 1});
    // Level 1 (one level between 0 and 2) through a ridge whose top is exactly 1: the top is
    // not below the level, its neighbours are, so both edges cross at x = 1.
    OwnedArray const ridge = OwnedArray::grid(3, 2, [](int32_t i, int32_t) { return i == 2 ? 1.0 : 0.0; });
    ASSERT_EQ(TkDrawContoursArray(graph, x, y, ridge, 3, 2, 1, 0, 2, 0, ink, 0), 0);
    EXPECT_EQ(drawn_columns(), columns_of({1}));

    // A valley whose bottom is exactly 1: nothing of it is below the level.
    TkClearWindow(graph);
    OwnedArray const valley = OwnedArray::grid(3, 2, [](int32_t i, int32_t) { return i == 2 ? 1.0 : 2.0; });
    ASSERT_EQ(TkDrawContoursArray(graph, x, y, valley, 3, 2, 1, 0, 2, 0, ink, 0), 0);
    EXPECT_EQ(drawn_pixels(), 0);
}

TEST_F(Contours, ASaddleCellIsOnePathLeftBottomTopRight)
{
    TkSetRanges(graph, 0, 1, 0, 1);
    TkSetScales(graph);
    OwnedArray const x = OwnedArray::line({0, 1});
    OwnedArray const y = OwnedArray::line({0, 1});
    OwnedArray const z = OwnedArray::grid(2, 2, [](int32_t i, int32_t j) { return i == j ? 1.0 : 0.0; });
    ASSERT_EQ(TkDrawContoursArray(graph, x, y, z, 2, 2, 1, 0, 1, 0, ink, 0), 0);
    Picture const picture(graph);
    auto drawn_at = [&](double u, double v) {
        return picture.near(TkUserToWindowX(graph, u, v), TkUserToWindowY(graph, u, v), ink);
    };
    // The crossings are at the middles of the edges: left (0, .5), bottom (.5, 0), top (.5, 1),
    // right (1, .5). The three segments, through their middles:
    EXPECT_TRUE(drawn_at(0.25, 0.25)) << "left to bottom";
    EXPECT_TRUE(drawn_at(0.5, 0.5)) << "bottom to top";
    EXPECT_TRUE(drawn_at(0.75, 0.75)) << "top to right";
    // Neither of the two readings that pair the crossings differently:
    EXPECT_FALSE(drawn_at(0.25, 0.75)) << "left to top";
    EXPECT_FALSE(drawn_at(0.75, 0.25)) << "bottom to right";
}

TEST_F(Contours, CoordinatesMayRepeatButNotDecrease)
{
    OwnedArray const y = OwnedArray::line({0, 1});
    OwnedArray const z = OwnedArray::grid(4, 2, [](int32_t i, int32_t) { return i; });
    OwnedArray const repeating = OwnedArray::line({0, 1, 1, 2});
    OwnedArray const decreasing = OwnedArray::line({0, 2, 1, 3});
    TkSetRanges(graph, 0, 3, 0, 1);
    TkSetScales(graph);
    EXPECT_EQ(TkDrawContoursArray(graph, repeating, y, z, 4, 2, 3, 1, 4, 0, ink, 0), 0);
    EXPECT_GT(drawn_pixels(), 0);

    TkClearWindow(graph);
    EXPECT_EQ(TkDrawContoursArray(graph, decreasing, y, z, 4, 2, 3, 1, 4, 0, ink, 0), 20806);
    EXPECT_EQ(error_state().message, "Bad data array");
    OwnedArray const falling_y = OwnedArray::line({1, 0});
    EXPECT_EQ(TkDrawContoursArray(graph, repeating, falling_y, z, 4, 2, 3, 1, 4, 0, ink, 0), 20806);
    EXPECT_EQ(TkDrawContoursArray(graph, repeating, y, z, 1, 2, 3, 1, 4, 0, ink, 0), 20802) << "one x";
    EXPECT_EQ(error_state().message, "Not enough data");
    EXPECT_EQ(TkDrawContoursArray(graph, repeating, y, z, 4, 1, 3, 1, 4, 0, ink, 0), 20802) << "one y";
    EXPECT_EQ(drawn_pixels(), 0);
}

TEST_F(Contours, TheRequestIsCheckedBeforeTheGrid)
{
    OwnedArray const x = OwnedArray::line({0, 1});
    OwnedArray const y = OwnedArray::line({0, 1});
    OwnedArray const z = OwnedArray::grid(2, 2, [](int32_t i, int32_t) { return i; });
    OwnedArray const falling = OwnedArray::line({1, 0});
    EXPECT_EQ(TkDrawContoursArray(graph, falling, y, z, 2, 2, 0, 0, 1, 0, ink, 0), 20805);
    EXPECT_EQ(error_state().message, "Invalid number of contours");
    EXPECT_EQ(TkDrawContoursArray(graph, falling, y, z, 2, 2, 3, 1, 0, 0, ink, 0), 20803);
    EXPECT_EQ(error_state().message, "Bad range specified");
    EXPECT_EQ(TkDrawContoursArray(graph, x, y, z, 2, 2, 1, 2, 2, 0, ink, 0), 0)
        << "one level at one value is a range, not a reversed one";
}

TEST_F(Contours, ModeAboveTwoIsRefusedAfterTheAxes)
{
    OwnedArray const x = OwnedArray::line({0, 1});
    OwnedArray const y = OwnedArray::line({0, 1});
    OwnedArray const z = OwnedArray::grid(2, 2, [](int32_t i, int32_t) { return i; });
    EXPECT_EQ(TkDrawContoursArray(graph, x, y, z, 2, 2, 3, 1, 2, 3, ink, 0), 20807);
    EXPECT_EQ(error_state().message, "Bad option specified");
    EXPECT_EQ(drawn_pixels(), 0);
    EXPECT_EQ(TkDrawContoursArray(graph, x, y, z, 2, 2, 3, 1, 2, 3, ink, 2), 20807);
    EXPECT_GT(drawn_pixels(), 0) << "the axes of option 2 stay";
    EXPECT_EQ(shown(graph, TkUserToWindowX(graph, 1.25, 0.5), TkUserToWindowY(graph, 1.25, 0.5)), background)
        << "no contour";
}

TEST_F(Contours, TheThreeDimensionalModeStacksTheLevels)
{
    OwnedArray const x = OwnedArray::line({0, 10});
    OwnedArray const y = OwnedArray::line({0, 1});
    OwnedArray const z = OwnedArray::grid(2, 2, [](int32_t i, int32_t) { return i == 1 ? 0.0 : 10.0; });
    ASSERT_EQ(TkDrawContoursArray(graph, x, y, z, 2, 2, 4, 0, 10, 2, ink, 1), 0);
    GraphRecord const& record = *find_graph(graph);
    EXPECT_TRUE(record.coordinates.Is3D);
    EXPECT_EQ(record.coordinates.UserMin[axis_z], 0);
    EXPECT_EQ(record.coordinates.UserMax[axis_z], 10);
    EXPECT_EQ(record.pen.colour, ink);
    EXPECT_EQ(record.pen.style, 1);
    Picture const picture(graph);
    for (double level : {2.0, 4.0, 6.0, 8.0}) {
        EXPECT_TRUE(picture.near(TkUserToWindowX3(graph, level, 0.5, level), TkUserToWindowY3(graph, level, 0.5, level), ink))
            << "level " << level << " at its own height";
        EXPECT_FALSE(picture.near(TkUserToWindowX3(graph, level, 0.5, 0), TkUserToWindowY3(graph, level, 0.5, 0), ink))
            << "level " << level << " not on the floor";
    }

    // Mode 1 with option 1 puts the graph back into the plane view.
    ASSERT_EQ(TkDrawContoursArray(graph, x, y, z, 2, 2, 4, 0, 10, 1, ink, 1), 0);
    EXPECT_FALSE(record.coordinates.Is3D);
}

// A circle of radius r as the level r^2 of x^2 + y^2 on a fine grid: every drawn pixel lies
// within one pixel of the true circle, and the true circle has a drawn pixel within one
// pixel all round.
TEST_F(Contours, ACircleLiesWithinOnePixelOfTheTrueCircle)
{
    TkSetRanges(graph, -1, 1, -1, 1);
    TkSetScales(graph);
    int32_t const n = 101;
    OwnedArray const x = OwnedArray::line(evenly(-1, 1, n));
    OwnedArray const y = OwnedArray::line(evenly(-1, 1, n));
    OwnedArray const z = OwnedArray::grid(n, n, [&](int32_t i, int32_t j) {
        double const u = TkGetArray1(x, i);
        double const v = TkGetArray1(y, j);
        return u * u + v * v;
    });
    // One level between 0 and 1.28: r^2 = 0.64.
    double const r = 0.8;
    ASSERT_EQ(TkDrawContoursArray(graph, x, y, z, n, n, 1, 0, 1.28, 0, ink, 0), 0);

    EffectiveScales const& scales = find_graph(graph)->scales;
    std::vector<WindowPoint> truth;
    for (int k = 0; k < 3600; ++k) {
        double const a = 2 * std::numbers::pi * k / 3600;
        truth.push_back(project(scales, r * std::cos(a), r * std::sin(a), 0));
    }
    Picture const picture(graph);
    int drawn = 0;
    double worst = 0;
    for (int32_t py = 0; py < picture.height; ++py)
        for (int32_t px = 0; px < picture.width; ++px) {
            if (picture.at(px, py) != ink)
                continue;
            ++drawn;
            double nearest = 1e9;
            for (WindowPoint const& t : truth)
                nearest = std::min(nearest, std::hypot(t.x - px, t.y - py));
            worst = std::max(worst, nearest);
        }
    EXPECT_GT(drawn, 300);
    EXPECT_LE(worst, 1.0);
    for (WindowPoint const& t : truth)
        ASSERT_TRUE(picture.near(static_cast<int32_t>(std::lround(t.x)), static_cast<int32_t>(std::lround(t.y)), ink))
            << "no hole at " << t.x << ", " << t.y;
}

} // namespace
} // namespace kelvo::testing
