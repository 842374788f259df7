#include "lib/plot/histograms.h"

#include <cmath>
#include <span>

#include "lib/axes/marks.h"
#include "lib/axes/scales.h"
#include "lib/axes/view.h"
#include "lib/draw/attributes.h"
#include "lib/plot/array_plot_start.h"
#include "lib/plot/labelled_axes.h"
#include "lib/plot/plot_errors.h"
#include "lib/plot/plot_option.h"
#include "lib/plot/range_fit.h"
#include "lib/plot/transposed_copy.h"
#include "lib/runtime/arrays.h"
#include "lib/runtime/error_state.h"

namespace kelvo {

namespace {

// Up to this many bars along an axis, the axis gets one primary interval per bar.
constexpr int32_t bars_with_own_interval = 20;
// Keeps the first bar's left edge from falling exactly on the widened range's end.
constexpr double left_edge_allowance = 1.2e-16;

std::span<double const> first_reals(TkArray array, int32_t n)
{
    return {find_array(array)->data.get(), static_cast<std::size_t>(n)};
}

// X(k) read with the clamp of bar widths: below 1 reads the second point, beyond the last
// reads the one before it. Needs at least two points.
double clamped(std::span<double const> points, int32_t k)
{
    auto const n = static_cast<int32_t>(points.size());
    if (k < 1)
        k = 2;
    else if (k > n)
        k = n - 1;
    return points[static_cast<std::size_t>(k - 1)];
}

// The distance from point k to its neighbour in direction s. With a single point there is
// no neighbour: its bar is 1 wide.
double spacing(std::span<double const> points, int32_t k, int32_t s)
{
    if (points.size() < 2)
        return 1;
    return std::fabs(clamped(points, k + s) - clamped(points, k));
}

// The range fitted to the points, widened by half a bar at each end.
FittedRange widened_range(std::span<double const> points)
{
    FittedRange range = fit_range(points.data(), points.size());
    auto const n = static_cast<int32_t>(points.size());
    double const first_half = n < 2 ? 0.5 : (clamped(points, 2) - clamped(points, 1)) / 2;
    double const last_half = n < 2 ? 0.5 : (clamped(points, n) - clamped(points, n - 1)) / 2;
    range.lo = range.lo - first_half - left_edge_allowance;
    range.hi = range.hi + last_half;
    return range;
}

void fit_bar_axis(GraphRecord& graph, int axis, std::span<double const> points)
{
    set_axis_range(graph, axis, widened_range(points));
    auto const n = static_cast<int32_t>(points.size());
    if (n < bars_with_own_interval)
        graph.coordinates.Intervals[static_cast<std::size_t>(axis)] = n;
}

// Bars stand on 0: a fitted range of heights always reaches down to it.
void fit_heights(GraphRecord& graph, int axis, std::span<double const> heights)
{
    FittedRange range = fit_range(heights.data(), heights.size());
    if (range.lo > 0)
        range.lo = 0;
    set_axis_range(graph, axis, range);
}

void use_pen_colour(GraphRecord& graph, TkColor colour)
{
    if (graph.pen.colour != colour)
        set_pen_colour(graph, colour);
}

void paint_face(GraphRecord& graph, std::span<Triple const> corners, TkColor fill)
{
    use_pen_colour(graph, fill);
    draw_user_polygon(graph, corners, Filling::Filled);
    use_pen_colour(graph, graph.style.pen_colour);
    draw_user_polygon(graph, corners, Filling::Outline);
}

bool is_finite(std::initializer_list<double> values)
{
    for (double v : values)
        if (!std::isfinite(v))
            return false;
    return true;
}

// A direction along an axis: a view straight along the other axis counts as positive.
int32_t direction_of(double component)
{
    return component < 0 ? -1 : 1;
}

} // namespace

PaintersOrder painters_order(double theta, double phi)
{
    return {direction_of(std::sin(theta) * std::cos(phi)), direction_of(std::sin(theta) * std::sin(phi)),
            std::cos(theta) > 0};
}

BarFaces bar_faces(BarGrid const& grid, int32_t i, int32_t j, PaintersOrder const& order)
{
    double const height = grid.heights.at(i, j);
    double const b = spacing(grid.y, j, order.sy) * order.sy * grid.y_width;
    double const y1 = grid.y[static_cast<std::size_t>(j - 1)] - b / 2;
    double const y2 = y1 + b;
    double const a = spacing(grid.x, i, order.sx) * order.sx * grid.x_width;
    double const x1 = grid.x[static_cast<std::size_t>(i - 1)] - a / 2;
    double const x2 = x1 + a;
    bool const towards_viewer = (order.up && height > 0) || (!order.up && height < 0);
    double const x_base = towards_viewer ? 0 : grid.heights.at_or_zero(i + order.sx, j);
    double const y_base = towards_viewer ? 0 : grid.heights.at_or_zero(i, j + order.sy);
    return {
        {{{x1, y2, height}, {x1, y1, height}, {x2, y1, height}, {x2, y2, height}}},
        {{{x2, y1, x_base}, {x2, y1, height}, {x2, y2, height}, {x2, y2, x_base}}},
        {{{x1, y2, y_base}, {x1, y2, height}, {x2, y2, height}, {x2, y2, y_base}}},
    };
}

int32_t draw_histogram(GraphRecord& graph, TkArray x, TkArray y, int32_t n, double width, double offset,
                       BarStyle const& style)
{
    if (start_array_plot({{1, {x, 0, 0}, {n, 0, 0}, y}}) != 0 || require_counts({n}) != 0)
        return error_state().code;
    if (!is_finite({width, offset})) {
        report_plot_error(PlotError::bad_data);
        return error_state().code;
    }
    draw_bars(graph, {first_reals(x, n), first_reals(y, n), width, offset}, style);
    return error_state().code;
}

void draw_bars(GraphRecord& graph, Bars const& bars, BarStyle const& style)
{
    std::span<double const> const xs = bars.x;
    std::span<double const> const ys = bars.heights;
    if (fits_ranges(style.option)) {
        reset_to_2d_view(graph);
        fit_bar_axis(graph, axis_x, xs);
        fit_heights(graph, axis_y, ys);
        set_scales(graph);
    }
    if (draws_axes(style.option))
        draw_labelled_axes(graph);
    double const z = graph.coordinates.ZPlane;
    auto const n = static_cast<int32_t>(xs.size());
    for (int32_t i = 1; i <= n; ++i) {
        double const w = spacing(xs, i, 1);
        double const left = xs[static_cast<std::size_t>(i - 1)] + w * bars.offset * bars.width;
        double const right = left + w * bars.width;
        double const top = ys[static_cast<std::size_t>(i - 1)];
        Triple const bar[] = {{left, 0, z}, {left, top, z}, {right, top, z}, {right, 0, z}};
        paint_face(graph, bar, style.colour);
    }
    // The axes again, over the bars.
    if (draws_axes(style.option))
        draw_labelled_axes(graph);
    use_pen_colour(graph, graph.style.pen_colour);
}

int32_t draw_histogram(GraphRecord& graph, TkArray x, TkArray y, TkArray z, int32_t nx, int32_t ny, double x_width,
                       double y_width, BarStyle const& style)
{
    if (start_array_plot({{2, {x, y, 0}, {nx, ny, 0}, z}}) != 0)
        return error_state().code;
    TransposedCopy const copy(z);
    if (copy.handle() == 0 || require_counts({nx, ny}) != 0)
        return error_state().code;
    if (!is_finite({x_width, y_width})) {
        report_plot_error(PlotError::bad_data);
        return error_state().code;
    }
    GridHeights const heights(copy.handle(), nx, ny);
    BarGrid const grid{first_reals(x, nx), first_reals(y, ny), heights, x_width, y_width};
    if (fits_ranges(style.option)) {
        ensure_3d_view(graph);
        fit_bar_axis(graph, axis_x, grid.x);
        fit_bar_axis(graph, axis_y, grid.y);
        fit_heights(graph, axis_z, heights.values());
        set_scales(graph);
    }
    if (draws_axes(style.option))
        draw_labelled_axes(graph);

    // Back to front: farther bars first, so that nearer ones cover them.
    PaintersOrder const order = painters_order(graph.coordinates.Theta, graph.coordinates.Phi);
    int32_t const first_row = order.sy == 1 ? 1 : ny;
    int32_t const first_column = order.sx == 1 ? 1 : nx;
    for (int32_t row = 0, j = first_row; row < ny; ++row, j += order.sy)
        for (int32_t column = 0, i = first_column; column < nx; ++column, i += order.sx) {
            BarFaces const faces = bar_faces(grid, i, j, order);
            paint_face(graph, faces.top, style.colour);
            paint_face(graph, faces.x_side, style.colour);
            paint_face(graph, faces.y_side, style.colour);
        }
    if (draws_axes(style.option))
        draw_labelled_axes(graph);
    use_pen_colour(graph, graph.style.pen_colour);
    return error_state().code;
}

} // namespace kelvo
