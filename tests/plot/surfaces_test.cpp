// Surfaces: the edge-coloured wire frame, the hidden-line sweep against the geometry of a
// bump, the views without a front, pinning to the window and the checks.

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "lib/axes/projection.h"
#include "lib/graph/graph_table.h"
#include "lib/plot/surface_sweep.h"
#include "lib/plot/surfaces.h"
#include "lib/plot/wire_frame.h"
#include "lib/runtime/error_state.h"
#include "tests/plot/plot_test_support.h"
#include "tests/plot/plot_graph_test.h"

namespace kelvo::testing {
namespace {

TkColor const upper = 0x0000FFFF; // yellow
TkColor const lower = 0x00FF00FF; // magenta
double const pi = std::numbers::pi;

class Surfaces : public PlotGraphTest {
protected:
    int32_t draw(OwnedArray const& x, OwnedArray const& y, OwnedArray const& z, uint8_t style, uint8_t option = 0)
    {
        return TkDrawSurfaceArray(graph, x, y, z, x.length(), y.length(), style, upper, lower, option);
    }

    int drawn_pixels() const { return TkWindowWidth(graph) * TkWindowHeight(graph) - count_shown(graph, background); }
};

// Gentle waves on [-1, 1] x [-1, 1].
OwnedArray waves(OwnedArray const& x, OwnedArray const& y)
{
    return OwnedArray::grid(x.length(), y.length(), [&](int32_t i, int32_t j) {
        return 0.2 * std::sin(3 * TkGetArray1(x, i)) * std::cos(2 * TkGetArray1(y, j));
    });
}

TEST_F(Surfaces, TheWireFrameSeenFromAboveIsInTheUpperColourAndFromBelowInTheLower)
{
    OwnedArray const x = OwnedArray::line(evenly(-1, 1, 15));
    OwnedArray const y = OwnedArray::line(evenly(-1, 1, 12));
    OwnedArray const z = waves(x, y);
    TkSetRanges3(graph, -1, 1, -1, 1, -1, 1);
    TkSetViewangles(graph, 0.5, -pi / 2 + 0.3);
    TkSetScales(graph);
    ASSERT_EQ(draw(x, y, z, 3), 0);
    EXPECT_GT(count_shown(graph, upper), 500);
    EXPECT_EQ(count_shown(graph, lower), 0);

    TkClearWindow(graph);
    TkSetViewangles(graph, pi - 0.5, -pi / 2 + 0.3);
    TkSetScales(graph);
    ASSERT_EQ(draw(x, y, z, 3), 0);
    EXPECT_GT(count_shown(graph, lower), 500);
    EXPECT_EQ(count_shown(graph, upper), 0);
}

// Three columns and two rows of points, the second cell folded over (its right column
// projected left of its left column): both its triangles turn away from the viewer.
TEST_F(Surfaces, AnEdgeIsInTheLowerColourOnlyWhenBothItsTrianglesTurnAway)
{
    std::vector<PixelPoint> const points = {{20, 100}, {120, 100}, {70, 100}, {20, 40}, {120, 40}, {70, 40}};
    WireFrameStorage storage;
    ASSERT_TRUE(storage.obtain(3, 2, DataSource::LibraryArrays));
    std::ranges::copy(points, storage.points().begin());
    draw_edge_coloured_wire_frame(*find_graph(graph), storage, {upper, lower});
    EXPECT_EQ(shown(graph, 45, 100), upper) << "the first cell's edge in the first row";
    EXPECT_EQ(shown(graph, 95, 100), lower) << "the folded cell's edge, drawn after it over the same pixels";
    EXPECT_EQ(shown(graph, 120, 70), upper) << "between the cells: the first cell faces";
    EXPECT_EQ(shown(graph, 70, 70), lower) << "the folded cell's outer side";
    EXPECT_EQ(shown(graph, 20, 70), upper);
}

// The front of a hidden-line drawing: the two grid lines through the corner nearest the
// viewer are drawn whole in the upper colour.
TEST_F(Surfaces, TheHiddenLineDrawingDrawsItsFrontLinesWhole)
{
    OwnedArray const x = OwnedArray::line(evenly(-1, 1, 15));
    OwnedArray const y = OwnedArray::line(evenly(-1, 1, 12));
    OwnedArray const z = waves(x, y);
    TkSetRanges3(graph, -1, 1, -1, 1, -1, 1);
    TkSetView3D(graph); // the nearest corner is (x max, y min)
    TkSetScales(graph);
    ASSERT_EQ(draw(x, y, z, 4), 0);
    Picture const picture(graph);
    auto drawn_between = [&](int32_t i1, int32_t j1, int32_t i2, int32_t j2) {
        double const u = (TkGetArray1(x, i1) + TkGetArray1(x, i2)) / 2;
        double const v = (TkGetArray1(y, j1) + TkGetArray1(y, j2)) / 2;
        double const w = (TkGetArray2(z, i1, j1) + TkGetArray2(z, i2, j2)) / 2;
        return picture.near(TkUserToWindowX3(graph, u, v, w), TkUserToWindowY3(graph, u, v, w), upper);
    };
    for (int32_t i = 1; i < 15; ++i)
        EXPECT_TRUE(drawn_between(i, 1, i + 1, 1)) << "front line along x, segment " << i;
    for (int32_t j = 1; j < 12; ++j)
        EXPECT_TRUE(drawn_between(15, j, 15, j + 1)) << "front line along y, segment " << j;
}

// A single bump seen from the side, looking along y: every grid line along x behind it is
// hidden exactly where the bump rises above it on the screen. The expected visibility comes
// from the geometry: seen along y, a point is hidden when a nearer point of the surface at
// the same x projects higher; along a column the surface between two grid rows is linear,
// so the nearer grid rows decide.
TEST_F(Surfaces, ABumpHidesExactlyTheLinesBehindIt)
{
    int32_t const nx = 41;
    int32_t const ny = 11;
    OwnedArray const x = OwnedArray::line(evenly(-1, 1, nx));
    OwnedArray const y = OwnedArray::line(evenly(-1, 1, ny));
    OwnedArray const z = OwnedArray::grid(nx, ny, [&](int32_t i, int32_t j) {
        double const u = TkGetArray1(x, i);
        double const v = TkGetArray1(y, j) + 0.4;
        return std::exp(-(u * u + v * v) / 0.06);
    });
    TkSetRanges3(graph, -1, 1, -1, 1, 0, 1);
    TkSetViewangles(graph, 1.2, -pi / 2);
    TkSetScales(graph);
    ASSERT_EQ(draw(x, y, z, 4), 0);
    Picture const picture(graph);
    EffectiveScales const& scales = find_graph(graph)->scales;

    // The point at fraction f between grid columns i and i + 1 of row j, on the screen.
    auto on_screen = [&](int32_t i, double f, int32_t j) {
        double const u = TkGetArray1(x, i) + f * (TkGetArray1(x, i + 1) - TkGetArray1(x, i));
        double const w = TkGetArray2(z, i, j) + f * (TkGetArray2(z, i + 1, j) - TkGetArray2(z, i, j));
        return project(scales, u, TkGetArray1(y, j), w);
    };
    double const margin = 2.0; // pixels: closer calls are left out
    int visible = 0;
    int hidden = 0;
    for (int32_t j = 1; j <= ny; ++j)
        for (int32_t i = 1; i < nx; ++i)
            for (double f : {0.35, 0.5, 0.65}) {
                WindowPoint const p = on_screen(i, f, j);
                double highest_in_front = 1e9; // smallest row
                double nearest_in_front = 1e9; // rows between: a nearer line may cross this pixel
                for (int32_t front = 1; front < j; ++front) {
                    double const row_in_front = on_screen(i, f, front).y;
                    highest_in_front = std::min(highest_in_front, row_in_front);
                    nearest_in_front = std::min(nearest_in_front, std::fabs(row_in_front - p.y));
                }
                int32_t const column = static_cast<int32_t>(std::lround(p.x));
                int32_t const row = static_cast<int32_t>(std::lround(p.y));
                bool const drawn_here = picture.near(column, row, upper, 1);
                if (p.y <= highest_in_front - margin) {
                    ++visible;
                    EXPECT_TRUE(drawn_here) << "row " << j << " column " << i << " + " << f << " is in sight";
                } else if (p.y >= highest_in_front + margin && nearest_in_front >= margin) {
                    ++hidden;
                    EXPECT_EQ(picture.at(column, row), background)
                        << "row " << j << " column " << i << " + " << f << " lies behind the bump ";
                }
            }
    EXPECT_GT(visible, 600);
    EXPECT_GT(hidden, 80);
}

TEST_F(Surfaces, ViewsWithoutAFrontHaveNoSweep)
{
    std::optional<SweepPlan> const usual = plan_sweep(pi / 3, -5 * pi / 12, 10, 20);
    ASSERT_TRUE(usual.has_value());
    EXPECT_EQ(usual->x.start, 9);
    EXPECT_EQ(usual->x.step, -1);
    EXPECT_EQ(usual->y.start, 0);
    EXPECT_EQ(usual->y.step, 1);
    EXPECT_TRUE(usual->x_is_arm_a);
    EXPECT_FALSE(plan_sweep(0, -pi / 2, 10, 20).has_value()) << "straight down";
    EXPECT_FALSE(plan_sweep(-0.5, 0, 10, 20).has_value()) << "both directions on arm B";
    EXPECT_TRUE(plan_sweep(0.5, 0, 10, 20).has_value()) << "sin phi = 0 with the arms apart";
}

// Where the sweep has no front the hidden-line style draws the wire frame, which is exact
// from straight above.
TEST_F(Surfaces, AHiddenLineDrawingWithoutAFrontIsTheWireFrame)
{
    OwnedArray const x = OwnedArray::line(evenly(-1, 1, 9));
    OwnedArray const y = OwnedArray::line(evenly(-1, 1, 7));
    OwnedArray const z = waves(x, y);
    TkSetRanges3(graph, -1, 1, -1, 1, -1, 1);
    for (auto [theta, phi] : {std::pair{0.0, -pi / 2}, std::pair{-0.5, 0.0}}) {
        TkSetViewangles(graph, theta, phi);
        TkSetScales(graph);
        TkClearWindow(graph);
        ASSERT_EQ(draw(x, y, z, 3), 0);
        Picture const wire_frame(graph);
        TkClearWindow(graph);
        ASSERT_EQ(draw(x, y, z, 4), 0);
        EXPECT_EQ(Picture(graph), wire_frame) << "theta " << theta << ", phi " << phi;
        EXPECT_GT(drawn_pixels(), 100);
    }
}

TEST_F(Surfaces, OptionOneFitsTheRangesAndKeepsTheView)
{
    OwnedArray const x = OwnedArray::line({2, 3, 5});
    OwnedArray const y = OwnedArray::line({-4, 1});
    OwnedArray const z = OwnedArray::grid(3, 2, [](int32_t i, int32_t j) { return i * j; });
    ASSERT_EQ(draw(x, y, z, 4, 1), 0);
    CoordinateSettings const& c = find_graph(graph)->coordinates;
    EXPECT_DOUBLE_EQ(c.UserMin[axis_x], 1.999);
    EXPECT_EQ(c.UserMax[axis_x], 5);
    EXPECT_DOUBLE_EQ(c.UserMin[axis_y], -4.001);
    EXPECT_EQ(c.UserMax[axis_y], 1);
    EXPECT_DOUBLE_EQ(c.UserMin[axis_z], 0.999);
    EXPECT_EQ(c.UserMax[axis_z], 6);
    EXPECT_FALSE(c.Is3D);
    EXPECT_GT(drawn_pixels(), 0);
}

TEST_F(Surfaces, OnlyStylesThreeAndFourAreDrawn)
{
    OwnedArray const x = OwnedArray::line({0, 1});
    OwnedArray const y = OwnedArray::line({0, 1});
    OwnedArray const z = OwnedArray::grid(2, 2, [](int32_t i, int32_t j) { return i + j; });
    for (uint8_t style : {0, 1, 2, 5, 255}) {
        EXPECT_EQ(draw(x, y, z, style), 20807) << int{style};
        EXPECT_EQ(error_state().message, "Bad option specified");
    }
    EXPECT_EQ(drawn_pixels(), 0);
    OwnedArray const falling = OwnedArray::line({1, 0});
    EXPECT_EQ(draw(falling, y, z, 5), 20806) << "the data are checked first";
}

// Points beyond the window's left edge are pinned to column 1 by the hidden-line drawing,
// whose horizon has an entry per window column, and to column 0 by the wire frame.
TEST_F(Surfaces, ASurfaceLargerThanTheWindowIsPinnedToIt)
{
    OwnedArray const x = OwnedArray::line(evenly(-30, 30, 25));
    OwnedArray const y = OwnedArray::line(evenly(-30, 30, 25));
    OwnedArray const z = waves(x, y);
    TkSetRanges3(graph, -1, 1, -1, 1, -1, 1);
    TkSetView3D(graph);
    TkSetScales(graph);
    ASSERT_EQ(draw(x, y, z, 4), 0);
    Picture const hidden_lines(graph);
    int in_column[2] = {0, 0};
    for (int32_t row = 0; row < hidden_lines.height; ++row)
        for (int32_t column : {0, 1})
            in_column[column] += hidden_lines.at(column, row) != background;
    EXPECT_EQ(in_column[0], 0);
    EXPECT_GT(in_column[1], 0);

    TkClearWindow(graph);
    ASSERT_EQ(draw(x, y, z, 3), 0);
    EXPECT_NE(shown(graph, 0, 0), background) << "pinned to the top left corner";
}

// The working storage of the wire frame is a point per grid point; the hidden-line drawing
// needs only the horizon and one front line, so large grids pass.
TEST_F(Surfaces, TheWireFrameOfAVeryLargeGridIsRefused)
{
    int32_t const n = 400;
    std::vector<double> const coordinates = evenly(-1, 1, n);
    std::vector<double> heights(static_cast<std::size_t>(n) * n);
    for (int32_t j = 0; j < n; ++j)
        for (int32_t i = 0; i < n; ++i)
            heights[static_cast<std::size_t>(j) * n + i] = 0.2 * std::sin(6 * coordinates[i]) * coordinates[j];
    PlotGrid const grid{coordinates.data(), coordinates.data(), heights.data(), n, n, n};
    GraphRecord& record = *find_graph(graph);
    TkSetRanges3(graph, -1, 1, -1, 1, -1, 1);
    TkSetView3D(graph);
    TkSetScales(graph);
    clear_error();
    draw_surface(record, grid, {3, upper, lower, 0});
    EXPECT_EQ(error_state().code, 20801);
    EXPECT_EQ(error_state().message, "Not enough room in memory for local arrays");
    EXPECT_EQ(drawn_pixels(), 0);
    clear_error();
    draw_surface(record, grid, {4, upper, lower, 0});
    EXPECT_EQ(error_state().code, 0);
    EXPECT_GT(drawn_pixels(), 1000);
}

} // namespace
} // namespace kelvo::testing
