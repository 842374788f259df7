#include "lib/runtime/math_helpers.h"

#include <cmath>
#include <limits>

#include "lib/runtime/error_state.h"

namespace kelvo {

namespace {

// Below this distance from an integer an exponent counts as an integer.
constexpr long double integer_tolerance = 1.2e-16L;
// Arguments closer to +-1 than this give the limit values of the inverse functions.
constexpr long double arc_limit = 1.0L - 1.2e-16L;
constexpr long double pi = 3.14159265358979323846264338327950288L;
constexpr long double half_pi = pi / 2;

} // namespace

double raise_power(double x, double y)
{
    if (x == 0.0) {
        if (y > 0.0)
            return 0.0;
        return y == 0.0 ? 1.0 : huge_real;
    }
    // Extended precision, so that integer powers such as (-2)^3 come out exact.
    long double n = std::nearbyint(static_cast<long double>(y)); // halves to even
    if (std::fabs(n - y) < integer_tolerance) {
        long double r = std::exp(y * std::log(std::fabs(static_cast<long double>(x))));
        bool odd = std::fmod(n, 2.0L) != 0.0L;
        return static_cast<double>(x < 0.0 && odd ? -r : r);
    }
    if (x > 0.0)
        return static_cast<double>(std::exp(y * std::log(static_cast<long double>(x))));
    set_error_by_code(range_check_error_code);
    return std::numeric_limits<double>::quiet_NaN();
}

int32_t sign_of(double x)
{
    if (x > 0.0)
        return 1;
    return x == 0.0 ? 0 : -1;
}

double tangent_from(double sine, double cosine)
{
    if (cosine == 0.0)
        return sign_of(sine) * huge_real;
    return sine / cosine;
}

double tangent(double x)
{
    return tangent_from(std::sin(x), std::cos(x));
}

double arc_cosine(double argument)
{
    long double x = argument;
    if (std::fabs(x) > arc_limit)
        return x > 0 ? 0.0 : static_cast<double>(pi);
    long double root = std::sqrt(1.0L - x * x);
    if (x > 0.5L)
        return static_cast<double>(std::atan(root / x));
    if (x > -0.5L)
        return static_cast<double>(half_pi - std::atan(x / root));
    return static_cast<double>(std::atan(root / x) + pi);
}

double arc_sine(double argument)
{
    long double x = argument;
    if (std::fabs(x) > arc_limit)
        return static_cast<double>(sign_of(argument) * half_pi);
    long double root = std::sqrt(1.0L - x * x);
    if (x > 0.5L)
        return static_cast<double>(half_pi - std::atan(root / x));
    if (x > -0.5L)
        return static_cast<double>(std::atan(x / root));
    return static_cast<double>(-half_pi - std::atan(root / x));
}

} // namespace kelvo
