#include "lib/axes/frame.h"

#include <cmath>

#include "lib/axes/axis_geometry.h"
#include "lib/axes/axis_titles.h"
#include "lib/axes/current_point.h"
#include "lib/axes/pips.h"
#include "lib/draw/attributes.h"
#include "lib/draw/pen_scope.h"
#include "lib/draw/shapes.h"
#include "lib/runtime/debug_report.h"

namespace kelvo {

namespace {

void line_between(GraphRecord& graph, Triple const& from, Triple const& to)
{
    move_to(graph, from[0], from[1], from[2]);
    draw_to(graph, to[0], to[1], to[2]);
}

void use_copy_mode(GraphRecord& graph)
{
    set_back_colour_and_write_mode(graph, graph.back_colour, 1);
}

// Grid lines across the plot, parallel to `along`, at `across` positions first + k * spacing
// for k = 0 .. count, the positions accumulated by repeated addition.
void draw_grid_lines(GraphRecord& graph, int along, int across, double spacing, int64_t count)
{
    EffectiveScales const& s = graph.scales;
    auto const a = static_cast<std::size_t>(along);
    auto const c = static_cast<std::size_t>(across);
    double const z = graph.coordinates.ZPlane;
    Triple from{0, 0, z};
    Triple to{0, 0, z};
    from[a] = s.AxisMin[a];
    to[a] = s.AxisMax[a];
    double position = s.AxisMin[c];
    for (int64_t k = 0; k <= count; ++k, position += spacing) {
        from[c] = to[c] = position;
        line_between(graph, from, to);
    }
}

// Horizontal lines at y positions and vertical lines at x positions, each axis divided into
// `parts` per primary interval.
void draw_grid_level(GraphRecord& graph, int32_t x_parts, int32_t y_parts)
{
    EffectiveScales const& s = graph.scales;
    int64_t const ny = primary_interval_count(s, axis_y);
    int64_t const nx = primary_interval_count(s, axis_x);
    if (ny >= 0 && y_parts >= 1 && ny * y_parts <= most_marks_per_axis)
        draw_grid_lines(graph, axis_x, axis_y, s.PipStep[axis_y] / y_parts, ny * y_parts);
    if (nx >= 0 && x_parts >= 1 && nx * x_parts <= most_marks_per_axis)
        draw_grid_lines(graph, axis_y, axis_x, s.PipStep[axis_x] / x_parts, nx * x_parts);
}

void draw_axis_lines(GraphRecord& graph)
{
    for (int axis = axis_x; axis < axis_count(graph.coordinates); ++axis) {
        AxisLine const line = axis_line(graph, axis);
        line_between(graph, line.lower, line.upper);
    }
}

} // namespace

void draw_axes(GraphRecord& graph)
{
    CoordinateSettings const& c = graph.coordinates;
    {
        PenScope pen(graph);
        if (c.GridMode >= 1)
            draw_grid(graph);
        pen.use({c.AxisColour, c.AxisStyle, c.AxisWidth});
        use_copy_mode(graph);
        switch (c.AxisType) {
        case 1:
        case 2:
            draw_axis_lines(graph);
            break;
        case 3:
            draw_box(graph);
            break;
        default:
            debug_report("wrong axis type");
            break;
        }
        pen.use_colour(c.PipColour);
        for (int axis = axis_x; axis < axis_count(c); ++axis)
            draw_axis_pips(graph, axis);
    }
    draw_stored_titles(graph);
}

void draw_box(GraphRecord& graph)
{
    EffectiveScales const& s = graph.scales;
    Triple const& lo = s.AxisMin;
    Triple const& hi = s.AxisMax;
    if (!graph.coordinates.Is3D) {
        double const z = graph.coordinates.ZPlane;
        move_to(graph, lo[0], lo[1], z);
        draw_to(graph, hi[0], lo[1], z);
        draw_to(graph, hi[0], hi[1], z);
        draw_to(graph, lo[0], hi[1], z);
        draw_to(graph, lo[0], lo[1], z);
        return;
    }
    // The corner nearest the viewer; the three edges at the opposite corner lie behind.
    double const theta = graph.coordinates.Theta;
    double const phi = graph.coordinates.Phi;
    Triple const near{std::cos(phi) * std::sin(theta) >= 0 ? hi[0] : lo[0],
                      std::sin(phi) * std::sin(theta) >= 0 ? hi[1] : lo[1], std::cos(theta) >= 0 ? hi[2] : lo[2]};
    auto flipped = [&](Triple p, std::size_t axis) {
        p[axis] = p[axis] == hi[axis] ? lo[axis] : hi[axis];
        return p;
    };
    for (std::size_t i = 0; i < 3; ++i) {
        Triple const corner = flipped(near, i);
        for (std::size_t j = 0; j < 3; ++j)
            line_between(graph, corner, flipped(corner, j));
    }
}

void draw_grid(GraphRecord& graph)
{
    CoordinateSettings const& c = graph.coordinates;
    if (c.Is3D)
        return;
    PenScope pen(graph);
    use_copy_mode(graph);
    if (c.GridMode == 2) {
        pen.use({c.SubGridColour, c.SubGridStyle, c.SubGridWidth});
        draw_grid_level(graph, c.SubIntervals[axis_x], c.SubIntervals[axis_y]);
    }
    pen.use({c.GridColour, c.GridStyle, c.GridWidth});
    draw_grid_level(graph, 1, 1);
}

void draw_border(GraphRecord& graph)
{
    draw_rectangle(graph, 0, 0, graph.window_width - 1, graph.window_height - 1, Filling::Outline);
}

} // namespace kelvo
