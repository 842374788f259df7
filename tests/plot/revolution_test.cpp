// Surfaces of revolution: the checks, the symmetric ranges, parallels, the wire frame's
// storage, and the mirrored hidden-line drawing, also when it reaches beyond the window.

#include <cmath>
#include <numbers>
#include <vector>

#include "lib/axes/projection.h"
#include "lib/graph/graph_table.h"
#include "lib/runtime/error_state.h"
#include "tests/plot/plot_test_support.h"
#include "tests/plot/plot_graph_test.h"

namespace kelvo::testing {
namespace {

TkColor const upper = 0x0000FFFF;
TkColor const lower = 0x00FF00FF;
double const pi = std::numbers::pi;

class Revolution : public PlotGraphTest {
protected:
    // The profile 2 + sin z over [-pi, pi], a vase.
    void vase(int32_t n, double scale = 1)
    {
        std::vector<double> const z = evenly(-pi, pi, n);
        std::vector<double> r;
        for (double v : z)
            r.push_back(scale * (2 + std::sin(v)));
        heights.emplace(OwnedArray::line(z));
        radii.emplace(OwnedArray::line(r));
    }

    int32_t draw(int32_t angles, uint8_t style, uint8_t option)
    {
        return TkDrawRevolutionArray(graph, *heights, *radii, heights->length(), angles, style, upper, lower, option);
    }

    CoordinateSettings const& settings() const { return find_graph(graph)->coordinates; }
    int drawn_pixels() const { return TkWindowWidth(graph) * TkWindowHeight(graph) - count_shown(graph, background); }

    std::optional<OwnedArray> heights;
    std::optional<OwnedArray> radii;
};

TEST_F(Revolution, TheAnglesAndTheProfileAreChecked)
{
    vase(8);
    EXPECT_EQ(draw(1, 0, 1), 20804);
    EXPECT_EQ(error_state().message, "Bad data specified");
    EXPECT_EQ(drawn_pixels(), 0);
    EXPECT_EQ(draw(2, 0, 1), 0) << "two segments a circle";
    EXPECT_GT(drawn_pixels(), 0);
    EXPECT_EQ(TkDrawRevolutionArray(graph, *heights, *radii, 1, 8, 0, upper, lower, 1), 20802);
    EXPECT_EQ(error_state().message, "Not enough data");
    OwnedArray const falling = OwnedArray::line({0, 1, 0.5});
    OwnedArray const three = OwnedArray::line({1, 1, 1});
    EXPECT_EQ(TkDrawRevolutionArray(graph, falling, three, 3, 8, 0, upper, lower, 1), 20806);
    EXPECT_EQ(error_state().message, "Bad data array");
    for (uint8_t style : {1, 6, 255}) {
        EXPECT_EQ(draw(8, style, 0), 20807) << int{style};
        EXPECT_EQ(error_state().message, "Bad option specified");
    }
}

TEST_F(Revolution, FittedRangesAreSymmetricAboutTheAxis)
{
    OwnedArray const z = OwnedArray::line({0, 1, 2, 3, 4, 5});
    // Radii from -3 to 2; the first is neither (the fit starts 0.001 around it).
    OwnedArray const mixed = OwnedArray::line({-1, -3, 0, 1, 2, 0.5});
    ASSERT_EQ(TkDrawRevolutionArray(graph, z, mixed, 6, 12, 0, upper, lower, 3), 0);
    EXPECT_EQ(settings().UserMin[axis_x], -3);
    EXPECT_EQ(settings().UserMax[axis_x], 3);
    EXPECT_EQ(settings().UserMin[axis_y], -3);
    EXPECT_EQ(settings().UserMax[axis_y], 3);
    EXPECT_DOUBLE_EQ(settings().UserMin[axis_z], -0.001);
    EXPECT_EQ(settings().UserMax[axis_z], 5);
    EXPECT_TRUE(settings().Is3D);

    OwnedArray const zeros = OwnedArray::line({0, 0, 0, 0, 0, 0});
    ASSERT_EQ(TkDrawRevolutionArray(graph, z, zeros, 6, 12, 0, upper, lower, 1), 0);
    EXPECT_DOUBLE_EQ(settings().UserMin[axis_x], -0.001);
    EXPECT_DOUBLE_EQ(settings().UserMax[axis_x], 0.001);
    EXPECT_DOUBLE_EQ(settings().UserMin[axis_y], -0.001);
    EXPECT_DOUBLE_EQ(settings().UserMax[axis_y], 0.001);
}

TEST_F(Revolution, StyleTwoDrawsWhatStyleZeroDraws)
{
    vase(12);
    ASSERT_EQ(draw(24, 0, 1), 0);
    Picture const parallels(graph);
    EXPECT_GT(count_shown(graph, upper), 500);
    TkClearWindow(graph);
    ASSERT_EQ(draw(24, 2, 1), 0);
    EXPECT_EQ(Picture(graph), parallels);
}

TEST_F(Revolution, TheWireFrameNeedsAPointPerProfilePointAndAngle)
{
    vase(1000);
    EXPECT_EQ(draw(124, 3, 1), 0) << "125,000 points of 8 bytes";
    EXPECT_GT(drawn_pixels(), 0);
    TkClearWindow(graph);
    EXPECT_EQ(draw(125, 3, 1), 20801);
    EXPECT_EQ(error_state().message, "Not enough room in memory for local arrays");
    EXPECT_EQ(drawn_pixels(), 0);
}

// The hidden-line drawing computes one half of each circle and mirrors it about the axis's
// pixel column: the picture is symmetric (to a pixel, since a line and its reflection break
// ties the same way, not mirrored), and the front meridian on the mirror line has no gaps.
TEST_F(Revolution, TheMirroredHalvesMatchWithoutAHoleAlongTheMirrorLine)
{
    vase(16);
    ASSERT_EQ(draw(32, 4, 1), 0);
    Picture const picture(graph);
    EffectiveScales const& scales = find_graph(graph)->scales;
    int32_t const axis = TkUserToWindowX3(graph, 0, 0, 0);
    int drawn = 0;
    for (int32_t row = 0; row < picture.height; ++row)
        for (int32_t column = 0; column < picture.width; ++column) {
            TkColor const colour = picture.at(column, row);
            if (colour == background)
                continue;
            ++drawn;
            int32_t const mirrored = 2 * axis - column;
            EXPECT_TRUE(picture.near(mirrored, row, colour, 1)) << column << ", " << row << " against " << mirrored;
        }
    EXPECT_GT(drawn, 1000);
    EXPECT_GT(picture.count(lower), 0) << "the inside of the opening";

    // The meridian facing the viewer, from the bottom circle to the top one.
    WindowPoint const bottom = project(scales, 2 * std::cos(scales.Phi), 2 * std::sin(scales.Phi), -pi);
    WindowPoint const top = project(scales, 2 * std::cos(scales.Phi), 2 * std::sin(scales.Phi), pi);
    for (int32_t row = static_cast<int32_t>(std::lround(top.y)); row <= std::lround(bottom.y); ++row)
        EXPECT_NE(picture.at(axis, row), background) << "row " << row;
}

TEST_F(Revolution, TheOneSidedHorizonShowsNothingFromBelow)
{
    vase(16);
    ASSERT_EQ(draw(32, 5, 1), 0);
    EXPECT_EQ(count_shown(graph, lower), 0);
    EXPECT_GT(count_shown(graph, upper), 1000);
}

TEST_F(Revolution, TheHiddenLineDrawingTurnsTheRadiusSizes)
{
    vase(10);
    ASSERT_EQ(draw(20, 4, 1), 0);
    Picture const positive(graph);
    std::vector<double> negative;
    for (int32_t k = 1; k <= radii->length(); ++k)
        negative.push_back(-TkGetArray1(*radii, k));
    radii.emplace(OwnedArray::line(negative));
    TkClearWindow(graph);
    ASSERT_EQ(draw(20, 4, 1), 0);
    EXPECT_EQ(Picture(graph), positive);
}

// The horizon has an entry per window row; a surface reaching far beyond the window's top
// and bottom is pinned to its first and last rows rather than read or written outside.
TEST_F(Revolution, ASurfaceLargerThanTheWindowIsPinnedToItsRows)
{
    vase(16);
    TkSetView3D(graph);
    TkSetRanges3(graph, -0.5, 0.5, -0.5, 0.5, -0.2, 0.2);
    TkSetScales(graph);
    for (uint8_t style : {4, 5}) {
        TkClearWindow(graph);
        ASSERT_EQ(draw(32, style, 0), 0);
        Picture const picture(graph);
        int first_row = 0;
        int beyond = 0;
        for (int32_t column = 0; column < picture.width; ++column) {
            first_row += picture.at(column, 1) != background;
            beyond += picture.at(column, 0) != background;
        }
        EXPECT_GT(first_row, 0) << int{style};
        EXPECT_EQ(beyond, 0) << int{style};
    }
}

} // namespace
} // namespace kelvo::testing
