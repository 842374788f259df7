#include "lib/plot/surfaces.h"

#include <vector>

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

void draw_surface_wire_frame(GraphRecord& graph, PlotGrid const& grid, SegmentColours colours)
{
    int64_t const cells = int64_t{grid.nx} * grid.ny;
    std::vector<PixelPoint> points;
    if (!admit_working_storage(cells, grid.source) || !allocate_working_storage(points, static_cast<std::size_t>(cells)))
        return;
    // Points beyond the window's top or left edge are pinned to it.
    for (int32_t j = 0; j < grid.ny; ++j)
        for (int32_t i = 0; i < grid.nx; ++i) {
            WindowPoint const p = project(graph.scales, grid.x[i], grid.y[j], grid.at(i, j));
            points[static_cast<std::size_t>(j) * static_cast<std::size_t>(grid.nx) + static_cast<std::size_t>(i)] = {
                pinned_pixel(p.x, 0, pixel_limit), pinned_pixel(p.y, 0, pixel_limit)};
        }
    draw_edge_coloured_wire_frame(graph, points, grid.nx, grid.ny, colours);
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
    if (draws_axes(request.option))
        draw_labelled_axes(graph);
    set_pen(graph, request.upper_colour, 1, graph.pen.width);
    SegmentColours const colours{request.upper_colour, request.lower_colour};
    switch (request.style) {
    case wire_frame_style:
        draw_surface_wire_frame(graph, grid, colours);
        return;
    case hidden_line_style:
        // The sweep follows the angles the projection in force was made for.
        if (std::optional<SweepPlan> const plan = plan_sweep(graph.scales.Theta, graph.scales.Phi, grid.nx, grid.ny))
            draw_hidden_line_surface(graph, grid, *plan, colours);
        else
            draw_surface_wire_frame(graph, grid, colours);
        return;
    default:
        report_plot_error(PlotError::bad_option);
    }
}

} // namespace kelvo
