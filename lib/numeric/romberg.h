#pragma once

#include <cstdint>

#include "lib/numeric/real_function.h"

namespace kelvo {

// The most halvings Romberg integration takes: 2^40 + 1 calls of f, already some twenty
// minutes at a nanosecond a call. Each halving more doubles that; no call asking for more
// could finish, so it is refused before f is called.
inline constexpr int32_t max_romberg_halvings = 40;

// The integral of f from a to b by Romberg's method: trapezoid sums with the step halved
// m times (2^m + 1 calls of f), then Richardson extrapolation. err_est receives an error
// estimate. Reports, in this order, m <= 0, the table refused by the heap limit, m above
// max_romberg_halvings and limits or a distance between them that are not finite, each
// before f is called and with err_est untouched, then f failing; the result is then NaN.
// Equal limits give 0 with err_est 0.
double romberg(int32_t m, RealFunction f, double& err_est, double a_in, double b_in);

} // namespace kelvo
