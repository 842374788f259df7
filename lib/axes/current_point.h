#pragma once

// The current point in user coordinates, and lines drawn from it with the graph's pen and
// write mode. Segments are clipped to the window limit; a segment whose ends both lie beyond
// it draws nothing, even when it crosses the window.

#include <cmath>
#include <cstdint>
#include <optional>

#include "lib/axes/projection.h"
#include "lib/draw/line_batch.h"
#include "lib/graph/graph_record.h"

namespace kelvo {

struct PixelSegment {
    int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// The pixel line that a draw from window point `from` to `to` draws: rounded ends, clipped
// to the window limit where an end lies beyond it; none when both ends lie beyond it or one
// is not finite (a user point at infinity or not a number has no place to clip to).
PixelSegment clipped_pixel_segment(WindowPoint from, WindowPoint to);
inline std::optional<PixelSegment> pixel_segment(WindowPoint from, WindowPoint to)
{
    bool const from_inside = inside_window_limit(from);
    bool const to_inside = inside_window_limit(to);
    if (!(from_inside || to_inside)
        || !(std::isfinite(from.x) && std::isfinite(from.y) && std::isfinite(to.x) && std::isfinite(to.y)))
        return std::nullopt;
    if (from_inside && to_inside)
        return PixelSegment{window_pixel(from.x), window_pixel(from.y), window_pixel(to.x), window_pixel(to.y)};
    return clipped_pixel_segment(from, to);
}

void move_to(GraphRecord& graph, double x, double y, double z);
void draw_to(GraphRecord& graph, double x, double y, double z);
// The same line added to a batch in the pen's colour, for drawings of many short lines.
void draw_to(GraphRecord& graph, double x, double y, double z, LineBatch& lines);
// Relative forms: from the current point.
void move_by(GraphRecord& graph, double dx, double dy, double dz);
void draw_by(GraphRecord& graph, double dx, double dy, double dz);

// 2D forms at the graph's ZPlane.
void move_to(GraphRecord& graph, double x, double y);
void draw_to(GraphRecord& graph, double x, double y);

} // namespace kelvo
