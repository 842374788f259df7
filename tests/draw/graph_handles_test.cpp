// Every exported graph function with graph 0, a closed graph and a never-issued one: no
// crash, nothing drawn, zero results.

#include "tests/window/graph_test_fixture.h"

namespace kelvo::testing {
namespace {

void call_everything(TkGraph graph)
{
    uint8_t paint[64] = {};
    int32_t point[2] = {7, 7};
    int32_t poly[] = {0, 0, 5, 5, 0, 5};
    EXPECT_EQ(TkShowGraph(graph), 0);
    EXPECT_EQ(TkHideGraph(graph), 0);
    EXPECT_EQ(TkGetGraphHWnd(graph), 0u);
    EXPECT_EQ(TkWindowWidth(graph), 0);
    EXPECT_EQ(TkWindowHeight(graph), 0);
    EXPECT_EQ(TkSetDrawingMode(graph, 2), 0);
    TkRedrawToWindow(graph);
    TkRedrawToRect(graph, 0, 0, 5, 5);
    TkDispatchToWindow(graph);
    TkDispatchToRect(graph, 0, 0, 5, 5);
    EXPECT_EQ(TkResize(graph, 0, 0, 50, 50), 0);
    TkSetMessageRoute(graph, 1);
    EXPECT_EQ(TkGetPaintInfo(graph, paint), paint);
    EXPECT_EQ(TkGetMousePos(graph, point), point);
    EXPECT_EQ(point[0], 7);
    EXPECT_EQ(TkSetMouseShape(graph, 2), 0);
    EXPECT_EQ(TkSetWaiting(graph, 1), 0);
    TkKelvoStyle(graph, 1);
    TkDefaults(graph);
    TkPen(graph, 0, 1, 1);
    TkGraphColor(graph, 0);
    TkBackColor(graph, 0);
    TkWritemode(graph, 5);
    TkClearWindow(graph);
    TkGpFill(graph, 0, 0, 5, 5, 0, 1);
    TkGpPixel(graph, 1, 1);
    TkGpColorPixel(graph, 1, 1, 0);
    TkGpLine(graph, 0, 0, 5, 5);
    TkGpRectangle(graph, 0, 0, 5, 5, 1);
    TkGpPoly(graph, 3, poly, 1);
    TkGpCircle(graph, 5, 5, 3, 1);
    TkFont(graph, 1, 1, 10);
    TkFont2(graph, 1, 1, 10, 2);
    TkTextColor(graph, 0);
    EXPECT_EQ(TkTextJustified(graph, 2), 0);
    TkGpText(graph, 1, 10, "text");
    EXPECT_EQ(TkEndTextX(graph), 0);
    EXPECT_EQ(TkEndTextY(graph), 0);
    EXPECT_EQ(TkCellWidth(graph), 0);
    EXPECT_EQ(TkCellHeight(graph), 0);
    EXPECT_EQ(TkGetImage(graph, 0, 0, 5, 5), 0u);
    TkPutImage(graph, 0, 0, 0, 1);
    TkScrollRect(graph, 0, 0, 5, 5, 1, 1);
    TkScrollWindow(graph, 1, 1);
    EXPECT_EQ(TkCloseGraph(graph), 0);
}

TEST_F(GraphTest, BadGraphIdentifiersDoNothing)
{
    TkGraph live = open(30, 30, 2);
    TkGraph closed = open(30, 30, 2);
    TkCloseGraph(closed);
    for (TkGraph bad : {TkGraph{0}, closed, TkGraph{0x12345678}, live + 1})
        call_everything(bad);
    EXPECT_EQ(count_shown(live, 0), 30 * 30) << "the live graph was not touched";
    EXPECT_EQ(TkWindowWidth(live), 30);
    ShowAboutBox(0, nullptr);
}

} // namespace
} // namespace kelvo::testing
