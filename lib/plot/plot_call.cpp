#include "lib/plot/plot_call.h"

#include "lib/graph/graph_table.h"
#include "lib/runtime/array_check.h"
#include "lib/runtime/arrays.h"
#include "lib/runtime/error_state.h"

namespace kelvo {

namespace {

// The convention of every plotting call: the flag cleared, the code that of the argument
// check (its message is not touched).
void start_with_code(int32_t code)
{
    ErrorState& errors = error_state();
    errors.flag = 0;
    errors.code = code;
}

} // namespace

GridArguments::GridArguments(TkGraph graph, GridArrays const& arrays)
{
    int32_t const check = check_plot_arrays({2, {arrays.x, arrays.y, 0}, {arrays.nx, arrays.ny, 0}, arrays.z});
    GraphRecord* const current = make_current(graph);
    start_with_code(check);
    if (check != 0)
        return;
    copy_.emplace(arrays.z);
    LibraryArray const* heights = find_array(copy_->handle());
    if (heights == nullptr || current == nullptr)
        return;
    graph_ = current;
    // The copy has a row per y coordinate, each as long as the caller's first extent.
    grid_ = {find_array(arrays.x)->data.get(), find_array(arrays.y)->data.get(), heights->data.get(),
             arrays.nx, arrays.ny, heights->plane_size};
}

ProfileArguments::ProfileArguments(TkGraph graph, TkArray z_values, TkArray radii, int32_t count)
{
    int32_t const check = check_plot_arrays({1, {z_values, 0, 0}, {count, 0, 0}, radii});
    GraphRecord* const current = make_current(graph);
    start_with_code(check);
    if (check != 0 || current == nullptr)
        return;
    graph_ = current;
    profile_ = {find_array(z_values)->data.get(), find_array(radii)->data.get(), count};
}

} // namespace kelvo
