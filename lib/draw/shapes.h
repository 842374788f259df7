#pragma once

// The pixel shapes of a graph, in window pixels with inclusive corners, drawn on every
// drawing target of the graph's mode, or on one context with its own pen and brush.

#include <cstdint>

#include "lib/kelvolib.h"
#include "lib/graph/graph_record.h"
#include "platform/graphics/device_context.h"

namespace kelvo {

enum class Filling { Outline, Filled };

// The pen colour (or the given colour); the write mode does not apply to pixels.
void draw_pixel(GraphRecord& graph, int32_t x, int32_t y);
void draw_colour_pixel(GraphRecord& graph, int32_t x, int32_t y, TkColor colour);
// Both end points are painted.
void draw_line(GraphRecord& graph, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
void draw_rectangle(GraphRecord& graph, int32_t x1, int32_t y1, int32_t x2, int32_t y2, Filling filling);
// `points` holds n pairs x, y. Filled: a closed polygon by the alternate rule; outline: an
// open polyline. Nothing for a null address or n < 1.
void draw_poly(GraphRecord& graph, int32_t n, int32_t const* points, Filling filling);
void draw_circle(GraphRecord& graph, int32_t x, int32_t y, int32_t radius, Filling filling);

// The same shapes on one context.
void draw_line_on(kp::DeviceContext& context, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
void draw_rectangle_on(kp::DeviceContext& context, int32_t x1, int32_t y1, int32_t x2, int32_t y2, Filling filling);
void draw_poly_on(kp::DeviceContext& context, int32_t n, int32_t const* points, Filling filling);
void draw_circle_on(kp::DeviceContext& context, int32_t x, int32_t y, int32_t radius, Filling filling);

} // namespace kelvo
