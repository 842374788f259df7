#include "window_test_fixture.h"

namespace kp::testing {
namespace {

TEST_F(WindowTest, VisibleRegionExcludesSiblingsAboveAndChildren)
{
    WindowHandle below = child(host, {10, 10, 100, 80});
    WindowHandle above = child(host, {60, 40, 100, 80});
    WindowHandle inner = child(below, {5, 5, 10, 10});

    Region visible = visible_region(below);
    EXPECT_TRUE(visible.contains({10, 10}));
    EXPECT_FALSE(visible.contains({60, 40})) << "the sibling on top owns its pixels";
    EXPECT_FALSE(visible.contains({15, 15})) << "the child owns its pixels";
    EXPECT_TRUE(visible.contains({25, 25}));
    EXPECT_EQ(visible.area(), 100 * 80 - 50 * 50 - 10 * 10);

    EXPECT_EQ(visible_region(above).area(), 100 * 80);
    WindowHandle edge = child(host, {180, 140, 50, 50});
    EXPECT_EQ(visible_region(edge).area(), 20 * 10) << "clipped to the host";
    EXPECT_EQ(visible_region(inner).bounds(), (Rect{15, 15, 10, 10}));

    bring_to_top(below);
    EXPECT_TRUE(visible_region(below).contains({60, 40}));
    EXPECT_FALSE(visible_region(above).contains({60, 40}));
}

TEST_F(WindowTest, BorderShrinksTheClientAreaAndIsPainted)
{
    WindowHandle framed = child(host, {10, 10, 20, 20}, WindowStyle::Border);
    EXPECT_EQ(client_rect(framed), (Rect{0, 0, 18, 18}));
    EXPECT_EQ(client_origin_in_host(framed), (Point{11, 11}));
    Surface const& framebuffer = *host_framebuffer(host);
    EXPECT_EQ(framebuffer.pixel({10, 10}), colors::black);
    EXPECT_EQ(framebuffer.pixel({29, 29}), colors::black);
    EXPECT_EQ(framebuffer.pixel({30, 30}), colors::white);
}

TEST_F(WindowTest, HiddenWindowsAndTheirChildrenShowNothing)
{
    WindowHandle parent = child(host, {0, 0, 50, 50});
    WindowHandle inner = child(parent, {0, 0, 10, 10});
    EXPECT_EQ(show_window(parent, Visibility::Hidden), Visibility::Shown);
    EXPECT_EQ(show_window(parent, Visibility::Hidden), Visibility::Hidden);
    EXPECT_TRUE(visible_region(inner).is_empty());
    EXPECT_EQ(window_at(host, {5, 5}), host);
    EXPECT_EQ(show_window(parent, Visibility::Shown), Visibility::Hidden);
    EXPECT_EQ(window_at(host, {5, 5}), inner);
}

TEST_F(WindowTest, ExtraWordsHoldValuesWithinTheClassExtraBytes)
{
    WindowHandle window = child(host, {0, 0, 10, 10});
    EXPECT_EQ(set_window_word(window, 0, 1234), 0);
    EXPECT_EQ(set_window_word(window, 4, -5), 0);
    EXPECT_EQ(get_window_word(window, 0), 1234);
    EXPECT_EQ(get_window_word(window, 4), -5);
    EXPECT_EQ(set_window_word(window, 5, 1), 0) << "past the 8 extra bytes";
    EXPECT_EQ(get_window_word(window, -1), 0);
}

TEST_F(WindowTest, DestroyingAParentDestroysEachChildAfterIt)
{
    WindowHandle parent = child(host, {0, 0, 100, 100});
    WindowHandle first = child(parent, {0, 0, 10, 10});
    WindowHandle second = child(parent, {20, 0, 10, 10});
    WindowHandle grandchild = child(first, {0, 0, 5, 5});
    destroy_window(parent);
    std::vector<WindowHandle> order;
    for (Received const& r : log)
        if (r.number == message::destroy)
            order.push_back(r.window);
    EXPECT_EQ(order, (std::vector<WindowHandle>{parent, first, grandchild, second}));
    for (WindowHandle gone : {parent, first, second, grandchild}) {
        EXPECT_FALSE(is_window(gone));
        EXPECT_EQ(send_message(gone, message::user, 0, 0), 0);
    }
    // A new window never takes an old handle.
    WindowHandle fresh = child(host, {0, 0, 10, 10});
    EXPECT_NE(fresh, parent);
    EXPECT_NE(fresh, grandchild);
}

TEST_F(WindowTest, TheDestroyMessageArrivesWhileTheHandleStillWorks)
{
    WindowHandle window = child(host, {0, 0, 10, 10});
    set_window_word(window, 0, 77);
    int32_t word_seen = 0;
    reactions[window] = [&](uint32_t number, WParam, LParam) -> std::optional<LResult> {
        if (number == message::destroy)
            word_seen = get_window_word(window, 0);
        return std::nullopt;
    };
    destroy_window(window);
    EXPECT_EQ(word_seen, 77);
}

TEST_F(WindowTest, CreationFailsCleanlyForBadParentsAndClasses)
{
    set_last_error(0);
    EXPECT_EQ(create_window({plain_class, 0, {0, 0, 10, 10}, WindowStyle::None}), 0u);
    EXPECT_EQ(last_error(), error_code::invalid_window_handle);
    EXPECT_EQ(create_window({"NoSuchClass", host, {0, 0, 10, 10}, WindowStyle::None}), 0u);
    EXPECT_EQ(last_error(), error_code::class_does_not_exist);
    WindowHandle window = create_window({"testwindow", host, {0, 0, -10, 10}, WindowStyle::None});
    ASSERT_NE(window, 0u) << "class names ignore case";
    EXPECT_TRUE(client_rect(window).is_empty()) << "negative sizes count as 0";
}

TEST_F(WindowTest, BadHandlesDoNothing)
{
    WindowHandle gone = child(host, {0, 0, 10, 10});
    destroy_window(gone);
    for (WindowHandle bad : {WindowHandle{0}, gone, WindowHandle{0xFFFFFF00}}) {
        destroy_window(bad);
        EXPECT_FALSE(move_window(bad, {0, 0, 5, 5}, Repaint::Yes));
        EXPECT_EQ(show_window(bad, Visibility::Shown), Visibility::Hidden);
        EXPECT_FALSE(bring_to_top(bad));
        EXPECT_EQ(parent_of(bad), 0u);
        EXPECT_TRUE(client_rect(bad).is_empty());
        EXPECT_TRUE(visible_region(bad).is_empty());
        EXPECT_EQ(set_window_word(bad, 0, 1), 0);
        invalidate_window(bad);
        update_window(bad);
        begin_paint(bad);
        end_paint(bad);
        send_mouse(bad, message::left_button_down, {1, 1}, 0);
        expose_host(bad, {0, 0, 10, 10});
        resize_host(bad, {10, 10});
        EXPECT_EQ(host_framebuffer(bad), nullptr);
    }
}

} // namespace
} // namespace kp::testing
