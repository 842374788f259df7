// Lines drawn in a batch paint exactly what draw_line paints one line at a time, whatever
// the write mode, pen and clip.

#include <random>

#include "lib/draw/attributes.h"
#include "lib/draw/line_batch.h"
#include "lib/draw/shapes.h"
#include "lib/graph/graph_table.h"
#include "tests/case_name.h"
#include "tests/window/graph_test_fixture.h"

namespace kelvo::testing {
namespace {

struct Case {
    char const* name;
    int32_t write_mode;
    int32_t pen_style;
    int32_t pen_width;
};

void PrintTo(Case const& c, std::ostream* out)
{
    *out << "write mode " << c.write_mode << ", pen style " << c.pen_style << ", width " << c.pen_width;
}

class LineBatches : public GraphTest, public ::testing::WithParamInterface<Case> {
protected:
    // Two graphs of the same size, each partly covered by a small window of its own, so
    // that what shows of them is not one rectangle; both in the case's pen and write mode.
    void SetUp() override
    {
        GraphTest::SetUp();
        one_by_one = open(100, 100, 2, 0, 0);
        batched = open(100, 100, 2, 150, 0);
        open(30, 20, 2, 60, 70);
        open(30, 20, 2, 210, 70);
        prepare(one_by_one);
        prepare(batched);
    }

    void prepare(TkGraph graph)
    {
        GraphRecord& g = *find_graph(graph);
        set_pen(g, 0x00FFFFFF, GetParam().pen_style, GetParam().pen_width);
        set_back_colour_and_write_mode(g, 0x00102030, GetParam().write_mode);
    }

    // Pixels that differ between the two graphs, on the window and in the retained image.
    int differences()
    {
        int count = 0;
        for (int32_t y = 0; y < 100; ++y)
            for (int32_t x = 0; x < 100; ++x) {
                count += shown(one_by_one, x, y) != shown(batched, x, y);
                count += in_image(one_by_one, Slot::RetainedImage, x, y) != in_image(batched, Slot::RetainedImage, x, y);
            }
        return count;
    }

    // Draws the line with draw_line on one graph and adds it to the batch of the other.
    void draw_both(LineBatch& lines, int32_t x1, int32_t y1, int32_t x2, int32_t y2, TkColor colour)
    {
        GraphRecord& single = *find_graph(one_by_one);
        if (single.pen.colour != colour)
            set_pen_colour(single, colour);
        draw_line(single, x1, y1, x2, y2);
        lines.add(x1, y1, x2, y2, colour);
    }

    TkGraph one_by_one = 0;
    TkGraph batched = 0;
};

TEST_P(LineBatches, PaintWhatDrawLinePaints)
{
    std::mt19937 random(1234);
    std::uniform_int_distribution<int32_t> coordinate(-40, 140);
    std::uniform_int_distribution<int32_t> short_step(-6, 6);
    TkColor const colours[] = {0x000000FF, 0x0000FF00, 0x00FF0000};
    GraphRecord& single = *find_graph(one_by_one);
    GraphRecord& many = *find_graph(batched);
    {
        LineBatch lines(many);
        for (int n = 0; n < 3000; ++n) {
            int32_t const x1 = coordinate(random);
            int32_t const y1 = coordinate(random);
            // Mostly short lines, as surfaces draw them, and some long ones across the edges.
            bool const long_line = n % 10 == 0;
            int32_t const x2 = long_line ? coordinate(random) : x1 + short_step(random);
            int32_t const y2 = long_line ? coordinate(random) : y1 + short_step(random);
            draw_both(lines, x1, y1, x2, y2, colours[n % 7 % 3]);
        }
    }
    EXPECT_EQ(many.pen.colour, single.pen.colour) << "the pen ends in the last line's colour";
    EXPECT_EQ(differences(), 0);
}

TEST_P(LineBatches, BatchesInsideOneClipRectangleToo)
{
    // Every end inside one clip rectangle (the retained image whole, the window above its
    // covered corner): the lines are painted without a test each, and still as draw_line does.
    std::mt19937 random(99);
    std::uniform_int_distribution<int32_t> coordinate(2, 60);
    TkColor const colours[] = {0x000000FF, 0x0000FF00};
    {
        LineBatch lines(*find_graph(batched));
        for (int n = 0; n < 2000; ++n)
            draw_both(lines, coordinate(random), coordinate(random), coordinate(random), coordinate(random), colours[n % 5 % 2]);
    }
    EXPECT_EQ(differences(), 0);
}

TEST_P(LineBatches, ColoursThatDifferOnlyInTheHighByteAreKeptApartForThePen)
{
    // The same pixels, two library colours: the pen must end in the last one exactly.
    TkColor const colours[] = {0x000000FF, 0x010000FF, 0x0100FF00};
    {
        LineBatch lines(*find_graph(batched));
        for (int n = 0; n < 40; ++n)
            draw_both(lines, n, 10 + n % 5, n + 30, 60 - n % 7, colours[n % 3]);
        draw_both(lines, 5, 90, 95, 90, colours[1]);
    }
    EXPECT_EQ(find_graph(batched)->pen.colour, TkColor{0x010000FF});
    EXPECT_EQ(differences(), 0);
}

// Batches of more lines than are kept at once draw in several passes, in order.
TEST_P(LineBatches, BatchesLargerThanOnePassPaintEveryLineInOrder)
{
    std::mt19937 random(99);
    std::uniform_int_distribution<int32_t> coordinate(-10, 110);
    std::uniform_int_distribution<int32_t> short_step(-4, 4);
    TkColor const colours[] = {0x000000FF, 0x0000FF00, 0x00FF0000, 0x00FFFFFF};
    {
        LineBatch lines(*find_graph(batched));
        for (int n = 0; n < 10000; ++n) {
            int32_t const x = coordinate(random);
            int32_t const y = coordinate(random);
            draw_both(lines, x, y, x + short_step(random), y + short_step(random), colours[n / 97 % 4]);
        }
    }
    EXPECT_EQ(find_graph(batched)->pen.colour, find_graph(one_by_one)->pen.colour);
    EXPECT_EQ(differences(), 0);
}

INSTANTIATE_TEST_SUITE_P(Pens, LineBatches,
                         ::testing::Values(Case{"Copy", 1, 1, 1}, Case{"Xor", 5, 1, 1}, Case{"Or", 4, 1, 1},
                                           Case{"Dashed", 1, 3, 1}, Case{"Wide", 5, 1, 3}, Case{"Invisible", 1, 4, 1}),
                         case_name::FromMember());

} // namespace
} // namespace kelvo::testing
