#include "lib/numeric/ode_set.h"

#include <cmath>
#include <limits>
#include <memory>

#include "lib/formula/entry_points.h"
#include "lib/formula/formula_state.h"
#include "lib/numeric/numeric_errors.h"
#include "lib/numeric/numeric_state.h"
#include "lib/numeric/rkf45.h"
#include "lib/runtime/error_state.h"
#include "lib/runtime/short_string.h"
#include "lib/runtime/text_limits.h"

namespace kelvo {

namespace {

constexpr int32_t initial_step_count = 5;

bool is_equation_index(OdeSet const& set, int32_t i)
{
    return i >= 1 && i <= set.count;
}

std::size_t slot(int32_t i)
{
    return static_cast<std::size_t>(i - 1);
}

// The right-hand sides of the set being solved, evaluated into the derivative buffer. The
// stepper learns of a failure through the error state, as it does from a program's own
// derivatives; the first failing equation ends the pass.
void derivatives_of_current_set()
{
    NumericState& state = numeric_state();
    OdeSet const& set = *state.current_set;
    for (int32_t i = 1; i <= set.count; ++i) {
        state.derivatives[slot(i)] = value_reporting_failure(evaluate(set.formulae[slot(i)].get()));
        if (function_failed())
            return;
    }
}

} // namespace

TkODE new_ode_set(int32_t n, std::string_view time_name, double abs_tol, double rel_tol)
{
    if (n < 1 || n > max_ode_equations)
        return 0;
    auto set = std::make_unique<OdeSet>();
    set->count = n;
    set->time_name = std::string(time_name.substr(0, max_ode_name_length));
    set->abs_tol = abs_tol;
    set->rel_tol = rel_tol;
    return numeric_state().ode_sets.insert(std::move(set));
}

void dispose_ode_set(TkODE handle)
{
    NumericState& state = numeric_state();
    std::unique_ptr<OdeSet> set = state.ode_sets.remove(handle);
    if (!set)
        return;
    if (state.current_set == set.get())
        state.current_set = nullptr;
    // The symbol table may still hold the addresses of this set's variables; nothing reads
    // them before the next reset, but they must not outlive the set.
    formula_state().symbols.reset_to_builtins();
}

OdeSet* find_ode_set(TkODE set)
{
    return numeric_state().ode_sets.find(set);
}

void set_ode_line(OdeSet& set, int32_t i, std::string_view name, std::string_view rhs)
{
    if (!is_equation_index(set, i)) {
        set_error_by_code(range_check_error_code);
        return;
    }
    set.names[slot(i)] = std::string(name.substr(0, max_ode_name_length));
    set.right_hand_sides[slot(i)] = std::string(cut_text(rhs, max_short_string_length));
    set.compiled = false;
}

void set_ode_value(OdeSet& set, int32_t i, double value)
{
    switch (i) {
    case ode_time_index:
        set.t = value;
        return;
    case ode_step_index:
        set.h = value;
        return;
    case ode_min_step_index:
        set.hmin = value;
        return;
    default:
        if (!is_equation_index(set, i)) {
            set_error_by_code(range_check_error_code);
            return;
        }
        set.y[slot(i)] = value;
    }
}

double get_ode_value(OdeSet const& set, int32_t i)
{
    switch (i) {
    case ode_time_index:
        return set.t;
    case ode_step_index:
        return set.h;
    case ode_min_step_index:
        return set.hmin;
    default:
        if (!is_equation_index(set, i)) {
            set_error_by_code(range_check_error_code);
            return std::numeric_limits<double>::quiet_NaN();
        }
        return set.y[slot(i)];
    }
}

int32_t compile_ode_set(OdeSet& set)
{
    if (set.compiled)
        return 0;
    clear_error();
    SymbolTable& symbols = formula_state().symbols;
    symbols.reset_to_builtins();
    // No clash test: a later name shadows an earlier symbol of the same spelling, since a
    // lookup finds the newest entry first. Empty names cannot be written in a formula.
    if (!set.time_name.empty())
        symbols.register_variable(set.time_name, LetterCase::exact, &set.t);
    for (int32_t i = 1; i <= set.count; ++i) {
        if (!set.names[slot(i)].empty())
            symbols.register_variable(set.names[slot(i)], LetterCase::exact, &set.y[slot(i)]);
    }
    std::array<FormulaPtr, max_ode_equations> compiled;
    for (int32_t i = 1; i <= set.count; ++i) {
        Compilation compilation = compile_formula(set.right_hand_sides[slot(i)], TextForm::short_string);
        if (compilation.failure.failed()) {
            // The new formulae go and the previous ones stay.
            compilation.failure.report();
            return error_state().code;
        }
        compiled[slot(i)] = std::move(compilation.formula);
    }
    set.formulae = std::move(compiled);
    set.compiled = true;
    return 0;
}

int32_t solve_ode_set(OdeSet& set)
{
    int32_t code = compile_ode_set(set);
    if (code != 0)
        return code;
    NumericState& state = numeric_state();
    state.current_set = &set;
    int32_t k = initial_step_count;
    uint8_t ok = 0;
    rkf(set.count, set.t, set.h, set.abs_tol, set.rel_tol, set.hmin, &derivatives_of_current_set, set.y.data(),
        state.derivatives.data(), k, ok);
    state.current_set = nullptr;
    return ok == 1 ? 0 : failed_ode_step_code;
}

} // namespace kelvo
