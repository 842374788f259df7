// Compiles and evaluates arbitrary bytes as a formula, with three variables and a few
// parameters registered, through the internal entry points and the exported calls.
// Nothing may crash, leak or hit undefined behaviour, whatever the text.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "lib/formula/entry_points.h"
#include "lib/formula/formula_state.h"
#include "lib/kelvolib.h"
#include "lib/runtime/error_state.h"

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, std::size_t size)
{
    std::string_view bytes(reinterpret_cast<char const*>(data), size);
    static kelvo::ParameterList const parameters = make_parameters();

    // Internal path: the whole input, embedded zero bytes included.
    kelvo::clear_error();
    kelvo::FormulaState& state = kelvo::formula_state();
    state.current_formula = kelvo::prepare_formula(&parameters, bytes, "x", "y", "z");
    if (state.current_formula != nullptr) {
        for (auto const& point : points) {
            double value = kelvo::evaluate_at(point[0], point[1], point[2]);
            if (kelvo::error_state().flag != 0 && value != 0.0)
                __builtin_trap(); // a failed evaluation must give 0
            if (std::isnan(value))
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
    return 0;
}
