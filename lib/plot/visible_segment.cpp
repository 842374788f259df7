#include "lib/plot/visible_segment.h"

#include <utility>

namespace kelvo {

namespace {

constexpr int32_t split_steps = 16;

PixelPoint mirrored(PixelPoint p, double axis)
{
    return {pinned_pixel(2 * axis - p.column, -pixel_limit, pixel_limit), p.row};
}

void draw_piece(GraphRecord& graph, PixelPoint from, PixelPoint to, TkColor colour, std::optional<double> mirror)
{
    draw_pixel_line(graph, from, to, colour);
    if (mirror)
        draw_pixel_line(graph, mirrored(from, *mirror), mirrored(to, *mirror), colour);
}

TkColor colour_of(Visibility visibility, SegmentColours colours)
{
    return visibility == Visibility::Upper ? colours.upper : colours.lower;
}

// E moved back towards S by k sixteenths of the way, coordinate by coordinate.
PixelPoint towards(PixelPoint s, PixelPoint e, int32_t k)
{
    double const t = static_cast<double>(k) / split_steps;
    return {e.column - rounded_pixel((e.column - s.column) * t), e.row - rounded_pixel((e.row - s.row) * t)};
}

} // namespace

void draw_visible_segment(GraphRecord& graph, Horizon const& horizon, PixelPoint a, PixelPoint b,
                          SegmentColours colours, std::optional<double> mirror_column)
{
    PixelPoint s = a;
    PixelPoint e = b;
    if (horizon.visibility(a) == Visibility::Hidden)
        std::swap(s, e);
    Visibility const start_class = horizon.visibility(s);
    if (start_class == Visibility::Hidden)
        return;
    Visibility const end_class = horizon.visibility(e);
    if (start_class == end_class) {
        draw_piece(graph, s, e, colour_of(start_class, colours), mirror_column);
        return;
    }
    // At k = 16 the split point is S itself, whose class is the one sought.
    PixelPoint split = s;
    for (int32_t k = 1; k <= split_steps; ++k) {
        split = towards(s, e, k);
        if (horizon.visibility(split) == start_class)
            break;
    }
    draw_piece(graph, s, split, colour_of(start_class, colours), mirror_column);
    if (end_class != Visibility::Hidden)
        draw_piece(graph, split, e, colour_of(end_class, colours), mirror_column);
}

} // namespace kelvo
