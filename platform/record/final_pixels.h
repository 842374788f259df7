#pragma once

#include "platform/base/point.h"
#include "platform/raster/surface.h"

namespace kp {

// Where a saved picture takes the pixels it cannot draw as vectors: the surface the
// recording's context drew on, and the device position of the recording's logical (0, 0)
// there.
struct FinalPixels {
    Surface const& surface;
    Point origin;
};

} // namespace kp
