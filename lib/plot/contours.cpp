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
// drawn as left, bottom, top, right, unless saddle cells are separated: the pen then lifts
// between the two segments that the value at the centre pairs.
//
// Whether a corner lies below the level is read from its height as the walk reaches it; the
// right corners of one cell are the left corners of the next.
class LevelTracer {
public:
    LevelTracer(GraphRecord& graph, PlotGrid const& grid, SaddleCells saddles, std::vector<double>& fraction)
        : graph_(graph), grid_(grid), saddles_(saddles), fraction_(fraction), lines_(graph)
    {
    }

    void finish() { lines_.flush(); }

    void trace(double level)
    {
        level_ = level;
        for (int32_t i = 0; i + 1 < grid_.nx; ++i) {
            double const a = grid_.at(i, 0);
            double const b = grid_.at(i + 1, 0);
            if (below(a) != below(b))
                fraction_[static_cast<std::size_t>(i)] = crossing(a, b, level);
        }
        for (int32_t j = 0; j + 1 < grid_.ny; ++j)
            trace_row(j);
    }

private:
    bool below(double height) const { return height < level_; }

    void trace_row(int32_t j)
    {
        double const y0 = grid_.y[j];
        double const dy = grid_.y[j + 1] - y0;
        pen_down_ = false;
        // The heights at the current cell's left corners, bottom and top.
        double left_bottom = grid_.at(0, j);
        double left_top = grid_.at(0, j + 1);
        if (below(left_bottom) != below(left_top))
            visit(grid_.x[0], y0 + crossing(left_bottom, left_top, level_) * dy);
        for (int32_t i = 0; i + 1 < grid_.nx; ++i) {
            double const x0 = grid_.x[i];
            double const dx = grid_.x[i + 1] - x0;
            double const right_bottom = grid_.at(i + 1, j);
            double const right_top = grid_.at(i + 1, j + 1);
            bool const bottom = below(left_bottom) != below(right_bottom);
            bool const top = below(left_top) != below(right_top);
            bool const right = below(right_bottom) != below(right_top);
            double& c = fraction_[static_cast<std::size_t>(i)];
            double const bottom_x = x0 + c * dx;
            // Kept for the row above, whose bottom edge this is.
            if (top)
                c = crossing(left_top, right_top, level_);
            double const top_x = x0 + c * dx;
            // Three crossed edges mean four: the left one leads into the cell.
            if (bottom && top && right && saddles_ == SaddleCells::Separated) {
                double const centre = (left_bottom + right_bottom + left_top + right_top) / 4;
                if (below(centre) == below(left_bottom)) {
                    // The centre joins the bottom-left and top-right corners: each line cuts
                    // off one of the other two, left to top and bottom to right.
                    visit(top_x, y0 + dy);
                    pen_down_ = false;
                    visit(bottom_x, y0);
                } else {
                    // The centre joins the other two corners: left to bottom, top to right.
                    visit(bottom_x, y0);
                    pen_down_ = false;
                    visit(top_x, y0 + dy);
                }
            } else {
                if (bottom)
                    visit(bottom_x, y0);
                if (top)
                    visit(top_x, y0 + dy);
            }
            if (right)
                visit(x0 + dx, y0 + crossing(right_bottom, right_top, level_) * dy);
            else
                pen_down_ = false;
            left_bottom = right_bottom;
            left_top = right_top;
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
    SaddleCells saddles_;
    std::vector<double>& fraction_;
    // The segments of every level, drawn together: thousands of lines a few pixels long.
    LineBatch lines_;
    double level_ = 0;
    bool pen_down_ = false;
};

// The working storage is one crossing fraction per column of cells.
void trace_contours(GraphRecord& graph, PlotGrid const& grid, ContourRequest const& request,
                    std::vector<double>& fraction)
{
    LevelTracer tracer(graph, grid, request.saddles, fraction);
    for_each_contour_level(request.count, request.z1, request.z2, [&](double level) { tracer.trace(level); });
    tracer.finish();
}

// Whether tracing the levels would visit more grid points than the call may.
bool too_much_work(PlotGrid const& grid, int32_t levels)
{
    int64_t const points = int64_t{grid.nx} * grid.ny;
    int64_t allowed = contour_work_limit / points;
    if (grid.source == DataSource::CallerMemory && allowed < levels_of_any_grid)
        allowed = levels_of_any_grid;
    return levels > allowed;
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
    if (too_much_work(grid, request.count)) {
        report_plot_error(PlotError::bad_contours);
        return;
    }
    if (fits_ranges(request.option)) {
        if (request.mode == 1)
            reset_to_2d_view(graph);
        else if (request.mode == 2)
            ensure_3d_view(graph);
    }
    FittedRange const x_range = fit_coordinate_range(grid.x, grid.nx);
    FittedRange const y_range = fit_coordinate_range(grid.y, grid.ny);
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
    // Had before anything is drawn: contours without it draw nothing, axes included.
    std::vector<double> fraction;
    if (!allocate_working_storage(fraction, static_cast<std::size_t>(grid.nx - 1)))
        return;
    if (draws_axes(request.option))
        draw_labelled_axes(graph);
    set_pen(graph, request.colour, 1, graph.pen.width);
    if (request.mode > highest_contour_mode) {
        report_plot_error(PlotError::bad_option);
        return;
    }
    trace_contours(graph, grid, request, fraction);
}

} // namespace kelvo
