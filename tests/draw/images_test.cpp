#include "tests/window/graph_test_fixture.h"

#include "lib/window/graph_window.h"
#include "platform/graphics/graphics_objects.h"

namespace kelvo::testing {
namespace {

TkColor const black = 0;
TkColor const white = 0x00FFFFFF;
TkColor const red = 0x000000FF;

TEST_F(GraphTest, ImagesOfEmptyAndSinglePixelRectangles)
{
    TkGraph graph = open(50, 50, 2);
    EXPECT_EQ(TkGetImage(graph, 10, 10, 9, 20), 0u);
    EXPECT_EQ(TkGetImage(graph, 10, 20, 10, 19), 0u);
    TkImage one = TkGetImage(graph, 10, 10, 10, 10);
    ASSERT_NE(one, 0u);
    EXPECT_EQ(kp::bitmap_size(one), (kp::Size{1, 1}));
    EXPECT_EQ(TkClearImage(one), 1);
    EXPECT_EQ(TkClearImage(one), 0);
    EXPECT_EQ(TkGetImage(graph, INT32_MIN, 0, INT32_MAX, 0), 0u) << "too wide to make";
}

TEST_F(GraphTest, ImagesCopyTheFirstTargetAndComeBackWithEachMode)
{
    TkGraph graph = open(50, 50, 4);
    TkGpFill(graph, 0, 0, 9, 9, red, 1);
    TkImage image = TkGetImage(graph, 0, 0, 9, 9);
    ASSERT_NE(image, 0u);
    TkDispatchToWindow(graph);
    TkPutImage(graph, 20, 20, image, 1);
    TkDispatchToWindow(graph);
    EXPECT_EQ(shown(graph, 25, 25), red) << "mode 4 images hold what was drawn, dispatched or not";
    TkPutImage(graph, 20, 20, image, 5);
    TkPutImage(graph, 20, 20, image, 5);
    TkDispatchToWindow(graph);
    EXPECT_EQ(shown(graph, 25, 25), red) << "xor twice restores";
    TkPutImage(graph, 30, 30, image, 2);
    TkDispatchToWindow(graph);
    EXPECT_EQ(shown(graph, 35, 35), (~red) & 0x00FFFFFF);
    for (int32_t mode : {0, 6})
        TkPutImage(graph, 0, 20, image, mode);
    TkPutImage(graph, 0, 20, 0, 1);
    TkDispatchToWindow(graph);
    EXPECT_EQ(shown(graph, 5, 25), black);
    EXPECT_EQ(TkClearImage(image), 1);
}

TEST_F(GraphTest, AnImageMovesBetweenGraphs)
{
    TkGraph first = open(40, 40, 2, 0, 0);
    TkGraph second = open(40, 40, 1, 100, 0);
    TkGpFill(first, 0, 0, 4, 4, red, 1);
    TkImage image = TkGetImage(first, 0, 0, 4, 4);
    TkCloseGraph(first);
    TkPutImage(second, 30, 30, image, 1);
    EXPECT_EQ(shown(second, 34, 34), red);
    EXPECT_EQ(shown(second, 35, 35), black);
    TkClearImage(image);
}

TEST_F(GraphTest, ClearImageDeletesOnlyFreeStandingImages)
{
    TkGraph graph = open(40, 40, 2);
    uint32_t const retained = find_graph(graph)->image_contexts[0]->selected_object(kp::ObjectKind::Bitmap);
    EXPECT_EQ(TkClearImage(retained), 0) << "a graph's own image stays";
    uint32_t const pen = kp::create_pen(kp::PenStyle::Solid, 1, kp::colors::black);
    EXPECT_EQ(TkClearImage(pen), 0) << "not an image";
    EXPECT_TRUE(kp::delete_object(pen));
    EXPECT_EQ(TkClearImage(0), 0);
    EXPECT_EQ(TkClearImage(0xDEADBEEF), 0);
}

TEST_F(GraphTest, ScrollingUpPaintsTheBottomRowsInTheBackColour)
{
    TkGraph graph = open(60, 50, 2);
    TkGpFill(graph, 0, 0, 59, 49, white, 1);
    TkGpFill(graph, 0, 20, 59, 20, red, 1);
    TkScrollWindow(graph, 0, -10);
    EXPECT_EQ(shown(graph, 30, 10), red) << "the picture moved up by 10";
    EXPECT_EQ(shown(graph, 30, 20), white);
    for (int32_t y = 40; y < 50; ++y)
        EXPECT_EQ(shown(graph, 30, y), black) << y;
    EXPECT_EQ(shown(graph, 30, 39), white);
    EXPECT_EQ(in_image(graph, Slot::RetainedImage, 30, 45), black) << "every target scrolls";
}

TEST_F(GraphTest, ScrollingFurtherThanTheRectanglePaintsAllOfIt)
{
    TkGraph graph = open(60, 50, 2);
    TkGpFill(graph, 0, 0, 59, 49, white, 1);
    TkScrollRect(graph, 10, 10, 19, 19, 0, 15);
    EXPECT_EQ(count_shown(graph, black), 100);
    EXPECT_EQ(shown(graph, 9, 9), white);
    TkScrollRect(graph, 30, 30, 29, 40, 0, 1); // x2 < x1: nothing
    EXPECT_EQ(count_shown(graph, black), 100);
}

TEST_F(GraphTest, ScrollingInModeThreeWaitsForTheDispatch)
{
    TkGraph graph = open(60, 50, 3);
    TkGpFill(graph, 0, 0, 59, 49, white, 1);
    TkDispatchToWindow(graph);
    TkScrollWindow(graph, 5, 0);
    EXPECT_EQ(shown(graph, 2, 10), white);
    TkDispatchToWindow(graph);
    EXPECT_EQ(shown(graph, 2, 10), black);
}

TEST_F(GraphTest, ScrollingStopsWhenTheParentClosesTheGraphOnThePaintItDelivers)
{
    // Scrolling delivers the pending paint first; its notification freed the graph under the scroll.
    TkGraph graph = open(60, 50, 2);
    kp::set_host_message_handler(host, [](kp::WindowHandle, uint32_t number, kp::WParam, kp::LParam value) {
        if (number == paint_notification)
            TkCloseGraph(static_cast<TkGraph>(value));
        return kp::LResult{0};
    });
    KpExpose(host, 0, 0, 59, 49);
    TkScrollWindow(graph, 0, -10);
    EXPECT_EQ(TkGetGraphHWnd(graph), 0u) << "closed by its parent while scrolling";
}

} // namespace
} // namespace kelvo::testing
