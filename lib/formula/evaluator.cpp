#include "lib/formula/evaluator.h"

#include <cmath>

#include "lib/formula/builtin_functions.h"
#include "lib/formula/formula_state.h"
#include "lib/runtime/error_state.h"

namespace kelvo {

namespace {

// The check every node's value goes through. A NaN (only a caller's variable or parameter
// can bring one in) fails like a value beyond the overflow limit: a NaN must never come
// back as a successful result.
class NodeCheck {
public:
    explicit NodeCheck(EvaluatorLimits const& limits)
        : overflow_(limits.overflow)
        , underflow_(limits.underflow)
    {
    }

    double operator()(double value) const
    {
        double magnitude = std::fabs(value);
        if (magnitude <= overflow_) [[likely]]
            return magnitude < underflow_ ? 0.0 : value;
        return fail_with(FormulaError::result_too_large);
    }

private:
    double overflow_;
    double underflow_;
};

} // namespace

double evaluate(CompiledFormula const* formula)
{
    ErrorState& errors = error_state();
    errors.flag = 0;
    if (formula == nullptr)
        return fail_with(FormulaError::unknown_error);

    FormulaState& state = formula_state();
    EvaluatorLimits const& limits = state.limits;
    NodeCheck const check(limits);
    double* stack = formula->stack();
    double* below = stack; // one past the value below the top
    double top = 0.0;

    for (Instruction const* ip = formula->code();; ++ip) {
        switch (ip->op) {
        case Op::end:
            return errors.flag != 0 ? 0.0 : top;

        case Op::push_number:
            *below++ = top;
            top = ip->number;
            break;
        case Op::push_variable:
            *below++ = top;
            top = check(*ip->variable);
            break;
        case Op::push_negated_variable:
            *below++ = top;
            top = -check(*ip->variable);
            break;
        case Op::push_too_large:
            *below++ = top;
            top = fail_with(FormulaError::result_too_large);
            break;
        case Op::negate:
            top = -top;
            break;

        case Op::add:
            top = check(*--below + top);
            break;
        case Op::subtract:
            top = check(*--below - top);
            break;
        case Op::multiply:
            top = check(*--below * top);
            break;
        case Op::power:
            --below;
            top = check(power(*below, top, limits));
            break;
        case Op::divide:
            // The divisor below was checked for zero before the dividend was computed.
            top = check(top / *--below);
            break;

        case Op::add_number:
            top = check(top + ip->number);
            break;
        case Op::subtract_number:
            top = check(top - ip->number);
            break;
        case Op::multiply_number:
            top = check(top * ip->number);
            break;
        case Op::square:
            top = check(top * top);
            break;
        case Op::power_number:
            top = check(power(top, ip->number, limits));
            break;
        case Op::divide_by_number:
            top = check(top / ip->number);
            break;
        case Op::add_variable:
            top = check(top + check(*ip->variable));
            break;
        case Op::subtract_variable:
            top = check(top - check(*ip->variable));
            break;
        case Op::multiply_variable:
            top = check(top * check(*ip->variable));
            break;
        case Op::power_variable:
            top = check(power(top, check(*ip->variable), limits));
            break;

        case Op::number_minus:
            top = check(ip->number - top);
            break;
        case Op::number_power:
            top = check(power(ip->number, top, limits));
            break;
        case Op::number_over:
            top = top == 0.0 ? fail_with(FormulaError::division_by_zero) : check(ip->number / top);
            break;
        case Op::variable_over:
            top = top == 0.0 ? fail_with(FormulaError::division_by_zero) : check(check(*ip->variable) / top);
            break;
        case Op::check_divisor:
            if (top == 0.0) {
                // The quotient's value; the dividend and the divide are skipped.
                top = fail_with(FormulaError::division_by_zero);
                ip += ip->skip;
            }
            break;

        case Op::call_exp:
            top = check(guarded_exponential(top, limits));
            break;
        case Op::call_log:
            top = check(common_logarithm(top, limits));
            break;
        case Op::call_ln:
            top = check(natural_logarithm(top));
            break;
        case Op::call_sqrt:
            top = check(square_root(top));
            break;
        case Op::call_sin:
            top = check(sine(top));
            break;
        case Op::call_cos:
            top = check(cosine(top));
            break;
        case Op::call_tan:
            top = check(tangent_of(top, limits));
            break;
        case Op::call_atan:
            top = check(std::atan(top));
            break;
        case Op::call_acos:
            top = check(arc_cosine_of(top));
            break;
        case Op::call_asin:
            top = check(arc_sine_of(top));
            break;
        case Op::call_cosh:
            top = check(hyperbolic_cosine(top, limits));
            break;
        case Op::call_sinh:
            top = check(hyperbolic_sine(top, limits));
            break;
        case Op::call_tanh:
            top = check(hyperbolic_tangent(top, limits));
            break;
        case Op::call_abs:
            top = std::fabs(top);
            break;
        case Op::call_rnd:
            top = check(random_value(top, state.random));
            break;
        case Op::call_fnH:
            top = step_function(top);
            break;
        }
    }
}

} // namespace kelvo
