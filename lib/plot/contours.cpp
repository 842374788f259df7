#include "lib/plot/contours.h"

#include <cmath>
#include <vector>

#include "lib/axes/current_point.h"
#include "lib/axes/scales.h"
#include "lib/axes/view.h"
#include "lib/draw/line_batch.h"
#include "lib/draw/attributes.h"
#include "lib/plot/plot_option.h"
#include "lib/plot/labelled_axes.h"
#include "lib/plot/range_fit.h"
#include "lib/plot/working_storage.h"
#include "lib/runtime/error_state.h"

namespace kelvo {

namespace {

// Where the level crosses the edge from value a to value b, as a fraction of the edge from
// a. Only edges whose ends lie on different sides of the level are asked, so a != b.
double crossing(double a, double b, double level)
{
    return std::fabs(a - level) / std::fabs(b - a);
}

// One level traced through the grid. Each row of cells is walked left to right, and in each
// cell the edges are visited in a fixed order: bottom, top, right (the left edge is the
// right edge of the cell before, or the row's own start). A crossed edge extends the line;
// a right edge without a crossing lifts the pen. A cell crossed on all four edges is thus
// drawn as left, bottom, top, right: one path, with no choice between its two readings.
class LevelTracer {
public:
    LevelTracer(GraphRecord& graph, PlotGrid const& grid, std::vector<uint8_t>& below, std::vector<double>& fraction)
        : graph_(graph), grid_(grid), below_(below), fraction_(fraction), lines_(graph)
    {
    }

    void finish() { lines_.flush(); }

    void trace(double level)
    {
        level_ = level;
        std::size_t k = 0;
        for (int32_t j = 0; j < grid_.ny; ++j)
            for (int32_t i = 0; i < grid_.nx; ++i)
                below_[k++] = grid_.at(i, j) < level ? 1 : 0;
        for (int32_t i = 0; i + 1 < grid_.nx; ++i)
            if (is_below(i, 0) != is_below(i + 1, 0))
                fraction_[static_cast<std::size_t>(i)] = crossing(grid_.at(i, 0), grid_.at(i + 1, 0), level);
        for (int32_t j = 0; j + 1 < grid_.ny; ++j)
            trace_row(j);
    }

private:
    bool is_below(int32_t i, int32_t j) const
    {
        return below_[static_cast<std::size_t>(j) * static_cast<std::size_t>(grid_.nx) + static_cast<std::size_t>(i)] != 0;
    }

    void trace_row(int32_t j)
    {
        double const y0 = grid_.y[j];
        double const dy = grid_.y[j + 1] - y0;
        pen_down_ = false;
        if (is_below(0, j) != is_below(0, j + 1))
            visit(grid_.x[0], y0 + crossing(grid_.at(0, j), grid_.at(0, j + 1), level_) * dy);
        for (int32_t i = 0; i + 1 < grid_.nx; ++i) {
            double const x0 = grid_.x[i];
            double const dx = grid_.x[i + 1] - x0;
            double& c = fraction_[static_cast<std::size_t>(i)];
            if (is_below(i, j) != is_below(i + 1, j))
                visit(x0 + c * dx, y0);
            if (is_below(i, j + 1) != is_below(i + 1, j + 1)) {
                // Kept for the row above, whose bottom edge this is.
                c = crossing(grid_.at(i, j + 1), grid_.at(i + 1, j + 1), level_);
                visit(x0 + c * dx, y0 + dy);
            }
            if (is_below(i + 1, j) != is_below(i + 1, j + 1))
                visit(x0 + dx, y0 + crossing(grid_.at(i + 1, j), grid_.at(i + 1, j + 1), level_) * dy);
            else
                pen_down_ = false;
        }
    }

    void visit(double x, double y)
    {
        if (pen_down_)
            draw_to(graph_, x, y, level_, lines_);
        else
            move_to(graph_, x, y, level_);
        pen_down_ = true;
    }

    GraphRecord& graph_;
    PlotGrid const& grid_;
    std::vector<uint8_t>& below_;
    std::vector<double>& fraction_;
    // The segments of every level, drawn together: thousands of lines a few pixels long.
    LineBatch lines_;
    double level_ = 0;
    bool pen_down_ = false;
};

void trace_contours(GraphRecord& graph, PlotGrid const& grid, ContourRequest const& request)
{
    int64_t const points = int64_t{grid.nx} * grid.ny;
    std::vector<double> fraction;
    std::vector<uint8_t> below;
    // A flag byte per grid point, within the limit of one block.
    if (points > working_storage_limit) {
        report_plot_error(PlotError::no_room);
        return;
    }
    if (!allocate_working_storage(fraction, static_cast<std::size_t>(grid.nx - 1)) ||
        !allocate_working_storage(below, static_cast<std::size_t>(points)))
        return;
    LevelTracer tracer(graph, grid, below, fraction);
    for_each_contour_level(request.count, request.z1, request.z2, [&](double level) { tracer.trace(level); });
    tracer.finish();
}

} // namespace

void draw_contours(GraphRecord& graph, PlotGrid const& grid, ContourRequest request)
{
    if (error_state().flag != 0)
        return;
    if (request.count < 1) {
        report_plot_error(PlotError::bad_contours);
        return;
    }
    // A single level asked for at one value is drawn just above it.
    if (request.count == 1 && request.z1 == request.z2)
        request.z2 = request.z1 + 0.001;
    if (!std::isfinite(request.z1) || !std::isfinite(request.z2) || request.z1 > request.z2) {
        report_plot_error(PlotError::bad_range);
        return;
    }
    if (refused(check_coordinate_order(grid.x, grid.nx)) || refused(check_coordinate_order(grid.y, grid.ny)) ||
        refused(check_finite_heights(grid)))
        return;
    if (int64_t{request.count} * grid.nx * grid.ny > contour_work_limit) {
        report_plot_error(PlotError::bad_contours);
        return;
    }
    if (fits_ranges(request.option)) {
        if (request.mode == 1)
            reset_to_2d_view(graph);
        else if (request.mode == 2)
            ensure_3d_view(graph);
    }
    FittedRange const x_range = fit_range(grid.x, static_cast<std::size_t>(grid.nx));
    FittedRange const y_range = fit_range(grid.y, static_cast<std::size_t>(grid.ny));
    // Equal bounds: the levels span the data.
    if (request.z1 == request.z2) {
        FittedRange const heights = fit_height_range(grid);
        request.z1 = heights.lo;
        request.z2 = heights.hi;
    }
    if (fits_ranges(request.option)) {
        set_axis_range(graph, axis_x, x_range);
        set_axis_range(graph, axis_y, y_range);
        set_axis_range(graph, axis_z, {request.z1, request.z2});
        set_scales(graph);
    }
    if (draws_axes(request.option))
        draw_labelled_axes(graph);
    set_pen(graph, request.colour, 1, graph.pen.width);
    if (request.mode > highest_contour_mode) {
        report_plot_error(PlotError::bad_option);
        return;
    }
    trace_contours(graph, grid, request);
}

} // namespace kelvo
