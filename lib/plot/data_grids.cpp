#include "lib/plot/data_grids.h"

#include <optional>

#include "lib/plot/data_calls.h"
#include "lib/plot/plot_errors.h"
#include "lib/runtime/error_state.h"

namespace kelvo {

namespace {

// The grid over the caller's heights, once the call has begun; none (with the error) when
// the heights are missing or could not lie in memory. Counts below 2 are left to the grid
// checks, which refuse them with their own code.
std::optional<PlotGrid> accepted_grid(DataGrid const& data)
{
    start_data_call();
    if (data.z == nullptr) {
        report_plot_error(PlotError::bad_data);
        return std::nullopt;
    }
    if (data.nx >= 2 && data.ny >= 2 && int64_t{data.nx} * data.ny > most_reals_in_memory) {
        report_plot_error(PlotError::no_room);
        return std::nullopt;
    }
    return PlotGrid{data.x, data.y, data.z, data.nx, data.ny, 1, data.ny, DataSource::CallerMemory};
}

} // namespace

int32_t draw_data_contours(GraphRecord& graph, DataGrid const& data, ContourRequest request)
{
    if (std::optional<PlotGrid> const grid = accepted_grid(data)) {
        request.saddles = SaddleCells::Separated;
        draw_contours(graph, *grid, request);
    }
    return error_state().code;
}

int32_t draw_data_surface(GraphRecord& graph, DataGrid const& data, SurfaceRequest const& request)
{
    if (std::optional<PlotGrid> const grid = accepted_grid(data))
        draw_surface(graph, *grid, request);
    return error_state().code;
}

} // namespace kelvo
