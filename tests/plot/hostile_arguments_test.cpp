// Contours, surfaces and surfaces of revolution given what they cannot draw: bad graphs,
// disposed and misshapen arrays, values that are not finite, grids too small or too large
// and huge counts. Each gives a clear code at once and leaves the window as it was.

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "lib/runtime/error_state.h"
#include "tests/plot/plot_test_support.h"
#include "tests/window/graph_test_fixture.h"

namespace kelvo::testing {
namespace {

double const nan = std::numeric_limits<double>::quiet_NaN();
double const inf = std::numeric_limits<double>::infinity();
int32_t const huge = std::numeric_limits<int32_t>::max();

struct Grid {
    TkArray x;
    TkArray y;
    TkArray z;
    int32_t nx;
    int32_t ny;
};

// The three array forms over one grid (the revolution takes x as heights and y as radii).
int32_t contours(TkGraph g, Grid a, int32_t levels = 5, double z1 = 0, double z2 = 0)
{
    return TkDrawContoursArray(g, a.x, a.y, a.z, a.nx, a.ny, levels, z1, z2, 1, 0x00FF, 3);
}
int32_t wire_frame(TkGraph g, Grid a)
{
    return TkDrawSurfaceArray(g, a.x, a.y, a.z, a.nx, a.ny, 3, 0x00FF, 0xFF00, 1);
}
int32_t hidden_lines(TkGraph g, Grid a)
{
    return TkDrawSurfaceArray(g, a.x, a.y, a.z, a.nx, a.ny, 4, 0x00FF, 0xFF00, 1);
}
int32_t revolution(TkGraph g, Grid a, int32_t angles = 16, uint8_t style = 4)
{
    return TkDrawRevolutionArray(g, a.x, a.y, a.nx, angles, style, 0x00FF, 0xFF00, 1);
}

class HostileArguments : public GraphTest {
protected:
    void SetUp() override
    {
        GraphTest::SetUp();
        graph = open(200, 150, 2);
        TkClearWindow(graph);
        background = shown(graph, 0, 0);
    }

    bool untouched() const { return count_shown(graph, background) == 200 * 150; }

    // The grid forms: the expected code and an untouched window.
    void expect_grids(Grid grid, int32_t code, std::string const& what)
    {
        EXPECT_EQ(contours(graph, grid), code) << what << ": contours";
        EXPECT_EQ(wire_frame(graph, grid), code) << what << ": wire frame";
        EXPECT_EQ(hidden_lines(graph, grid), code) << what << ": hidden lines";
        EXPECT_TRUE(untouched()) << what;
    }

    // The profile form in every style that draws.
    void expect_profile(TkArray heights, TkArray radii, int32_t n, int32_t code, std::string const& what)
    {
        for (uint8_t style : {0, 3, 4, 5})
            EXPECT_EQ(revolution(graph, {heights, radii, 0, n, 0}, 16, style), code) << what << ", style " << int{style};
        EXPECT_TRUE(untouched()) << what;
    }

    TkGraph graph = 0;
    TkColor background = 0;
    OwnedArray x = OwnedArray::line({0, 1, 2});
    OwnedArray y = OwnedArray::line({0, 1, 2});
    OwnedArray z = OwnedArray::grid(3, 3, [](int32_t i, int32_t j) { return i * j; });
};

TEST_F(HostileArguments, BadGraphsDrawNothing)
{
    Grid const grid{x, y, z, 3, 3};
    TkGraph const closed = open(50, 50, 2);
    TkCloseGraph(closed);
    for (TkGraph bad : {TkGraph{0}, closed, TkGraph{0xDEADBEEF}}) {
        EXPECT_EQ(contours(bad, grid), 0);
        EXPECT_EQ(wire_frame(bad, grid), 0);
        EXPECT_EQ(hidden_lines(bad, grid), 0);
        EXPECT_EQ(revolution(bad, grid), 0);
    }
    EXPECT_TRUE(untouched());
    // The array check still answers first.
    EXPECT_EQ(contours(0, {x, y, x, 3, 3}), 20804);
}

TEST_F(HostileArguments, MissingAndMisshapenArraysAreRefusedByTheCheck)
{
    OwnedArray cube(TkNewArray3(3, 3, 3));
    TkArray const disposed = TkNewArray1(3);
    TkDisposeArray(disposed);
    expect_grids({disposed, y, z, 3, 3}, 20804, "disposed x");
    expect_grids({x, y, 0, 3, 3}, 20804, "no z");
    expect_grids({x, disposed, z, 3, 3}, 20804, "disposed y");
    expect_grids({z, y, z, 3, 3}, 20804, "grid as x");
    expect_grids({x, y, x, 3, 3}, 20804, "line as z");
    expect_grids({x, y, cube, 3, 3}, 20804, "cube as z");
    expect_grids({x, y, z, 4, 3}, 20802, "more x than the arrays hold");
    expect_grids({x, y, z, 3, huge}, 20802, "huge y count");
    expect_profile(disposed, y, 3, 20804, "disposed heights");
    expect_profile(x, 0, 3, 20804, "no radii");
    expect_profile(x, z, 3, 20804, "grid as radii");
    expect_profile(x, y, 4, 20802, "more than the arrays hold");
    expect_profile(x, y, huge, 20802, "huge count");
}

TEST_F(HostileArguments, TooFewPointsAreNotEnoughData)
{
    OwnedArray const one = OwnedArray::line({1});
    OwnedArray const single = OwnedArray::grid(1, 1, [](int32_t, int32_t) { return 1; });
    expect_grids({one, one, single, 1, 1}, 20802, "1 x 1");
    expect_grids({x, y, z, 0, 3}, 20802, "no x");
    expect_grids({x, y, z, -5, 3}, 20802, "negative x count");
    expect_grids({x, y, z, 3, -1}, 20802, "negative y count");
    expect_profile(one, one, 1, 20802, "one profile point");
    expect_profile(x, y, 0, 20802, "no profile points");
    expect_profile(x, y, -huge, 20802, "a negative count");
}

TEST_F(HostileArguments, GridsTooLargeForAnArrayNeverReachTheDrawing)
{
    TkArray const big = TkNewArray2(1000, 1000);
    EXPECT_EQ(big, 0u) << "8,000,000 bytes are over the heap limit";
    OwnedArray const thousand = OwnedArray::line(evenly(0, 1, 1000));
    expect_grids({thousand, thousand, big, 1000, 1000}, 20804, "1000 x 1000");
}

TEST_F(HostileArguments, ValuesThatAreNotFiniteAreRefused)
{
    for (double bad : {nan, inf, -inf}) {
        OwnedArray const bad_x = OwnedArray::line({0, bad, 2});
        OwnedArray const bad_z = OwnedArray::grid(3, 3, [&](int32_t i, int32_t j) { return i == 2 && j == 3 ? bad : 1.0; });
        OwnedArray const bad_radius = OwnedArray::line({1, bad, 1});
        std::string const what = std::to_string(bad);
        expect_grids({bad_x, y, z, 3, 3}, 20806, what + " in x");
        expect_grids({x, bad_x, z, 3, 3}, 20806, what + " in y");
        expect_grids({x, y, bad_z, 3, 3}, 20804, what + " in z");
        expect_profile(bad_x, y, 3, 20806, what + " in the heights");
        expect_profile(x, bad_radius, 3, 20804, what + " in the radii");
        EXPECT_EQ(contours(graph, {x, y, z, 3, 3}, 5, bad, 1), 20803) << what << " as a bound";
        EXPECT_EQ(contours(graph, {x, y, z, 3, 3}, 5, 0, bad), 20803) << what << " as a bound";
        EXPECT_TRUE(untouched());
    }
}

TEST_F(HostileArguments, HugeCountsAreRefusedAtOnce)
{
    Grid const grid{x, y, z, 3, 3};
    EXPECT_EQ(contours(graph, grid, huge, 0, 10), 20805);
    EXPECT_EQ(contours(graph, grid, -huge, 0, 10), 20805);
    EXPECT_EQ(revolution(graph, grid, huge, 0), 20804);
    EXPECT_EQ(revolution(graph, grid, huge, 4), 20804);
    EXPECT_EQ(revolution(graph, grid, -huge, 3), 20804);
    EXPECT_TRUE(untouched());
}

// Angles that are not numbers leave the view as it was, and ranges without ends are
// replaced when the scales are computed: the drawing goes on as usual.
TEST_F(HostileArguments, BrokenViewsAndRangesDoNotBreakTheDrawing)
{
    Grid const grid{x, y, z, 3, 3};
    TkSetView3D(graph);
    for (double angle : {nan, inf}) {
        TkSetViewangles(graph, angle, angle);
        TkSetScales(graph);
        EXPECT_EQ(hidden_lines(graph, grid), 0);
        EXPECT_FALSE(untouched());
    }
    TkSetRanges3(graph, -inf, inf, nan, 1, -1e308, 1e308);
    EXPECT_NE(TkSetScales(graph), 0) << "a warning";
    for (uint8_t option : {0, 2}) {
        EXPECT_EQ(TkDrawContoursArray(graph, x, y, z, 3, 3, 5, 0, 0, 2, 0x00FF, option), 0);
        EXPECT_EQ(TkDrawSurfaceArray(graph, x, y, z, 3, 3, 3, 0x00FF, 0xFF00, option), 0);
        EXPECT_EQ(TkDrawSurfaceArray(graph, x, y, z, 3, 3, 4, 0x00FF, 0xFF00, option), 0);
        EXPECT_EQ(TkDrawRevolutionArray(graph, x, y, 3, 16, 3, 0x00FF, 0xFF00, option), 0);
        EXPECT_EQ(TkDrawRevolutionArray(graph, x, y, 3, 16, 4, 0x00FF, 0xFF00, option), 0);
    }
}

} // namespace
} // namespace kelvo::testing
