#pragma once

// A device context that draws on the bitmap selected into it. Until a bitmap is selected it
// holds the stock empty bitmap and drawing does nothing.

#include "platform/graphics/device_context.h"

namespace kp {

class MemoryDeviceContext final : public DeviceContext {
public:
    MemoryDeviceContext() = default;
    // Compatible with `context`: every context shares the screen's format, so this is only
    // said for the reader.
    explicit MemoryDeviceContext(DeviceContext const& /*context*/) {}

protected:
    DrawingTarget target() override;
    bool holds_bitmaps() const override { return true; }

private:
    Region visible_;
    Size visible_size_;
};

} // namespace kp
