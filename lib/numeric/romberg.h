#pragma once

#include <cstdint>

#include "lib/numeric/real_function.h"

namespace kelvo {

// The integral of f from a to b by Romberg's method: trapezoid sums with the step halved
// m times (2^m + 1 calls of f), then Richardson extrapolation. err_est receives an error
// estimate. Reports m <= 0 (err_est untouched), the table refused by the heap limit and f
// failing; the result is then NaN. Equal limits give 0 with err_est 0.
double romberg(int32_t m, RealFunction f, double& err_est, double a_in, double b_in);

} // namespace kelvo
