#include "lib/formula/builtin_functions.h"

#include <numbers>

#include "lib/runtime/math_helpers.h"

namespace kelvo {

namespace {

// An exponent within this distance of an integer counts as an integer.
constexpr long double integral_tolerance = 1e-12L;
constexpr double smallest_rnd_argument = 0.5;
constexpr double largest_rnd_argument = 32766.0;

} // namespace

double fail_with(FormulaError error)
{
    report_formula_error(error);
    return 0.0;
}

double arc_sine_of(double x)
{
    return arc_sine(x);
}

double arc_cosine_of(double x)
{
    // pi/2 enters in extended precision: acos(2) is pi/2 less its own double rounding,
    // about 6.1e-17, rather than 0.
    constexpr long double half_pi = std::numbers::pi_v<long double> / 2;
    return static_cast<double>(half_pi - static_cast<long double>(arc_sine(x)));
}

double power(double base, double exponent, EvaluatorLimits const& limits)
{
    // A zero base: only positive and zero exponents have a value.
    if (base == 0.0) {
        if (exponent > 0.0)
            return 0.0;
        if (exponent == 0.0)
            return 1.0;
        return fail_with(FormulaError::negative_power_of_zero);
    }
    if (exponent == 2.0)
        return base * base;

    long double y = exponent;
    long double magnitude = std::fabs(y);
    long double nearest = std::trunc(magnitude + 0.5L);

    if (!(std::fabs(magnitude - nearest) < integral_tolerance)) {
        // A fractional (or not finite) exponent. The C library's pow is within an ulp, as
        // e^(y ln x) in extended precision is after rounding, at a fraction of its cost.
        if (base < 0.0)
            return fail_with(FormulaError::fractional_power_of_negative);
        double const logarithm = exponent * std::log(base);
        if (std::isnan(logarithm))
            return logarithm; // pow would give 1 for a base of 1
        if (std::fabs(logarithm) > limits.exponent)
            return logarithm < 0.0 ? 0.0 : fail_with(FormulaError::result_too_large);
        return std::pow(base, exponent);
    }

    // An integral exponent: e^(y ln|x|) in extended precision, so that powers such as (-2)^3
    // and 2^9 come out exact after rounding. A negative base gives a real result, negative
    // for odd exponents.
    long double logarithm = y * std::log(std::fabs(static_cast<long double>(base)));
    if (std::fabs(logarithm) > limits.exponent)
        return logarithm < 0.0L ? 0.0 : fail_with(FormulaError::result_too_large);
    long double result = std::exp(logarithm);
    bool odd = magnitude - 2.0L * std::trunc(magnitude * 0.5L + 0.1L) > 0.5L;
    return static_cast<double>(base < 0.0 && odd ? -result : result);
}

double random_value(double n, RandomState& state)
{
    double u = next_uniform(state);
    if (n < smallest_rnd_argument || n > largest_rnd_argument)
        return fail_with(FormulaError::rnd_argument_out_of_range);
    double k = std::nearbyint(n); // halves to even: rnd(0.5) is always 1
    if (k == 1.0)
        return u;
    return std::trunc(u * k) + 1.0;
}

} // namespace kelvo
