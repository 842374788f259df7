#include "lib/formula/builtin_functions.h"

#include <bit>
#include <cstdint>
#include <numbers>

#include "lib/runtime/math_helpers.h"

namespace kelvo {

namespace {

constexpr double smallest_rnd_argument = 0.5;
constexpr double largest_rnd_argument = 32766.0;

// True when y * ln(x) is certainly within the exponent limit, so that a fractional power
// needs no logarithm to know that it neither overflows nor flushes to 0. A normal x lies in
// [2^e, 2^(e+1)), so |ln x| is at most (|e| + 1) ln 2; the margin covers the rounding of the
// logarithm and the product that the full check would compute. Zeros, subnormals, infinities
// and NaNs are left to the full check.
bool power_is_surely_within_limits(double x, double y, EvaluatorLimits const& limits)
{
    constexpr int exponent_bias = 1023;
    constexpr int64_t exponent_field = 0x7FF;
    constexpr double ln_two_above = 0.6932;
    auto const biased = static_cast<int>((std::bit_cast<uint64_t>(x) >> 52) & exponent_field);
    if (biased == 0 || biased == exponent_field)
        return false;
    double const binary_exponent = std::abs(biased - exponent_bias);
    return std::fabs(y) * (binary_exponent + 1) * ln_two_above < limits.exponent * 0.999;
}

} // namespace

double fail_with(FormulaError error, FormulaFailure& failure)
{
    failure.record(error);
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

double power(double base, double exponent, EvaluatorLimits const& limits, FormulaFailure& failure)
{
    // A zero base: only positive and zero exponents have a value.
    if (base == 0.0) {
        if (exponent > 0.0)
            return 0.0;
        if (exponent == 0.0)
            return 1.0;
        return fail_with(FormulaError::negative_power_of_zero, failure);
    }
    if (exponent == 2.0)
        return base * base;

    // The nearest whole number to |y|: round is exact, and for |y| below 2^63 it is the
    // truncation of |y| + 1/2 in extended precision, which the rule is written in terms of.
    double const magnitude = std::fabs(exponent);
    double const nearest = std::round(magnitude);

    if (!(static_cast<long double>(std::fabs(magnitude - nearest)) < integral_power_tolerance)) {
        // A fractional (or not finite) exponent. The C library's pow is within an ulp, as
        // e^(y ln x) in extended precision is after rounding, at a fraction of its cost.
        if (base < 0.0)
            return fail_with(FormulaError::fractional_power_of_negative, failure);
        if (power_is_surely_within_limits(base, exponent, limits))
            return std::pow(base, exponent);
        double const logarithm = exponent * std::log(base);
        if (std::isnan(logarithm))
            return logarithm; // pow would give 1 for a base of 1
        if (std::fabs(logarithm) > limits.exponent)
            return logarithm < 0.0 ? 0.0 : fail_with(FormulaError::result_too_large, failure);
        return std::pow(base, exponent);
    }

    // An integral exponent: e^(y ln|x|) in extended precision, so that powers such as (-2)^3
    // and 2^9 come out exact after rounding. A negative base gives a real result, negative
    // for odd exponents.
    long double const y = exponent;
    long double logarithm = y * std::log(std::fabs(static_cast<long double>(base)));
    if (std::fabs(logarithm) > limits.exponent)
        return logarithm < 0.0L ? 0.0 : fail_with(FormulaError::result_too_large, failure);
    long double result = std::exp(logarithm);
    long double const whole = magnitude;
    bool odd = whole - 2.0L * std::trunc(whole * 0.5L + 0.1L) > 0.5L;
    return static_cast<double>(base < 0.0 && odd ? -result : result);
}

double random_value(double n, RandomState& state, FormulaFailure& failure)
{
    double u = next_uniform(state);
    if (n < smallest_rnd_argument || n > largest_rnd_argument)
        return fail_with(FormulaError::rnd_argument_out_of_range, failure);
    double k = std::nearbyint(n); // halves to even: rnd(0.5) is always 1
    if (k == 1.0)
        return u;
    return std::trunc(u * k) + 1.0;
}

} // namespace kelvo
