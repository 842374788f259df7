// Symbols, error bars, graph labels, polygons and cross-wires, read back from the headless
// host; hostile arguments on every mark call.

#include <cmath>
#include <limits>
#include <vector>

#include "lib/axes/marks.h"
#include "lib/graph/graph_table.h"
#include "lib/runtime/error_state.h"
#include "tests/axes/axes_test_fixture.h"

namespace kelvo::testing {
namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

struct Offset {
    int32_t dx, dy;
};

struct SymbolPattern {
    char const* name;
    int32_t code;
    std::vector<Offset> inked;
    std::vector<Offset> blank;
    int exact_count; // -1: not fixed
};

// Half-size 3 about the window point of the mark.
std::vector<SymbolPattern> const patterns = {
    {"dot", 1, {{0, 0}}, {{1, 0}, {0, 1}}, 1},
    {"plus", 2, {{-3, 0}, {3, 0}, {0, -3}, {0, 3}, {0, 0}}, {{1, 1}, {-1, -1}, {4, 0}}, 13},
    {"cross", 3, {{-3, -3}, {3, 3}, {-3, 3}, {3, -3}, {0, 0}}, {{1, 0}, {0, 1}, {4, 4}}, 13},
    {"square", 4, {{-3, -3}, {3, -3}, {3, 3}, {-3, 3}, {0, 3}}, {{0, 0}, {2, 2}, {4, 0}}, 24},
    {"triangle", 5, {{0, -3}, {3, 3}, {-3, 3}, {0, 3}}, {{0, 1}, {-3, -3}, {3, -3}}, -1},
    {"circle", 6, {{-3, 0}, {3, 0}, {0, -3}, {0, 3}}, {{0, 0}, {1, 1}, {3, 3}}, -1},
    {"filled square", 7, {{-3, -3}, {3, 3}, {0, 0}, {2, -1}}, {{4, 0}, {0, 4}}, 49},
    {"filled triangle", 8, {{0, -3}, {0, 1}, {3, 3}, {-3, 3}}, {{-3, -3}, {3, -3}}, -1},
    {"filled circle", 9, {{0, 0}, {-3, 0}, {3, 0}, {0, 3}, {1, 1}}, {{3, 3}, {-3, -3}}, -1},
};

class Marks : public AxesTest {
protected:
    void SetUp() override
    {
        AxesTest::SetUp();
        use_pixel_scales();
        TkSetGraphParam(graph, 137, 3);
    }
    TkArray array(std::vector<double> const& values)
    {
        TkArray a = TkNewArray1(static_cast<int32_t>(values.size()));
        for (std::size_t i = 0; i < values.size(); ++i)
            TkSetArray1(a, static_cast<int32_t>(i + 1), values[i]);
        arrays.push_back(a);
        return a;
    }
    void TearDown() override
    {
        for (TkArray a : arrays)
            TkDisposeArray(a);
        AxesTest::TearDown();
    }
    std::vector<TkArray> arrays;
};

TEST_F(Marks, EachSymbolsPixelPattern)
{
    for (SymbolPattern const& p : patterns) {
        TkClearWindow(graph);
        TkPlotSymbol(graph, p.code, 100, 100);
        int32_t const x = 100;
        int32_t const y = row(100);
        for (Offset o : p.inked)
            EXPECT_TRUE(inked(x + o.dx, y + o.dy)) << p.name << " at " << o.dx << ", " << o.dy;
        for (Offset o : p.blank)
            EXPECT_FALSE(inked(x + o.dx, y + o.dy)) << p.name << " at " << o.dx << ", " << o.dy;
        int const total = count_inked();
        EXPECT_EQ(count_inked(x - 3, y - 3, x + 3, y + 3), total) << p.name << " stays within its half-size";
        if (p.exact_count >= 0) {
            EXPECT_EQ(total, p.exact_count) << p.name;
        }
    }
}

TEST_F(Marks, TheSymbolSizeIsInPixelsWhateverTheScales)
{
    TkSetRanges(graph, 0, 1, 0, 1); // 300 pixels per unit
    TkSetScales(graph);
    TkPlotSymbol(graph, 7, 0.5, 0.5);
    EXPECT_EQ(count_inked(), 49);
}

TEST_F(Marks, NoSymbolAndUnknownCodesDrawNothingAndKeepThePen)
{
    TkPen(graph, 0x0000FF, 3, 2);
    GraphRecord const* record = find_graph(graph);
    TkPlotSymbol(graph, 0, 100, 100);
    TkPlotSymbol(graph, 10, 100, 100);
    TkPlotSymbol(graph, -1, 100, 100);
    TkPlotSymbol(graph, 2, 1e9, 100); // beyond the window limit
    TkPlotSymbol(graph, 2, nan, 100);
    TkPlotSymbol3(graph, 2, 100, 100, inf);
    EXPECT_EQ(count_inked(), 0);
    EXPECT_EQ(record->pen.colour, 0x0000FFu);
    EXPECT_EQ(record->pen.style, 3);
    EXPECT_EQ(record->pen.width, 2);
}

TEST_F(Marks, SymbolsAreSolidAndThin)
{
    TkPen(graph, 0x0000FF, 4, 5); // an invisible wide pen
    TkPlotSymbol(graph, 4, 100, 100);
    EXPECT_EQ(count_inked(), 24) << "drawn with a solid pen one pixel wide in the pen colour";
    EXPECT_EQ(shown(graph, 97, row(100)), 0x0000FFu);
    EXPECT_EQ(find_graph(graph)->pen.style, 4);
}

TEST_F(Marks, SymbolColourLeavesThePenAsItWas)
{
    TkGraphColor(graph, 0x00FF00);
    TkSetGraphColor(graph, 14, 0x0000FF);
    TkPlotSymbol(graph, 2, 100, 100);
    EXPECT_EQ(shown(graph, 103, row(100)), 0x0000FFu);
    TkErrorBar(graph, 2, 200, 100, 20, 20);
    EXPECT_EQ(shown(graph, 180, row(100)), 0x0000FFu) << "the bars take the symbol colour too";
    EXPECT_EQ(shown(graph, 200, row(120)), 0x0000FFu);
    EXPECT_EQ(find_graph(graph)->pen.colour, 0x00FF00u);
    TkGpLine(graph, 10, 10, 20, 10);
    EXPECT_EQ(shown(graph, 15, 10), 0x00FF00u);
}

TEST_F(Marks, ErrorBarWithoutHorizontalError)
{
    TkErrorBar(graph, 7, 100, 100, 0, 30);
    int32_t const y = row(100);
    for (int32_t dy : {-30, -10, 10, 30})
        EXPECT_TRUE(inked(100, y + dy)) << "the vertical bar at " << dy;
    EXPECT_FALSE(inked(100, y - 31));
    EXPECT_FALSE(inked(100, y + 31));
    for (int32_t dx : {-3, 3})
        EXPECT_TRUE(inked(100 + dx, y - 30) && inked(100 + dx, y + 30)) << "caps of half the symbol size";
    EXPECT_FALSE(inked(96, y - 30));
    EXPECT_FALSE(inked(104, y)) << "no horizontal bar";
    EXPECT_EQ(count_inked(97, y - 3, 103, y + 3), 49) << "the filled square";
    EXPECT_EQ(count_inked(), 49 + 2 * (30 - 3) + 2 * 6) << "symbol, bar outside it, caps beside the bar's ends";
}

TEST_F(Marks, BarsNoLongerThanTheSymbolAreLeftOut)
{
    TkErrorBar(graph, 0, 100, 100, 3, 2);
    EXPECT_EQ(count_inked(), 0);
    TkErrorBar(graph, 0, 100, 100, 4, 0);
    EXPECT_EQ(count_inked(), 9 + 2 * 6) << "a horizontal bar of half-width 4 and its caps";
    TkClearWindow(graph);
    TkErrorBar(graph, 0, 1e9, 100, 1, 1);
    TkErrorBar(graph, 0, 100, 100, nan, nan);
    EXPECT_EQ(count_inked(), 0) << "no bar of unknown length, nothing beyond the window limit";
}

TEST_F(Marks, PolygonOfFourPointsDrawsThreeSegments)
{
    TkArray x = array({50, 150, 150, 50});
    TkArray y = array({50, 50, 150, 150});
    EXPECT_EQ(TkDrawPolygon(graph, x, y, 4), 0);
    EXPECT_TRUE(inked(100, row(50)));
    EXPECT_TRUE(inked(150, row(100)));
    EXPECT_TRUE(inked(100, row(150)));
    EXPECT_FALSE(inked(50, row(100))) << "the outline is not closed";
    EXPECT_FALSE(inked(100, row(100)));
    TkClearWindow(graph);
    EXPECT_EQ(TkFillPolygon(graph, x, y, 4), 0);
    EXPECT_TRUE(inked(100, row(100)));
    EXPECT_TRUE(inked(50, row(100)));
    EXPECT_FALSE(inked(160, row(100)));
}

TEST_F(Marks, PolygonVerticesBeyondTheLimitAreDropped)
{
    TkArray x = array({50, 1e9, 150});
    TkArray y = array({50, 100, 50});
    TkDrawPolygon(graph, x, y, 3);
    EXPECT_TRUE(inked(100, row(50))) << "the neighbours of the dropped vertex are joined";
    TkArray z = array({0, 0, 0});
    TkClearWindow(graph);
    EXPECT_EQ(TkDrawPolygon3(graph, x, y, z, 3), 0);
    EXPECT_TRUE(inked(100, row(50)));
}

TEST_F(Marks, ThreeDimensionalPolygonChecks)
{
    TkArray x = array({50, 150, 150});
    TkArray y = array({50, 50, 150});
    TkArray z = array({0, 0, 0});
    TkArray grid = TkNewArray2(3, 3);
    arrays.push_back(grid);
    EXPECT_EQ(TkFillPolygon3(graph, x, y, grid, 3), 2);
    EXPECT_EQ(TkFillPolygon3(graph, x, y, z, 4), 3);
    EXPECT_EQ(TkFillPolygon3(graph, x, 0, z, 3), 1);
    TkArray disposed = TkNewArray1(3);
    TkDisposeArray(disposed);
    EXPECT_EQ(TkDrawPolygon3(graph, disposed, y, z, 3), 1);
    EXPECT_EQ(TkDrawPolygon3(graph, grid, y, 0, 3), 1) << "a missing array is found before a bent one";
    EXPECT_EQ(count_inked(), 0);
    EXPECT_EQ(TkFillPolygon3(graph, x, y, z, 3), 0);
    EXPECT_TRUE(inked(140, row(60)));
}

TEST_F(Marks, PlanePolygonsReturnThePlotArrayCheck)
{
    TkArray x = array({50, 150, 150});
    TkArray y = array({50, 50, 150});
    TkArray grid = TkNewArray2(3, 3);
    arrays.push_back(grid);
    EXPECT_EQ(TkDrawPolygon(graph, x, y, 4), 20802);
    EXPECT_EQ(TkDrawPolygon(graph, x, grid, 3), 20804);
    EXPECT_EQ(TkFillPolygon(graph, 0, y, 3), 20804);
    EXPECT_EQ(TkDrawPolygon(graph, x, y, 0), 0);
    EXPECT_EQ(TkDrawPolygon(graph, x, y, -5), 0);
    EXPECT_EQ(count_inked(), 0);
}

TEST_F(Marks, ChecksComeBeforeTheGraphIsMadeCurrent)
{
    TkGraph other = open(40, 40, 2);
    TkArray x = array({1, 2});
    EXPECT_EQ(TkDrawPolygon(other, x, 0, 2), 20804);
    EXPECT_EQ(current_graph()->id, other) << "open made it current";
    TkSetScales(graph);
    EXPECT_EQ(TkDrawPolygon3(other, x, x, 0, 2), 1);
    EXPECT_EQ(current_graph()->id, graph) << "a failed check leaves the current graph";
    EXPECT_EQ(TkDrawPolygon3(other, x, x, x, 2), 0);
    EXPECT_EQ(current_graph()->id, other);
}

TEST_F(Marks, MoreThanTheLimitOfPointsRaisesWarningOne)
{
    std::vector<Triple> points(125001);
    for (std::size_t i = 0; i < points.size(); ++i)
        points[i] = {50.0 + static_cast<double>(i % 100), 50.0 + static_cast<double>(i % 97), 0};
    GraphRecord& record = *find_graph(graph);
    draw_user_polygon(record, points, Filling::Filled);
    EXPECT_EQ(error_state().code, 10601);
    EXPECT_EQ(error_state().message, "Not enough room for local array");
    EXPECT_EQ(count_inked(), 0);
    clear_error();
    points.pop_back();
    draw_user_polygon(record, points, Filling::Outline);
    EXPECT_EQ(error_state().code, 0);
    EXPECT_GT(count_inked(), 0) << "the limit itself is allowed";

    // The largest library array holds exactly the limit.
    int32_t const n = 125000;
    TkArray x = TkNewArray1(n);
    TkArray y = TkNewArray1(n);
    arrays.push_back(x);
    arrays.push_back(y);
    ASSERT_NE(x, 0u);
    TkSetArray1(x, 2, 100);
    TkClearWindow(graph);
    EXPECT_EQ(TkDrawPolygon(graph, x, y, n), 0);
    EXPECT_TRUE(inked(50, row(0)));
}

TEST_F(Marks, GraphLabelsAtTheirOffsets)
{
    TkSetGraphParam(graph, 11, 0);
    TkSetGraphParam(graph, 12, 0);
    TkTextJustified(graph, 1);
    TkGraphlabel(graph, "HHH", 100, 100);
    int32_t const y = row(100);
    EXPECT_GT(count_inked(100, y - 15, 130, y), 5) << "the text starts at the point, on its baseline";
    EXPECT_EQ(count_inked(0, 0, 98, height - 1), 0);
    EXPECT_EQ(count_inked(0, y + 4, width - 1, height - 1), 0);

    TkClearWindow(graph);
    TkSetGraphParam(graph, 11, 40);
    TkGraphlabel3(graph, "HHH", 100, 100, 0);
    EXPECT_EQ(count_inked(0, 0, 138, height - 1), 0) << "moved right by the x offset";
    EXPECT_GT(count_inked(), 5);

    TkClearWindow(graph);
    TkGraphlabel(graph, "HHH", -1e9, 100);
    TkGraphlabel(graph, "HHH", nan, 100);
    TkGraphlabel(graph, nullptr, 100, 100);
    EXPECT_EQ(count_inked(), 0);
}

TEST_F(Marks, AutoPlacedGraphLabelsAreCentredAbovetheirPoint)
{
    TkLabelSettings settings{};
    TkGetLabelSettings(graph, 8, &settings);
    settings.AutoPlace = 1;
    settings.FontSize = 12;
    TkSetLabelSettings(graph, 8, &settings);
    TkGraphlabel(graph, "WWWW", 150, 100);
    int32_t const y = row(100);
    EXPECT_EQ(count_inked(0, y - 11, width - 1, height - 1), 0) << "the baseline lies 12 pixels above the point";
    int const left = count_inked(0, 0, 149, y);
    int const right = count_inked(150, 0, width - 1, y);
    EXPECT_GT(left, 10);
    EXPECT_NEAR(left, right, (left + right) / 5) << "centred";
}

TEST_F(Marks, CrossWiresSpanTheEffectiveRanges)
{
    TkSetRanges(graph, 20, 279, 20, 219);
    TkSetMargins(graph, 20, 20, 20, 20);
    TkSetScales(graph);
    TkCrossWires(graph, 100, 100);
    int32_t const px = TkUserToWindowX(graph, 100, 100);
    int32_t const py = TkUserToWindowY(graph, 100, 100);
    int32_t const left = TkUserToWindowX(graph, 20, 100);
    int32_t const right = TkUserToWindowX(graph, 279, 100);
    EXPECT_TRUE(inked(left, py) && inked(right, py));
    EXPECT_FALSE(inked(left - 1, py) || inked(right + 1, py));
    EXPECT_TRUE(inked(px, TkUserToWindowY(graph, 100, 20)) && inked(px, TkUserToWindowY(graph, 100, 219)));
    EXPECT_EQ(find_graph(graph)->scales.CurPoint[1], 219) << "the current point ends at the top of y";

    TkClearWindow(graph);
    TkSetView3D(graph);
    TkSetScales(graph);
    TkCrossWires3(graph, 100, 100, 0);
    EXPECT_TRUE(inked(TkUserToWindowX3(graph, 100, 100, 10), TkUserToWindowY3(graph, 100, 100, 10))) << "the z line";
    EXPECT_TRUE(inked(TkUserToWindowX3(graph, 100, 100, -10), TkUserToWindowY3(graph, 100, 100, -10)));
    EXPECT_EQ(find_graph(graph)->scales.CurPoint[2], 10);
}

// Every mark call with bad identifiers, values that are not finite, huge counts and sizes,
// and null or disposed arrays: nothing crashes and nothing is drawn where nothing can be.
TEST_F(Marks, HostileArguments)
{
    TkGraph closed = open(30, 30, 1);
    TkCloseGraph(closed);
    TkArray x = array({1, 2, 3});
    TkArray disposed = TkNewArray1(3);
    TkDisposeArray(disposed);
    for (TkGraph bad : {TkGraph{0}, closed, TkGraph{0x7777}}) {
        TkPlotSymbol(bad, 2, 1, 1);
        TkPlotSymbol3(bad, 2, 1, 1, 1);
        TkErrorBar(bad, 2, 1, 1, 1, 1);
        TkGraphlabel(bad, "x", 1, 1);
        TkGraphlabel3(bad, "x", 1, 1, 1);
        EXPECT_EQ(TkDrawPolygon(bad, x, x, 3), 0);
        EXPECT_EQ(TkFillPolygon(bad, x, x, 3), 0);
        EXPECT_EQ(TkDrawPolygon3(bad, x, x, x, 3), 0);
        EXPECT_EQ(TkFillPolygon3(bad, x, x, x, 3), 0);
        EXPECT_EQ(TkFillPolygon3(bad, disposed, x, x, 3), 1);
        TkCrossWires(bad, 1, 1);
        TkCrossWires3(bad, 1, 1, 1);
    }
    EXPECT_EQ(TkDrawPolygon(graph, x, x, std::numeric_limits<int32_t>::max()), 20802);
    EXPECT_EQ(TkFillPolygon3(graph, x, x, x, std::numeric_limits<int32_t>::min()), 0);
    for (int32_t size : {std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min(), -4, 0}) {
        TkSetGraphParam(graph, 137, size);
        for (int32_t code = 0; code <= 9; ++code) {
            TkPlotSymbol(graph, code, 100, 100);
            TkErrorBar(graph, code, 100, 100, 1e300, -1e300);
        }
    }
    TkArray nans = array({nan, inf, -inf});
    TkFillPolygon(graph, nans, nans, 3);
    TkDrawPolygon3(graph, nans, nans, nans, 3);
    for (double v : {nan, inf, -inf, 1e308}) {
        TkCrossWires(graph, v, v);
        TkCrossWires3(graph, v, 1, v);
        TkErrorBar(graph, 3, v, 1, v, v);
        TkGraphlabel3(graph, "label", 1, v, 1);
    }
    EXPECT_EQ(find_graph(graph)->pen.colour, black);
}

} // namespace
} // namespace kelvo::testing
