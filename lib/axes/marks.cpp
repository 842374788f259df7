#include "lib/axes/marks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "lib/axes/current_point.h"
#include "lib/axes/projection.h"
#include "lib/axes/scales.h"
#include "lib/axes/symbol_shapes.h"
#include "lib/draw/colours.h"
#include "lib/draw/pen_scope.h"
#include "lib/draw/text.h"
#include "lib/graph/drawing_targets.h"
#include "lib/runtime/debug_report.h"
#include "lib/runtime/text_limits.h"

namespace kelvo {

namespace {

constexpr std::size_t graph_label_limit = 255; // bytes

// A distance in whole pixels (ties to even); one that is not a number counts as none.
int32_t pixel_length(double length)
{
    if (!(length > 0))
        return 0;
    return static_cast<int32_t>(std::nearbyint(std::min(length, static_cast<double>(longest_mark))));
}

// The symbol's pen: the symbol colour, always a solid line one pixel wide.
PenRecord symbol_pen(GraphRecord const& graph)
{
    return {symbol_colour(graph), 1, 1};
}

// The symbol at a window point already known to lie inside the window limit.
void draw_symbol_at(GraphRecord& graph, SymbolShape symbol, WindowPoint p)
{
    PenScope const pen(graph, symbol_pen(graph));
    int32_t const x = window_pixel(p.x), y = window_pixel(p.y), h = symbol_size(graph);
    kp::Color const dot = to_color(graph.pen.colour);
    for_each_target(graph, [&](kp::DeviceContext& context, Slot) { draw_symbol_shape(context, symbol, x, y, h, dot); });
}

// The lines along x and y through (x, y, z), across the effective ranges.
void draw_plane_wires(GraphRecord& graph, double x, double y, double z)
{
    EffectiveScales const& s = graph.scales;
    move_to(graph, s.AxisMin[axis_x], y, z);
    draw_to(graph, s.AxisMax[axis_x], y, z);
    move_to(graph, x, s.AxisMin[axis_y], z);
    draw_to(graph, x, s.AxisMax[axis_y], z);
}

} // namespace

void plot_symbol(GraphRecord& graph, int32_t code, double x, double y, double z)
{
    if (!is_symbol(code)) {
        debug_report("wrong symbol constant");
        return;
    }
    if (code == 0)
        return;
    WindowPoint const p = project(graph.scales, x, y, z);
    if (inside_window_limit(p))
        draw_symbol_at(graph, static_cast<SymbolShape>(code), p);
}

void draw_error_bar(GraphRecord& graph, int32_t code, double x, double y, double ex, double ey)
{
    EffectiveScales const& s = graph.scales;
    double const z = graph.coordinates.ZPlane;
    WindowPoint const p = project(s, x, y, z);
    if (!inside_window_limit(p))
        return;
    PenScope pen(graph);
    if (graph.coordinates.UseSymbolColour)
        pen.use(symbol_pen(graph));
    int32_t const xi = window_pixel(p.x);
    int32_t const yi = window_pixel(p.y);
    int32_t const h = symbol_size(graph);
    int32_t const hx = pixel_length(std::fabs(project(s, x + ex, y, z).x - xi));
    int32_t const hy = pixel_length(std::fabs(project(s, x, y + ey, z).y - yi));
    if (hx > h) {
        draw_line(graph, xi - hx, yi, xi + hx, yi);
        draw_line(graph, xi - hx, yi - h, xi - hx, yi + h);
        draw_line(graph, xi + hx, yi - h, xi + hx, yi + h);
    }
    if (hy > h) {
        draw_line(graph, xi, yi - hy, xi, yi + hy);
        draw_line(graph, xi - h, yi - hy, xi + h, yi - hy);
        draw_line(graph, xi - h, yi + hy, xi + h, yi + hy);
    }
    plot_symbol(graph, code, x, y, z);
}

void draw_graph_label(GraphRecord& graph, std::string_view text, double x, double y, double z)
{
    WindowPoint p = project(graph.scales, x, y, z);
    p.x += graph.coordinates.GraphLabelDx;
    p.y += graph.coordinates.GraphLabelDy;
    if (inside_window_limit(p))
        draw_long_text(graph, window_pixel(p.x), window_pixel(p.y), cut_text(text, graph_label_limit));
}

void draw_user_polygon(GraphRecord& graph, std::span<Triple const> points, Filling filling)
{
    if (points.size() > polygon_point_limit) {
        raise_coordinate_warning(warning_no_room);
        return;
    }
    std::vector<int32_t> kept;
    kept.reserve(2 * points.size());
    for (Triple const& point : points) {
        WindowPoint const p = project(graph.scales, point[0], point[1], point[2]);
        if (!inside_window_limit(p))
            continue;
        kept.push_back(window_pixel(p.x));
        kept.push_back(window_pixel(p.y));
    }
    draw_poly(graph, static_cast<int32_t>(kept.size() / 2), kept.data(), filling);
}

void draw_cross_wires(GraphRecord& graph, double x, double y)
{
    draw_plane_wires(graph, x, y, graph.coordinates.ZPlane);
}

void draw_cross_wires(GraphRecord& graph, double x, double y, double z)
{
    draw_plane_wires(graph, x, y, z);
    EffectiveScales const& s = graph.scales;
    move_to(graph, x, y, s.AxisMin[axis_z]);
    draw_to(graph, x, y, s.AxisMax[axis_z]);
}

} // namespace kelvo
