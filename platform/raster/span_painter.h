#pragma once

// Paints horizontal spans of one value with one raster operation through a clip. Every
// filled shape reaches the surface through here.

#include <cstdint>

#include <algorithm>

#include "platform/raster/clip.h"
#include "platform/base/device_geometry.h"
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

    void span_rows(int32_t y0, int32_t y1, int64_t x0, int64_t x1) override { fill_box({x0, y0, x1, y1}); }

    // Paints a whole box (any coordinates), clip rectangle by clip rectangle.
    void fill_box(DeviceBox const& box) const
    {
        with_raster_op(op_, [&](auto operation) {
            for (Rect const& rect : clip_.rects()) {
                if (rect.top() >= box.bottom)
                    break;
                int64_t const left = std::max<int64_t>(box.left, rect.left());
                int64_t const right = std::min<int64_t>(box.right, rect.right());
                int64_t const top = std::max<int64_t>(box.top, rect.top());
                int64_t const bottom = std::min<int64_t>(box.bottom, rect.bottom());
                if (left >= right)
                    continue;
                for (int64_t y = top; y < bottom; ++y)
                    fill_row_with(operation, surface_.row(static_cast<int32_t>(y)) + left, static_cast<int32_t>(right - left),
                                  value_);
            }
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
