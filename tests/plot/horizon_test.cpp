// The floating horizon shared by surfaces and surfaces of revolution: classes, the update
// walk, and visible segments split in sixteenths, with and without the mirror.

#include "lib/graph/graph_table.h"
#include "lib/plot/horizon.h"
#include "lib/plot/visible_segment.h"
#include "tests/plot/plot_test_support.h"
#include "tests/window/graph_test_fixture.h"

namespace kelvo::testing {
namespace {

TkColor const upper = 0x0000FFFF;
TkColor const lower = 0x00FF00FF;

TEST(Horizon, ClassesAreAboveBetweenAndBelowWhatWasDrawn)
{
    Horizon horizon(HorizonIndex::Columns);
    ASSERT_TRUE(horizon.reset(10, 0));
    EXPECT_EQ(horizon.visibility({3, 500}), Visibility::Upper) << "nothing drawn yet";
    horizon.update({1, 100}, {10, 100});
    horizon.update({1, 120}, {10, 120});
    EXPECT_EQ(horizon.visibility({3, 100}), Visibility::Upper) << "on the top line";
    EXPECT_EQ(horizon.visibility({3, 99}), Visibility::Upper);
    EXPECT_EQ(horizon.visibility({3, 101}), Visibility::Hidden);
    EXPECT_EQ(horizon.visibility({3, 119}), Visibility::Hidden);
    EXPECT_EQ(horizon.visibility({3, 120}), Visibility::Lower) << "on the bottom line";

    // Rows exchanged with columns: an entry per row, recording columns.
    Horizon by_rows(HorizonIndex::Rows);
    ASSERT_TRUE(by_rows.reset(10, 0));
    by_rows.update({40, 1}, {40, 10});
    by_rows.update({60, 1}, {60, 10});
    EXPECT_EQ(by_rows.visibility({30, 5}), Visibility::Upper);
    EXPECT_EQ(by_rows.visibility({50, 5}), Visibility::Hidden);
    EXPECT_EQ(by_rows.visibility({60, 5}), Visibility::Lower);
}

TEST(Horizon, AnUpdateWalksEveryIndexFromTheLowerEnd)
{
    Horizon horizon(HorizonIndex::Columns);
    ASSERT_TRUE(horizon.reset(20, 0));
    // From column 2 to column 6 the rows fall by 10 in 4 steps: 2.5 a column, each running
    // sum rounded to nearest with ties to even: 0, 2 (2.5), 5, 8 (7.5), 10.
    horizon.update({6, 40}, {2, 50});
    int const expected[] = {50, 48, 45, 42, 40};
    for (int32_t k = 0; k < 5; ++k) {
        EXPECT_EQ(horizon.visibility({2 + k, expected[k]}), Visibility::Upper) << "column " << 2 + k;
        EXPECT_EQ(horizon.visibility({2 + k, expected[k] + 1}), Visibility::Lower) << "column " << 2 + k;
    }
    EXPECT_EQ(horizon.visibility({7, 1000}), Visibility::Upper) << "untouched";

    // Ends in one column record only the first end's row.
    horizon.update({12, 30}, {12, 90});
    EXPECT_EQ(horizon.visibility({12, 31}), Visibility::Lower);
    // Both ends hidden: nothing changes, even where the segment runs outside the horizon.
    horizon.update({2, 0}, {2, 100});
    horizon.update({3, 46}, {4, 44});
    EXPECT_EQ(horizon.visibility({3, 44}), Visibility::Upper);
}

class VisibleSegments : public GraphTest {
protected:
    void SetUp() override
    {
        GraphTest::SetUp();
        graph = open(200, 200, 2);
        TkClearWindow(graph);
        background = shown(graph, 0, 0);
        ASSERT_TRUE(horizon.reset(200, 0));
        horizon.update({1, 100}, {200, 100});
        horizon.update({1, 120}, {200, 120});
    }

    void draw(PixelPoint a, PixelPoint b, std::optional<double> mirror = std::nullopt)
    {
        LineBatch lines(*find_graph(graph));
        draw_visible_segment(lines, horizon, a, b, {upper, lower}, mirror);
    }

    TkGraph graph = 0;
    TkColor background = 0;
    Horizon horizon{HorizonIndex::Columns};
};

// From (50, 80), above the band, to (82, 140), below it: the first of E - round((E - S) k/16)
// back in the upper class is k = 11, (60, 99). The line changes colour there.
TEST_F(VisibleSegments, ALineFromAboveToBelowChangesColourAtItsSplitPoint)
{
    draw({50, 80}, {82, 140});
    EXPECT_EQ(shown(graph, 50, 80), upper);
    EXPECT_EQ(shown(graph, 55, 90), upper);
    EXPECT_EQ(shown(graph, 60, 99), lower) << "the split point starts the second piece";
    EXPECT_EQ(shown(graph, 82, 140), lower);
    EXPECT_EQ(shown(graph, 71, 120), lower) << "the second piece is drawn whole, across the band";
}

TEST_F(VisibleSegments, AHiddenEndIsCutAwayAndBothHiddenDrawNothing)
{
    draw({40, 110}, {40, 60}); // hidden end first: the visible end leads
    EXPECT_EQ(shown(graph, 40, 60), upper);
    EXPECT_EQ(shown(graph, 40, 110), background);
    draw({150, 105}, {170, 115});
    EXPECT_EQ(count_shown(graph, lower), 0);
    EXPECT_EQ(shown(graph, 160, 110), background);
    // Both ends in one class: drawn whole, the points between untested (a peak over columns
    // 15 to 25 would hide the middle).
    horizon.update({15, 50}, {25, 50});
    EXPECT_EQ(horizon.visibility({20, 90}), Visibility::Hidden);
    draw({10, 90}, {30, 90});
    EXPECT_EQ(shown(graph, 20, 90), upper);
}

TEST_F(VisibleSegments, TheMirrorDrawsEveryPieceAgainReflected)
{
    draw({50, 80}, {82, 140}, 100.5);
    // Column c reflected about 100.5 is 201 - c.
    EXPECT_EQ(shown(graph, 151, 80), upper);
    EXPECT_EQ(shown(graph, 141, 99), lower);
    EXPECT_EQ(shown(graph, 119, 140), lower);
}

} // namespace
} // namespace kelvo::testing
