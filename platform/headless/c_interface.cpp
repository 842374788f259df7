// The C interface of headless hosts.

#include "platform/kelvoplatform.h"

#include <algorithm>

#include "platform/raster/png_file.h"
#include "platform/window/host.h"
#include "platform/window/painting.h"
#include "platform/window/window.h"

namespace {

// Framebuffers above this many pixels are refused rather than attempted.
constexpr int64_t max_host_pixels = int64_t{1} << 26;

} // namespace

extern "C" {

TkWnd KpCreateHeadlessHost(int32_t width, int32_t height)
{
    if (width < 0 || height < 0 || int64_t{width} * height > max_host_pixels)
        return 0;
    try {
        return kp::create_host({width, height});
    } catch (...) {
        return 0;
    }
}

void KpDestroyWindow(TkWnd window)
{
    kp::destroy_window(window);
}

void KpUpdate(void)
{
    kp::update_all_windows();
}

uint32_t KpGetPixel(TkWnd window, int32_t x, int32_t y)
{
    constexpr uint32_t outside = 0xFFFFFFFF;
    if (!kp::is_window(window) || !kp::client_rect(window).contains(kp::Point{x, y}))
        return outside;
    kp::Surface const* framebuffer = kp::host_framebuffer(kp::host_of(window));
    kp::Point const origin = kp::client_origin_in_host(window);
    kp::Point const at{origin.x + x, origin.y + y};
    if (framebuffer == nullptr || !framebuffer->bounds().contains(at))
        return outside;
    return framebuffer->pixel(at).to_interface();
}

int32_t KpSavePng(TkWnd window, const char* path)
{
    if (path == nullptr || !kp::is_window(window))
        return -1;
    kp::Surface const* framebuffer = kp::host_framebuffer(kp::host_of(window));
    if (framebuffer == nullptr)
        return -1;
    try {
        kp::Point const origin = kp::client_origin_in_host(window);
        kp::Rect const client = kp::client_rect(window).translated(origin.x, origin.y).intersected(framebuffer->bounds());
        kp::Surface picture(client.size());
        for (int32_t y = 0; y < client.height; ++y)
            std::copy_n(framebuffer->row(client.y + y) + client.x, client.width, picture.row(y));
        return kp::write_png(picture, path) ? 0 : -2;
    } catch (...) {
        return -2;
    }
}

void KpSendMouse(TkWnd host, int32_t message, int32_t x, int32_t y, int32_t keys)
{
    kp::send_mouse(host, static_cast<uint32_t>(message), {x, y}, static_cast<kp::WParam>(keys));
}

void KpExpose(TkWnd host, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    kp::expose_host(host, kp::Rect::from_edges(x1, y1, int64_t{x2} + 1, int64_t{y2} + 1));
}

} // extern "C"
