#pragma once

// Filling polygons. Vertices are pixel positions, as for lines. A pixel is inside when its
// position is inside the polygon; a position exactly on an edge counts as inside for left
// and top edges and outside for right and bottom edges, so polygons that share an edge
// never both paint it and a square through (0,0) and (10,10) fills columns and rows 0..9.
// The pen's outline through the vertices covers the rest.

#include <cstdint>
#include <span>

#include "platform/base/rect.h"
#include "platform/base/device_geometry.h"
#include "platform/raster/span_sink.h"

namespace kp {

enum class FillRule : uint8_t {
    Alternate, // even-odd: a point is inside when a ray from it crosses the outline an odd number of times
    Winding,   // a point is inside when the outline winds around it at all
};

// Hands the inside spans on rows [rows.top(), rows.bottom()) to `sink`, row by row from the
// top. Only rows of `rows` are visited, so the work is bounded by the clip, not by the size
// of the polygon; spans are not clipped horizontally.
void fill_polygon(std::span<DevicePoint const> vertices, FillRule rule, Rect const& rows, SpanSink& sink);

} // namespace kp
