// The transform and the current point: the 2D coefficients, clamping, the inverse, lines
// clipped at the window limit, the 3D fit and zoom.

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

#include "lib/axes/projection.h"
#include "tests/window/graph_test_fixture.h"

namespace kelvo::testing {
namespace {

TkColor const pen = 0x00787800; // style 0's pen
TkColor const black = 0;

class Projection : public GraphTest {
protected:
    void SetUp() override
    {
        GraphTest::SetUp();
        graph = open(300, 240, 2);
        TkSetRanges(graph, -10, 10, -10, 10);
        TkSetScales(graph);
    }

    EffectiveScales const& effective() const { return find_graph(graph)->scales; }

    // The window box of the eight corners of the effective 3D box.
    std::array<int32_t, 4> projected_box() const
    {
        TkActualZoom z{};
        TkGetActualZoom(graph, &z);
        int32_t left = INT32_MAX, right = INT32_MIN, top = INT32_MAX, bottom = INT32_MIN;
        for (double x : {z.XMin, z.XMax})
            for (double y : {z.YMin, z.YMax})
                for (double zz : {z.ZMin, z.ZMax}) {
                    left = std::min(left, TkUserToWindowX3(graph, x, y, zz));
                    right = std::max(right, TkUserToWindowX3(graph, x, y, zz));
                    top = std::min(top, TkUserToWindowY3(graph, x, y, zz));
                    bottom = std::max(bottom, TkUserToWindowY3(graph, x, y, zz));
                }
        return {left, top, right, bottom};
    }

    TkGraph graph = 0;
};

TEST_F(Projection, TheTwoDimensionalViewHasUnitCoefficients)
{
    EffectiveScales const& s = effective();
    EXPECT_DOUBLE_EQ(s.M11, 1);
    EXPECT_DOUBLE_EQ(s.M22, 1);
    EXPECT_NEAR(s.M12, 0, 1e-15);
    EXPECT_NEAR(s.M21, 0, 1e-15);
    EXPECT_NEAR(s.M23, 0, 1e-15);
    EXPECT_LT(TkUserToWindowY(graph, 0, 5), TkUserToWindowY(graph, 0, 0)) << "larger y is higher up";
}

TEST_F(Projection, FarPointsClampToTheWindowLimit)
{
    EXPECT_EQ(TkUserToWindowX(graph, 1e9, 0), 30000);
    EXPECT_EQ(TkUserToWindowX(graph, -1e9, 0), -30000);
    EXPECT_EQ(TkUserToWindowY(graph, 0, 1e9), -30000);
    EXPECT_EQ(TkUserToWindowX(graph, 1e308, 0), 30000);
    EXPECT_EQ(TkUserToWindowX(graph, HUGE_VAL, 0), 30000);
    EXPECT_EQ(TkUserToWindowX(graph, std::nan(""), 0), 0) << "a NaN point has no pixel; it reads as 0";
}

TEST_F(Projection, HalfPixelsRoundToEven)
{
    EXPECT_EQ(window_pixel(2.5), 2);
    EXPECT_EQ(window_pixel(3.5), 4);
    EXPECT_EQ(window_pixel(-2.5), -2);
    EXPECT_EQ(window_pixel(30000.5), 30000);
}

TEST_F(Projection, WindowToUserInvertsTheTransformWithinHalfAPixel)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> value(-10, 10);
    double const half_pixel_x = 0.5 / effective().Scale[0];
    double const half_pixel_y = 0.5 / effective().Scale[1];
    for (int i = 0; i < 500; ++i) {
        double const x = value(random);
        double const y = value(random);
        int32_t const ix = TkUserToWindowX(graph, x, y);
        int32_t const iy = TkUserToWindowY(graph, x, y);
        EXPECT_NEAR(TkWindowToUserX(graph, ix, iy), x, half_pixel_x * 1.0001);
        EXPECT_NEAR(TkWindowToUserY(graph, ix, iy), y, half_pixel_y * 1.0001);
        double by_var = 0;
        TkWindowToUserYbyVar(graph, ix, iy, &by_var);
        EXPECT_EQ(by_var, TkWindowToUserY(graph, ix, iy));
    }
}

TEST_F(Projection, ALineToAFarPointIsDrawnUpToTheLimit)
{
    TkMoveabs(graph, 0, 0);
    TkDrawabs(graph, 1e9, 0);
    int32_t const y = TkUserToWindowY(graph, 0, 0);
    for (int32_t x = TkUserToWindowX(graph, 0, 0); x < 300; ++x)
        ASSERT_EQ(shown(graph, x, y), pen) << x;
    EXPECT_EQ(shown(graph, TkUserToWindowX(graph, 0, 0) - 1, y), black);
    EXPECT_EQ(find_graph(graph)->scales.CurPoint[0], 1e9) << "the current point is the unclipped one";
}

TEST_F(Projection, ALineBetweenTwoFarPointsDrawsNothingEvenAcrossTheWindow)
{
    TkMoveabs(graph, -1e9, 0);
    TkDrawabs(graph, 1e9, 0);
    TkMoveabs(graph, -1e9, -1e9);
    TkDrawabs(graph, 1e9, 1e9);
    EXPECT_EQ(count_shown(graph, pen), 0);
}

TEST_F(Projection, PointsThatAreNotFiniteDrawNothing)
{
    TkMoveabs(graph, 0, 0);
    TkDrawabs(graph, std::nan(""), 5);
    TkDrawabs(graph, 5, 5);
    TkMoveabs(graph, 0, 0);
    TkDrawabs(graph, HUGE_VAL, -HUGE_VAL);
    TkDrawrel(graph, 1, 1);
    EXPECT_EQ(count_shown(graph, pen), 0);
    TkMoveabs(graph, 0, 0);
    TkDrawabs(graph, 5, 5);
    EXPECT_GT(count_shown(graph, pen), 0);
}

TEST_F(Projection, RelativeMovesKeepZAndAbsoluteOnesUseTheZPlane)
{
    TkSetView3D(graph);
    TkSetScales(graph);
    TkMoveabs3(graph, 1, 2, 3);
    TkMoverel(graph, 1, 1);
    EXPECT_EQ(find_graph(graph)->scales.CurPoint, (Triple{2, 3, 3}));
    TkDrawrel3(graph, 0, 0, 1);
    EXPECT_EQ(find_graph(graph)->scales.CurPoint, (Triple{2, 3, 4}));
    TkMoveabs(graph, 1, 1);
    EXPECT_EQ(find_graph(graph)->scales.CurPoint, (Triple{1, 1, 0}));
}

TEST_F(Projection, AFittedBoxFillsThePlotRectangle)
{
    TkSetRanges3(graph, -5, 5, -8, 5, -5, 15);
    TkSetView3D(graph);
    TkSetScales(graph);
    int32_t const left = TkGetGraphParam(graph, 4);
    int32_t const right = 299 - TkGetGraphParam(graph, 5);
    int32_t const top = TkGetGraphParam(graph, 7);
    int32_t const bottom = 239 - TkGetGraphParam(graph, 6);
    auto const [x1, y1, x2, y2] = projected_box();
    EXPECT_GE(x1, left - 1);
    EXPECT_LE(x2, right + 1);
    EXPECT_GE(y1, top - 1);
    EXPECT_LE(y2, bottom + 1);
    bool const fills_width = x1 <= left + 1 && x2 >= right - 1;
    bool const fills_height = y1 <= top + 1 && y2 >= bottom - 1;
    EXPECT_TRUE(fills_width || fills_height) << x1 << " " << y1 << " " << x2 << " " << y2;
    EXPECT_NEAR((x1 + x2) / 2.0, (left + right) / 2.0, 1.5) << "centred";
}

TEST_F(Projection, ZoomFiftyIsAboutHalfTheSize)
{
    TkSetRanges3(graph, -5, 5, -5, 5, -5, 5);
    TkSetView3D(graph);
    TkSetGraphParam(graph, 134, 0);
    TkSetScales(graph);
    auto const full = projected_box();
    TkSetGraphParam(graph, 133, 50);
    TkSetScales(graph);
    auto const half = projected_box();
    EXPECT_NEAR(half[2] - half[0], (full[2] - full[0]) / 2.0, 2);
    EXPECT_NEAR(half[3] - half[1], (full[3] - full[1]) / 2.0, 2);
    // With the 50 %, 50 % default the origin sits in the middle of the plot rectangle.
    int32_t const left = TkGetGraphParam(graph, 4);
    int32_t const right = 299 - TkGetGraphParam(graph, 5);
    EXPECT_NEAR(TkUserToWindowX3(graph, 0, 0, 0), (left + right) / 2.0, 1);
}

TEST_F(Projection, TheDefault3DViewHasOneScale)
{
    TkSetRanges3(graph, -5, 5, -8, 5, -5, 15);
    TkSetView3D(graph);
    TkSetScales(graph);
    EffectiveScales const& s = effective();
    EXPECT_DOUBLE_EQ(s.Scale[0], s.Scale[1]);
    EXPECT_DOUBLE_EQ(s.Scale[1], s.Scale[2]);
    TkActualZoom z{};
    TkGetActualZoom(graph, &z);
    EXPECT_DOUBLE_EQ(z.Theta, std::numbers::pi / 3);
    EXPECT_DOUBLE_EQ(z.Phi, -5 * std::numbers::pi / 12);
}

TEST_F(Projection, ATinyTiltKeepsTheViewFlat)
{
    TkSetViewangles(graph, 0.00005, 1);
    EXPECT_FALSE(find_graph(graph)->coordinates.Is3D);
    EXPECT_FALSE(find_graph(graph)->coordinates.AxisInUse[2]);
    TkSetViewangles(graph, 0.5, 1);
    EXPECT_TRUE(find_graph(graph)->coordinates.Is3D);
    EXPECT_TRUE(find_graph(graph)->coordinates.AxisInUse[2]);
    TkSetView2D(graph);
    EXPECT_FALSE(find_graph(graph)->coordinates.Is3D);
}

} // namespace
} // namespace kelvo::testing
