#include "lib/plot/pixel_line.h"

#include <cmath>

#include "lib/axes/projection.h"
#include "lib/draw/attributes.h"
#include "lib/draw/shapes.h"

namespace kelvo {

int32_t pinned_pixel(double coordinate, int32_t low, int32_t high)
{
    if (std::isnan(coordinate))
        return low;
    double const pinned = coordinate < low ? low : coordinate > high ? high : coordinate;
    return window_pixel(pinned);
}

void draw_pixel_line(GraphRecord& graph, PixelPoint from, PixelPoint to, TkColor colour)
{
    if (graph.pen.colour != colour)
        set_pen_colour(graph, colour);
    draw_line(graph, from.column, from.row, to.column, to.row);
}

} // namespace kelvo
