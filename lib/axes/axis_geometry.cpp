#include "lib/axes/axis_geometry.h"

#include <cmath>

#include "lib/draw/fonts.h"
#include "lib/axes/view.h"

namespace kelvo {

namespace {

// Slopes and products below these count as zero: they keep an axis seen exactly edge-on
// from flipping sides by rounding.
constexpr double side_bias = 1.2E-11;
constexpr double side_product_bias = 1.2E-16;

// The perpendicular distance of a window point from the projected line through a and b;
// the distance from a when the line projects to a point.
double distance_from_line(WindowPoint a, WindowPoint b, double x, double y)
{
    double const dx = b.x - a.x;
    double const dy = b.y - a.y;
    double const length = std::hypot(dx, dy);
    if (!(length > 0))
        return std::hypot(x - a.x, y - a.y);
    return std::fabs(dx * (y - a.y) - dy * (x - a.x)) / length;
}

// The two coordinates other than `axis`, in the order x, y, z.
void for_each_other_axis(int axis, auto&& visit)
{
    for (int other = axis_x; other <= axis_z; ++other)
        if (other != axis)
            visit(other);
}

} // namespace

int axis_count(CoordinateSettings const& c)
{
    return c.Is3D ? 3 : 2;
}

bool is_ordinary_2d_view(CoordinateSettings const& c)
{
    return !c.Is3D && std::fabs(c.Phi + 1.5707963267948966) <= flat_view_tilt;
}

Triple axis_origin(GraphRecord const& graph)
{
    Triple origin = graph.scales.AxisOrigin;
    if (!graph.coordinates.Is3D)
        origin[axis_z] = graph.coordinates.ZPlane;
    return origin;
}

AxisLine axis_line(GraphRecord const& graph, int axis)
{
    auto const a = static_cast<std::size_t>(axis);
    AxisLine line{axis_origin(graph), axis_origin(graph)};
    line.lower[a] = graph.scales.AxisMin[a];
    line.upper[a] = graph.scales.AxisMax[a];
    return line;
}

SideFlags side_flags(GraphRecord const& graph, int axis)
{
    if (!graph.coordinates.Is3D)
        return {axis == axis_x, axis == axis_y};
    // Parallel edges project to parallel lines, so the axis line gives the direction of
    // whichever edge carries the pips.
    AxisLine const line = axis_line(graph, axis);
    WindowPoint const a = project_point(graph.scales, line.lower);
    WindowPoint const b = project_point(graph.scales, line.upper);
    double const dx = b.x - a.x + side_bias;
    double const dy = b.y - a.y + side_bias;
    bool const slanted = dx * dy > side_product_bias;
    if (std::fabs(dx) >= std::fabs(dy))
        return {true, slanted};
    return {slanted, true};
}

AxisLine pip_line(GraphRecord const& graph, int axis)
{
    CoordinateSettings const& c = graph.coordinates;
    EffectiveScales const& s = graph.scales;
    AxisLine line = axis_line(graph, axis);
    if (c.AxisType != 3)
        return line;
    if (!c.Is3D) {
        // The bottom edge for x, the left edge for y.
        for_each_other_axis(axis, [&](int other) {
            auto const o = static_cast<std::size_t>(other);
            if (other != axis_z)
                line.lower[o] = line.upper[o] = s.AxisMin[o];
        });
        return line;
    }
    SideFlags const flags = side_flags(graph, axis);
    double const corner_x = flags.vertical ? 0.0 : graph.window_width;
    double const corner_y = flags.horizontal ? graph.window_height : 0.0;
    auto distance = [&](AxisLine const& l) {
        return distance_from_line(project_point(s, l.lower), project_point(s, l.upper), corner_x, corner_y);
    };
    for_each_other_axis(axis, [&](int other) {
        auto const o = static_cast<std::size_t>(other);
        line.lower[o] = line.upper[o] = s.AxisMin[o];
        AxisLine upper = line;
        upper.lower[o] = upper.upper[o] = s.AxisMax[o];
        if (!(distance(upper) > distance(line)))
            line = upper;
    });
    return line;
}

PixelPoint pixel_of(EffectiveScales const& s, Triple const& p)
{
    WindowPoint const w = project_point(s, p);
    return {window_pixel(w.x), window_pixel(w.y)};
}

FontRecord label_font(TkLabelSettings const& settings, int32_t orientation)
{
    return {settings.FontFace, settings.FontStyle, settings.FontSize, orientation};
}

void use_font(GraphRecord& graph, FontRecord const& font)
{
    FontRecord const& current = graph.font;
    int32_t const orientation = known_orientation(font.orientation);
    if (current.face == font.face && current.style == font.style && current.size == font.size
        && current.orientation == orientation)
        return;
    set_font(graph, font);
}

} // namespace kelvo
