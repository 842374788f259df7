#include "platform/kelvoplatform.h"

#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "platform/box/message_box.h"
#include "platform/window/host.h"
#include "platform/window/window.h"
#include "tests/platform/window/window_test_fixture.h"

namespace {

TEST(HeadlessHost, StartsWhiteAndAnswersOutsidePointsWithAllOnes)
{
    TkWnd host = KpCreateHeadlessHost(40, 30);
    ASSERT_NE(host, 0u);
    EXPECT_EQ(KpGetPixel(host, 0, 0), 0x00FFFFFFu);
    EXPECT_EQ(KpGetPixel(host, 39, 29), 0x00FFFFFFu);
    EXPECT_EQ(KpGetPixel(host, 40, 0), 0xFFFFFFFFu);
    EXPECT_EQ(KpGetPixel(host, -1, 5), 0xFFFFFFFFu);
    kp::host_framebuffer(host)->set_pixel({3, 4}, kp::Color::from_rgb(0x11, 0x22, 0x33));
    EXPECT_EQ(KpGetPixel(host, 3, 4), 0x00332211u) << "colours come back as 0x00BBGGRR";
    KpDestroyWindow(host);
    EXPECT_EQ(KpGetPixel(host, 0, 0), 0xFFFFFFFFu);
}

TEST(HeadlessHost, RefusesImpossibleSizes)
{
    EXPECT_EQ(KpCreateHeadlessHost(-1, 10), 0u);
    EXPECT_EQ(KpCreateHeadlessHost(100000, 100000), 0u);
    TkWnd empty = KpCreateHeadlessHost(0, 0);
    EXPECT_EQ(KpGetPixel(empty, 0, 0), 0xFFFFFFFFu);
    KpDestroyWindow(empty);
}

TEST(HeadlessHost, ExposeRepaintsTheIncludedRectangle)
{
    TkWnd host = KpCreateHeadlessHost(20, 20);
    kp::host_framebuffer(host)->fill(kp::colors::black);
    KpExpose(host, 2, 2, 4, 3);
    KpUpdate();
    EXPECT_EQ(KpGetPixel(host, 2, 2), 0x00FFFFFFu);
    EXPECT_EQ(KpGetPixel(host, 4, 3), 0x00FFFFFFu) << "x2 and y2 belong to the rectangle";
    EXPECT_EQ(KpGetPixel(host, 5, 3), 0u);
    EXPECT_EQ(KpGetPixel(host, 4, 4), 0u);
    KpDestroyWindow(host);
}

TEST(HeadlessHost, BadHandlesDoNothing)
{
    for (TkWnd bad : {TkWnd{0}, TkWnd{12345}}) {
        KpDestroyWindow(bad);
        KpSendMouse(bad, 513, 1, 1, 0);
        KpExpose(bad, 0, 0, 10, 10);
        EXPECT_EQ(KpGetPixel(bad, 0, 0), 0xFFFFFFFFu);
    }
    KpUpdate();
    KpSendMouse(0, 99, 0, 0, 0);
}

TEST(MessageBoxes, AProgramsBoxGoesWhereTheLibrarysBoxesGo)
{
    std::vector<kp::MessageBoxRequest> shown;
    kp::MessageBoxHandler const previous = kp::set_message_box_handler([&](kp::MessageBoxRequest const& request) {
        shown.push_back(request);
        return request.buttons == kp::MessageBoxButtons::YesNo ? kp::MessageBoxAnswer::No : kp::MessageBoxAnswer::Ok;
    });
    EXPECT_EQ(KpMessageBox("Saved.", "Kelvotour", 0, 1), 1);
    EXPECT_EQ(KpMessageBox("Again?", "Question", 2, 3), 7);
    EXPECT_EQ(KpMessageBox(nullptr, nullptr, 99, -1), 1) << "unknown numbers give OK and no icon";
    kp::set_message_box_handler(previous);

    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].text, "Saved.");
    EXPECT_EQ(shown[0].caption, "Kelvotour");
    EXPECT_EQ(shown[0].icon, kp::MessageBoxIcon::Information);
    EXPECT_EQ(shown[1].buttons, kp::MessageBoxButtons::YesNo);
    EXPECT_EQ(shown[1].icon, kp::MessageBoxIcon::Stop);
    EXPECT_EQ(shown[2].text, "");
    EXPECT_EQ(shown[2].buttons, kp::MessageBoxButtons::Ok);
    EXPECT_EQ(shown[2].icon, kp::MessageBoxIcon::None);

    EXPECT_EQ(KpMessageBox("headless", "no presenter", 3, 0), 6) << "without a presenter, the first button";
}

} // namespace

namespace kp::testing {
namespace {

// A rectangle read at once holds what KpGetPixel reads point by point: inside the window,
// across each of its edges, and wholly outside it.
TEST_F(WindowTest, PixelsOfARectangleAreThoseReadOneByOne)
{
    std::mt19937 random(26);
    Surface& framebuffer = *host_framebuffer(host);
    for (int32_t y = 0; y < framebuffer.size().height; ++y)
        for (int32_t x = 0; x < framebuffer.size().width; ++x)
            framebuffer.at(x, y) = random() & 0x00FFFFFF;
    WindowHandle framed = child(host, {30, 20, 60, 40}, WindowStyle::Border);
    framebuffer.at(31, 21) = 0x00123456; // the framed window's first client pixel

    for (WindowHandle window : {host, framed}) {
        for (Rect asked : {Rect{0, 0, 58, 38}, Rect{-5, -3, 20, 10}, Rect{50, 30, 20, 15}, Rect{-10, 0, 300, 200},
                           Rect{400, 400, 3, 2}, Rect{7, 7, 0, 4}}) {
            std::vector<uint32_t> colours(static_cast<std::size_t>(asked.area()) + 1, 0xABCDEFu);
            ASSERT_EQ(KpGetPixels(window, asked.x, asked.y, asked.width, asked.height, colours.data()), 0);
            for (int32_t j = 0; j < asked.height; ++j)
                for (int32_t i = 0; i < asked.width; ++i)
                    ASSERT_EQ(colours[static_cast<std::size_t>(j * asked.width + i)],
                              KpGetPixel(window, asked.x + i, asked.y + j))
                        << "window " << window << ", point " << asked.x + i << ", " << asked.y + j;
            EXPECT_EQ(colours.back(), 0xABCDEFu) << "nothing is written past the rectangle";
        }
    }
    uint32_t first = 0;
    ASSERT_EQ(KpGetPixels(framed, 0, 0, 1, 1, &first), 0);
    EXPECT_EQ(first, 0x00563412u) << "colours come back as 0x00BBGGRR";
}

TEST_F(WindowTest, PixelsOfABadRequestAreNotWritten)
{
    uint32_t colour = 7;
    EXPECT_EQ(KpGetPixels(0, 0, 0, 1, 1, &colour), -1);
    EXPECT_EQ(KpGetPixels(12345, 0, 0, 1, 1, &colour), -1);
    EXPECT_EQ(KpGetPixels(host, 0, 0, -1, 1, &colour), -1);
    EXPECT_EQ(KpGetPixels(host, 0, 0, 1, -1, &colour), -1);
    EXPECT_EQ(KpGetPixels(host, 0, 0, 1, 1, nullptr), -1);
    EXPECT_EQ(colour, 7u);
}

} // namespace
} // namespace kp::testing
