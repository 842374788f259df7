#pragma once

// Pens wider than one pixel. A wide line covers the pixels whose centres lie within half the
// pen width of the segment, which gives it round ends; the segments of a polyline collected
// in one coverage meet in round joins and every pixel is painted once. For an even width
// the segment is moved half a pixel right and down, so that the pen covers exactly `width`
// rows of a horizontal line (y - width/2 + 1 .. y + width/2).

#include <cstdint>

#include "platform/raster/coverage.h"
#include "platform/base/device_geometry.h"

namespace kp {

// Adds the pen's pixels along a to b (both ends included) to `coverage`, on its rows only.
void add_wide_segment(Coverage& coverage, DevicePoint a, DevicePoint b, int32_t width);

// Adds a round dot of the pen's width centred on (x, y): the ends of a wide arc.
void add_wide_dot(Coverage& coverage, double x, double y, int32_t width);

} // namespace kp
