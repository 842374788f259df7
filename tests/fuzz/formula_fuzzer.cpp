// Compiles and evaluates arbitrary bytes as a formula, with three variables and a few
// parameters registered, through the internal entry points and the exported calls, and
// draws it as a curve on a graph of a headless host. Nothing may crash, leak or hit
// undefined behaviour, whatever the text.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "lib/formula/entry_points.h"
#include "lib/formula/formula_state.h"
#include "lib/kelvolib.h"
#include "lib/runtime/error_state.h"
#include "platform/kelvoplatform.h"

namespace {

constexpr double points[][3] = {
    {0.0, 0.0, 0.0},
    {1.5, -2.0, 0.25},
    {-1e150, 1e-170, 3.0},
    {NAN, INFINITY, -INFINITY},
};

kelvo::ParameterList make_parameters()
{
    kelvo::ParameterList parameters;
    parameters.add("a", 2.0);
    parameters.add(" Beta ", -0.5);
    parameters.add("huge", 1e200);
    parameters.add("tiny", 1e-200);
    return parameters;
}

// A small graph that lives as long as the fuzzer: opening one per input would cost more
// than the formula. It holds two parameters, as a program's graph would.
class CurveGraph {
public:
    CurveGraph()
        : host_(KpCreateHeadlessHost(160, 120))
        , graph_(TkOpenGraph(host_, 0, 0, 160, 120, 4))
    {
        TkAddParaList(graph_, "a", 3.0);
        TkAddParaList(graph_, "b", -1e-3);
    }
    ~CurveGraph()
    {
        TkCloseGraph(graph_);
        KpDestroyWindow(host_);
    }
    CurveGraph(CurveGraph const&) = delete;
    CurveGraph& operator=(CurveGraph const&) = delete;
    TkGraph id() const { return graph_; }

private:
    TkWnd host_;
    TkGraph graph_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, std::size_t size)
{
    std::string_view bytes(reinterpret_cast<char const*>(data), size);
    static kelvo::ParameterList const parameters = make_parameters();

    // Internal path: the whole input, embedded zero bytes included.
    kelvo::FormulaState& state = kelvo::formula_state();
    state.current_formula = kelvo::prepare_formula(&parameters, bytes, "x", "y", "z").formula;
    if (state.current_formula != nullptr) {
        for (auto const& point : points) {
            kelvo::Evaluation const evaluation = kelvo::evaluate_current(point[0], point[1], point[2]);
            if (evaluation.failure.failed() && evaluation.value != 0.0)
                __builtin_trap(); // a failed evaluation must give 0
            if (std::isnan(evaluation.value))
                __builtin_trap(); // a NaN must never come back as a result
        }
    }
    kelvo::release_current_formula();

    // As the right-hand side of a two-equation ODE set (one piece, exact letter case),
    // solved for a step.
    std::string line(bytes.substr(0, 255));
    TkODE set = TkNewODE(2, "t", 1e-6, 1e-6);
    TkSetODELine(set, 1, "y", line.c_str());
    TkSetODELine(set, 2, "Y'", "y - t");
    TkSetODEValue(set, -3, 1e-8);
    TkSetODEValue(set, 1, 0.5);
    (void)TkODESolve(set);
    TkDisposeODE(set);

    // Exported path: the text up to its first zero byte.
    std::string text(bytes);
    double result = 0.0;
    (void)TkEvaluate1ByVar(text.c_str(), "x", &result, 0.5);
    (void)TkEvaluate3ByVar(text.c_str(), "x", "y", "z", -1.0, 2.0, 1e-3, &result);

    // As a curve over an interval that contains 0, with every plot option in turn (fitted
    // ranges follow whatever the formula gives, axes are drawn and labelled).
    static CurveGraph const graph;
    auto const option = static_cast<uint8_t>(size % 4);
    int32_t const code = TkDrawCurve1(graph.id(), text.c_str(), "x", -2.5, 4.0, 97, 0x0000FF, option);
    if (code != 0 && code != kelvo::error_state().code)
        __builtin_trap(); // the call returns the error it leaves
    return 0;
}
