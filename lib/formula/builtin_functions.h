#pragma once

// The arithmetic behind formula nodes: the guarded exponential, the power rule and the
// sixteen built-in functions, each with its domain check. A failed check reports through
// the evaluation's failure record (the first error of an evaluation wins) and gives 0; the
// caller applies the node's magnitude check to every result.

#include <cmath>
#include <cstdint>

#include "lib/formula/evaluator_limits.h"
#include "lib/formula/formula_failure.h"
#include "lib/formula/random_generator.h"

namespace kelvo {

// Records the error and gives the value of the failed operation. Kept out of line: it is
// the rare path of the evaluation loop.
[[gnu::cold, gnu::noinline]] double fail_with(FormulaError error, FormulaFailure& failure);

// e^x; beyond the exponent limit a positive x fails with "result too large" and a
// negative one gives 0 without error.
inline double guarded_exponential(double x, EvaluatorLimits const& limits, FormulaFailure& failure)
{
    if (std::fabs(x) > limits.exponent)
        return x > 0.0 ? fail_with(FormulaError::result_too_large, failure) : 0.0;
    return std::exp(x);
}

inline double common_logarithm(double x, EvaluatorLimits const& limits, FormulaFailure& failure)
{
    return x > 0.0 ? std::log(x) / limits.ln_ten : fail_with(FormulaError::log_of_non_positive, failure);
}

inline double natural_logarithm(double x, FormulaFailure& failure)
{
    return x > 0.0 ? std::log(x) : fail_with(FormulaError::log_of_non_positive, failure);
}

inline double square_root(double x, FormulaFailure& failure)
{
    return x >= 0.0 ? std::sqrt(x) : fail_with(FormulaError::square_root_of_negative, failure);
}

inline double sine(double x)
{
    return std::fabs(x) < trig_argument_limit ? std::sin(x) : 0.0;
}

inline double cosine(double x)
{
    return std::fabs(x) < trig_argument_limit ? std::cos(x) : 0.0;
}

inline double tangent_of(double x, EvaluatorLimits const& limits, FormulaFailure& failure)
{
    double c = std::cos(x);
    if (std::fabs(c) > limits.underflow)
        return std::sin(x) / c;
    return fail_with(FormulaError::result_too_large, failure);
}

double arc_cosine_of(double x);
double arc_sine_of(double x);

inline double hyperbolic_cosine(double x, EvaluatorLimits const& limits, FormulaFailure& failure)
{
    double e = guarded_exponential(std::fabs(x), limits, failure);
    return (e + 1.0 / e) * 0.5;
}

inline double hyperbolic_sine(double x, EvaluatorLimits const& limits, FormulaFailure& failure)
{
    if (x >= 0.0) {
        double e = guarded_exponential(x, limits, failure);
        return (e - 1.0 / e) * 0.5;
    }
    double e = guarded_exponential(-x, limits, failure);
    return (1.0 / e - e) * 0.5;
}

inline double hyperbolic_tangent(double x, EvaluatorLimits const& limits, FormulaFailure& failure)
{
    double e = guarded_exponential(x, limits, failure);
    return 1.0 - 2.0 / (e * e + 1.0);
}

// The Heaviside step with the value 1/2 at 0.
inline double step_function(double x)
{
    if (x < 0.0)
        return 0.0;
    return x == 0.0 ? 0.5 : 1.0;
}

// An exponent within this distance of an integer counts as an integer.
inline constexpr long double integral_power_tolerance = 1e-12L;

// base ^ exponent with the rules for a zero base, the exact square, integral exponents
// (which allow a negative base) and the exponent limit.
double power(double base, double exponent, EvaluatorLimits const& limits, FormulaFailure& failure);

// rnd(n): advances the generator whatever n is; then 0 <= u < 1 for n rounding to 1, or
// a whole number from 1 to k for n rounding to k.
double random_value(double n, RandomState& state, FormulaFailure& failure);

} // namespace kelvo
