#include "lib/formula/formula_state.h"

#include <cmath>

namespace kelvo {

EvaluatorLimits compute_evaluator_limits()
{
    // In extended precision, where 5.0e-324 is not rounded to the smallest subnormal
    // double: the underflow limit is sqrt(5) * 1e-162, not sqrt(4.94e-324).
    EvaluatorLimits limits;
    long double overflow = std::sqrt(1.7e308L);
    limits.overflow = static_cast<double>(overflow);
    limits.underflow = static_cast<double>(std::sqrt(5.0e-324L));
    limits.exponent = static_cast<double>(std::log(overflow));
    limits.ln_ten = std::log(10.0);
    return limits;
}

void start_evaluator()
{
    FormulaState& state = formula_state();
    state.limits = compute_evaluator_limits();
    state.random = seed_random_state();
    state.processor_path = chosen_processor_path();
}

void start_symbol_table()
{
    FormulaState& state = formula_state();
    register_builtins(state.symbols);
}

void release_symbol_table()
{
    FormulaState& state = formula_state();
    state.current_formula.reset();
    state.symbols.release();
}

} // namespace kelvo
