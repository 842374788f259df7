#include "lib/plot/curves.h"

#include <array>

#include "lib/formula/block_evaluator.h"
#include "lib/formula/entry_points.h"
#include "lib/formula/formula_state.h"
#include "lib/formula/point_evaluation.h"
#include "lib/plot/plot_errors.h"
#include "lib/plot/range_fit.h"
#include "lib/runtime/error_state.h"

namespace kelvo {

namespace {

// Compiled formulae in the parameter, which they all read from variable slot 1. A graph
// uses the first formula for y; a plane or space curve uses them for x, y and z.
class FormulaCurve final : public CurveSource {
public:
    // Compiles each text in turn and stops at the first that fails, keeping its failure.
    FormulaCurve(ParameterList const& parameters, std::span<std::string_view const> texts, std::string_view name)
    {
        for (std::string_view text : texts) {
            Compilation compilation = prepare_formula(&parameters, text, name);
            if (compilation.failure.failed()) {
                failure_ = compilation.failure;
                return;
            }
            formulae_[count_++] = std::move(compilation.formula);
        }
        compiled_ = true;
    }

    bool compiled() const { return compiled_; }
    CurveShape shape() const { return static_cast<CurveShape>(count_); }
    // The compile failure, or the failure that ended the curve.
    FormulaFailure const& failure() const { return failure_; }

    PointOutcome evaluate(double t, Triple& point) override
    {
        formula_state().slots[0] = t;
        if (count_ == 1) {
            Evaluation const y = kelvo::evaluate(formulae_[0].get());
            point[1] = y.value;
            return outcome_of(y.failure);
        }
        // Every formula is evaluated, so that `rnd` advances as it always has; the point
        // fails with the failure of the last formula that failed.
        FormulaFailure failure;
        for (std::size_t k = 0; k < count_; ++k) {
            Evaluation const coordinate = kelvo::evaluate(formulae_[k].get());
            point[k] = coordinate.value;
            if (coordinate.failure.failed())
                failure = coordinate.failure;
        }
        return outcome_of(failure);
    }

    // Each formula over all the samples at once, in blocks. The first point that fails
    // fails with the last formula that fails there, as evaluate() has it.
    int32_t sample(double const* ts, int32_t count, double z_plane, SampleRuns const& runs) override
    {
        for (std::size_t k = 0; k < count_; ++k)
            if (!evaluates_in_blocks(*formulae_[k])) // random draws keep the order of the points
                return CurveSource::sample(ts, count, z_plane, runs);
        std::array<double const*, 1> const parameter = {ts};
        PointSet const points = PointSet::paired(parameter, count);
        std::size_t const first_axis = count_ == 1 ? 1 : 0; // a graph's formula gives y
        int64_t failed_at = count;
        FormulaFailure failure;
        for (std::size_t k = 0; k < count_; ++k) {
            PointFailures const failures = evaluate_points(*formulae_[k], points, runs.coordinates[first_axis + k]);
            if (failures.first_point >= 0 && failures.first_point <= failed_at) {
                failed_at = failures.first_point;
                failure = failures.first;
            }
        }
        for (int32_t i = 0; i < count; ++i) {
            if (count_ == 1)
                runs.coordinates[0][i] = ts[i];
            if (count_ < 3)
                runs.coordinates[2][i] = z_plane;
            runs.exists[i] = true;
        }
        if (failed_at < count)
            failure_ = failure;
        return static_cast<int32_t>(failed_at);
    }

private:
    PointOutcome outcome_of(FormulaFailure const& failure)
    {
        if (!failure.failed())
            return PointOutcome::exists;
        failure_ = failure;
        return PointOutcome::failed;
    }

    std::array<FormulaPtr, 3> formulae_;
    std::size_t count_ = 0;
    bool compiled_ = false;
    FormulaFailure failure_;
};

// The caller's functions may do anything meanwhile: draw, or even close the graph, whose
// record then outlives this call. A function fails through the library's error state, the
// only way a program's function has to say so, and the failure stays there.
class CallerSource : public CurveSource {
public:
    bool runs_program_code() const override { return true; }

protected:
    static PointOutcome outcome_of(bool exists)
    {
        if (error_state().flag != 0)
            return PointOutcome::failed;
        return exists ? PointOutcome::exists : PointOutcome::missing;
    }
};

class FunctionGraph final : public CallerSource {
public:
    explicit FunctionGraph(TkRealFunc f)
        : f_(f)
    {
    }
    PointOutcome evaluate(double t, Triple& point) override
    {
        point[1] = f_(t);
        return outcome_of(true);
    }

private:
    TkRealFunc f_;
};

// The caller's function fills the caller's variables, which hold t, 0 and ZPlane before
// each call.
class FunctionCurve final : public CallerSource {
public:
    FunctionCurve(TkRealFunc f, std::array<double*, 3> variables)
        : f_(f)
        , variables_(variables)
    {
    }
    PointOutcome evaluate(double t, Triple& point) override
    {
        for (std::size_t axis = 0; axis < 3; ++axis)
            if (variables_[axis] != nullptr)
                *variables_[axis] = point[axis];
        bool const exists = f_(t) != 0;
        for (std::size_t axis = 0; axis < 3; ++axis)
            if (variables_[axis] != nullptr)
                point[axis] = *variables_[axis];
        return outcome_of(exists);
    }

private:
    TkRealFunc f_;
    std::array<double*, 3> variables_;
};

void run_engine(GraphRecord& graph, CurveSource& source, CurveShape shape, CurveCall const& call)
{
    Interval const nudged_interval = nudged(call.t1, call.t2);
    draw_curve(graph, source,
               {shape, nudged_interval.a, nudged_interval.b, call.count, call.colour, call.option});
}

} // namespace

int32_t draw_formula_curve(GraphRecord& graph, std::span<std::string_view const> formulae, std::string_view name,
                           CurveCall const& call)
{
    clear_error();
    if (formulae.empty() || formulae.size() > 3) {
        report_plot_error(PlotError::bad_data);
        return error_state().code;
    }
    FormulaCurve curve(graph.parameters, formulae, name);
    if (curve.compiled())
        run_engine(graph, curve, curve.shape(), call);
    curve.failure().report();
    return error_state().code;
}

int32_t draw_function_curve(GraphRecord& graph, TkRealFunc f, CurveCall const& call)
{
    clear_error();
    if (f == nullptr) {
        report_plot_error(PlotError::bad_data);
        return error_state().code;
    }
    FunctionGraph curve(f);
    run_engine(graph, curve, CurveShape::Graph, call);
    return error_state().code;
}

int32_t draw_function_curve(GraphRecord& graph, TkRealFunc f, double* x, double* y, CurveCall const& call)
{
    clear_error();
    if (f == nullptr || x == nullptr || y == nullptr) {
        report_plot_error(PlotError::bad_data);
        return error_state().code;
    }
    FunctionCurve curve(f, {x, y, nullptr});
    run_engine(graph, curve, CurveShape::Plane, call);
    return error_state().code;
}

int32_t draw_function_curve(GraphRecord& graph, TkRealFunc f, double* x, double* y, double* z, CurveCall const& call)
{
    clear_error();
    if (f == nullptr || x == nullptr || y == nullptr || z == nullptr) {
        report_plot_error(PlotError::bad_data);
        return error_state().code;
    }
    FunctionCurve curve(f, {x, y, z});
    run_engine(graph, curve, CurveShape::Space, call);
    return error_state().code;
}

} // namespace kelvo
