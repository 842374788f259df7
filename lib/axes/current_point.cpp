#include "lib/axes/current_point.h"

#include <cmath>
#include <utility>

#include "lib/axes/projection.h"
#include "lib/draw/shapes.h"

namespace kelvo {

namespace {

// Where a coordinate lies against the window limit.
enum Zone : int { below = 1, within = 2, above = 4 };

Zone zone_of(double coordinate)
{
    return coordinate < -window_limit ? below : coordinate > window_limit ? above : within;
}

// Clips one coordinate (0: x, 1: y) of the segment a-b: when the zones differ by an odd
// amount the end below the limit moves along the segment to -30000; when they differ by 2
// or more the end above it moves to +30000. The other coordinate follows linearly.
void clip_coordinate(WindowPoint& a, WindowPoint& b, bool vertical)
{
    auto along = [vertical](WindowPoint& p) -> double& { return vertical ? p.y : p.x; };
    auto across = [vertical](WindowPoint& p) -> double& { return vertical ? p.x : p.y; };
    auto move_end = [&](WindowPoint& end, WindowPoint& other, double limit) {
        double const t = (limit - along(other)) / (along(end) - along(other));
        across(end) = across(other) + t * (across(end) - across(other));
        along(end) = limit;
    };
    Zone const za = zone_of(along(a));
    Zone const zb = zone_of(along(b));
    int const difference = za > zb ? za - zb : zb - za;
    if (difference % 2 == 1) {
        if (za == below)
            move_end(a, b, -window_limit);
        else
            move_end(b, a, -window_limit);
    }
    if (difference >= 2) {
        if (za == above)
            move_end(a, b, window_limit);
        else
            move_end(b, a, window_limit);
    }
}

// Drawn at once, or added to a batch when one is given.
void draw_segment(GraphRecord& graph, PixelSegment const& segment, LineBatch* lines)
{
    if (lines != nullptr)
        lines->add(segment.x1, segment.y1, segment.x2, segment.y2, graph.pen.colour);
    else
        draw_line(graph, segment.x1, segment.y1, segment.x2, segment.y2);
}

void store_current_point(EffectiveScales& s, double x, double y, double z, WindowPoint window)
{
    s.CurPoint = {x, y, z};
    s.CurWinX = window.x;
    s.CurWinY = window.y;
    s.CurInside = inside_window_limit(window);
}

void draw_line_to(GraphRecord& graph, double x, double y, double z, LineBatch* lines)
{
    EffectiveScales& s = graph.scales;
    WindowPoint const to = project(s, x, y, z);
    if (std::optional<PixelSegment> const segment = pixel_segment({s.CurWinX, s.CurWinY}, to))
        draw_segment(graph, *segment, lines);
    store_current_point(s, x, y, z, to);
}

} // namespace

PixelSegment clipped_pixel_segment(WindowPoint from, WindowPoint to)
{
    clip_coordinate(from, to, false);
    clip_coordinate(from, to, true);
    return {window_pixel(from.x), window_pixel(from.y), window_pixel(to.x), window_pixel(to.y)};
}

void draw_to(GraphRecord& graph, double x, double y, double z)
{
    draw_line_to(graph, x, y, z, nullptr);
}

void draw_to(GraphRecord& graph, double x, double y, double z, LineBatch& lines)
{
    draw_line_to(graph, x, y, z, &lines);
}

void move_to(GraphRecord& graph, double x, double y, double z)
{
    store_current_point(graph.scales, x, y, z, project(graph.scales, x, y, z));
}

void move_by(GraphRecord& graph, double dx, double dy, double dz)
{
    Triple const& p = graph.scales.CurPoint;
    move_to(graph, p[0] + dx, p[1] + dy, p[2] + dz);
}

void draw_by(GraphRecord& graph, double dx, double dy, double dz)
{
    Triple const p = graph.scales.CurPoint;
    draw_to(graph, p[0] + dx, p[1] + dy, p[2] + dz);
}

void move_to(GraphRecord& graph, double x, double y)
{
    move_to(graph, x, y, graph.coordinates.ZPlane);
}

void draw_to(GraphRecord& graph, double x, double y)
{
    draw_to(graph, x, y, graph.coordinates.ZPlane);
}

} // namespace kelvo
