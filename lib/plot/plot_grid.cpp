#include "lib/plot/plot_grid.h"

#include <cmath>

namespace kelvo {

std::optional<PlotError> check_coordinate_order(double const* values, int32_t count)
{
    if (count < 2)
        return PlotError::not_enough_data;
    for (int32_t i = 0; i < count; ++i) {
        if (!std::isfinite(values[i]))
            return PlotError::bad_data_array;
        if (i > 0 && values[i] < values[i - 1])
            return PlotError::bad_data_array;
    }
    return std::nullopt;
}

bool refused(std::optional<PlotError> error)
{
    if (error)
        report_plot_error(*error);
    return error.has_value();
}

std::optional<PlotError> check_finite_heights(PlotGrid const& grid)
{
    for (int32_t j = 0; j < grid.ny; ++j)
        for (int32_t i = 0; i < grid.nx; ++i)
            if (!std::isfinite(grid.at(i, j)))
                return PlotError::bad_data;
    return std::nullopt;
}

FittedRange fit_height_range(PlotGrid const& grid)
{
    // Row by row, since the rows need not lie next to each other; the same rule as
    // fit_range over one run.
    FittedRange range = fit_range(grid.z, 1);
    for (int32_t j = 0; j < grid.ny; ++j)
        for (int32_t i = 0; i < grid.nx; ++i) {
            double const v = grid.at(i, j);
            if (v < range.lo)
                range.lo = v;
            if (v > range.hi)
                range.hi = v;
        }
    return range;
}

} // namespace kelvo
