// Histograms: bar widths and edges, the range fit with its interval counts, a single bar,
// the painting order and side faces of 3D bars, and the refusals.

#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include "lib/graph/graph_table.h"
#include "lib/plot/histograms.h"
#include "lib/runtime/error_state.h"
#include "tests/plot/array_plots_test_fixture.h"

namespace kelvo::testing {
namespace {

constexpr TkColor fill = 0x0000FF;
constexpr double pi = std::numbers::pi;

class Histograms : public ArrayPlotTest {
protected:
    CoordinateSettings const& settings() const { return find_graph(graph)->coordinates; }

    // n points 0, 1, ..., n - 1 with heights 1, 2, ..., n.
    void counting(int32_t n, TkArray& x, TkArray& y)
    {
        x = TkNewArray1(n);
        y = TkNewArray1(n);
        arrays_.push_back(x);
        arrays_.push_back(y);
        for (int32_t i = 1; i <= n; ++i) {
            TkSetArray1(x, i, i - 1);
            TkSetArray1(y, i, i);
        }
    }
};

TEST_F(Histograms, BarsFillTheSpacesAndAreOutlinedInTheGraphsOwnColour)
{
    use_pixel_scales();
    TkGraphColor(graph, 0x00FF00);
    EXPECT_EQ(TkDrawHistogram1(graph, line({20, 100}), line({50, 80}), 2, 1, 0, fill, 0), 0);
    EXPECT_EQ(shown(graph, 60, row(25)), fill) << "inside the first bar";
    EXPECT_EQ(shown(graph, 140, row(70)), fill) << "the last bar is as wide as the one before";
    EXPECT_EQ(shown(graph, 20, row(25)), black) << "left edge";
    EXPECT_EQ(shown(graph, 60, row(50)), black) << "top";
    EXPECT_EQ(shown(graph, 180, row(40)), black) << "right edge of the last bar";
    EXPECT_EQ(shown(graph, 181, row(40)), white);
    EXPECT_EQ(shown(graph, 60, row(51)), white);
    EXPECT_EQ(find_graph(graph)->pen.colour, black) << "the pen ends in the graph's own colour";

    TkClearWindow(graph);
    EXPECT_EQ(TkDrawHistogram1(graph, line({100, 140}), line({50, 50}), 2, 0.5, -0.5, fill, 0), 0);
    EXPECT_EQ(shown(graph, 90, row(25)), black) << "half as wide, centred on x = 100";
    EXPECT_EQ(shown(graph, 110, row(25)), black);
    EXPECT_EQ(shown(graph, 100, row(25)), fill);
    EXPECT_EQ(shown(graph, 85, row(25)), white);
}

TEST_F(Histograms, FittedRangesStartAtZeroAndHalfABarWider)
{
    TkArray x = 0, y = 0;
    counting(19, x, y);
    EXPECT_EQ(TkDrawHistogram1(graph, x, y, 19, 1, -0.5, fill, 1), 0);
    EXPECT_EQ(settings().Intervals[0], 19) << "fewer than 20 bars: one interval each";
    EXPECT_EQ(settings().UserMin[1], 0);
    EXPECT_DOUBLE_EQ(settings().UserMax[1], 19);
    EXPECT_DOUBLE_EQ(settings().UserMin[0], -0.001 - 0.5 - 1.2e-16);
    EXPECT_DOUBLE_EQ(settings().UserMax[0], 18 + 0.5);

    TkDefaults(graph);
    counting(21, x, y);
    EXPECT_EQ(TkDrawHistogram1(graph, x, y, 21, 1, -0.5, fill, 1), 0);
    EXPECT_EQ(settings().Intervals[0], 7) << "21 bars keep the graph's count";
    EXPECT_DOUBLE_EQ(settings().UserMax[0], 20.5);

    EXPECT_EQ(TkDrawHistogram1(graph, line({0, 1, 2}), line({-3, 4, 1}), 3, 1, 0, fill, 1), 0);
    EXPECT_DOUBLE_EQ(settings().UserMin[1], -3.001) << "negative bars keep the lower end";
}

TEST_F(Histograms, TheAxesAreDrawnAgainOverTheBars)
{
    // The bars' bases lie on the x axis: drawn once more afterwards, it shows over them.
    EXPECT_EQ(TkDrawHistogram1(graph, line({0, 1, 2}), line({5, 6, 7}), 3, 1, -0.5, fill, 3), 0);
    int32_t const x = TkUserToWindowX(graph, 1.2, 0);
    int32_t const y = TkUserToWindowY(graph, 1.2, 0);
    EXPECT_EQ(shown(graph, x, y), TkGetGraphColor(graph, 1));
    EXPECT_EQ(shown(graph, x, y - 5), fill);
}

TEST_F(Histograms, ASingleBarIsOneWide)
{
    // Widths come from the distance to the next point; one point has none to go by.
    EXPECT_EQ(TkDrawHistogram1(graph, line({30}), line({4}), 1, 1, -0.5, fill, 1), 0);
    EXPECT_DOUBLE_EQ(settings().UserMin[0], 30 - 0.001 - 0.5 - 1.2e-16);
    EXPECT_DOUBLE_EQ(settings().UserMax[0], 30.001 + 0.5);
    EXPECT_EQ(settings().Intervals[0], 1);
    TkSetScales(graph);
    int32_t const left = TkUserToWindowX(graph, 29.6, 2);
    int32_t const right = TkUserToWindowX(graph, 30.4, 2);
    int32_t const middle = TkUserToWindowY(graph, 30, 2);
    EXPECT_EQ(shown(graph, left, middle), fill);
    EXPECT_EQ(shown(graph, right, middle), fill);

    TkClearWindow(graph);
    EXPECT_EQ(TkDrawHistogram2(graph, line({3}), line({5}), grid({{2}}), 1, 1, 1, 1, fill, 3), 0);
    EXPECT_DOUBLE_EQ(settings().UserMax[1], 5.001 + 0.5);
    EXPECT_GT(count_inked(), 100);
}

TEST(PaintersOrder, FollowsTheViewAngles)
{
    PaintersOrder const standard = painters_order(pi / 3, -5 * pi / 12);
    EXPECT_EQ(standard.sx, 1);
    EXPECT_EQ(standard.sy, -1);
    EXPECT_TRUE(standard.up);
    PaintersOrder const below = painters_order(2.5, 0.7);
    EXPECT_EQ(below.sx, 1);
    EXPECT_EQ(below.sy, 1);
    EXPECT_FALSE(below.up);
    PaintersOrder const flat = painters_order(0, -pi / 2);
    EXPECT_EQ(flat.sx, 1) << "straight down the z axis: no direction, taken as positive";
    EXPECT_EQ(flat.sy, 1);
}

TEST_F(Histograms, NegativeBarsSeenFromAboveReachOnlyDownToTheirNeighbours)
{
    TkArray const heights = grid({{-1, -3}, {-2, 5}, {-4, -6}});
    TkArray const copy = TkNewArray2(2, 3);
    for (int32_t i = 1; i <= 3; ++i)
        for (int32_t j = 1; j <= 2; ++j)
            TkSetArray2(copy, j, i, TkGetArray2(heights, i, j));
    arrays_.push_back(copy);
    GridHeights const z(copy, 3, 2);
    std::vector<double> const x{0, 1, 3};
    std::vector<double> const y{0, 2};
    BarGrid const bars{x, y, z, 0.5, 1};
    PaintersOrder const from_above{1, 1, true};

    BarFaces const first = bar_faces(bars, 1, 1, from_above);
    EXPECT_EQ(first.x_side[0][2], -2) << "down to Z(2, 1)";
    EXPECT_EQ(first.x_side[3][2], -2);
    EXPECT_EQ(first.y_side[0][2], -3) << "down to Z(1, 2)";
    EXPECT_EQ(first.top[0][2], -1);
    EXPECT_EQ(first.x_side[1][2], -1);
    EXPECT_DOUBLE_EQ(first.top[1][0], -0.25) << "x1: half of a half-wide bar before X(1)";
    EXPECT_DOUBLE_EQ(first.x_side[0][0], 0.25);
    EXPECT_DOUBLE_EQ(first.top[0][1], 1) << "y2";
    EXPECT_DOUBLE_EQ(first.top[1][1], -1) << "y1";

    BarFaces const last = bar_faces(bars, 3, 2, from_above);
    EXPECT_EQ(last.x_side[0][2], 0) << "no neighbour beyond the grid";
    EXPECT_EQ(last.y_side[0][2], 0);
    EXPECT_DOUBLE_EQ(last.top[1][0], 3 - 0.5) << "the last column is as wide as the one before";

    BarFaces const standing = bar_faces(bars, 2, 2, from_above);
    EXPECT_EQ(standing.x_side[0][2], 0) << "a positive bar seen from above stands on 0";
    EXPECT_EQ(bar_faces(bars, 1, 1, {1, 1, false}).x_side[0][2], 0) << "a negative bar seen from below";

    BarFaces const backwards = bar_faces(bars, 1, 1, {-1, -1, true});
    EXPECT_EQ(backwards.x_side[0][2], 0) << "the neighbour at i = 0 is outside";
    EXPECT_DOUBLE_EQ(backwards.x_side[0][0], -0.25) << "x2 lies before X(1) when painting backwards";
}

TEST_F(Histograms, ThreeDimensionalBarsFitTheirBoxAndEndInTheOwnColour)
{
    TkSetViewangles(graph, 0.9487989505128276, 0.7853981633974483);
    TkArray const heights = grid({{1, 2, 3}, {2, 3, 4}});
    EXPECT_EQ(TkDrawHistogram2(graph, line({0, 1}), line({0, 1, 2}), heights, 2, 3, 0.5, 0.5, fill, 1), 0);
    EXPECT_EQ(settings().Theta, 0.9487989505128276) << "a 3D view is kept";
    EXPECT_EQ(settings().Intervals[0], 2);
    EXPECT_EQ(settings().Intervals[1], 3);
    EXPECT_EQ(settings().UserMin[2], 0);
    EXPECT_DOUBLE_EQ(settings().UserMax[2], 4);
    EXPECT_DOUBLE_EQ(settings().UserMax[1], 2.5);
    EXPECT_GT(count_inked(), 500);
    EXPECT_EQ(find_graph(graph)->pen.colour, black);
    int fills = 0;
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            fills += shown(graph, x, y) == fill;
    EXPECT_GT(fills, 200);
}

TEST_F(Histograms, RefusalsDrawNothing)
{
    TkArray const x = line({0, 1, 2});
    TkArray const y = line({1, 2, 3});
    TkArray const z = grid({{1, 2, 3}, {1, 2, 3}, {1, 2, 3}});
    TkArray const gone = disposed();
    double const nan = std::numeric_limits<double>::quiet_NaN();
    double const inf = std::numeric_limits<double>::infinity();
    for (int32_t n : {0, -1}) {
        EXPECT_EQ(TkDrawHistogram1(graph, x, y, n, 1, 0, fill, 3), 20802);
        EXPECT_EQ(error_state().message, "Not enough data");
        EXPECT_EQ(TkDrawHistogram2(graph, x, y, z, n, 3, 1, 1, fill, 3), 20802);
    }
    EXPECT_EQ(TkDrawHistogram1(graph, x, y, 1'000'000'000, 1, 0, fill, 3), 20802);
    EXPECT_EQ(TkDrawHistogram2(graph, x, y, z, 3, 1'000'000'000, 1, 1, fill, 3), 20802);
    EXPECT_EQ(TkDrawHistogram1(graph, x, gone, 3, 1, 0, fill, 3), 20804);
    EXPECT_EQ(TkDrawHistogram1(graph, z, y, 3, 1, 0, fill, 3), 20804);
    EXPECT_EQ(TkDrawHistogram2(graph, x, y, y, 3, 3, 1, 1, fill, 3), 20804) << "a one-dimensional grid";
    EXPECT_EQ(TkDrawHistogram2(graph, gone, y, z, 3, 3, 1, 1, fill, 3), 20804);
    EXPECT_EQ(TkDrawHistogram1(graph, x, y, 3, nan, 0, fill, 3), 20804);
    EXPECT_EQ(TkDrawHistogram1(graph, x, y, 3, 1, inf, fill, 3), 20804);
    EXPECT_EQ(TkDrawHistogram2(graph, x, y, z, 3, 3, 1, -inf, fill, 3), 20804);
    EXPECT_EQ(count_inked(), 0);

    TkGraph const closed = open(40, 40, 1);
    TkCloseGraph(closed);
    for (TkGraph bad : {TkGraph{0}, closed}) {
        EXPECT_EQ(TkDrawHistogram1(bad, x, y, 3, 1, 0, fill, 3), 0);
        EXPECT_EQ(TkDrawHistogram2(bad, x, y, z, 3, 3, 1, 1, fill, 3), 0);
    }
}

} // namespace
} // namespace kelvo::testing
