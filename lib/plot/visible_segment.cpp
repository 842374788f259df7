#include "lib/plot/visible_segment.h"

namespace kelvo {

namespace {

constexpr int32_t split_steps = 16;

} // namespace

PixelPoint mirrored(PixelPoint p, double axis_column)
{
    return {pinned_pixel(2 * axis_column - p.x, -pixel_limit, pixel_limit), p.y};
}

PixelPoint split_point(Horizon const& horizon, PixelPoint s, PixelPoint e, Visibility wanted)
{
    for (int32_t k = 1; k < split_steps; ++k) {
        double const t = static_cast<double>(k) / split_steps;
        PixelPoint const p{e.x - rounded_pixel((e.x - s.x) * t),
                           e.y - rounded_pixel((e.y - s.y) * t)};
        if (horizon.visibility(p) == wanted)
            return p;
    }
    return s;
}

} // namespace kelvo
