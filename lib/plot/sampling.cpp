#include "lib/plot/sampling.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <vector>

#include "lib/formula/entry_points.h"
#include "lib/formula/formula_state.h"
#include "lib/formula/point_evaluation.h"
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

// 20802 for a variable of fewer than 2 values, 20803 for one without a finite step.
bool refuse_grid(std::span<SampledVariable const* const> variables)
{
    for (SampledVariable const* v : variables)
        if (v->count < 2) {
            report_plot_error(PlotError::not_enough_data);
            return true;
        }
    for (SampledVariable const* v : variables)
        if (!has_finite_step(*v)) {
            report_plot_error(PlotError::bad_range);
            return true;
        }
    return false;
}

std::array<std::string_view, 3> names_of(std::span<SampledVariable const* const> variables)
{
    std::array<std::string_view, 3> names{};
    for (std::size_t axis = 0; axis < variables.size(); ++axis)
        names[axis] = variables[axis]->name;
    return names;
}

// The formula with its variables in slots 1, 2 and 3; none, with the failure reported,
// when it does not compile.
FormulaPtr compiled(ParameterList const* parameters, std::string_view formula,
                    std::array<std::string_view, 3> const& names)
{
    Compilation compilation = prepare_formula(parameters, formula, names[0], names[1], names[2]);
    compilation.failure.report();
    return std::move(compilation.formula);
}

std::vector<double> grid_values(SampledVariable const& v)
{
    return stepped_values(v.from, (v.to - v.from) / (v.count - 1), v.count);
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
    if (refuse_grid(variables))
        return error_state().code;
    formula_state().current_formula = compiled(parameters, formula, names_of(variables));
    return error_state().code;
}

// The current formula at every point of the variables' grid, the last variable fastest.
// Evaluation goes on past failures (each gives 0); the call reports the last of them.
class GridValues {
public:
    explicit GridValues(std::span<std::vector<double> const> axes)
    {
        std::array<std::span<double const>, 3> spans;
        for (std::size_t k = 0; k < axes.size(); ++k)
            spans[k] = axes[k];
        PointSet const points = PointSet::grid(std::span(spans.data(), axes.size()));
        values_.resize(static_cast<std::size_t>(points.size()));
        last_failure_ = evaluate_points(*formula_state().current_formula, points, values_.data()).last;
    }

    double at(std::size_t point) const { return values_[point]; }
    int32_t report() const
    {
        last_failure_.report();
        return error_state().code;
    }

private:
    std::vector<double> values_;
    FormulaFailure last_failure_;
};

} // namespace

std::vector<double> stepped_values(double from, double step, int32_t count)
{
    std::vector<double> values(static_cast<std::size_t>(count));
    double value = from;
    for (double& out : values) {
        out = value;
        value += step;
    }
    return values;
}

int32_t sample_function(std::string_view formula, SampledVariable const& x, TkArray y_values)
{
    CurrentFormulaScope const scope;
    std::array<SampledVariable const*, 1> const variables{&x};
    if (int32_t const code = prepare_grid(formula, variables, y_values); code != 0)
        return code;
    std::array<std::vector<double>, 1> const axes = {grid_values(x)};
    GridValues const grid(axes);
    LibraryArray const* arguments = find_array(x.values);
    LibraryArray const* values = find_array(y_values);
    // Argument before value, element by element: when the caller passes one array for
    // both, it ends up holding the values.
    for (int32_t i = 1; i <= x.count; ++i) {
        auto const point = static_cast<std::size_t>(i - 1);
        *arguments->element(i, 1, 1) = axes[0][point];
        *values->element(i, 1, 1) = grid.at(point);
    }
    return grid.report();
}

int32_t sample_function(std::string_view formula, SampledVariable const& x, SampledVariable const& y,
                        TkArray z_values)
{
    CurrentFormulaScope const scope;
    std::array<SampledVariable const*, 2> const variables{&x, &y};
    if (int32_t const code = prepare_grid(formula, variables, z_values); code != 0)
        return code;
    std::array<std::vector<double>, 2> const axes = {grid_values(x), grid_values(y)};
    GridValues const grid(axes);
    LibraryArray const* values = find_array(z_values);
    std::size_t point = 0;
    for (int32_t i = 1; i <= x.count; ++i)
        for (int32_t j = 1; j <= y.count; ++j)
            *values->element(i, j, 1) = grid.at(point++);
    write_values(x.values, axes[0]);
    write_values(y.values, axes[1]);
    return grid.report();
}

int32_t sample_function(std::string_view formula, SampledVariable const& x, SampledVariable const& y,
                        SampledVariable const& z, TkArray w_values)
{
    CurrentFormulaScope const scope;
    std::array<SampledVariable const*, 3> const variables{&x, &y, &z};
    if (int32_t const code = prepare_grid(formula, variables, w_values); code != 0)
        return code;
    std::array<std::vector<double>, 3> const axes = {grid_values(x), grid_values(y), grid_values(z)};
    GridValues const grid(axes);
    LibraryArray const* values = find_array(w_values);
    std::size_t point = 0;
    for (int32_t i = 1; i <= x.count; ++i)
        for (int32_t j = 1; j <= y.count; ++j)
            for (int32_t k = 1; k <= z.count; ++k)
                *values->element(i, j, k) = grid.at(point++);
    write_values(x.values, axes[0]);
    write_values(y.values, axes[1]);
    write_values(z.values, axes[2]);
    return grid.report();
}

int32_t evaluate_data(ParameterList const* parameters, std::string_view formula,
                      std::span<std::string_view const> names, std::span<double const* const> arrays, double* result,
                      int64_t n)
{
    clear_error();
    bool const arrays_missing = std::find(arrays.begin(), arrays.end(), nullptr) != arrays.end() || result == nullptr;
    if (n < 0 || (n > 0 && arrays_missing)) {
        report_plot_error(PlotError::bad_data);
        return error_state().code;
    }
    std::array<std::string_view, 3> slots{};
    std::copy(names.begin(), names.end(), slots.begin());
    FormulaPtr const compiled_formula = compiled(parameters, formula, slots);
    if (!compiled_formula || n == 0)
        return error_state().code;
    evaluate_points(*compiled_formula, PointSet::paired(arrays, n), result).last.report();
    return error_state().code;
}

int32_t sample_data(ParameterList const* parameters, std::string_view formula, SampledVariable const& x,
                    SampledVariable const& y, double* z)
{
    clear_error();
    if (z == nullptr) {
        report_plot_error(PlotError::bad_data);
        return error_state().code;
    }
    std::array<SampledVariable const*, 2> const variables{&x, &y};
    if (refuse_grid(variables))
        return error_state().code;
    FormulaPtr const compiled_formula = compiled(parameters, formula, names_of(variables));
    if (!compiled_formula)
        return error_state().code;
    std::array<std::vector<double>, 2> const axes = {grid_values(x), grid_values(y)};
    std::array<std::span<double const>, 2> const spans = {axes[0], axes[1]};
    evaluate_points(*compiled_formula, PointSet::grid(spans), z).last.report();
    return error_state().code;
}

} // namespace kelvo
