// Data arrays drawn as marks: which marks draw lines and which draw symbols, where the colour
// goes, the range fit and the refusals.

#include "lib/graph/graph_table.h"
#include "lib/runtime/error_state.h"
#include "tests/plot/array_plots_test_fixture.h"

namespace kelvo::testing {
namespace {

constexpr TkColor ink = 0x0000FF;

class DataArrays : public ArrayPlotTest {
protected:
    void SetUp() override
    {
        ArrayPlotTest::SetUp();
        use_pixel_scales();
        TkSetGraphParam(graph, 137, 4); // symbols 4 pixels either side
        // Three points joined by diagonals: nothing but a plus sign reaches the pixels
        // straight left of and straight below the first point.
        xs = line({50, 150, 250});
        ys = line({50, 150, 50});
        zs = line({0, 0, 0});
    }

    bool line_drawn() const { return shown(graph, 100, row(100)) == ink; }
    bool symbols_drawn() const
    {
        return shown(graph, 50 - 4, row(50)) == ink && shown(graph, 50, row(50 - 4)) == ink;
    }

    GraphRecord const& record() const { return *find_graph(graph); }

    TkArray xs = 0, ys = 0, zs = 0;
};

TEST_F(DataArrays, PlaneMarksTwelveTenAndZero)
{
    EXPECT_EQ(TkDrawArray1(graph, xs, ys, 3, 12, ink, 0), 0);
    EXPECT_TRUE(line_drawn());
    EXPECT_TRUE(symbols_drawn());
    TkClearWindow(graph);
    EXPECT_EQ(TkDrawArray1(graph, xs, ys, 3, 10, ink, 0), 0);
    EXPECT_TRUE(line_drawn());
    EXPECT_FALSE(symbols_drawn());
    TkClearWindow(graph);
    EXPECT_EQ(TkDrawArray1(graph, xs, ys, 3, 0, ink, 0), 0);
    EXPECT_EQ(count_inked(), 0);
}

TEST_F(DataArrays, SpaceMarksTwelveAndTwo)
{
    EXPECT_EQ(TkDrawArray3(graph, xs, ys, zs, 3, 12, ink, 0), 0);
    EXPECT_TRUE(line_drawn());
    EXPECT_FALSE(symbols_drawn()) << "joined space points have no symbols";
    TkClearWindow(graph);
    EXPECT_EQ(TkDrawArray3(graph, xs, ys, zs, 3, 2, ink, 0), 0);
    EXPECT_FALSE(line_drawn());
    EXPECT_TRUE(symbols_drawn());
}

TEST_F(DataArrays, TheColourGoesToThePenOrToTheSymbols)
{
    TkPen(graph, black, 3, 1);
    TkDrawArray1(graph, xs, ys, 3, 2, ink, 0);
    EXPECT_EQ(record().pen.colour, ink);
    EXPECT_EQ(record().pen.style, 3) << "unjoined points keep the pen's style";
    TkDrawArray1(graph, xs, ys, 3, 12, ink, 0);
    EXPECT_EQ(record().pen.style, 1) << "joined points are joined by solid lines";

    TkClearWindow(graph);
    TkPen(graph, black, 1, 1);
    TkSetGraphColor(graph, 14, 0x00FF00);
    TkDrawArray1(graph, xs, ys, 3, 12, ink, 0);
    EXPECT_EQ(record().coordinates.SymbolColour, ink);
    EXPECT_EQ(record().pen.colour, black) << "the pen is left as it was";
    EXPECT_EQ(shown(graph, 100, row(100)), black);
    EXPECT_EQ(shown(graph, 50 - 4, row(50)), ink);
}

TEST_F(DataArrays, OptionOneFitsTheViewAndRanges)
{
    EXPECT_EQ(TkDrawArray1(graph, xs, ys, 3, 12, ink, 1), 0);
    CoordinateSettings const& c = record().coordinates;
    EXPECT_DOUBLE_EQ(c.UserMin[0], 50 - 0.001);
    EXPECT_DOUBLE_EQ(c.UserMax[0], 250);
    EXPECT_DOUBLE_EQ(c.UserMax[1], 150);

    TkArray const heights = grid({{1, 2}, {3, -4}, {5, 6}});
    TkArray const gx = line({0, 1, 2});
    TkArray const gy = line({10, 20});
    EXPECT_EQ(TkDrawArray2(graph, gx, gy, heights, 3, 2, 12, ink, 1), 0);
    EXPECT_TRUE(c.Is3D);
    EXPECT_DOUBLE_EQ(c.UserMin[2], -4);
    EXPECT_DOUBLE_EQ(c.UserMax[2], 6);
    EXPECT_DOUBLE_EQ(c.UserMax[1], 20);
    EXPECT_GT(count_inked(), 30) << "six stems with symbols";
    EXPECT_EQ(TkDrawArray2(graph, gx, gy, heights, 2, 2, 12, ink, 1), 0);
    EXPECT_DOUBLE_EQ(c.UserMax[2], 3) << "only the counts' part of the grid is fitted";

    TkSetView2D(graph);
    EXPECT_EQ(TkDrawArray3(graph, xs, ys, line({-1, 5, 2}), 3, 2, ink, 1), 0);
    EXPECT_TRUE(c.Is3D);
    EXPECT_DOUBLE_EQ(c.UserMax[2], 5);
}

TEST_F(DataArrays, RefusalsDrawNothing)
{
    TkArray const flat = grid({{1, 2}, {3, 4}});
    TkArray const gone = disposed();
    clear_error();
    EXPECT_EQ(TkDrawArray1(graph, xs, ys, 4, 12, ink, 3), 20802);
    EXPECT_EQ(error_state().flag, 0) << "a failed check has no message";
    EXPECT_EQ(TkDrawArray1(graph, xs, ys, 1'000'000'000, 12, ink, 3), 20802);
    EXPECT_EQ(TkDrawArray1(graph, xs, flat, 2, 12, ink, 3), 20804);
    EXPECT_EQ(TkDrawArray1(graph, gone, ys, 2, 12, ink, 3), 20804);
    EXPECT_EQ(TkDrawArray1(graph, 0, ys, 2, 12, ink, 3), 20804);
    for (int32_t n : {0, -1}) {
        EXPECT_EQ(TkDrawArray1(graph, xs, ys, n, 12, ink, 3), 20802);
        EXPECT_EQ(error_state().message, "Not enough data");
        EXPECT_EQ(TkDrawArray2(graph, xs, ys, flat, 2, n, 12, ink, 3), 20802);
        EXPECT_EQ(TkDrawArray3(graph, xs, ys, zs, n, 12, ink, 3), 20802);
    }
    EXPECT_EQ(TkDrawArray3(graph, xs, ys, line({1, 2}), 3, 12, ink, 3), 20802) << "z shorter than n";
    EXPECT_EQ(TkDrawArray3(graph, xs, ys, flat, 2, 12, ink, 3), 20804);
    EXPECT_EQ(TkDrawArray3(graph, xs, ys, gone, 2, 12, ink, 3), 20804);
    EXPECT_EQ(TkDrawArray2(graph, xs, ys, ys, 2, 2, 12, ink, 3), 20804) << "a one-dimensional grid";
    EXPECT_EQ(TkDrawArray2(graph, xs, ys, flat, 3, 2, 12, ink, 3), 20802);
    EXPECT_EQ(TkDrawArray2(graph, xs, gone, flat, 2, 2, 12, ink, 3), 20804);
    EXPECT_EQ(count_inked(), 0);

    TkGraph const closed = open(40, 40, 1);
    TkCloseGraph(closed);
    for (TkGraph bad : {TkGraph{0}, closed}) {
        EXPECT_EQ(TkDrawArray1(bad, xs, ys, 3, 12, ink, 3), 0);
        EXPECT_EQ(TkDrawArray2(bad, xs, ys, flat, 2, 2, 12, ink, 3), 0);
        EXPECT_EQ(TkDrawArray3(bad, xs, ys, zs, 3, 12, ink, 3), 0);
    }
}

TEST_F(DataArrays, MarksOutsideTheTableDrawOnlyTheirLines)
{
    EXPECT_EQ(TkDrawArray1(graph, xs, ys, 3, -3, ink, 0), 0);
    EXPECT_EQ(count_inked(), 0);
    EXPECT_EQ(TkDrawArray1(graph, xs, ys, 3, 1'000'000'000, ink, 0), 0);
    EXPECT_TRUE(line_drawn());
}

} // namespace
} // namespace kelvo::testing
