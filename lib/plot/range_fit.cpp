#include "lib/plot/range_fit.h"

#include <cmath>

namespace kelvo {

FittedRange fit_range(double const* values, std::size_t count, std::size_t stride)
{
    if (values == nullptr || count == 0)
        return {1, static_cast<double>(count)};
    FittedRange range{values[0] - 0.001, values[0] + 0.001};
    for (std::size_t i = 1; i < count; ++i) {
        double const v = values[i * stride];
        if (v < range.lo)
            range.lo = v;
        if (v > range.hi)
            range.hi = v;
    }
    return range;
}

void set_axis_range(GraphRecord& graph, int axis, FittedRange range)
{
    graph.coordinates.UserMin[static_cast<std::size_t>(axis)] = range.lo;
    graph.coordinates.UserMax[static_cast<std::size_t>(axis)] = range.hi;
}

Interval nudged(double a, double b)
{
    constexpr double lower_factor = 1.37e-6;
    constexpr double upper_factor = 1.41e-6;
    return {a == 0 ? lower_factor : a + std::fabs(a) * lower_factor,
            b == 0 ? -upper_factor : b - std::fabs(b) * upper_factor};
}

} // namespace kelvo
