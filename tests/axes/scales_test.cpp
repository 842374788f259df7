// Computing the scales through the C interface: validation and its warnings, margins, equal
// scales, logarithmic ranges, corner axes, the effective ranges reported back.

#include <cmath>
#include <numbers>

#include "lib/axes/projection.h"
#include "tests/window/graph_test_fixture.h"

namespace kelvo::testing {
namespace {

class Scales : public GraphTest {
protected:
    void SetUp() override
    {
        GraphTest::SetUp();
        graph = open(300, 240, 2);
    }

    TkActualZoom zoom() const
    {
        TkActualZoom z{};
        TkGetActualZoom(graph, &z);
        return z;
    }

    EffectiveScales const& effective() const { return find_graph(graph)->scales; }

    TkGraph graph = 0;
};

TEST_F(Scales, TheWorkedRangesWidenToNiceValues)
{
    TkSetRanges(graph, -15, 3, 7, 65);
    EXPECT_EQ(TkSetScales(graph), 0);
    TkActualZoom const z = zoom();
    EXPECT_DOUBLE_EQ(z.XMin, -16);
    EXPECT_DOUBLE_EQ(z.XMax, 4);
    EXPECT_DOUBLE_EQ(z.XOrigin, 0);
    EXPECT_DOUBLE_EQ(z.YMin, 0);
    EXPECT_DOUBLE_EQ(z.YMax, 70);
    EXPECT_DOUBLE_EQ(z.YOrigin, 10);
    EXPECT_DOUBLE_EQ(z.Theta, 0);
    EXPECT_DOUBLE_EQ(z.Phi, -std::numbers::pi / 2);
    EXPECT_DOUBLE_EQ(effective().PipStep[0], 2);
    EXPECT_DOUBLE_EQ(effective().PipStep[1], 10);
}

TEST_F(Scales, SwappedAndEqualEndsAreRepairedWithAWarning)
{
    TkSetRanges(graph, 5, 1, -1, 1);
    EXPECT_EQ(TkSetScales(graph), 10603);
    EXPECT_DOUBLE_EQ(zoom().XMin, 1);
    EXPECT_DOUBLE_EQ(zoom().XMax, 5);

    TkSetGraphParam(graph, 132, 0);
    TkSetRanges(graph, 0, 0, -1, 1);
    EXPECT_EQ(TkSetScales(graph), 10603);
    EXPECT_DOUBLE_EQ(zoom().XMax, 1.2E-16) << "equal ends widen by 1.2E-16";

    // For larger ends the increment is lost; the range used to stay empty and every scale
    // became infinite.
    TkSetRanges(graph, 3, 3, -1, 1);
    EXPECT_EQ(TkSetScales(graph), 10603);
    EXPECT_GT(zoom().XMax, 3);
    EXPECT_TRUE(std::isfinite(effective().Scale[0]));
    EXPECT_TRUE(std::isfinite(effective().OffsetX));
}

TEST_F(Scales, ABadIntervalCountWarnsOnEveryComputation)
{
    TkSetGraphParam(graph, 1, 0);
    EXPECT_EQ(TkSetScales(graph), 10602);
    EXPECT_EQ(TkSetScales(graph), 10602);
    EXPECT_EQ(TkGetGraphParam(graph, 1), 0) << "the graph keeps the caller's value";
    TkSetGraphParam(graph, 1, 7);
    EXPECT_EQ(TkSetScales(graph), 0);
}

TEST_F(Scales, MarginsWiderThanTheWindowUseTheWholeWindow)
{
    TkSetGraphParam(graph, 132, 0);
    TkSetRanges(graph, 0, 10, 0, 10);
    TkSetMargins(graph, 200, 10, 200, 10);
    EXPECT_EQ(TkSetScalesAbs(graph), 10604);
    EXPECT_EQ(TkUserToWindowX(graph, 0, 0), 0);
    EXPECT_EQ(TkUserToWindowX(graph, 10, 0), 299);
}

TEST_F(Scales, MarginsDefaultToTheCellSize)
{
    int32_t const cw = TkCellWidth(graph);
    int32_t const ch = TkCellHeight(graph);
    EXPECT_EQ(TkGetGraphParam(graph, 4), 4 * cw);
    EXPECT_EQ(TkGetGraphParam(graph, 5), 4 * cw);
    EXPECT_EQ(TkGetGraphParam(graph, 6), 3 * ch / 2);
    EXPECT_EQ(TkGetGraphParam(graph, 7), 3 * ch / 2);
    EXPECT_EQ(TkGetGraphParam(graph, 137), static_cast<int32_t>(std::nearbyint(0.15 * ch)));
}

TEST_F(Scales, EqualScalesWhenThePlotIsNearlySquare)
{
    auto extent = [&](int32_t width, int32_t height) {
        TkResize(graph, 0, 0, width, height);
        TkSetMargins(graph, 0, 0, 0, 0);
        TkSetRanges(graph, -10, 10, -10, 10);
        TkSetGraphParam(graph, 132, 0);
        TkSetScales(graph);
        return std::pair{TkUserToWindowX(graph, 10, 0) - TkUserToWindowX(graph, 0, 0),
                         TkUserToWindowY(graph, 0, 0) - TkUserToWindowY(graph, 0, 10)};
    };
    EXPECT_EQ(extent(401, 381), (std::pair{190, 190})) << "400 x 380: ratio 0.026, one scale";
    EXPECT_EQ(extent(401, 201), (std::pair{200, 100})) << "400 x 200: ratio 0.33, kept apart";
    TkSetScalesAbs(graph);
    EXPECT_EQ(TkGetGraphParam(graph, 130), 2);
}

TEST_F(Scales, LogarithmicTypesForceRangesPositive)
{
    TkSetGraphParam(graph, 149, 5);
    TkSetGraphParam(graph, 132, 0);
    TkSetRanges(graph, -10, 10, -10, -1);
    TkSetScales(graph);
    EXPECT_DOUBLE_EQ(zoom().XMin, 0.1);
    EXPECT_DOUBLE_EQ(zoom().XMax, 10);
    EXPECT_DOUBLE_EQ(zoom().YMin, 0.09);
    EXPECT_DOUBLE_EQ(zoom().YMax, 9);

    // Decades are evenly spaced on the window.
    TkSetRanges(graph, 1, 1000, 1, 1000);
    TkSetScales(graph);
    int32_t const one = TkUserToWindowX(graph, 1, 1);
    int32_t const ten = TkUserToWindowX(graph, 10, 1);
    int32_t const hundred = TkUserToWindowX(graph, 100, 1);
    EXPECT_NEAR(ten - one, hundred - ten, 1);
    EXPECT_NEAR(TkWindowToUserX(graph, ten, 0), 10, 0.3) << "the read-back is in the axis's own values";
}

TEST_F(Scales, TheLogLogExample)
{
    TkSetGraphParam(graph, 149, 5);
    TkSetGraphParam(graph, 131, 3);
    TkSetRanges(graph, 10, 100, 100, 10000);
    TkSetScales(graph);
    EXPECT_DOUBLE_EQ(zoom().YMin, 100);
    EXPECT_DOUBLE_EQ(zoom().YMax, 10000);
    EXPECT_DOUBLE_EQ(zoom().YOrigin, 100);
    EXPECT_DOUBLE_EQ(effective().PipStep[1], 1980);
    EXPECT_DOUBLE_EQ(zoom().XMin, 10);
    EXPECT_DOUBLE_EQ(zoom().XMax, 100);
    EXPECT_DOUBLE_EQ(zoom().XOrigin, 10);
}

TEST_F(Scales, CornerAxesMeetAtTheLowerEnds)
{
    TkSetGraphParam(graph, 131, 2);
    TkSetOrigin(graph, 5, 5);
    TkSetRanges(graph, 1.5, 9.2, -3, 7);
    TkSetScales(graph);
    EXPECT_DOUBLE_EQ(zoom().XOrigin, zoom().XMin);
    EXPECT_DOUBLE_EQ(zoom().XMin, 1);
    EXPECT_DOUBLE_EQ(zoom().XMax, 10);
    EXPECT_DOUBLE_EQ(zoom().YOrigin, zoom().YMin);
}

TEST_F(Scales, WithoutNiceValuesTheRangeIsKeptAndAnOriginOffTheAxisMoves)
{
    TkSetGraphParam(graph, 132, 0);
    TkSetRanges(graph, -1067.55, 657.63, -99.76, -27);
    TkSetScales(graph);
    EXPECT_DOUBLE_EQ(zoom().XMin, -1067.55);
    EXPECT_DOUBLE_EQ(zoom().XOrigin, 0);
    EXPECT_DOUBLE_EQ(zoom().YOrigin, -99.76);
    EXPECT_NEAR(effective().PipStep[0], 246.454, 0.001);
}

TEST_F(Scales, TheOriginLandsOnAWholePixelPlusFourTenths)
{
    TkSetRanges(graph, -3.3, 7.1, -2.2, 9.9);
    TkSetScales(graph);
    WindowPoint const origin = project(effective(), zoom().XOrigin, zoom().YOrigin, 0);
    EXPECT_NEAR(origin.x - std::trunc(origin.x), 0.4, 1e-9);
    EXPECT_NEAR(origin.y - std::trunc(origin.y), 0.4, 1e-9);
}

TEST_F(Scales, TitleRoomSizesTheMargins)
{
    TkSetGraphParam(graph, 131, 3);
    TkSetGraphParam(graph, 143, 1);
    TkSetScales(graph);
    TkLabelSettings y_labels{};
    TkGetLabelSettings(graph, 2, &y_labels);
    int32_t const cw = TkCellWidth(graph); // the labels use the graph's own font here
    int32_t const ch = TkCellHeight(graph);
    EXPECT_EQ(TkGetGraphParam(graph, 4), 7 * cw);
    EXPECT_EQ(TkGetGraphParam(graph, 5), 2 * cw);
    EXPECT_EQ(TkGetGraphParam(graph, 7), ch);
    EXPECT_EQ(TkGetGraphParam(graph, 6), ch + 8);

    TkSetTitleString(graph, 7, "Graph");
    TkSetTitleString(graph, 4, "x");
    TkSetTitleString(graph, 5, "y");
    TkSetScales(graph);
    EXPECT_EQ(TkGetGraphParam(graph, 7), 2 * ch);
    EXPECT_EQ(TkGetGraphParam(graph, 6), ch + 8 + 3 * ch / 2);
    EXPECT_EQ(TkGetGraphParam(graph, 4), 7 * cw + 3 * ch / 2);
    EXPECT_EQ(TkCellHeight(graph), ch) << "the graph's own font is back";

    TkSetGraphParam(graph, 131, 1);
    TkSetOrigin(graph, 0, 0);
    TkSetScales(graph);
    EXPECT_EQ(TkGetGraphParam(graph, 4), 3 * cw / 2) << "open axes through an inner origin";
}

} // namespace
} // namespace kelvo::testing
