#include "tests/window/graph_test_fixture.h"

#include <string>

#include "lib/draw/text.h"

namespace kelvo::testing {
namespace {

TkColor const black = 0;

class Text : public GraphTest {
protected:
    // The smallest rectangle holding every pixel that is not the back colour.
    static kp::Rect ink(TkGraph graph)
    {
        kp::Rect bounds;
        for (int32_t y = 0; y < TkWindowHeight(graph); ++y)
            for (int32_t x = 0; x < TkWindowWidth(graph); ++x)
                if (shown(graph, x, y) != black)
                    bounds.unite({x, y, 1, 1});
        return bounds;
    }
    static kp::LogicalFont const& font_in_use(TkGraph graph)
    {
        return find_graph(graph)->context(Slot::RetainedImage)->font();
    }
};

TEST_F(Text, FontSizesBecomeEmHeightsAtNinetySixPixelsPerInch)
{
    TkGraph graph = open(100, 100, 2);
    TkFont(graph, 1, 2, 10);
    kp::LogicalFont const& font = font_in_use(graph);
    EXPECT_EQ(font.height, -13);
    EXPECT_EQ(font.weight, 700);
    EXPECT_FALSE(font.italic);
    EXPECT_EQ(font.face_name, "Times-Roman");
    TkFont(graph, 1, 3, 12);
    EXPECT_EQ(font_in_use(graph).height, -16);
    EXPECT_TRUE(font_in_use(graph).italic);
    EXPECT_EQ(font_in_use(graph).weight, 400);
}

TEST_F(Text, FacesThreeAndUnknownAreTerminalAndBadOrientationsAreOne)
{
    TkGraph graph = open(100, 100, 2);
    TkFont(graph, 3, 1, 10);
    EXPECT_EQ(font_in_use(graph).face_name, "terminal");
    TkFont(graph, 9, 1, 10);
    EXPECT_EQ(font_in_use(graph).face_name, "terminal");
    TkFont2(graph, 2, 1, 12, 7);
    EXPECT_EQ(find_graph(graph)->font.orientation, 1);
    EXPECT_EQ(font_in_use(graph).escapement, 0);
    TkFont2(graph, 2, 1, 12, 3);
    EXPECT_EQ(font_in_use(graph).escapement, 1800);
}

TEST_F(Text, HugeSizesLeaveTheFontUnchanged)
{
    TkGraph graph = open(100, 100, 2);
    TkFont(graph, 5, 1, 20);
    TkFont(graph, 1, 1, 10000);
    TkFont(graph, 1, 1, INT32_MIN);
    EXPECT_EQ(find_graph(graph)->font.face, 5);
    EXPECT_EQ(font_in_use(graph).face_name, "Courier New");
}

TEST_F(Text, JustificationOutsideOneToThreeBecomesOne)
{
    TkGraph graph = open(100, 100, 2);
    EXPECT_EQ(TkTextJustified(graph, 3), 1);
    EXPECT_EQ(TkTextJustified(graph, 0), 3);
    EXPECT_EQ(TkTextJustified(graph, 2), 1);
}

TEST_F(Text, CellOfHelveticaTenPoints)
{
    TkGraph graph = open(100, 100, 2);
    TkFont(graph, 2, 1, 10);
    EXPECT_EQ(TkCellWidth(graph), 7);
    EXPECT_EQ(TkCellHeight(graph), 15);
}

TEST_F(Text, StartJustifiedTextEndsWhereItsAdvancesSay)
{
    TkGraph graph = open(300, 100, 1);
    TkFont(graph, 2, 1, 10);
    TkGpText(graph, 20, 50, "0000");
    EXPECT_EQ(TkEndTextX(graph), 20 + 4 * 7);
    EXPECT_EQ(TkEndTextY(graph), 50);
    kp::Rect const drawn = ink(graph);
    EXPECT_GE(drawn.left(), 20);
    EXPECT_LE(drawn.right(), 48);
    EXPECT_LE(drawn.bottom(), 50 + 3) << "the baseline is at y";
    TkGpText(graph, TkEndTextX(graph), TkEndTextY(graph), "00");
    EXPECT_EQ(TkEndTextX(graph), 20 + 6 * 7) << "callers continue a line";
}

TEST_F(Text, EndJustifiedTextEndsJustLeftOfItsReferencePoint)
{
    TkGraph graph = open(300, 100, 1);
    TkTextJustified(graph, 2);
    TkGpText(graph, 200, 50, "Kelvo");
    EXPECT_EQ(TkEndTextX(graph), 200);
    EXPECT_EQ(TkEndTextY(graph), 50);
    EXPECT_EQ(string_box(*find_graph(graph), 200, 50, "Kelvo").right, 200) << "half-open: its last column is 199";
    EXPECT_LE(ink(graph).right(), 200);
    EXPECT_EQ(TkTextJustified(graph, 1), 2) << "the justification is restored after the text";
}

TEST_F(Text, FourOrientationsEndJustifiedAroundOnePoint)
{
    struct Row {
        int32_t orientation;
        bool (*placed)(kp::Rect const& ink, kp::Point at);
    };
    Row const rows[] = {
        {1, [](kp::Rect const& r, kp::Point p) { return r.right() <= p.x && r.top() < p.y && r.width > r.height; }},
        {2, [](kp::Rect const& r, kp::Point p) { return r.top() > p.y && r.left() < p.x && r.height > r.width; }},
        {3, [](kp::Rect const& r, kp::Point p) { return r.left() > p.x && r.bottom() > p.y && r.width > r.height; }},
        {4, [](kp::Rect const& r, kp::Point p) { return r.bottom() <= p.y && r.right() > p.x && r.height > r.width; }},
    };
    for (Row const& row : rows) {
        TkGraph graph = open(240, 240, 1);
        TkFont2(graph, 2, 1, 12, row.orientation);
        TkTextJustified(graph, 2);
        TkGpText(graph, 120, 120, "Happy Kelvoing");
        EXPECT_EQ(TkEndTextX(graph), 120) << row.orientation;
        EXPECT_EQ(TkEndTextY(graph), 120) << row.orientation;
        kp::Rect const drawn = ink(graph);
        EXPECT_FALSE(drawn.is_empty());
        EXPECT_TRUE(row.placed(drawn, {120, 120})) << "orientation " << row.orientation << " ink at " << drawn.x
                                                     << "," << drawn.y << " " << drawn.width << "x" << drawn.height;
        TkCloseGraph(graph);
    }
}

TEST_F(Text, EmptyTextAndTextBeyondTheEdgeDrawNothing)
{
    TkGraph graph = open(100, 60, 1);
    TkGpText(graph, 30, 40, "");
    EXPECT_EQ(TkEndTextX(graph), 30);
    EXPECT_EQ(TkEndTextY(graph), 40);
    TkFont(graph, 2, 1, 10);
    TkGpText(graph, 500, 40, "000");
    EXPECT_EQ(TkEndTextX(graph), 500 + 3 * 7);
    TkGpText(graph, -100, 40, "000");
    EXPECT_EQ(TkEndTextX(graph), -100 + 21);
    TkGpText(graph, INT32_MAX - 5, 40, "000");
    TkGpText(graph, 10, 40, nullptr);
    EXPECT_TRUE(ink(graph).is_empty());
    TkGpText(graph, 10, 40, "0");
    EXPECT_FALSE(ink(graph).is_empty());
    TkClearWindow(graph);
    EXPECT_EQ(TkEndTextX(graph), 0);
    EXPECT_EQ(TkEndTextY(graph), 0);
}

TEST_F(Text, EachModeShowsTextWhereItsTargetsAre)
{
    TkGraph foreground = open(80, 40, 3, 0, 0);
    TkSetDrawingMode(foreground, 1);
    TkGraph automatic = open(80, 40, 2, 0, 50);
    TkGraph background = open(80, 40, 3, 0, 100);
    TkGraph delayed = open(80, 40, 4, 0, 150);
    for (TkGraph graph : {foreground, automatic, background, delayed})
        TkGpText(graph, 5, 25, "text");
    EXPECT_FALSE(ink(foreground).is_empty());
    EXPECT_EQ(in_image(foreground, Slot::RetainedImage, 10, 20), black);
    EXPECT_FALSE(ink(automatic).is_empty()) << "each character box is dispatched at once";
    EXPECT_TRUE(ink(background).is_empty());
    EXPECT_TRUE(ink(delayed).is_empty());
    TkDispatchToWindow(background);
    TkDispatchToWindow(delayed);
    EXPECT_EQ(ink(background), ink(automatic).translated(0, 0));
    EXPECT_FALSE(ink(delayed).is_empty());
}

TEST_F(Text, LongTextIsCutAtFiveHundredBytes)
{
    TkGraph graph = open(100, 60, 1);
    TkFont(graph, 2, 1, 10);
    draw_long_text(*find_graph(graph), 0, 20, std::string(600, '0'));
    EXPECT_EQ(TkEndTextX(graph), 500 * 7);
    std::string accents(499, '0');
    accents += "\xC3\xA9"; // a two-byte character across byte 500
    draw_long_text(*find_graph(graph), 0, 20, accents);
    EXPECT_EQ(TkEndTextX(graph), 499 * 7);
}

} // namespace
} // namespace kelvo::testing
