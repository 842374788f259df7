// Message routes: what a route must not do when the graph goes away or the route leads back.

#include <climits>

#include "graph_test_fixture.h"

#include "lib/window/graph_window.h"
#include "platform/window/window.h"

namespace kelvo::testing {
namespace {

// Used to reach the route after the parent's paint notification had closed the graph.
TEST_F(GraphTest, APaintThatClosesTheGraphIsNotRoutedAfterwards)
{
    TkGraph graph = open(80, 60, 2);
    TkWnd const route = KpCreateHeadlessHost(20, 20);
    int routed = 0;
    kp::set_host_message_handler(route, [&](kp::WindowHandle, uint32_t number, kp::WParam, kp::LParam) {
        routed += number == kp::message::paint;
        return kp::LResult{0};
    });
    kp::set_host_message_handler(host, [&](kp::WindowHandle, uint32_t number, kp::WParam, kp::LParam value) {
        if (number == paint_notification)
            TkCloseGraph(static_cast<TkGraph>(value));
        return kp::LResult{0};
    });
    TkSetMessageRoute(graph, route);
    KpExpose(host, 0, 0, 299, 239);
    KpUpdate();
    EXPECT_EQ(find_graph(graph), nullptr);
    EXPECT_EQ(routed, 0);
    kp::set_host_message_handler(route, {});
    KpDestroyWindow(route);
}

// A route to the graph's own window, or a cycle through other graphs, used to recurse until
// the stack overflowed on the first paint or mouse press.
TEST_F(GraphTest, RoutesThatLeadBackEndWhereTheyStarted)
{
    TkGraph first = open(80, 60, 2, 0, 0);
    TkGraph second = open(80, 60, 2, 100, 0);
    TkGraph third = open(80, 60, 2, 200, 0);
    TkSetMessageRoute(first, TkGetGraphHWnd(first));
    TkSetMessageRoute(second, TkGetGraphHWnd(third));
    TkSetMessageRoute(third, TkGetGraphHWnd(second));
    received.clear();

    KpExpose(host, 0, 0, 299, 239);
    KpUpdate();
    EXPECT_EQ(notifications(paint_notification).size(), 3u)
        << "each graph paints once: a routed paint that validates a graph stands for its own";

    received.clear();
    KpSendMouse(host, 513, 5, 5, 1);
    KpSendMouse(host, 513, 105, 5, 1);
    EXPECT_EQ(notifications(513 + 1024).size(), 3u) << "each press once, and once more on the second's route";
    EXPECT_NE(find_graph(first), nullptr);
    EXPECT_EQ(find_graph(second)->routing, false) << "the marks are cleared when the message returns";
}

TEST_F(GraphTest, HostileSizesOpenWithoutOverflow)
{
    for (int32_t flags : {1, 3}) {
        for (int32_t size : {INT32_MIN, INT32_MAX, INT32_MIN + 1}) {
            TkGraph graph = TkOpenGraph(host, 0, 0, size, 10, flags);
            if (flags == 1) {
                ASSERT_NE(graph, 0u) << "a graph without images opens at any size";
            }
            if (graph == 0)
                continue; // no images of that size: refused, as any failed allocation
            kp::Rect const client = kp::client_rect(TkGetGraphHWnd(graph));
            EXPECT_EQ(TkWindowWidth(graph), client.width) << "the graph records the window it got";
            TkGpLine(graph, 0, 0, INT32_MAX, 5);
            TkCloseGraph(graph);
        }
    }
    TkGraph far = TkOpenGraph(host, INT32_MAX - 5, INT32_MIN, INT32_MAX, INT32_MAX, 1 + 64);
    if (far != 0) {
        kp::Rect const client = kp::client_rect(TkGetGraphHWnd(far));
        EXPECT_EQ(TkWindowWidth(far), client.width);
        EXPECT_EQ(TkWindowHeight(far), client.height);
    }
}

} // namespace
} // namespace kelvo::testing
