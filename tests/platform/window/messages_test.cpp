#include "platform/kelvoplatform.h"
#include "window_test_fixture.h"

namespace kp::testing {
namespace {

TEST_F(WindowTest, ExposingARectanglePaintsExactlyTheWindowsUnderIt)
{
    WindowHandle left = child(host, {0, 0, 50, 50});
    WindowHandle right = child(host, {100, 0, 50, 50});
    WindowHandle over_left = child(host, {30, 30, 40, 40});
    update_all_windows();
    paint_rects.clear();

    expose_host(host, {10, 10, 30, 10}); // host x 10..39, y 10..19
    update_all_windows();
    ASSERT_EQ(paint_rects[left].size(), 1u);
    EXPECT_EQ(paint_rects[left][0], (Rect{10, 10, 30, 10}));
    ASSERT_EQ(paint_rects[over_left].size(), 0u);
    EXPECT_EQ(paint_rects[right].size(), 0u);

    paint_rects.clear();
    expose_host(host, {20, 20, 20, 20}); // crosses into over_left, which covers part of left
    update_all_windows();
    ASSERT_EQ(paint_rects[left].size(), 1u);
    EXPECT_EQ(paint_rects[left][0], (Rect{20, 20, 20, 20})) << "bounding rectangle of an L-shaped part";
    ASSERT_EQ(paint_rects[over_left].size(), 1u);
    EXPECT_EQ(paint_rects[over_left][0], (Rect{0, 0, 10, 10})) << "client coordinates of the window";
    EXPECT_EQ(paint_rects[right].size(), 0u);
}

TEST_F(WindowTest, InvalidationsMergeIntoOnePaint)
{
    WindowHandle window = child(host, {0, 0, 50, 50});
    update_all_windows();
    paint_rects.clear();
    invalidate_rect(window, {0, 0, 5, 5});
    invalidate_rect(window, {10, 10, 5, 5});
    invalidate_rect(window, {45, 45, 20, 20}); // clipped to the client area
    update_window(window);
    ASSERT_EQ(paint_rects[window].size(), 1u);
    EXPECT_EQ(paint_rects[window][0], (Rect{0, 0, 50, 50}));
    update_window(window);
    EXPECT_EQ(paint_rects[window].size(), 1u) << "end paint validated the window";
}

TEST_F(WindowTest, HostBackgroundIsPaintedWhereNoChildCovers)
{
    WindowHandle window = child(host, {0, 0, 50, 50});
    Surface& framebuffer = *host_framebuffer(host);
    framebuffer.fill(Color::from_rgb(1, 2, 3));
    expose_host(host, {0, 0, 200, 150});
    update_all_windows();
    EXPECT_EQ(framebuffer.pixel({100, 100}), colors::white);
    EXPECT_EQ(framebuffer.pixel({10, 10}), Color::from_rgb(1, 2, 3)) << "the child paints its own pixels";
    EXPECT_TRUE(is_window(window));
}

TEST_F(WindowTest, MouseReachesTheWindowUnderThePointInClientCoordinates)
{
    WindowHandle outer = child(host, {10, 20, 100, 100}, WindowStyle::Border);
    WindowHandle inner = child(outer, {30, 30, 20, 20});
    send_mouse(host, message::left_button_down, {15, 25}, key_flags::left_button | key_flags::shift);
    auto down = received(outer, message::left_button_down);
    ASSERT_EQ(down.size(), 1u);
    EXPECT_EQ(down[0].word, key_flags::left_button | key_flags::shift);
    EXPECT_EQ(point_x(down[0].value), 4) << "15 - 10 - 1 for the border";
    EXPECT_EQ(point_y(down[0].value), 4);

    send_mouse(host, message::mouse_move, {10 + 1 + 30 + 3, 20 + 1 + 30 + 7}, 0);
    auto move = received(inner, message::mouse_move);
    ASSERT_EQ(move.size(), 1u);
    EXPECT_EQ(move[0].value, pack_point(3, 7));
    EXPECT_TRUE(received(outer, message::mouse_move).empty());
}

// A press on a border pixel used to arrive as a client message at (-1, -1).
TEST_F(WindowTest, APressOnABorderSendsNoClientMouseMessage)
{
    WindowHandle framed = child(host, {10, 20, 100, 100}, WindowStyle::Border);
    // A child reaching under the border does not take the border's points either.
    WindowHandle under = child(framed, {-5, -5, 30, 30});
    Point const border_points[] = {{10, 20}, {109, 20}, {10, 119}, {109, 119}, {60, 20}, {10, 60}, {109, 60}, {60, 119}};
    for (Point p : border_points) {
        for (int32_t number : {513, 514, 515, 512, 516, 519})
            KpSendMouse(host, number, p.x, p.y, 0);
        WindowHit const hit = hit_test(host, p);
        EXPECT_EQ(hit.window, framed) << p.x << "," << p.y;
        EXPECT_EQ(hit.area, HitArea::Border) << p.x << "," << p.y;
    }
    for (Received const& r : log)
        EXPECT_FALSE(is_mouse_message(r.number)) << "message " << r.number << " to " << r.window << " at "
                                                 << point_x(r.value) << "," << point_y(r.value);

    // Just inside the border the client area starts at (0, 0): the child's (5, 5) there.
    KpSendMouse(host, 513, 11, 21, 0);
    auto inside = received(under, message::left_button_down);
    ASSERT_EQ(inside.size(), 1u);
    EXPECT_EQ(inside[0].value, pack_point(5, 5));
    KpSendMouse(host, 513, 108, 118, 0);
    auto far_corner = received(framed, message::left_button_down);
    ASSERT_EQ(far_corner.size(), 1u);
    EXPECT_EQ(far_corner[0].value, pack_point(97, 97));
    EXPECT_EQ(hit_test(host, {108, 118}).area, HitArea::Client);
}

TEST_F(WindowTest, DoubleClicksReachOnlyClassesThatAskForThem)
{
    WindowHandle plain = child(host, {0, 0, 50, 50});
    WindowHandle asks = child(host, {100, 0, 50, 50}, WindowStyle::None, double_click_class);
    send_mouse(host, message::left_button_double_click, {10, 10}, 0);
    send_mouse(host, message::right_button_double_click, {110, 10}, 0);
    EXPECT_TRUE(received(plain, message::left_button_double_click).empty());
    EXPECT_EQ(received(plain, message::left_button_down).size(), 1u) << "a second button-down instead";
    EXPECT_EQ(received(asks, message::right_button_double_click).size(), 1u);
    EXPECT_TRUE(received(asks, message::right_button_down).empty());
}

TEST_F(WindowTest, SendIsSynchronousAndReentrant)
{
    WindowHandle first = child(host, {0, 0, 10, 10});
    WindowHandle second = child(host, {20, 0, 10, 10});
    reactions[first] = [&](uint32_t number, WParam word, LParam) -> std::optional<LResult> {
        if (number == message::user)
            return send_message(second, message::user + 1, word + 1, 0) + 100;
        return std::nullopt;
    };
    reactions[second] = [&](uint32_t number, WParam word, LParam) -> std::optional<LResult> {
        if (number == message::user + 1)
            return static_cast<LResult>(word * 2);
        return std::nullopt;
    };
    EXPECT_EQ(send_message(first, message::user, 20, 0), 142);
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[log.size() - 2].number, message::user);
    EXPECT_EQ(log.back().number, message::user + 1);
}

TEST_F(WindowTest, AWindowMayDestroyItselfWhileHandlingAMessage)
{
    WindowHandle window = child(host, {0, 0, 10, 10});
    WindowHandle inner = child(window, {0, 0, 5, 5});
    reactions[window] = [&](uint32_t number, WParam, LParam) -> std::optional<LResult> {
        if (number == message::left_button_down) {
            destroy_window(window);
            destroy_window(window);
            return 5;
        }
        return std::nullopt;
    };
    send_mouse(host, message::left_button_down, {8, 8}, 0);
    EXPECT_FALSE(is_window(window));
    EXPECT_FALSE(is_window(inner));
    EXPECT_EQ(received(window, message::destroy).size(), 1u);
    update_all_windows();
}

TEST_F(WindowTest, HostHandlerReceivesItsChildrensNotifications)
{
    std::vector<uint32_t> seen;
    set_host_message_handler(host, [&](WindowHandle, uint32_t number, WParam, LParam) {
        seen.push_back(number);
        return LResult{9};
    });
    EXPECT_EQ(send_message(host, 1039, 0, 0), 9);
    EXPECT_EQ(seen, (std::vector<uint32_t>{1039}));

    // A handler that only listens still leaves the host painted.
    seen.clear();
    host_framebuffer(host)->fill(colors::black);
    expose_host(host, {0, 0, 10, 10});
    update_all_windows();
    EXPECT_EQ(seen, (std::vector<uint32_t>{message::paint}));
    EXPECT_TRUE(update_region(host).is_empty());
    EXPECT_EQ(host_framebuffer(host)->pixel({5, 5}), colors::white);
    set_host_message_handler(host, {});
}

TEST_F(WindowTest, MovingWithRepaintUncoversTheOldPlace)
{
    WindowHandle mover = child(host, {0, 0, 20, 20});
    update_all_windows();
    Surface& framebuffer = *host_framebuffer(host);
    framebuffer.fill(Color::from_rgb(9, 9, 9));
    paint_rects.clear();
    move_window(mover, {50, 50, 30, 30}, Repaint::Yes);
    update_all_windows();
    EXPECT_EQ(framebuffer.pixel({5, 5}), colors::white) << "the host repainted the old place";
    ASSERT_EQ(paint_rects[mover].size(), 1u);
    EXPECT_EQ(paint_rects[mover][0], (Rect{0, 0, 30, 30}));
    EXPECT_EQ(received(mover, message::size).size(), 1u);
}

TEST_F(WindowTest, ResizingTheHostPaintsOnlyTheNewStrips)
{
    Surface& framebuffer = *host_framebuffer(host);
    framebuffer.set_pixel({5, 5}, colors::black);
    resize_host(host, {300, 150});
    update_all_windows();
    EXPECT_EQ(host_framebuffer(host)->size(), (Size{300, 150}));
    EXPECT_EQ(host_framebuffer(host)->pixel({5, 5}), colors::black);
    EXPECT_EQ(host_framebuffer(host)->pixel({250, 5}), colors::white);
}

} // namespace
} // namespace kp::testing
