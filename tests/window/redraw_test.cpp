#include "graph_test_fixture.h"

#include <algorithm>

#include "lib/window/graph_services.h"
#include "platform/graphics/graphics_objects.h"
#include "platform/window/cursor.h"

namespace kelvo::testing {
namespace {

TkColor const pen = 0x00787800; // style 0's pen: colour 3

TEST_F(GraphTest, ModesAreReachableUpToTheOpenedModesImageCount)
{
    struct Row {
        int32_t opened;
        std::vector<int32_t> reachable;
    };
    for (Row const& row : {Row{3, {1, 2, 3, 4}}, Row{2, {1, 2, 4}}, Row{4, {1, 2, 4}}, Row{1, {1}}}) {
        TkGraph graph = open(20, 20, row.opened);
        for (int32_t mode = 0; mode <= 5; ++mode) {
            TkSetDrawingMode(graph, row.opened);
            bool const allowed = std::find(row.reachable.begin(), row.reachable.end(), mode) != row.reachable.end();
            EXPECT_EQ(TkSetDrawingMode(graph, mode), allowed ? mode : row.opened)
                << "opened " << row.opened << ", asked " << mode;
        }
        TkCloseGraph(graph);
    }
}

TEST_F(GraphTest, SwitchingModeResetsAttributesAndClears)
{
    TkGraph graph = open(20, 20, 2);
    TkPen(graph, 0x000000FF, 3, 2);
    TkWritemode(graph, 5);
    TkGpFill(graph, 0, 0, 19, 19, 0x00FFFFFF, 1);
    EXPECT_EQ(TkSetDrawingMode(graph, 3), 2) << "mode 3 needs two images";
    EXPECT_EQ(find_graph(graph)->pen.style, 1);
    EXPECT_EQ(find_graph(graph)->write_mode, 1);
    EXPECT_EQ(shown(graph, 10, 10), colour(0)) << "cleared and dispatched";
}

TEST_F(GraphTest, ModeOneDrawsOnTheWindowAndRedrawLeavesItAlone)
{
    TkGraph graph = open(40, 30, 3);
    TkSetDrawingMode(graph, 1);
    TkGpLine(graph, 0, 5, 39, 5);
    EXPECT_EQ(shown(graph, 20, 5), pen);
    EXPECT_EQ(in_image(graph, Slot::RetainedImage, 20, 5), colour(0));
    TkRedrawToWindow(graph);
    TkRedrawToRect(graph, 0, 0, 39, 29);
    TkDispatchToWindow(graph);
    EXPECT_EQ(shown(graph, 20, 5), pen);
}

TEST_F(GraphTest, ModeTwoPaintsTheImageAndTheWindowAtOnce)
{
    TkGraph graph = open(40, 30, 2);
    TkGpLine(graph, 0, 5, 39, 5);
    EXPECT_EQ(shown(graph, 20, 5), pen);
    EXPECT_EQ(in_image(graph, Slot::RetainedImage, 20, 5), pen);
}

TEST_F(GraphTest, AfterAnExposureModeThreeShowsTheLastDispatchAndModeFourTheCurrentImage)
{
    TkGraph background = open(40, 30, 3, 0, 0);
    TkGraph delayed = open(40, 30, 4, 100, 0);
    for (TkGraph graph : {background, delayed}) {
        TkGpLine(graph, 0, 5, 39, 5);
        EXPECT_EQ(shown(graph, 20, 5), colour(0)) << "nothing reaches the window before a dispatch";
    }
    KpExpose(host, 0, 0, 299, 239);
    KpUpdate();
    EXPECT_EQ(shown(background, 20, 5), colour(0));
    EXPECT_EQ(shown(delayed, 20, 5), pen);
    TkDispatchToWindow(background);
    EXPECT_EQ(shown(background, 20, 5), pen);
    KpExpose(host, 0, 0, 299, 239);
    KpUpdate();
    EXPECT_EQ(shown(background, 20, 5), pen) << "the dispatch reached the shown image too";
}

TEST_F(GraphTest, DispatchOfAZeroWidthRectangleCopiesNothing)
{
    TkGraph graph = open(40, 30, 4);
    TkGpFill(graph, 0, 0, 39, 29, 0x00FFFFFF, 1);
    TkDispatchToRect(graph, 10, 0, 9, 29);
    TkDispatchToRect(graph, 10, 0, 5, 29);
    EXPECT_EQ(count_shown(graph, 0x00FFFFFF), 0);
    TkDispatchToRect(graph, 10, 0, 10, 29);
    EXPECT_EQ(count_shown(graph, 0x00FFFFFF), 30) << "x2 = x1 copies one column";
}

TEST_F(GraphTest, ResizeKeepsImagesThatStillFitAndRebuildsOthers)
{
    TkGraph graph = open(100, 80, 2);
    GraphRecord const* record = find_graph(graph);
    uint32_t const image = record->image_contexts[0]->selected_object(kp::ObjectKind::Bitmap);
    kp::Size const image_size{record->image_width, record->image_height};
    TkGpFill(graph, 0, 0, 99, 79, 0x00FFFFFF, 1);

    EXPECT_EQ(TkResize(graph, 5, 5, 110, 90), 1);
    EXPECT_EQ(TkWindowWidth(graph), 110);
    EXPECT_EQ(record->image_contexts[0]->selected_object(kp::ObjectKind::Bitmap), image);
    EXPECT_EQ(count_shown(graph, colour(0)), 110 * 90) << "cleared after every resize";

    EXPECT_EQ(TkResize(graph, 0, 0, 340, 230), 1); // wider than the 332 x 265 image
    EXPECT_NE(record->image_contexts[0]->selected_object(kp::ObjectKind::Bitmap), image);
    EXPECT_GE(record->image_width, 340);
    EXPECT_GE(record->image_height, 230);
    EXPECT_NE((kp::Size{record->image_width, record->image_height}), image_size);
    EXPECT_EQ(record->cursor_shape, 1) << "waiting is switched off again";
    EXPECT_EQ(shown(graph, 299, 229), colour(0));
}

TEST_F(GraphTest, MouseShapesAndWaiting)
{
    TkGraph graph = open(20, 20, 2);
    TkSetMouseShape(graph, 4);
    EXPECT_EQ(TkSetMouseShape(graph, 6), 4);
    EXPECT_EQ(find_graph(graph)->cursor_shape, 1);
    EXPECT_EQ(TkSetMouseShape(graph, 3), 1);
    EXPECT_EQ(TkSetMouseShape(graph, 8), 3) << "out of range: no change";
    EXPECT_EQ(TkSetMouseShape(graph, 0), 3);
    EXPECT_EQ(kp::find_cursor(kp::current_cursor())->shape, kp::CursorShape::Cross);
    TkSetWaiting(graph, 1);
    EXPECT_EQ(kp::find_cursor(kp::current_cursor())->shape, kp::CursorShape::Hourglass);
    EXPECT_EQ(TkSetWaiting(graph, 0), 2);
    EXPECT_EQ(find_graph(graph)->cursor_shape, 1);
    TkSetMouseShape(graph, 7);
    EXPECT_EQ(kp::current_cursor(), kp::load_named_cursor("TkDot"));
}

TEST_F(GraphTest, RouteNeedsAGraph)
{
    TkGraph graph = open(20, 20, 2);
    TkSetMessageRoute(0, host);
    EXPECT_EQ(find_graph(graph)->message_route, 0u);
}

} // namespace
} // namespace kelvo::testing
