#include "lib/plot/surfaces.h"

#include <optional>
#include <span>

#include "lib/axes/projection.h"
#include "lib/axes/scales.h"
#include "lib/draw/attributes.h"
#include "lib/plot/plot_option.h"
#include "lib/plot/labelled_axes.h"
#include "lib/plot/range_fit.h"
#include "lib/plot/surface_sweep.h"
#include "lib/plot/wire_frame.h"
#include "lib/plot/working_storage.h"
#include "lib/runtime/error_state.h"

namespace kelvo {

namespace {

void draw_surface_wire_frame(GraphRecord& graph, PlotGrid const& grid, SegmentColours colours,
                             WireFrameStorage& storage)
{
    std::span<PixelPoint> const points = storage.points();
    // Points beyond the window's top or left edge are pinned to it.
    for (int32_t j = 0; j < grid.ny; ++j)
        for (int32_t i = 0; i < grid.nx; ++i) {
            WindowPoint const p = project(graph.scales, grid.x[i], grid.y[j], grid.at(i, j));
            points[static_cast<std::size_t>(j) * static_cast<std::size_t>(grid.nx) + static_cast<std::size_t>(i)] = {
                pinned_pixel(p.x, 0, pixel_limit), pinned_pixel(p.y, 0, pixel_limit)};
        }
    draw_edge_coloured_wire_frame(graph, storage, colours);
}

} // namespace

void draw_surface(GraphRecord& graph, PlotGrid const& grid, SurfaceRequest const& request)
{
    if (error_state().flag != 0)
        return;
    if (refused(check_coordinate_order(grid.x, grid.nx)) || refused(check_coordinate_order(grid.y, grid.ny)) ||
        refused(check_finite_heights(grid)))
        return;
    if (fits_ranges(request.option)) {
        set_axis_range(graph, axis_x, fit_coordinate_range(grid.x, grid.nx));
        set_axis_range(graph, axis_y, fit_coordinate_range(grid.y, grid.ny));
        set_axis_range(graph, axis_z, fit_height_range(grid));
        set_scales(graph);
    }
    // The sweep follows the angles the projection in force was made for; without a front to
    // sweep, hidden lines are drawn as the wire frame.
    std::optional<SweepPlan> const plan = request.style == hidden_line_style
                                              ? plan_sweep(graph.scales.Theta, graph.scales.Phi, grid.nx, grid.ny)
                                              : std::nullopt;
    bool const wire_frame = request.style == wire_frame_style || (request.style == hidden_line_style && !plan);
    // Had before anything is drawn: a surface without it draws nothing, axes included.
    SweepStorage sweep;
    WireFrameStorage frame;
    if ((plan && !sweep.obtain(graph.window_width, grid)) ||
        (wire_frame && !frame.obtain(grid.nx, grid.ny, grid.source)))
        return;
    if (draws_axes(request.option))
        draw_labelled_axes(graph);
    set_pen(graph, request.upper_colour, 1, graph.pen.width);
    SegmentColours const colours{request.upper_colour, request.lower_colour};
    if (plan)
        draw_hidden_line_surface(graph, grid, *plan, colours, sweep);
    else if (wire_frame)
        draw_surface_wire_frame(graph, grid, colours, frame);
    else
        report_plot_error(PlotError::bad_option);
}

} // namespace kelvo
