// Window frames anywhere in 32 bits, nested to any depth. The sanitizer build turns any
// overflow in the tree's geometry into a failure; the checks say what must hold anyway:
// a host point reaches exactly the window that shows there, windows far outside the host
// show, paint and receive nothing, and sums that pass through huge values land exactly.

#include <climits>
#include <random>
#include <vector>

#include "platform/graphics/device_context_text.h"
#include "platform/graphics/graphics_objects.h"
#include "platform/graphics/object_guards.h"
#include "platform/kelvoplatform.h"
#include "platform/window/window_device_context.h"
#include "window_test_fixture.h"

namespace kp::testing {
namespace {

constexpr int32_t low = INT32_MIN;
constexpr int32_t high = INT32_MAX;
constexpr int32_t two_to_29 = 1 << 29;
constexpr int32_t two_to_30 = 1 << 30;
constexpr uint32_t outside = 0xFFFFFFFF;
Color const red = Color::from_rgb(255, 0, 0);

// Every path of the window system that computes with a window's position, once.
void exercise(WindowHandle window)
{
    invalidate_window(window);
    invalidate_rect(window, {low, low, high, high});
    invalidate_rect(window, {high - 1, high - 1, high, high});
    DeviceContext* context = window_device_context(window);
    ASSERT_NE(context, nullptr);
    OwnedObject brush(create_solid_brush(red));
    ScopedSelection with_brush(*context, brush.get());
    context->rectangle({low, low, high, high});
    context->move_to({low, high});
    context->line_to({high, low});
    context->set_pixel({0, 0}, red);
    context->paint_region(Region(Rect{0, 0, 5, 5}));
    (void)context->scroll({0, 0, 10, 10}, 3, 3, {0, 0, 20, 20});
    draw_text(*context, {high - 5, low}, "far away");
    OwnedObject clip(create_rect_region({low, low, high, high}));
    context->select_clip_region(clip.get());
    context->rectangle({-3, -3, 9, 9});
    context->select_clip_region(0);
    (void)KpGetPixel(window, 0, 0);
    (void)KpGetPixel(window, high, low);
    bring_to_top(window);
}

// Five nested windows at (2^29, 2^29) of size 2^29: the fourth one's origin is past 2^31.
TEST_F(WindowTest, DeeplyNestedWindowsFarOutsideShowAndReceiveNothing)
{
    std::vector<WindowHandle> chain;
    WindowHandle parent = host;
    for (int depth = 0; depth < 5; ++depth) {
        parent = child(parent, {two_to_29, two_to_29, two_to_29, two_to_29},
                       depth % 2 == 1 ? WindowStyle::Border : WindowStyle::None);
        ASSERT_NE(parent, 0u);
        chain.push_back(parent);
    }
    EXPECT_EQ(client_origin_in_host(chain[0]), (Point{two_to_29, two_to_29}));
    EXPECT_EQ(client_origin_in_host(chain[1]), (Point{two_to_30 + 1, two_to_30 + 1}));
    EXPECT_EQ(client_origin_in_host(chain[2]), (Point{3 * two_to_29 + 1, 3 * two_to_29 + 1}));
    EXPECT_EQ(client_origin_in_host(chain[3]), (Point{high, high})) << "past 2^31: clamped";
    update_all_windows();
    for (WindowHandle window : chain) {
        exercise(window);
        EXPECT_TRUE(visible_region(window).is_empty());
        EXPECT_EQ(KpGetPixel(window, 0, 0), outside);
        EXPECT_TRUE(move_window(window, {high, low, high, high}, Repaint::Yes));
        EXPECT_TRUE(move_window(window, {two_to_29, two_to_29, two_to_29, two_to_29}, Repaint::Yes));
    }
    update_all_windows();
    for (int32_t x : {0, 100, 199})
        KpSendMouse(host, message::left_button_down, x, x / 2, 0);
    for (WindowHandle window : chain) {
        EXPECT_TRUE(received(window, message::left_button_down).empty());
        EXPECT_TRUE(received(window, message::paint).empty()) << "nothing of it shows";
    }
    for (uint32_t pixel : host_framebuffer(host)->pixels())
        ASSERT_EQ(pixel, colors::white.pixel());
    destroy_window(chain[0]);
    for (WindowHandle window : chain)
        EXPECT_FALSE(is_window(window));
}

// A window reaching from near -2^30 to the host, and in it a bordered one whose frame
// starts 2^30 - 23 further on: the huge offsets cancel, it lands at (-3, -3) and shows
// exactly there.
TEST_F(WindowTest, HugeOffsetsThatCancelLandExactly)
{
    WindowHandle huge = child(host, {-two_to_30 + 20, -two_to_30 + 20, two_to_30 - 1, two_to_30 - 1});
    WindowHandle near = child(huge, {two_to_30 - 23, two_to_30 - 23, 20, 20}, WindowStyle::Border);
    EXPECT_EQ(client_origin_in_host(near), (Point{-2, -2}));
    update_all_windows();
    DeviceContext& context = *window_device_context(near);
    OwnedObject brush(create_solid_brush(red));
    OwnedObject pen(create_pen(PenStyle::Solid, 1, red));
    ScopedSelection with_brush(context, brush.get());
    ScopedSelection with_pen(context, pen.get());
    context.rectangle(client_rect(near));
    Surface const& framebuffer = *host_framebuffer(host);
    EXPECT_EQ(framebuffer.pixel({0, 0}), red);
    EXPECT_EQ(framebuffer.pixel({15, 15}), red);
    EXPECT_EQ(framebuffer.pixel({16, 5}), colors::black) << "the border";
    EXPECT_EQ(KpGetPixel(near, 2, 2), red.to_interface());
    EXPECT_EQ(KpGetPixel(near, 1, 1), outside) << "client (1, 1) is host (-1, -1)";
    KpSendMouse(host, message::left_button_down, 0, 0, 0);
    auto down = received(near, message::left_button_down);
    ASSERT_EQ(down.size(), 1u);
    EXPECT_EQ(down[0].value, pack_point(2, 2));
}

// Random trees of windows with frames drawn from the extremes and from small values. Every
// host pixel reaches the window whose visible region holds it, in that window's client
// coordinates, and no other.
TEST_F(WindowTest, ExtremeFramesAtEveryDepthKeepHitsAndVisibleRegionsInAgreement)
{
    resize_host(host, {24, 18});
    int32_t const positions[] = {low, low + 1, -two_to_30, -two_to_29, -7, 0, 3, 12, two_to_29, two_to_30, high - 1, high};
    int32_t const sizes[] = {low, -1, 0, 5, 20, two_to_29, high};
    std::mt19937 random(29);
    auto pick_position = [&] {
        return random() % 2 == 0 ? static_cast<int32_t>(random() % 20) - 4 : positions[random() % std::size(positions)];
    };
    auto pick_size = [&] {
        return random() % 2 == 0 ? static_cast<int32_t>(random() % 25) : sizes[random() % std::size(sizes)];
    };
    for (int round = 0; round < 40; ++round) {
        std::vector<WindowHandle> windows;
        int const count = 1 + static_cast<int>(random() % 8);
        for (int i = 0; i < count; ++i) {
            WindowHandle const parent = windows.empty() || random() % 4 == 0 ? host : windows[random() % windows.size()];
            Rect const frame{pick_position(), pick_position(), pick_size(), pick_size()};
            WindowHandle const window = child(parent, frame, random() % 2 == 0 ? WindowStyle::Border : WindowStyle::None);
            ASSERT_NE(window, 0u);
            windows.push_back(window);
        }
        for (WindowHandle window : windows)
            exercise(window);
        update_all_windows();

        std::vector<Region> visible;
        for (WindowHandle window : windows)
            visible.push_back(visible_region(window));
        for (int32_t y = 0; y < 18; ++y)
            for (int32_t x = 0; x < 24; ++x) {
                WindowHit const hit = hit_test(host, {x, y});
                for (std::size_t i = 0; i < windows.size(); ++i)
                    ASSERT_EQ(visible[i].contains({x, y}), hit.window == windows[i] && hit.area == HitArea::Client)
                        << "round " << round << " window " << i << " at " << x << "," << y;
                log.clear();
                KpSendMouse(host, message::mouse_move, x, y, 0);
                bool const reaches_a_child = hit.area == HitArea::Client && hit.window != host;
                ASSERT_EQ(log.size(), reaches_a_child ? 1u : 0u) << "round " << round << " at " << x << "," << y;
                if (reaches_a_child) {
                    Point const origin = client_origin_in_host(hit.window);
                    EXPECT_EQ(log[0].window, hit.window);
                    EXPECT_EQ(log[0].value, pack_point(x - origin.x, y - origin.y));
                }
            }
        for (WindowHandle window : windows)
            destroy_window(window);
        log.clear();
    }
}

} // namespace
} // namespace kp::testing
