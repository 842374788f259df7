#include "tests/window/graph_test_fixture.h"

#include <cmath>
#include <cstdlib>

namespace kelvo::testing {
namespace {

TkColor const pen = 0x00787800; // style 0's pen: colour 3
TkColor const black = 0;

class Primitives : public GraphTest {
protected:
    void SetUp() override
    {
        GraphTest::SetUp();
        graph = open(100, 100, 2);
    }
    int count(TkColor c) const { return count_shown(graph, c); }
    TkGraph graph = 0;
};

TEST_F(Primitives, ALineOfOnePointPaintsThatPixel)
{
    TkGpLine(graph, 10, 10, 10, 10);
    EXPECT_EQ(count(pen), 1);
    EXPECT_EQ(shown(graph, 10, 10), pen);
}

TEST_F(Primitives, LinesPaintBothEnds)
{
    TkGpLine(graph, 10, 20, 30, 25);
    EXPECT_EQ(shown(graph, 10, 20), pen);
    EXPECT_EQ(shown(graph, 30, 25), pen);
    EXPECT_EQ(count(pen), 21);
}

TEST_F(Primitives, RectanglesCoverTheirCornersInclusively)
{
    TkGpRectangle(graph, 0, 0, 9, 9, 1);
    EXPECT_EQ(count(pen), 100);
    EXPECT_EQ(shown(graph, 9, 9), pen);
    EXPECT_EQ(shown(graph, 10, 9), black);
    TkClearWindow(graph);
    TkGpRectangle(graph, 20, 20, 29, 29, 0);
    EXPECT_EQ(count(pen), 36);
    EXPECT_EQ(shown(graph, 25, 25), black);
    TkClearWindow(graph);
    TkGpRectangle(graph, 9, 9, 0, 0, 1);
    EXPECT_EQ(count(pen), 100) << "corners in either order";
}

TEST_F(Primitives, XorTwiceRestoresLinesAndFills)
{
    TkGpFill(graph, 0, 0, 49, 49, 0x00336699, 1);
    TkWritemode(graph, 5);
    for (int pass = 0; pass < 2; ++pass) {
        TkGpLine(graph, 0, 0, 99, 70);
        TkGpRectangle(graph, 40, 40, 80, 80, 1);
        TkGpCircle(graph, 30, 60, 15, 1);
    }
    EXPECT_EQ(count(0x00336699), 50 * 50);
    EXPECT_EQ(count(black), 100 * 100 - 50 * 50);
}

TEST_F(Primitives, FillInWriteModeFiveRestoresAndLeavesTheGraphsWriteMode)
{
    TkGpLine(graph, 0, 50, 99, 50);
    TkGpFill(graph, 10, 10, 60, 60, 0x00FFFFFF, 5);
    EXPECT_NE(shown(graph, 20, 50), pen);
    TkGpFill(graph, 60, 60, 10, 10, 0x00FFFFFF, 5);
    EXPECT_EQ(count(pen), 100);
    TkGpLine(graph, 0, 70, 99, 70);
    EXPECT_EQ(count(pen), 200) << "lines still copy";
    TkGpFill(graph, 0, 0, 99, 99, 0x00FFFFFF, 0);
    TkGpFill(graph, 0, 0, 99, 99, 0x00FFFFFF, 6);
    EXPECT_EQ(count(pen), 200) << "write modes outside 1..5 do nothing";
}

TEST_F(Primitives, PenStylesOutsideTheRangeChangeNothingAndInvisiblePensStillFill)
{
    TkPen(graph, 0x000000FF, 6, 1);
    EXPECT_EQ(find_graph(graph)->pen.colour, pen);
    TkPen(graph, 0x000000FF, 4, 1);
    TkGpLine(graph, 0, 5, 99, 5);
    EXPECT_EQ(count(0x000000FF), 0);
    TkGpRectangle(graph, 20, 20, 29, 29, 1);
    EXPECT_EQ(shown(graph, 25, 25), 0x000000FFu);
    EXPECT_GE(count(0x000000FF), 64);
}

TEST_F(Primitives, DottedAndWidePensDifferFromSolid)
{
    TkPen(graph, 0x00FFFFFF, 2, 1);
    TkGpLine(graph, 0, 10, 59, 10);
    int const dotted = count(0x00FFFFFF);
    EXPECT_GT(dotted, 20);
    EXPECT_LT(dotted, 45);
    TkPen(graph, 0x0000FF00, 1, 5);
    TkGpLine(graph, 10, 50, 60, 50);
    EXPECT_EQ(shown(graph, 35, 48), 0x0000FF00u);
    EXPECT_EQ(shown(graph, 35, 52), 0x0000FF00u);
    EXPECT_EQ(shown(graph, 35, 45), black);
}

TEST_F(Primitives, PixelsIgnoreTheWriteMode)
{
    TkWritemode(graph, 5);
    TkGpPixel(graph, 3, 4);
    TkGpPixel(graph, 3, 4);
    EXPECT_EQ(shown(graph, 3, 4), pen);
    TkGpColorPixel(graph, 5, 5, 0x00010203);
    EXPECT_EQ(shown(graph, 5, 5), 0x00010203u);
    EXPECT_EQ(in_image(graph, Slot::RetainedImage, 5, 5), 0x00010203u);
}

TEST_F(Primitives, CirclesStayInTheirBoxes)
{
    TkGpCircle(graph, 50, 50, 0, 0);
    EXPECT_LE(count(pen), 1);
    EXPECT_EQ(count(pen) == 1, shown(graph, 50, 50) == pen);
    TkClearWindow(graph);
    TkGpCircle(graph, 50, 50, 10, 1);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            if (shown(graph, x, y) == pen) {
                EXPECT_LE(std::abs(x - 50), 10);
                EXPECT_LE(std::abs(y - 50), 10);
                EXPECT_EQ(shown(graph, 100 - x, y), pen) << "symmetric";
            }
    EXPECT_EQ(shown(graph, 40, 50), pen);
    EXPECT_EQ(shown(graph, 60, 50), pen);
    TkClearWindow(graph);
    TkGpCircle(graph, 50, 50, 10, 0);
    EXPECT_EQ(shown(graph, 40, 50), pen) << "the arc starts at the left of the box";
    EXPECT_EQ(shown(graph, 50, 50), black);
}

TEST_F(Primitives, PolygonsFillByTheAlternateRule)
{
    int32_t star[10];
    for (int k = 0; k < 5; ++k) {
        double const angle = -M_PI / 2 + k * 4 * M_PI / 5;
        star[2 * k] = static_cast<int32_t>(std::lround(50 + 40 * std::cos(angle)));
        star[2 * k + 1] = static_cast<int32_t>(std::lround(50 + 40 * std::sin(angle)));
    }
    TkGraphColor(graph, 0x000000FF);
    TkGpPoly(graph, 5, star, 1);
    EXPECT_EQ(shown(graph, 50, 52), black) << "the centre of a pentagram stays empty";
    EXPECT_EQ(shown(graph, 50, 20), 0x000000FFu);
    TkClearWindow(graph);
    TkGpPoly(graph, 5, star, 0);
    EXPECT_EQ(shown(graph, star[0], star[1]), 0x000000FFu);
    TkGpPoly(graph, 3, nullptr, 1);
    TkGpPoly(graph, -1, star, 1);
}

TEST_F(Primitives, StylesZeroAndThreeAreTheSameAndStyleOneIsBlackOnWhite)
{
    TkKelvoStyle(graph, 0);
    struct Attributes {
        PenRecord pen;
        TkColor back_colour;
        TkColor text_colour;
        FontRecord font;
    };
    GraphRecord const& record = *find_graph(graph);
    Attributes const zero{record.pen, record.back_colour, record.text_colour, record.font};
    TkKelvoStyle(graph, 3);
    GraphRecord const& three = *find_graph(graph);
    EXPECT_EQ(three.pen.colour, zero.pen.colour);
    EXPECT_EQ(three.back_colour, zero.back_colour);
    EXPECT_EQ(three.text_colour, zero.text_colour);
    EXPECT_EQ(three.font.face, zero.font.face);
    EXPECT_EQ(three.style.style_number, 3);
    TkKelvoStyle(graph, 1);
    EXPECT_EQ(find_graph(graph)->back_colour, colour(15));
    EXPECT_EQ(find_graph(graph)->pen.colour, colour(0));
    EXPECT_EQ(find_graph(graph)->font.face, 2);
    EXPECT_EQ(find_graph(graph)->style.drawing_mode, 2) << "the opened mode word is kept";
    TkClearWindow(graph);
    EXPECT_EQ(count(colour(15)), 100 * 100);
}

TEST_F(Primitives, DefaultsBringBackTheStylesAttributes)
{
    TkKelvoStyle(graph, 2);
    TkPen(graph, 0x000000FF, 3, 4);
    TkBackColor(graph, 0x00112233);
    TkWritemode(graph, 4);
    EXPECT_EQ(find_graph(graph)->back_colour, 0x00112233u);
    EXPECT_EQ(find_graph(graph)->write_mode, 4);
    TkDefaults(graph);
    EXPECT_EQ(find_graph(graph)->pen.colour, colour(15));
    EXPECT_EQ(find_graph(graph)->pen.style, 1);
    EXPECT_EQ(find_graph(graph)->back_colour, colour(0));
    EXPECT_EQ(find_graph(graph)->write_mode, 1);
}

TEST_F(Primitives, HugeCoordinatesAreSurvived)
{
    constexpr int32_t lo = INT32_MIN;
    constexpr int32_t hi = INT32_MAX;
    TkGpLine(graph, lo, lo, hi, hi);
    TkGpLine(graph, hi, 50, hi, 50);
    TkGpRectangle(graph, lo, lo, hi, hi, 0);
    TkGpRectangle(graph, lo, 10, hi, 12, 1);
    TkGpCircle(graph, 0, 0, hi, 1);
    TkGpCircle(graph, hi, lo, hi, 0);
    TkGpFill(graph, lo, lo, hi, hi, 0x00FFFFFF, 1);
    EXPECT_EQ(count(0x00FFFFFF), 100 * 100);
    int32_t far[] = {lo, lo, hi, 0, 0, hi};
    TkGpPoly(graph, 3, far, 1);
}

} // namespace
} // namespace kelvo::testing
