#include "lib/plot/data_arrays.h"

#include "lib/axes/current_point.h"
#include "lib/axes/marks.h"
#include "lib/axes/scales.h"
#include "lib/axes/view.h"
#include "lib/draw/attributes.h"
#include "lib/plot/array_plot_start.h"
#include "lib/plot/grid_heights.h"
#include "lib/plot/labelled_axes.h"
#include "lib/plot/plot_option.h"
#include "lib/plot/range_fit.h"
#include "lib/plot/transposed_copy.h"
#include "lib/runtime/arrays.h"
#include "lib/runtime/error_state.h"

namespace kelvo {

namespace {

constexpr int32_t solid_pen = 1;

// The first n reals of a checked one-dimensional array, indexed from 1.
class Line {
public:
    explicit Line(TkArray array)
        : data_(find_array(array)->data.get())
    {
    }
    double operator()(int32_t i) const { return data_[i - 1]; }
    double const* data() const { return data_; }

private:
    double const* data_;
};

ArrayCheck line_check(TkArray coordinates, TkArray data, int32_t n)
{
    return {1, {coordinates, 0, 0}, {n, 0, 0}, data};
}

} // namespace

void apply_colour_and_mark(GraphRecord& graph, ArrayMarks const& marks)
{
    if (graph.coordinates.UseSymbolColour) {
        graph.coordinates.SymbolColour = marks.colour;
        return;
    }
    int32_t const style = marks.mark >= joined_marks ? solid_pen : graph.pen.style;
    if (graph.pen.colour != marks.colour || graph.pen.style != style)
        set_pen(graph, marks.colour, style, graph.pen.width);
}

void frame_if_asked(GraphRecord& graph, uint8_t option)
{
    if (draws_axes(option))
        draw_labelled_axes(graph);
}

int32_t draw_plane_points(GraphRecord& graph, TkArray x, TkArray y, int32_t n, ArrayMarks const& marks)
{
    if (start_array_plot({line_check(x, y, n)}) != 0 || require_counts({n}) != 0)
        return error_state().code;
    Line const xs(x);
    Line const ys(y);
    if (fits_ranges(marks.option)) {
        reset_to_2d_view(graph);
        set_axis_range(graph, axis_x, fit_range(xs.data(), static_cast<std::size_t>(n)));
        set_axis_range(graph, axis_y, fit_range(ys.data(), static_cast<std::size_t>(n)));
        set_scales(graph);
    }
    frame_if_asked(graph, marks.option);
    apply_colour_and_mark(graph, marks);
    double const z = graph.coordinates.ZPlane;
    for (int32_t i = 1; i <= n; ++i) {
        if (marks.mark >= joined_marks) {
            if (i == 1)
                move_to(graph, xs(i), ys(i), z);
            else
                draw_to(graph, xs(i), ys(i), z);
        }
        plot_symbol(graph, marks.mark % 10, xs(i), ys(i), z);
    }
    return error_state().code;
}

int32_t draw_grid_stems(GraphRecord& graph, TkArray x, TkArray y, TkArray z, int32_t nx, int32_t ny,
                        ArrayMarks const& marks)
{
    if (start_array_plot({{2, {x, y, 0}, {nx, ny, 0}, z}}) != 0)
        return error_state().code;
    TransposedCopy const copy(z);
    if (copy.handle() == 0 || require_counts({nx, ny}) != 0)
        return error_state().code;
    Line const xs(x);
    Line const ys(y);
    GridHeights const heights(copy.handle(), nx, ny);
    if (fits_ranges(marks.option)) {
        ensure_3d_view(graph);
        set_axis_range(graph, axis_x, fit_range(xs.data(), static_cast<std::size_t>(nx)));
        set_axis_range(graph, axis_y, fit_range(ys.data(), static_cast<std::size_t>(ny)));
        set_axis_range(graph, axis_z, fit_range(heights.values().data(), heights.values().size()));
        set_scales(graph);
    }
    frame_if_asked(graph, marks.option);
    apply_colour_and_mark(graph, marks);
    for (int32_t j = 1; j <= ny; ++j)
        for (int32_t i = 1; i <= nx; ++i) {
            double const height = heights.at(i, j);
            if (marks.mark >= joined_marks) {
                move_to(graph, xs(i), ys(j), 0);
                draw_to(graph, xs(i), ys(j), height);
            }
            plot_symbol(graph, marks.mark % 10, xs(i), ys(j), height);
        }
    return error_state().code;
}

int32_t draw_space_points(GraphRecord& graph, TkArray x, TkArray y, TkArray z, int32_t n, ArrayMarks const& marks)
{
    if (start_array_plot({line_check(x, y, n), line_check(z, y, n)}) != 0 || require_counts({n}) != 0)
        return error_state().code;
    Line const xs(x);
    Line const ys(y);
    Line const zs(z);
    if (fits_ranges(marks.option)) {
        ensure_3d_view(graph);
        set_axis_range(graph, axis_x, fit_range(xs.data(), static_cast<std::size_t>(n)));
        set_axis_range(graph, axis_y, fit_range(ys.data(), static_cast<std::size_t>(n)));
        set_axis_range(graph, axis_z, fit_range(zs.data(), static_cast<std::size_t>(n)));
        set_scales(graph);
    }
    frame_if_asked(graph, marks.option);
    apply_colour_and_mark(graph, marks);
    for (int32_t i = 1; i <= n; ++i) {
        if (marks.mark < joined_marks)
            plot_symbol(graph, marks.mark % 10, xs(i), ys(i), zs(i));
        else if (i == 1)
            move_to(graph, xs(i), ys(i), zs(i));
        else
            draw_to(graph, xs(i), ys(i), zs(i));
    }
    return error_state().code;
}

} // namespace kelvo
