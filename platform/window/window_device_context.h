#pragma once

// A window's own device context: it draws into the host's framebuffer at the window's
// client position, only inside the window's visible region (and, while the window is
// painting, inside the region being painted), and tells the host what changed.

#include <cstdint>

#include "platform/graphics/device_context.h"
#include "platform/window/message.h"

namespace kp {

class WindowDeviceContext final : public DeviceContext {
public:
    explicit WindowDeviceContext(WindowHandle window) : window_(window) {}

protected:
    DrawingTarget target() override;
    void damaged(Rect const& device_rect) override;
    void picture_copied_in(Rect const& device_rect) override;

private:
    WindowHandle window_;
    Region visible_;
    uint64_t visible_epoch_ = 0; // the window tree's epoch when visible_ was computed
    Surface empty_;
};

// The window's context, made on first use and kept for the window's life: what is selected
// into it stays selected between calls. Null for a bad handle.
DeviceContext* window_device_context(WindowHandle window);

} // namespace kp
