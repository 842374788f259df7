// The formula forms of contours, surfaces and surfaces of revolution: the samples they draw,
// the graph parameters they lend (or not), and what stops them before drawing.

#include <cmath>

#include "lib/graph/graph_table.h"
#include "lib/plot/range_fit.h"
#include "lib/runtime/error_state.h"
#include "tests/plot/plot_test_support.h"
#include "tests/plot/plot_graph_test.h"

namespace kelvo::testing {
namespace {

TkColor const upper = 0x0000FFFF;
TkColor const lower = 0x00FF00FF;

class FormulaPlots : public PlotGraphTest {
protected:
    int32_t contours(char const* formula, int32_t nx = 20, int32_t ny = 20, uint8_t option = 3)
    {
        return TkDrawContours(graph, formula, "x", "y", -2, 2, -1, 3, nx, ny, 5, 0, 0, 1, upper, option);
    }
    int32_t surface(char const* formula, int32_t nx = 20, int32_t ny = 20, uint8_t option = 1)
    {
        return TkDrawSurface(graph, formula, "x", "y", -2, 2, -1, 3, nx, ny, 4, upper, lower, option);
    }
    int32_t revolution(char const* formula, int32_t n = 20)
    {
        return TkDrawRevolution(graph, formula, "x", -3, 3, n, 16, 4, upper, lower, 3);
    }

    int drawn_pixels() const { return TkWindowWidth(graph) * TkWindowHeight(graph) - count_shown(graph, background); }
};

TEST_F(FormulaPlots, ContoursAndSurfacesMayUseTheGraphsParametersButNotTheRevolution)
{
    TkClearParaList(graph);
    ASSERT_EQ(TkAddParaList(graph, "a", 3), 1);
    EXPECT_EQ(contours("a * x^2 + y"), 0);
    EXPECT_GT(drawn_pixels(), 0);
    EXPECT_EQ(surface("a * x^2 + y"), 0);
    EXPECT_EQ(revolution("a + sin(x)"), 10408) << "unknown variable name";
    EXPECT_EQ(revolution("3 + sin(x)"), 0);
}

// The samples run over the intervals moved inwards, and fitting sees them: the x range of
// option 1 starts 0.001 below the first sample.
TEST_F(FormulaPlots, TheFormulaIsSampledInsideItsIntervals)
{
    ASSERT_EQ(surface("x * y", 17, 9, 1), 0);
    CoordinateSettings const& c = find_graph(graph)->coordinates;
    Interval const x = nudged(-2, 2);
    Interval const y = nudged(-1, 3);
    EXPECT_DOUBLE_EQ(c.UserMin[axis_x], x.a - 0.001);
    EXPECT_DOUBLE_EQ(c.UserMax[axis_x], x.b);
    EXPECT_DOUBLE_EQ(c.UserMin[axis_y], y.a - 0.001);
    EXPECT_DOUBLE_EQ(c.UserMax[axis_y], y.b);
    EXPECT_DOUBLE_EQ(c.UserMax[axis_z], x.b * y.b);

    ASSERT_EQ(TkDrawRevolution(graph, "1 + x^2", "x", 0, 2, 11, 16, 0, upper, lower, 1), 0);
    Interval const z = nudged(0, 2);
    EXPECT_DOUBLE_EQ(c.UserMin[axis_z], z.a - 0.001);
    EXPECT_DOUBLE_EQ(c.UserMax[axis_z], z.b);
    EXPECT_DOUBLE_EQ(c.UserMax[axis_x], 1 + z.b * z.b);
}

TEST_F(FormulaPlots, FailuresBeforeDrawingLeaveTheWindowAlone)
{
    EXPECT_EQ(contours("x +* y"), contours("x +* y")) << "the same compile error each time";
    int32_t const compile_error = contours("x +* y");
    EXPECT_GE(compile_error, 10400);
    EXPECT_LE(compile_error, 10413);
    EXPECT_EQ(surface("x +* y"), compile_error);
    EXPECT_EQ(revolution("x +*"), compile_error);
    int32_t const evaluation_error = contours("ln(x - 5)");
    EXPECT_GE(evaluation_error, 10414);
    EXPECT_EQ(surface("ln(x - 5)"), evaluation_error);
    EXPECT_EQ(revolution("ln(x - 5)"), evaluation_error);
    EXPECT_EQ(drawn_pixels(), 0);

    // Counts: none make no arrays, one has no step, too many make no arrays either.
    EXPECT_EQ(contours("x", 0, 5), 20801);
    EXPECT_EQ(surface("x", 5, -3), 20802);
    EXPECT_EQ(revolution("x", 0), 20801);
    EXPECT_EQ(contours("x", 1, 1), 20802);
    EXPECT_EQ(surface("x", 1, 1), 20802);
    EXPECT_EQ(revolution("x", 1), 20802);
    EXPECT_EQ(contours("x", 1000, 1000), 20801);
    EXPECT_EQ(surface("x", 1000, 1000), 20801);
    EXPECT_EQ(revolution("x", 1'000'000), 20801);
    EXPECT_EQ(drawn_pixels(), 0);
    // Null texts read as empty ones: an empty formula does not compile.
    EXPECT_GE(TkDrawContours(graph, nullptr, nullptr, nullptr, 0, 1, 0, 1, 5, 5, 3, 0, 0, 1, upper, 1), 10400);
    EXPECT_GE(TkDrawSurface(graph, nullptr, nullptr, nullptr, 0, 1, 0, 1, 5, 5, 4, upper, lower, 1), 10400);
    EXPECT_GE(TkDrawRevolution(graph, nullptr, nullptr, 0, 1, 5, 16, 4, upper, lower, 1), 10400);
    EXPECT_EQ(drawn_pixels(), 0);
}

} // namespace
} // namespace kelvo::testing
