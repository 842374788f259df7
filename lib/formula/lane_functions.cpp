#include "lib/formula/lane_functions.h"

#include <algorithm>
#include <cmath>

#include "lib/formula/builtin_functions.h"

namespace kelvo {

double lane_power(double base, double exponent, EvaluatorLimits const& limits, int32_t& code)
{
    FormulaFailure failure;
    double const value = power(base, exponent, limits, failure);
    code = failure.code();
    return value;
}

bool lane_power_is_near_a_decision(double base, double exponent, EvaluatorLimits const& limits)
{
    double const magnitude = std::fabs(exponent);
    double const from_whole = std::fabs(magnitude - std::round(magnitude));
    double const tolerance = static_cast<double>(integral_power_tolerance);
    if (std::fabs(from_whole - tolerance) <= doubt_margin * std::max(magnitude, 1.0))
        return true;
    double const logarithm = std::fabs(exponent * std::log(std::fabs(base)));
    return std::fabs(logarithm - limits.exponent) <= doubt_margin * limits.exponent;
}

double lane_arc_sine(double x)
{
    return arc_sine_of(x);
}

double lane_arc_cosine(double x)
{
    return arc_cosine_of(x);
}

} // namespace kelvo
