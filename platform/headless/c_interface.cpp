// The C interface of headless hosts and message boxes. Each function's body runs through
// kp::c_boundary.

#include "platform/kelvoplatform.h"

#include <algorithm>

#include "platform/base/c_boundary.h"
#include "platform/box/message_box.h"
#include "platform/base/color.h"
#include "platform/base/rect.h"
#include "platform/raster/png_file.h"
#include "platform/window/host.h"
#include "platform/window/painting.h"
#include "platform/window/window.h"

namespace {

// Framebuffers above this many pixels are refused rather than attempted.
constexpr int64_t max_host_pixels = int64_t{1} << 26;

constexpr uint32_t outside = 0xFFFFFFFF;
constexpr int32_t bad_window = -1;
constexpr int32_t not_written = -2;

// KpMessageBox numbers its buttons and icons as the enums list them; a number beyond the
// last one gives the first (OK, no icon).
template <typename Choice>
Choice numbered(int32_t number, Choice last)
{
    return number >= 0 && number <= static_cast<int32_t>(last) ? static_cast<Choice>(number) : Choice{};
}

char const* text_or_empty(char const* text)
{
    return text == nullptr ? "" : text;
}

} // namespace

extern "C" {

TkWnd KpCreateHeadlessHost(int32_t width, int32_t height)
{
    return kp::c_boundary(TkWnd{0}, [&]() -> TkWnd {
        if (width < 0 || height < 0 || int64_t{width} * height > max_host_pixels)
            return 0;
        return kp::create_host({width, height});
    });
}

void KpDestroyWindow(TkWnd window)
{
    kp::c_boundary([&] { kp::destroy_window(window); });
}

void KpUpdate(void)
{
    kp::c_boundary([] { kp::update_all_windows(); });
}

uint32_t KpGetPixel(TkWnd window, int32_t x, int32_t y)
{
    return kp::c_boundary(outside, [&] {
        if (!kp::is_window(window) || !kp::client_rect(window).contains(kp::Point{x, y}))
            return outside;
        kp::Surface const* framebuffer = kp::host_framebuffer(kp::host_of(window));
        kp::Point const at = kp::client_origin_in_host(window).translated(x, y);
        if (framebuffer == nullptr || !framebuffer->bounds().contains(at))
            return outside;
        return framebuffer->pixel(at).to_interface();
    });
}

int32_t KpGetPixels(TkWnd window, int32_t x, int32_t y, int32_t width, int32_t height, uint32_t* colours)
{
    return kp::c_boundary(bad_window, [&] {
        if (colours == nullptr || width < 0 || height < 0 || !kp::is_window(window))
            return bad_window;
        std::fill_n(colours, int64_t{width} * height, outside);
        kp::Surface const* framebuffer = kp::host_framebuffer(kp::host_of(window));
        if (framebuffer == nullptr)
            return 0;
        // The part of the rectangle that the window shows, in host coordinates.
        kp::Point const origin = kp::client_origin_in_host(window);
        kp::Rect const asked = kp::Rect::from_edges(x, y, int64_t{x} + width, int64_t{y} + height);
        kp::Rect const shown = kp::client_rect(window).intersected(asked).translated(origin.x, origin.y)
                                   .intersected(framebuffer->bounds());
        for (int32_t row = shown.top(); row < shown.bottom(); ++row) {
            uint32_t const* pixels = framebuffer->row(row);
            uint32_t* out = colours + int64_t{row - origin.y - y} * width + (shown.left() - origin.x - x);
            for (int32_t column = shown.left(); column < shown.right(); ++column)
                *out++ = kp::Color::from_pixel(pixels[column]).to_interface();
        }
        return 0;
    });
}

int32_t KpSavePng(TkWnd window, const char* path)
{
    return kp::c_boundary(not_written, [&] {
        if (path == nullptr || !kp::is_window(window))
            return bad_window;
        kp::Surface const* framebuffer = kp::host_framebuffer(kp::host_of(window));
        if (framebuffer == nullptr)
            return bad_window;
        kp::Point const origin = kp::client_origin_in_host(window);
        kp::Rect const client = kp::client_rect(window).translated(origin.x, origin.y).intersected(framebuffer->bounds());
        kp::Surface picture(client.size());
        for (int32_t y = 0; y < client.height; ++y)
            std::copy_n(framebuffer->row(client.y + y) + client.x, client.width, picture.row(y));
        return kp::write_png(picture, path) ? 0 : not_written;
    });
}

void KpSendMouse(TkWnd host, int32_t message, int32_t x, int32_t y, int32_t keys)
{
    kp::c_boundary([&] { kp::send_mouse(host, static_cast<uint32_t>(message), {x, y}, static_cast<kp::WParam>(keys)); });
}

void KpExpose(TkWnd host, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    kp::c_boundary([&] { kp::expose_host(host, kp::Rect::from_edges(x1, y1, int64_t{x2} + 1, int64_t{y2} + 1)); });
}

int32_t KpMessageBox(const char* text, const char* caption, int32_t buttons, int32_t icon)
{
    return kp::c_boundary(static_cast<int32_t>(kp::MessageBoxAnswer::Ok), [&] {
        kp::MessageBoxRequest request;
        request.text = text_or_empty(text);
        request.caption = text_or_empty(caption);
        request.buttons = numbered(buttons, kp::MessageBoxButtons::YesNoCancel);
        request.icon = numbered(icon, kp::MessageBoxIcon::Stop);
        return static_cast<int32_t>(kp::show_message_box(request));
    });
}

} // extern "C"
