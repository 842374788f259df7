#pragma once

// One-pixel solid lines with both ends painted, many at a time: surfaces, contours and axes
// draw thousands of lines a few pixels long, where the cost of each separate call would
// outweigh the pixels.

#include <cstdint>
#include <span>

#include "platform/base/color.h"
#include "platform/base/device_geometry.h"
#include "platform/base/point.h"
#include "platform/raster/clip.h"
#include "platform/raster/raster_op.h"
#include "platform/raster/surface.h"

namespace kp {

// A line from `from` to `to` with both ends painted (logical coordinates). At the largest x
// the end is not painted: it is the one-pixel line from `to` to `to` + (1, 0), which is empty
// there.
struct PaintedLine {
    Point from;
    Point to;
    Color color;
};

// The pixels the lines' ends lie on (there must be at least one line); with `copy`, the ends
// are also written there, two points a line. With SSE2 each line's two ends are moved and
// compared as one vector of four coordinates.
DeviceBox line_ends_box(std::span<PaintedLine const> lines, Point* copy = nullptr);

// Paints the lines in order, each in its colour with `op`: every pixel that clip_line and
// paint_line give the line in each rectangle of the clip, then its end where the clip holds
// it. Logical (0, 0) lies at device `origin`; `ends` is line_ends_box moved there. Device
// level: the clip lies inside the surface.
void paint_lines_and_ends(Surface& surface, Clip const& clip, Point origin, std::span<PaintedLine const> lines,
                          DeviceBox const& ends, RasterOp op);

} // namespace kp
