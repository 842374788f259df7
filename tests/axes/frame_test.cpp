// Axis lines, pips, boxes, grids and the border, read back from the headless host.

#include <cmath>
#include <limits>

#include "lib/axes/axis_geometry.h"
#include "lib/graph/graph_table.h"
#include "tests/axes/axes_test_fixture.h"

namespace kelvo::testing {
namespace {

constexpr TkColor red = 0x0000FF;
constexpr TkColor blue = 0xFF0000;
constexpr TkColor green = 0x00FF00;

class Frame : public AxesTest {
protected:
    // Open axes through the origin: x -100..200 in three intervals, y -80..80 in two, no
    // margins, no nice values; the axes in red, the pips in blue, in a label font whose cell
    // height is 16.
    void SetUp() override
    {
        AxesTest::SetUp();
        TkSetMargins(graph, 0, 0, 0, 0);
        TkSetGraphParam(graph, 132, 0);
        TkSetGraphParam(graph, 1, 3);
        TkSetGraphParam(graph, 2, 2);
        TkSetRanges(graph, -100, 200, -80, 80);
        TkSetScales(graph);
        TkSetGraphColor(graph, 1, red);
        TkSetGraphColor(graph, 2, blue);
        for (int32_t kind : {1, 2}) {
            TkLabelSettings settings{};
            TkGetLabelSettings(graph, kind, &settings);
            settings.FontFace = 1;
            settings.FontSize = 10;
            TkSetLabelSettings(graph, kind, &settings);
        }
        x0 = TkUserToWindowX(graph, 0, 0);
        y0 = TkUserToWindowY(graph, 0, 0);
    }

    int32_t wx(double x) const { return TkUserToWindowX(graph, x, 0); }
    int32_t wy(double y) const { return TkUserToWindowY(graph, 0, y); }

    int32_t x0 = 0;
    int32_t y0 = 0;
};

TEST_F(Frame, PipLengthsFollowTheLabelFontsCellHeight)
{
    TkFont(graph, 1, 1, 10);
    ASSERT_EQ(TkCellHeight(graph), 16) << "the label font of this test";
    TkDefaults(graph); // back to the style's font
    SetUp();
    TkDrawAxes(graph);
    int32_t const x = wx(100);
    for (int32_t d = -4; d <= 4; ++d)
        EXPECT_EQ(shown(graph, x, y0 + d), blue) << "a primary x pip, 8 pixels centred: " << d;
    EXPECT_EQ(shown(graph, x, y0 - 5), white);
    EXPECT_EQ(shown(graph, x, y0 + 5), white);
    int32_t const sub = wx(20);
    EXPECT_EQ(shown(graph, sub, y0 - 2), blue) << "a secondary pip, 4 pixels";
    EXPECT_EQ(shown(graph, sub, y0 + 2), blue);
    EXPECT_EQ(shown(graph, sub, y0 - 3), white);
    EXPECT_EQ(shown(graph, sub, y0 + 3), white);
    int32_t const y = wy(80);
    EXPECT_EQ(shown(graph, x0 - 4, y), blue) << "y pips run across";
    EXPECT_EQ(shown(graph, x0 + 4, y), blue);
    EXPECT_EQ(shown(graph, x0 + 5, y), white);
    EXPECT_EQ(shown(graph, wx(10), y0), red) << "the axis line between pips";
    EXPECT_EQ(find_graph(graph)->font.face, 1) << "the font stays the last label font";
}

TEST_F(Frame, PipModesOutsideInsideAndNone)
{
    TkSetGraphParam(graph, 16, 0);
    TkSetGraphParam(graph, 17, 1);
    TkDrawAxes(graph);
    int32_t const x = wx(100);
    EXPECT_EQ(shown(graph, x, y0 + 8), blue) << "outside: below the x axis";
    EXPECT_EQ(shown(graph, x, y0 - 1), white);
    int32_t const y = wy(-80);
    EXPECT_EQ(shown(graph, x0 + 8, y), blue) << "inside: right of the y axis";
    EXPECT_EQ(shown(graph, x0 - 1, y), white);

    TkClearWindow(graph);
    TkSetGraphParam(graph, 16, 3);
    TkDrawAxes(graph);
    EXPECT_EQ(count_inked(0, y0 - 6, width - 1, y0 - 1), count_inked(x0 - 6, y0 - 6, x0 + 6, y0 - 1))
        << "no x pips; only the y axis crosses the band above the x axis";
    EXPECT_EQ(shown(graph, x, y0), red) << "the x axis is still drawn";
}

TEST_F(Frame, BoxedAxesMirrorTheirPipsOnTheOppositeEdges)
{
    TkSetGraphParam(graph, 131, 3);
    TkSetGraphParam(graph, 16, 1);
    TkSetMargins(graph, 20, 20, 20, 20);
    TkSetScales(graph);
    TkDrawAxes(graph);
    int32_t const x = wx(100);
    int32_t const bottom = wy(-80);
    int32_t const top = wy(80);
    EXPECT_EQ(shown(graph, x, bottom - 8), blue) << "bottom pips point into the box";
    EXPECT_EQ(shown(graph, x, bottom + 1), white);
    EXPECT_EQ(shown(graph, x, top + 8), blue) << "top pips too";
    EXPECT_EQ(shown(graph, x, top - 1), white);
    EXPECT_EQ(shown(graph, wx(-100) - 4, wy(0)), blue) << "y pips across both side edges";
    EXPECT_EQ(shown(graph, wx(200) + 4, wy(0)), blue);
    EXPECT_EQ(shown(graph, wx(50), y0), white) << "no axis lines through the origin";
    EXPECT_EQ(shown(graph, wx(50), top), red);
}

TEST_F(Frame, CornerAxesMeetAtTheLowerEnds)
{
    TkSetGraphParam(graph, 131, 2);
    TkSetMargins(graph, 20, 20, 20, 20);
    TkSetScales(graph);
    TkDrawAxes(graph);
    EXPECT_EQ(shown(graph, wx(50), wy(-80)), red);
    EXPECT_EQ(shown(graph, wx(-100), wy(20)), red);
    EXPECT_EQ(shown(graph, wx(50), wy(80)), white);
}

TEST_F(Frame, TheAxesPutThePenBackAndLeaveCopyMode)
{
    TkPen(graph, green, 3, 1);
    TkWritemode(graph, 5);
    TkSetGraphParam(graph, 140, 2);
    TkDrawAxes(graph);
    GraphRecord const* record = find_graph(graph);
    EXPECT_EQ(record->pen.colour, green);
    EXPECT_EQ(record->pen.style, 3);
    EXPECT_EQ(record->write_mode, 1);
    TkSetGraphParam(graph, 131, 7);
    TkDrawAxes(graph); // an unknown axis type draws no lines but pips
    EXPECT_EQ(record->pen.colour, green);
}

class Grid : public AxesTest {
protected:
    // The y axis 0..70 in steps of 10 from a range of 7..65, x -16..4 in steps of 2; the
    // grid in red, the sub-grid in blue, both solid.
    void SetUp() override
    {
        AxesTest::SetUp();
        TkSetMargins(graph, 10, 10, 10, 10);
        TkSetRanges(graph, -15, 3, 7, 65);
        TkSetScales(graph);
        TkSetGraphColor(graph, 12, red);
        TkSetGraphColor(graph, 13, blue);
        TkSetGraphParam(graph, 142, 1);
    }
    // Rows across the plot in the colour.
    int rows_in(TkColor colour) const
    {
        int rows = 0;
        int32_t const x = TkUserToWindowX(graph, -5.5, 0); // between vertical lines
        for (int32_t y = 0; y < height; ++y)
            rows += shown(graph, x, y) == colour && shown(graph, x + 1, y) == colour;
        return rows;
    }
    int columns_in(TkColor colour) const
    {
        int columns = 0;
        int32_t const y = TkUserToWindowY(graph, 0, 33); // between horizontal lines
        for (int32_t x = 0; x < width; ++x)
            columns += shown(graph, x, y) == colour && shown(graph, x, y + 1) == colour;
        return columns;
    }
};

TEST_F(Grid, ModeTwoDrawsTheSubGridThenThePrimaryGrid)
{
    TkSetGraphParam(graph, 141, 4); // an invisible primary grid shows the sub-grid whole
    TkSetGraphParam(graph, 140, 2);
    TkDrawGrid(graph);
    EXPECT_EQ(rows_in(blue), 36) << "7 intervals of 5: 36 horizontal sub-grid lines";
    EXPECT_EQ(columns_in(blue), 51);

    TkClearWindow(graph);
    TkSetGraphParam(graph, 141, 1);
    TkDrawGrid(graph);
    EXPECT_EQ(rows_in(red), 8) << "8 primary lines, drawn over the sub-grid";
    EXPECT_EQ(rows_in(blue), 36 - 8);
    EXPECT_EQ(columns_in(red), 11);
}

TEST_F(Grid, ModeOneAndTheAxes)
{
    TkSetGraphParam(graph, 140, 1);
    TkDrawAxes(graph);
    EXPECT_EQ(rows_in(red), 7) << "the grid line at the origin, y = 10, lies under the x axis";
    EXPECT_EQ(rows_in(blue), 0);
    TkClearWindow(graph);
    TkSetGraphParam(graph, 140, 0);
    TkDrawAxes(graph);
    EXPECT_EQ(rows_in(red), 0);
}

TEST_F(Grid, NoGridInThreeDimensionalViews)
{
    TkSetGraphParam(graph, 140, 2);
    TkSetView3D(graph);
    TkSetScales(graph);
    TkDrawGrid(graph);
    EXPECT_EQ(count_inked(), 0);
    TkSetGraphParam(graph, 131, 3);
    TkDrawAxes(graph);
    EXPECT_EQ(count_shown(graph, red) + count_shown(graph, blue), 0);
    EXPECT_GT(count_inked(), 0);
}

TEST_F(Grid, HugeCountsDrawNoGridRatherThanHang)
{
    TkSetGraphParam(graph, 102, std::numeric_limits<int32_t>::max());
    TkSetGraphParam(graph, 140, 2);
    TkDrawGrid(graph);
    EXPECT_EQ(rows_in(blue), 0);
    EXPECT_EQ(rows_in(red), 8);
    TkSetGraphParam(graph, 2, std::numeric_limits<int32_t>::max());
    TkSetGraphParam(graph, 132, 0);
    TkSetScales(graph);
    TkDrawAxes(graph);
    TkLabelAxes(graph);
    SUCCEED() << "returned";
}

class Box : public AxesTest {
protected:
    void SetUp() override
    {
        AxesTest::SetUp();
        TkSetView3D(graph);
        TkSetRanges3(graph, -18, 28, 0, 30, 20, 40);
        TkSetScales(graph);
    }
    bool edge_drawn(Triple a, Triple b) const
    {
        double const t = 0.37; // away from every crossing
        int32_t const x = TkUserToWindowX3(graph, a[0] + t * (b[0] - a[0]), a[1] + t * (b[1] - a[1]), a[2] + t * (b[2] - a[2]));
        int32_t const y = TkUserToWindowY3(graph, a[0] + t * (b[0] - a[0]), a[1] + t * (b[1] - a[1]), a[2] + t * (b[2] - a[2]));
        return count_inked(x - 1, y - 1, x + 1, y + 1) > 0;
    }
};

TEST_F(Box, NineEdgesLeaveOutTheThreeAtTheHiddenCorner)
{
    TkDrawBox(graph);
    TkActualZoom z{};
    TkGetActualZoom(graph, &z);
    double const lo[3] = {z.XMin, z.YMin, z.ZMin};
    double const hi[3] = {z.XMax, z.YMax, z.ZMax};
    // Seen from the front (low y), above and a little to the right, the corner at low x,
    // high y and low z lies behind the box.
    Triple const hidden{lo[0], hi[1], lo[2]};
    int drawn = 0;
    for (int corner = 0; corner < 8; ++corner) {
        Triple a{corner & 1 ? hi[0] : lo[0], corner & 2 ? hi[1] : lo[1], corner & 4 ? hi[2] : lo[2]};
        for (std::size_t axis = 0; axis < 3; ++axis) {
            if (a[axis] != lo[axis])
                continue;
            Triple b = a;
            b[axis] = hi[axis];
            bool const at_hidden = a == hidden || b == hidden;
            EXPECT_EQ(edge_drawn(a, b), !at_hidden) << corner << " along " << axis;
            drawn += edge_drawn(a, b);
        }
    }
    EXPECT_EQ(drawn, 9);
}

TEST_F(Box, TwoDimensionalBoxIsTheRectangleOfTheRanges)
{
    TkSetView2D(graph);
    TkSetRanges(graph, 0, 10, 0, 10);
    TkSetScales(graph);
    TkDrawBox(graph);
    int32_t const left = TkUserToWindowX(graph, 0, 0);
    int32_t const right = TkUserToWindowX(graph, 10, 0);
    int32_t const top = TkUserToWindowY(graph, 0, 10);
    int32_t const bottom = TkUserToWindowY(graph, 0, 0);
    EXPECT_EQ(count_inked(), 2 * (right - left + 1) + 2 * (bottom - top - 1));
}

TEST_F(Box, ThreeDimensionalPipsGoOnTheEdgesNearestTheirLabelCorner)
{
    TkSetGraphParam(graph, 131, 3);
    TkSetScales(graph);
    GraphRecord const& record = *find_graph(graph);
    EffectiveScales const& s = record.scales;
    AxisLine const x = pip_line(record, axis_x);
    EXPECT_EQ(x.lower[1], s.AxisMin[1]) << "x along the front edge";
    EXPECT_EQ(x.lower[2], s.AxisMin[2]) << "at the bottom";
    AxisLine const z = pip_line(record, axis_z);
    EXPECT_EQ(z.lower[0], s.AxisMin[0]) << "z on the left";
    EXPECT_EQ(z.lower[1], s.AxisMin[1]) << "at the front";
    TkDrawAxes(graph);
    EXPECT_GT(count_inked(), 0);
}

TEST_F(Frame, BorderFramesTheWholeWindow)
{
    TkDrawBorder(graph);
    EXPECT_TRUE(inked(0, 0) && inked(width - 1, height - 1) && inked(width - 1, 0) && inked(0, height - 1));
    EXPECT_EQ(count_inked(), 2 * width + 2 * (height - 2));
}

TEST_F(Frame, HostileArguments)
{
    TkGraph closed = open(30, 30, 1);
    TkCloseGraph(closed);
    for (TkGraph bad : {TkGraph{0}, closed, TkGraph{0x7777}}) {
        TkDrawAxes(bad);
        TkDrawBox(bad);
        TkDrawGrid(bad);
        TkDrawBorder(bad);
    }
    double const nan = std::numeric_limits<double>::quiet_NaN();
    for (int32_t type : {1, 2, 3}) {
        TkSetGraphParam(graph, 131, type);
        TkSetGraphParam(graph, 140, 2);
        for (int32_t value : {std::numeric_limits<int32_t>::min(), -1, 0, 7, std::numeric_limits<int32_t>::max()}) {
            for (int32_t code : {16, 19, 119, 101, 144})
                TkSetGraphParam(graph, code, value);
            TkSetRanges(graph, nan, 1e308, -1e308, std::numeric_limits<double>::infinity());
            TkSetScales(graph);
            TkDrawAxes(graph);
            TkSetView3D(graph);
            TkSetScales(graph);
            TkDrawAxes(graph);
            TkDrawBox(graph);
            TkSetView2D(graph);
        }
    }
    EXPECT_EQ(find_graph(graph)->pen.colour, black);
}

} // namespace
} // namespace kelvo::testing
