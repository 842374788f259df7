#include "lib/plot/sampling.h"

#include <array>
#include <cmath>
#include <span>
#include <vector>

#include "lib/formula/entry_points.h"
#include "lib/formula/formula_state.h"
#include "lib/graph/graph_table.h"
#include "lib/plot/plot_errors.h"
#include "lib/plot/plot_state.h"
#include "lib/runtime/array_check.h"
#include "lib/runtime/arrays.h"
#include "lib/runtime/error_state.h"

namespace kelvo {

namespace {

// The parameters of the pending graph, which the slot gives up whatever the call does, so
// that a refused call cannot lend a graph to the next one.
ParameterList const* take_pending_parameters()
{
    GraphRecord const* graph = find_graph(take_pending_graph());
    return graph == nullptr ? nullptr : &graph->parameters;
}

bool has_finite_step(SampledVariable const& v)
{
    return std::isfinite(v.from) && std::isfinite(v.to) && std::isfinite((v.to - v.from) / (v.count - 1));
}

// The values a variable runs through: its start, then each step added to the value before
// (accumulated, as the grid has always been laid out, not start + i * step).
std::vector<double> grid_values(SampledVariable const& v)
{
    double const step = (v.to - v.from) / (v.count - 1);
    std::vector<double> values(static_cast<std::size_t>(v.count));
    double value = v.from;
    for (double& out : values) {
        out = value;
        value += step;
    }
    return values;
}

void write_values(TkArray array, std::vector<double> const& values)
{
    LibraryArray const* target = find_array(array);
    for (std::size_t i = 0; i < values.size(); ++i)
        *target->element(static_cast<int32_t>(i + 1), 1, 1) = values[i];
}

// Everything before the filling: the array check, the counts and intervals, and the
// formula prepared as the current formula. Returns 0 when the grid may be filled.
int32_t prepare_grid(std::string_view formula, std::span<SampledVariable const* const> variables, TkArray data)
{
    ParameterList const* parameters = take_pending_parameters();
    ArrayCheck check{static_cast<int32_t>(variables.size()), {}, {}, data};
    for (std::size_t axis = 0; axis < variables.size(); ++axis) {
        check.coordinates[axis] = variables[axis]->values;
        check.counts[axis] = variables[axis]->count;
    }
    if (int32_t const code = check_plot_arrays(check); code != 0)
        return code;

    clear_error();
    for (SampledVariable const* v : variables)
        if (v->count < 2) {
            report_plot_error(PlotError::not_enough_data);
            return error_state().code;
        }
    for (SampledVariable const* v : variables)
        if (!has_finite_step(*v)) {
            report_plot_error(PlotError::bad_range);
            return error_state().code;
        }
    std::array<std::string_view, 3> names{};
    for (std::size_t axis = 0; axis < variables.size(); ++axis)
        names[axis] = variables[axis]->name;
    Compilation compilation = prepare_formula(parameters, formula, names[0], names[1], names[2]);
    compilation.failure.report();
    formula_state().current_formula = std::move(compilation.formula);
    return error_state().code;
}

// Evaluation goes on past failures (each gives 0); the call reports the last of them.
class LastFailure {
public:
    double value_of(Evaluation const& evaluation)
    {
        if (evaluation.failure.failed())
            last_ = evaluation.failure;
        return evaluation.value;
    }
    int32_t report() const
    {
        last_.report();
        return error_state().code;
    }

private:
    FormulaFailure last_;
};

} // namespace

int32_t sample_function(std::string_view formula, SampledVariable const& x, TkArray y_values)
{
    CurrentFormulaScope const scope;
    std::array<SampledVariable const*, 1> const variables{&x};
    if (int32_t const code = prepare_grid(formula, variables, y_values); code != 0)
        return code;
    std::vector<double> const xs = grid_values(x);
    LibraryArray const* arguments = find_array(x.values);
    LibraryArray const* values = find_array(y_values);
    LastFailure failures;
    // Argument before value, element by element: when the caller passes one array for
    // both, it ends up holding the values.
    for (int32_t i = 1; i <= x.count; ++i) {
        double const xi = xs[static_cast<std::size_t>(i - 1)];
        *arguments->element(i, 1, 1) = xi;
        *values->element(i, 1, 1) = failures.value_of(evaluate_current(xi));
    }
    return failures.report();
}

int32_t sample_function(std::string_view formula, SampledVariable const& x, SampledVariable const& y,
                        TkArray z_values)
{
    CurrentFormulaScope const scope;
    std::array<SampledVariable const*, 2> const variables{&x, &y};
    if (int32_t const code = prepare_grid(formula, variables, z_values); code != 0)
        return code;
    std::vector<double> const xs = grid_values(x);
    std::vector<double> const ys = grid_values(y);
    LibraryArray const* values = find_array(z_values);
    LastFailure failures;
    for (int32_t i = 1; i <= x.count; ++i)
        for (int32_t j = 1; j <= y.count; ++j)
            *values->element(i, j, 1) = failures.value_of(
                evaluate_current(xs[static_cast<std::size_t>(i - 1)], ys[static_cast<std::size_t>(j - 1)]));
    write_values(x.values, xs);
    write_values(y.values, ys);
    return failures.report();
}

int32_t sample_function(std::string_view formula, SampledVariable const& x, SampledVariable const& y,
                        SampledVariable const& z, TkArray w_values)
{
    CurrentFormulaScope const scope;
    std::array<SampledVariable const*, 3> const variables{&x, &y, &z};
    if (int32_t const code = prepare_grid(formula, variables, w_values); code != 0)
        return code;
    std::vector<double> const xs = grid_values(x);
    std::vector<double> const ys = grid_values(y);
    std::vector<double> const zs = grid_values(z);
    LibraryArray const* values = find_array(w_values);
    LastFailure failures;
    for (int32_t i = 1; i <= x.count; ++i)
        for (int32_t j = 1; j <= y.count; ++j)
            for (int32_t k = 1; k <= z.count; ++k)
                *values->element(i, j, k) = failures.value_of(evaluate_current(xs[static_cast<std::size_t>(i - 1)],
                                                                               ys[static_cast<std::size_t>(j - 1)],
                                                                               zs[static_cast<std::size_t>(k - 1)]));
    write_values(x.values, xs);
    write_values(y.values, ys);
    write_values(z.values, zs);
    return failures.report();
}

} // namespace kelvo
