#pragma once

// Paints horizontal spans of one value with one raster operation through a clip. Every
// filled shape reaches the surface through here.

#include <cstdint>

#include "platform/raster/clip.h"
#include "platform/raster/raster_op.h"
#include "platform/raster/span_sink.h"
#include "platform/raster/surface.h"

namespace kp {

class SpanPainter final : public SpanSink {
public:
    SpanPainter(Surface& surface, Clip const& clip, RasterOp op, uint32_t value)
        : surface_(surface), clip_(clip), op_(op), value_(value)
    {
    }

    // Paints [x0, x1) of row y, whatever part of it the clip lets through.
    void span(int32_t y, int64_t x0, int64_t x1) override
    {
        clip_.clip_span(y, x0, x1, [this](int32_t row, int32_t left, int32_t right) {
            fill_row(surface_.row(row) + left, right - left, value_, op_);
        });
    }

    Clip const& clip() const { return clip_; }

private:
    Surface& surface_;
    Clip const& clip_;
    RasterOp op_;
    uint32_t value_;
};

} // namespace kp
