#include "lib/draw/shapes.h"

#include <algorithm>
#include <vector>

#include "lib/draw/colours.h"
#include "lib/graph/pixel_boxes.h"
#include "lib/graph/drawing_targets.h"

namespace kelvo {

void draw_pixel(GraphRecord& graph, int32_t x, int32_t y)
{
    draw_colour_pixel(graph, x, y, graph.pen.colour);
}

void draw_colour_pixel(GraphRecord& graph, int32_t x, int32_t y, TkColor colour)
{
    for_each_target(graph, [&](kp::DeviceContext& context, Slot) { context.set_pixel({x, y}, to_color(colour)); });
}

void draw_line_on(kp::DeviceContext& context, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    context.move_to({x1, y1});
    context.line_to({x2, y2});
    // A line leaves its end point out; one more step paints it.
    context.line_to({next_pixel(x2), y2});
}

void draw_rectangle_on(kp::DeviceContext& context, int32_t x1, int32_t y1, int32_t x2, int32_t y2, Filling filling)
{
    if (filling == Filling::Filled) {
        context.rectangle(inclusive_box(x1, y1, x2, y2));
        return;
    }
    context.move_to({x1, y1});
    context.line_to({x2, y1});
    context.line_to({x2, y2});
    context.line_to({x1, y2});
    context.line_to({x1, y1});
}

void draw_poly_on(kp::DeviceContext& context, int32_t n, int32_t const* points, Filling filling)
{
    if (points == nullptr || n < 1)
        return;
    std::vector<kp::Point> vertices(static_cast<std::size_t>(n));
    for (std::size_t i = 0; i < vertices.size(); ++i)
        vertices[i] = {points[2 * i], points[2 * i + 1]};
    if (filling == Filling::Filled)
        context.polygon(vertices, kp::FillRule::Alternate);
    else
        context.polyline(vertices);
}

void draw_circle_on(kp::DeviceContext& context, int32_t x, int32_t y, int32_t radius, Filling filling)
{
    int64_t const r = radius;
    kp::Rect const box = kp::Rect::from_edges(std::min(x - r, x + r), std::min(y - r, y + r),
                                              std::max(x - r, x + r) + 1, std::max(y - r, y + r) + 1);
    kp::Point const start{box.left(), y};
    if (filling == Filling::Filled)
        context.ellipse(box);
    else
        context.arc(box, start, start);
}

void draw_line(GraphRecord& graph, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    for_each_target(graph, [&](kp::DeviceContext& context, Slot) { draw_line_on(context, x1, y1, x2, y2); });
}

void draw_rectangle(GraphRecord& graph, int32_t x1, int32_t y1, int32_t x2, int32_t y2, Filling filling)
{
    for_each_target(graph,
                    [&](kp::DeviceContext& context, Slot) { draw_rectangle_on(context, x1, y1, x2, y2, filling); });
}

void draw_poly(GraphRecord& graph, int32_t n, int32_t const* points, Filling filling)
{
    if (points == nullptr || n < 1)
        return;
    for_each_target(graph, [&](kp::DeviceContext& context, Slot) { draw_poly_on(context, n, points, filling); });
}

void draw_circle(GraphRecord& graph, int32_t x, int32_t y, int32_t radius, Filling filling)
{
    for_each_target(graph, [&](kp::DeviceContext& context, Slot) { draw_circle_on(context, x, y, radius, filling); });
}

} // namespace kelvo
