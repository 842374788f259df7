#pragma once

// A small shape of one colour painted at many centres: the pixels a plot symbol paints around
// its centre, as spans of rows, so that a million symbols cost their pixels and not a million
// drawing calls.

#include <cstdint>
#include <span>
#include <vector>

#include "platform/base/device_geometry.h"
#include "platform/base/point.h"
#include "platform/raster/clip.h"
#include "platform/raster/raster_op.h"
#include "platform/raster/surface.h"

namespace kp {

// Pixels x0 <= x < x1 of row dy, relative to the centre.
struct StampSpan {
    int32_t dy = 0;
    int32_t x0 = 0;
    int32_t x1 = 0;
};

struct Stamp {
    std::vector<StampSpan> spans; // rows top to bottom, spans left to right
    DeviceBox box;                // the pixels the spans cover, relative to the centre

    // The pixels of `picture` that differ from `blank`, relative to `centre`.
    static Stamp of_picture(Surface const& picture, Point centre, uint32_t blank);
    bool is_empty() const { return spans.empty(); }
};

// Paints the stamp at each centre (device coordinates), through the clip, combining `value`
// with the surface's pixels by the raster operation.
void paint_stamps(Surface& surface, Clip const& clip, Stamp const& stamp, std::span<DevicePoint const> centres,
                  RasterOp op, uint32_t value);

} // namespace kp
