#pragma once

// Shape rasterisers produce horizontal spans of pixels and hand them to a sink: a painter
// that puts them on a surface, or a coverage that collects them first.

#include <cstdint>

namespace kp {

class SpanSink {
public:
    // The half-open span [x0, x1) of row y. Spans may reach outside the area of interest;
    // the sink keeps what it can use.
    virtual void span(int32_t y, int64_t x0, int64_t x1) = 0;

    // The same span on every row from y0 up to, not including, y1: the rows of a shape between
    // vertical edges. Sinks that can paint a whole box at once do so.
    virtual void span_rows(int32_t y0, int32_t y1, int64_t x0, int64_t x1)
    {
        for (int32_t y = y0; y < y1; ++y)
            span(y, x0, x1);
    }

protected:
    ~SpanSink() = default;
};

} // namespace kp
