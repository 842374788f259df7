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

protected:
    ~SpanSink() = default;
};

} // namespace kp
