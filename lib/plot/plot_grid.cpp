#include "lib/plot/plot_grid.h"

#include <cmath>

namespace kelvo {

namespace {

// Visits every height once, in the order the heights lie in memory: the checks and fits
// below do not depend on the order, and a grid of the caller's, whose rows of constant y
// are strided, is read straight through.
template <typename Visit>
bool all_heights(PlotGrid const& grid, Visit&& visit)
{
    bool const rows_outer = grid.row_stride >= grid.point_stride;
    int32_t const outer = rows_outer ? grid.ny : grid.nx;
    int32_t const inner = rows_outer ? grid.nx : grid.ny;
    for (int32_t a = 0; a < outer; ++a)
        for (int32_t b = 0; b < inner; ++b)
            if (!visit(rows_outer ? grid.at(b, a) : grid.at(a, b)))
                return false;
    return true;
}

} // namespace

std::optional<PlotError> check_coordinate_order(GridCoordinates values, int32_t count)
{
    if (count < 2)
        return PlotError::not_enough_data;
    if (values.counts_up())
        return std::nullopt;
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
    if (!all_heights(grid, [](double v) { return std::isfinite(v); }))
        return PlotError::bad_data;
    return std::nullopt;
}

FittedRange fit_coordinate_range(GridCoordinates values, int32_t count)
{
    FittedRange range{values[0] - 0.001, values[0] + 0.001};
    for (int32_t i = 1; i < count; ++i) {
        double const v = values[i];
        if (v < range.lo)
            range.lo = v;
        if (v > range.hi)
            range.hi = v;
    }
    return range;
}

FittedRange fit_height_range(PlotGrid const& grid)
{
    double const first = grid.at(0, 0);
    FittedRange range{first - 0.001, first + 0.001};
    all_heights(grid, [&](double v) {
        if (v < range.lo)
            range.lo = v;
        if (v > range.hi)
            range.hi = v;
        return true;
    });
    return range;
}

} // namespace kelvo
