#include "graph_test_fixture.h"

#include <cstring>

#include "lib/window/graph_window.h"
#include "platform/graphics/graphics_objects.h"
#include "platform/window/window.h"

namespace kelvo::testing {
namespace {

TEST_F(GraphTest, FlagsChooseModeBorderAndVisibility)
{
    TkGraph plain = open(100, 80, 3);
    EXPECT_EQ(find_graph(plain)->drawing_mode, DrawingMode::Background);
    EXPECT_TRUE(kp::is_visible(TkGetGraphHWnd(plain)));
    EXPECT_EQ(kp::client_rect(TkGetGraphHWnd(plain)), (kp::Rect{0, 0, 100, 80}));

    TkGraph framed = open(100, 80, 3 + 64);
    EXPECT_EQ(kp::client_rect(TkGetGraphHWnd(framed)), (kp::Rect{0, 0, 98, 78}));

    TkGraph hidden = open(100, 80, 128 + 2);
    EXPECT_EQ(find_graph(hidden)->drawing_mode, DrawingMode::AutoRedraw);
    EXPECT_FALSE(kp::is_visible(TkGetGraphHWnd(hidden)));
    EXPECT_EQ(TkShowGraph(hidden), 0) << "it was hidden before";
    EXPECT_TRUE(kp::is_visible(TkGetGraphHWnd(hidden)));
    EXPECT_EQ(TkShowGraph(hidden), 1);
    EXPECT_EQ(TkHideGraph(hidden), 1);

    for (int32_t flags : {0, 5, 6, 7})
        EXPECT_EQ(find_graph(open(10, 10, flags))->drawing_mode, DrawingMode::Foreground) << flags;
}

TEST_F(GraphTest, ImagesFollowTheOpenedMode)
{
    TkGraph two = open(400, 300, 2);
    GraphRecord const* record = find_graph(two);
    EXPECT_EQ(record->image_width, 516);
    EXPECT_EQ(record->image_height, 387);
    EXPECT_NE(record->context(Slot::RetainedImage), nullptr);
    EXPECT_EQ(record->context(Slot::ShownImage), nullptr);
    EXPECT_EQ(kp::bitmap_size(record->image_contexts[0]->selected_object(kp::ObjectKind::Bitmap)),
              (kp::Size{516, 387}));

    EXPECT_EQ(find_graph(open(50, 50, 1))->context(Slot::RetainedImage), nullptr);
    EXPECT_NE(find_graph(open(50, 50, 3))->context(Slot::ShownImage), nullptr);
}

TEST_F(GraphTest, NegativeSizesAreTakenAsTheirAbsoluteValues)
{
    TkGraph graph = open(-120, -90, 1);
    EXPECT_EQ(TkWindowWidth(graph), 120);
    EXPECT_EQ(TkWindowHeight(graph), 90);
    EXPECT_EQ(kp::client_rect(TkGetGraphHWnd(graph)).size(), (kp::Size{120, 90}));
}

TEST_F(GraphTest, OpenClearsTheWindowInTheStylesBackColour)
{
    TkGraph graph = open(60, 40, 2);
    EXPECT_EQ(shown(graph, 0, 0), colour(0)) << "style 0 draws on black";
    EXPECT_EQ(shown(graph, 59, 39), colour(0));
    EXPECT_EQ(count_shown(graph, colour(0)), 60 * 40);
}

TEST_F(GraphTest, AWindowThatCannotBeCreatedIsReportedInABox)
{
    ScriptedBoxes boxes(kp::MessageBoxAnswer::Ok);
    EXPECT_EQ(TkOpenGraph(0, 0, 0, 10, 10, 2), 0u);
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], "Fail to create graph window (1400)");
}

TEST_F(GraphTest, ImagesTooLargeToMakeFailTheOpeningAndFreeEverything)
{
    std::size_t const windows = kp::window_count();
    std::size_t const objects = kp::live_object_count();
    EXPECT_EQ(TkOpenGraph(host, 0, 0, 60000, 60000, 2), 0u);
    EXPECT_EQ(kp::window_count(), windows);
    EXPECT_EQ(kp::live_object_count(), objects);
}

TEST_F(GraphTest, PaintNotifiesTheParentAndTheRoute)
{
    TkGraph graph = open(80, 60, 2, 10, 20);
    TkSetMessageRoute(graph, host);
    received.clear();
    KpExpose(host, 0, 0, 299, 239);
    KpUpdate();
    auto paints = notifications(paint_notification);
    ASSERT_EQ(paints.size(), 1u);
    EXPECT_EQ(paints[0].value, graph);
    int routed = 0;
    for (Notification const& n : notifications(kp::message::paint))
        routed += n.value == graph;
    EXPECT_EQ(routed, 1) << "the route hears paint under its own number";
    uint8_t record[64];
    TkGetPaintInfo(graph, record);
    kp::PaintRecord paint;
    std::memcpy(&paint, record, sizeof paint);
    EXPECT_EQ(paint.paint_rect(), (kp::Rect{0, 0, 80, 60}));
}

TEST_F(GraphTest, MouseMessagesReachTheParentAsNumberPlus1024WithTheGraph)
{
    TkGraph graph = open(80, 60, 2, 10, 20);
    TkSetMessageRoute(graph, host);
    received.clear();
    KpSendMouse(host, 513, 10 + 5, 20 + 6, 1);
    auto clicks = notifications(513 + 1024);
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].value, graph);
    EXPECT_EQ(clicks[0].word, 1u);
    EXPECT_EQ(notifications(513).size(), 1u) << "the route hears the message under its own number";
    int32_t point[2] = {-1, -1};
    EXPECT_EQ(TkGetMousePos(graph, point), point);
    EXPECT_EQ(point[0], 5);
    EXPECT_EQ(point[1], 6);
    KpSendMouse(host, 515, 10 + 7, 20 + 8, 1);
    EXPECT_EQ(notifications(515 + 1024).size(), 1u) << "graph windows take double clicks";
}

TEST_F(GraphTest, AClosedGraphSendsNothingMore)
{
    TkGraph graph = open(80, 60, 2, 10, 20);
    EXPECT_EQ(TkCloseGraph(graph), 1);
    received.clear();
    KpSendMouse(host, 513, 15, 25, 1);
    KpExpose(host, 0, 0, 299, 239);
    KpUpdate();
    EXPECT_TRUE(notifications(513 + 1024).empty());
    EXPECT_TRUE(notifications(paint_notification).empty());
    EXPECT_EQ(TkCloseGraph(0), 0);
    EXPECT_EQ(TkCloseGraph(graph), 0) << "nothing left to close";
}

TEST_F(GraphTest, DestroyingTheParentFreesTheGraph)
{
    std::size_t const objects = kp::live_object_count();
    TkGraph graph = open(80, 60, 3);
    KpDestroyWindow(host);
    EXPECT_EQ(find_graph(graph), nullptr);
    EXPECT_EQ(TkWindowWidth(graph), 0);
    EXPECT_EQ(kp::live_object_count(), objects);
}

TEST_F(GraphTest, OpeningAndClosingTenThousandGraphsLeavesNothingBehind)
{
    std::size_t const windows = kp::window_count();
    std::size_t const objects = kp::live_object_count();
    for (int i = 0; i < 10000; ++i) {
        TkGraph graph = TkOpenGraph(host, 0, 0, 8, 6, 1 + i % 4);
        ASSERT_NE(graph, 0u);
        TkFont(graph, 1 + i % 5, 1, 10);
        TkGpText(graph, 1, 5, "x");
        ASSERT_EQ(TkCloseGraph(graph), 1);
    }
    EXPECT_EQ(kp::window_count(), windows);
    EXPECT_EQ(kp::live_object_count(), objects);
    EXPECT_EQ(graph_table().graphs.size(), 0u);
}

} // namespace
} // namespace kelvo::testing
