#include "lib/formula/evaluator.h"

#include <cmath>
#include <iterator>

#include "lib/formula/builtin_functions.h"
#include "lib/formula/formula_state.h"

namespace kelvo {

namespace {

// The check every node's value goes through. A NaN (only a caller's variable or parameter
// can bring one in) fails like a value beyond the overflow limit: a NaN must never come
// back as a successful result.
class NodeCheck {
public:
    NodeCheck(EvaluatorLimits const& limits, FormulaFailure& failure)
        : overflow_(limits.overflow)
        , underflow_(limits.underflow)
        , failure_(failure)
    {
    }

    double operator()(double value) const
    {
        double magnitude = std::fabs(value);
        if (magnitude <= overflow_) [[likely]]
            return magnitude < underflow_ ? 0.0 : value;
        return fail_with(FormulaError::result_too_large, failure_);
    }

private:
    double overflow_;
    double underflow_;
    FormulaFailure& failure_;
};

} // namespace

Evaluation evaluate(CompiledFormula const* formula)
{
    FormulaFailure failure;
    if (formula == nullptr) {
        failure.record(FormulaError::unknown_error);
        return {0.0, failure};
    }

    FormulaState& state = formula_state();
    EvaluatorLimits const& limits = state.limits;
    NodeCheck const check(limits, failure);
    double* below = formula->stack(); // one past the value below the top
    double top = 0.0;
    Instruction const* ip = formula->code();

    // Threaded dispatch: every instruction jumps straight to the next one's handler, which
    // lets the processor predict each jump from the instruction it follows. The table is
    // in the order of Op.
    static void* const handlers[] = {
        &&op_end,
        &&op_push_number, &&op_push_variable, &&op_push_negated_variable, &&op_push_too_large,
        &&op_negate,
        &&op_add, &&op_subtract, &&op_multiply, &&op_power, &&op_divide,
        &&op_add_number, &&op_subtract_number, &&op_multiply_number, &&op_square, &&op_power_number,
        &&op_divide_by_number,
        &&op_add_variable, &&op_subtract_variable, &&op_multiply_variable, &&op_power_variable,
        &&op_number_minus, &&op_number_power, &&op_number_over, &&op_variable_over,
        &&op_check_divisor,
        &&op_call_exp, &&op_call_log, &&op_call_ln, &&op_call_sqrt, &&op_call_sin, &&op_call_cos,
        &&op_call_tan, &&op_call_atan, &&op_call_acos, &&op_call_asin, &&op_call_cosh, &&op_call_sinh,
        &&op_call_tanh, &&op_call_abs, &&op_call_rnd, &&op_call_fnH,
    };
    static_assert(std::size(handlers) == op_count, "one handler per instruction, in the order of Op");

    // A function whose argument is a variable pushes it first.
#define KELVO_LOAD_ARGUMENT()                                            \
    do {                                                                 \
        if (ip->argument != Argument::top) {                             \
            *below++ = top;                                              \
            top = check(*ip->variable);                                  \
            if (ip->argument == Argument::negated_variable)              \
                top = 0.0 - top;                                         \
        }                                                                \
    } while (false)
#define KELVO_DISPATCH() goto* handlers[static_cast<std::size_t>(ip->op)]
#define KELVO_NEXT()   \
    do {               \
        ++ip;          \
        KELVO_DISPATCH(); \
    } while (false)

    KELVO_DISPATCH();

op_end:
    return {failure.failed() ? 0.0 : top, failure};

op_push_number:
    *below++ = top;
    top = ip->number;
    KELVO_NEXT();
op_push_variable:
    *below++ = top;
    top = check(*ip->variable);
    KELVO_NEXT();
op_push_negated_variable:
    *below++ = top;
    top = 0.0 - check(*ip->variable);
    KELVO_NEXT();
op_push_too_large:
    *below++ = top;
    top = fail_with(FormulaError::result_too_large, failure);
    KELVO_NEXT();
// Negation keeps the magnitude, so it needs no check, except that a zero must come out as
// +0 like every value the check flushes: 0 - x is -x for every other x.
op_negate:
    top = 0.0 - top;
    KELVO_NEXT();

op_add:
    top = check(*--below + top);
    KELVO_NEXT();
op_subtract:
    top = check(*--below - top);
    KELVO_NEXT();
op_multiply:
    top = check(*--below * top);
    KELVO_NEXT();
op_power:
    --below;
    top = check(power(*below, top, limits, failure));
    KELVO_NEXT();
op_divide:
    // The divisor below was checked for zero before the dividend was computed.
    top = check(top / *--below);
    KELVO_NEXT();

op_add_number:
    top = check(top + ip->number);
    KELVO_NEXT();
op_subtract_number:
    top = check(top - ip->number);
    KELVO_NEXT();
op_multiply_number:
    top = check(top * ip->number);
    KELVO_NEXT();
op_square:
    top = check(top * top);
    KELVO_NEXT();
op_power_number:
    top = check(power(top, ip->number, limits, failure));
    KELVO_NEXT();
op_divide_by_number:
    top = check(top / ip->number);
    KELVO_NEXT();
op_add_variable:
    top = check(top + check(*ip->variable));
    KELVO_NEXT();
op_subtract_variable:
    top = check(top - check(*ip->variable));
    KELVO_NEXT();
op_multiply_variable:
    top = check(top * check(*ip->variable));
    KELVO_NEXT();
op_power_variable:
    top = check(power(top, check(*ip->variable), limits, failure));
    KELVO_NEXT();

op_number_minus:
    top = check(ip->number - top);
    KELVO_NEXT();
op_number_power:
    top = check(power(ip->number, top, limits, failure));
    KELVO_NEXT();
op_number_over:
    top = top == 0.0 ? fail_with(FormulaError::division_by_zero, failure) : check(ip->number / top);
    KELVO_NEXT();
op_variable_over:
    top = top == 0.0 ? fail_with(FormulaError::division_by_zero, failure) : check(check(*ip->variable) / top);
    KELVO_NEXT();
op_check_divisor:
    if (top == 0.0) [[unlikely]] {
        // The quotient's value; the dividend and the divide are skipped.
        top = fail_with(FormulaError::division_by_zero, failure);
        ip += ip->skip;
    }
    KELVO_NEXT();

op_call_exp:
    KELVO_LOAD_ARGUMENT();
    top = check(guarded_exponential(top, limits, failure));
    KELVO_NEXT();
op_call_log:
    KELVO_LOAD_ARGUMENT();
    top = check(common_logarithm(top, limits, failure));
    KELVO_NEXT();
op_call_ln:
    KELVO_LOAD_ARGUMENT();
    top = check(natural_logarithm(top, failure));
    KELVO_NEXT();
op_call_sqrt:
    KELVO_LOAD_ARGUMENT();
    top = check(square_root(top, failure));
    KELVO_NEXT();
// The sine, cosine and arc tangent of a value within the limits are within them too: the
// smallest non-zero sine of a double below 2^63 is far above the underflow limit.
op_call_sin:
    KELVO_LOAD_ARGUMENT();
    top = sine(top);
    KELVO_NEXT();
op_call_cos:
    KELVO_LOAD_ARGUMENT();
    top = cosine(top);
    KELVO_NEXT();
op_call_tan:
    KELVO_LOAD_ARGUMENT();
    top = check(tangent_of(top, limits, failure));
    KELVO_NEXT();
op_call_atan:
    KELVO_LOAD_ARGUMENT();
    top = std::atan(top);
    KELVO_NEXT();
op_call_acos:
    KELVO_LOAD_ARGUMENT();
    top = check(arc_cosine_of(top));
    KELVO_NEXT();
op_call_asin:
    KELVO_LOAD_ARGUMENT();
    top = check(arc_sine_of(top));
    KELVO_NEXT();
op_call_cosh:
    KELVO_LOAD_ARGUMENT();
    top = check(hyperbolic_cosine(top, limits, failure));
    KELVO_NEXT();
op_call_sinh:
    KELVO_LOAD_ARGUMENT();
    top = check(hyperbolic_sine(top, limits, failure));
    KELVO_NEXT();
op_call_tanh:
    KELVO_LOAD_ARGUMENT();
    top = check(hyperbolic_tangent(top, limits, failure));
    KELVO_NEXT();
op_call_abs:
    KELVO_LOAD_ARGUMENT();
    top = std::fabs(top);
    KELVO_NEXT();
op_call_rnd:
    KELVO_LOAD_ARGUMENT();
    top = check(random_value(top, state.random, failure));
    KELVO_NEXT();
op_call_fnH:
    KELVO_LOAD_ARGUMENT();
    top = step_function(top);
    KELVO_NEXT();

#undef KELVO_LOAD_ARGUMENT
#undef KELVO_NEXT
#undef KELVO_DISPATCH
}

} // namespace kelvo
