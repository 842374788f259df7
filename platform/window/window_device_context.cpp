#include "platform/window/window_device_context.h"

#include "platform/window/painting.h"
#include "platform/window/window_registry.h"

namespace kp {

DrawingTarget WindowDeviceContext::target()
{
    Window const* window = window_registry().find(window_);
    Surface* framebuffer = host_framebuffer(host_of(window_));
    if (window == nullptr || framebuffer == nullptr)
        return {&empty_, {}, &visible_};
    Point const origin = client_origin_in_host(*window);
    if (visible_epoch_ != window_registry().epoch()) {
        visible_ = visible_region(window_);
        if (window->painting)
            visible_.intersect(window->paint_region.translated(origin.x, origin.y));
        visible_epoch_ = window_registry().epoch();
    }
    return {framebuffer, origin, &visible_};
}

void WindowDeviceContext::damaged(Rect const& device_rect)
{
    kp::report_damage(host_of(window_), device_rect);
}

void WindowDeviceContext::picture_copied_in(Rect const& device_rect)
{
    // While the window paints itself it only restores what it showed before: no new picture.
    Window const* window = window_registry().find(window_);
    if (window != nullptr && !window->painting)
        kp::report_new_picture(host_of(window_), device_rect);
}

DeviceContext* window_device_context(WindowHandle handle)
{
    Window* window = window_registry().find(handle);
    if (window == nullptr || window->destroying)
        return nullptr;
    if (!window->device_context)
        window->device_context = std::make_unique<WindowDeviceContext>(handle);
    return window->device_context.get();
}

} // namespace kp
