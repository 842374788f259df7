#include "lib/plot/curves.h"

#include <array>

#include "lib/formula/entry_points.h"
#include "lib/formula/evaluator.h"
#include "lib/formula/formula_state.h"
#include "lib/plot/plot_errors.h"
#include "lib/plot/range_fit.h"
#include "lib/runtime/error_state.h"

namespace kelvo {

namespace {

// Compiled formulae in the parameter, which they all read from variable slot 1. A graph
// uses the first formula for y; a plane or space curve uses them for x, y and z.
class FormulaCurve final : public CurveSource {
public:
    // Compiles each text in turn and stops at the first that fails, with the error state
    // holding its compile error.
    FormulaCurve(ParameterList const& parameters, std::span<std::string_view const> texts, std::string_view name)
    {
        for (std::string_view text : texts) {
            formulae_[count_] = prepare_formula(&parameters, text, name);
            if (!formulae_[count_])
                return;
            ++count_;
        }
        compiled_ = true;
    }

    bool compiled() const { return compiled_; }
    CurveShape shape() const { return static_cast<CurveShape>(count_); }

    bool evaluate(double t, Triple& point) override
    {
        FormulaState& state = formula_state();
        state.slots[0] = t;
        if (count_ == 1) {
            point[1] = kelvo::evaluate(formulae_[0].get());
            return true;
        }
        // Each evaluation starts by clearing the error flag: a failure of an earlier
        // formula must survive the later ones.
        bool failed = false;
        for (std::size_t k = 0; k < count_; ++k) {
            point[k] = kelvo::evaluate(formulae_[k].get());
            failed = failed || state.errors->flag != 0;
        }
        if (failed)
            state.errors->flag = 1;
        return true;
    }

private:
    std::array<FormulaPtr, 3> formulae_;
    std::size_t count_ = 0;
    bool compiled_ = false;
};

// The caller's functions may do anything meanwhile: draw, or even close the graph, whose
// record then outlives this call.
class CallerSource : public CurveSource {
public:
    bool runs_program_code() const override { return true; }
};

class FunctionGraph final : public CallerSource {
public:
    explicit FunctionGraph(TkRealFunc f)
        : f_(f)
    {
    }
    bool evaluate(double t, Triple& point) override
    {
        point[1] = f_(t);
        return true;
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
    bool evaluate(double t, Triple& point) override
    {
        for (std::size_t axis = 0; axis < 3; ++axis)
            if (variables_[axis] != nullptr)
                *variables_[axis] = point[axis];
        bool const exists = f_(t) != 0;
        for (std::size_t axis = 0; axis < 3; ++axis)
            if (variables_[axis] != nullptr)
                point[axis] = *variables_[axis];
        return exists;
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
