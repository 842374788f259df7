#pragma once

#include <cstdint>
#include <span>

#include "platform/base/color.h"
#include "platform/base/point.h"
#include "platform/raster/device_geometry.h"

namespace kp {

// A one-pixel solid line with both its ends painted, as painters that draw many lines
// through a context's canvas themselves paint them (logical coordinates).
struct PaintedLine {
    Point from;
    Point to;
    Color color;
};

// The pixels that lines' ends lie on.
struct LineEndsBox {
    int32_t left, top, right, bottom; // right and bottom inclusive
};

// The box of the lines' ends (there must be at least one line); with `copy`, the ends are
// also written there, two points a line. Batch painters draw thousands of short lines: with
// SSE2 each line's two ends are moved and compared as one vector of four coordinates.
LineEndsBox line_ends_box(std::span<PaintedLine const> lines, Point* copy = nullptr);

// The device pixels the lines' ends lie on, on a surface where logical (0, 0) is `origin`.
DeviceBox line_ends_device_box(std::span<PaintedLine const> lines, Point origin);

} // namespace kp
