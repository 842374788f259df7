#include "lib/plot/sampled_plot.h"

#include "lib/graph/graph_table.h"
#include "lib/plot/plot_errors.h"
#include "lib/plot/plot_state.h"
#include "lib/plot/range_fit.h"
#include "lib/plot/sampling.h"
#include "lib/runtime/arrays.h"
#include "lib/runtime/error_state.h"

namespace kelvo {

namespace {

// The code the formula forms start from: what a missing array leaves behind. No message is
// stored with it.
int32_t start_with_no_room()
{
    int32_t const code = plot_error_code(PlotError::no_room);
    error_state().code = code;
    return code;
}

SampledVariable nudged_variable(SampledInterval const& interval, TkArray values)
{
    Interval const inside = nudged(interval.from, interval.to);
    return {interval.name, inside.a, inside.b, values, interval.count};
}

} // namespace

ScratchArray::~ScratchArray()
{
    if (handle_ != 0)
        dispose_array(handle_);
}

SampledGrid::SampledGrid(TkGraph graph, std::string_view formula, SampledInterval const& x, SampledInterval const& y)
    : x_(new_array(1, x.count, 1, 1)), y_(new_array(1, y.count, 1, 1)), z_(new_array(2, x.count, y.count, 1))
{
    make_current(graph);
    code_ = start_with_no_room();
    if (x_.handle() == 0 || y_.handle() == 0 || z_.handle() == 0)
        return;
    plot_state().pending_graph = graph;
    code_ = sample_function(formula, nudged_variable(x, x_.handle()), nudged_variable(y, y_.handle()), z_.handle());
}

SampledProfile::SampledProfile(TkGraph graph, std::string_view formula, SampledInterval const& z)
    : z_(new_array(1, z.count, 1, 1)), radii_(new_array(1, z.count, 1, 1))
{
    make_current(graph);
    code_ = start_with_no_room();
    if (z_.handle() == 0 || radii_.handle() == 0)
        return;
    code_ = sample_function(formula, nudged_variable(z, z_.handle()), radii_.handle());
}

} // namespace kelvo
