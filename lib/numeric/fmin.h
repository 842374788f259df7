#pragma once

#include "lib/numeric/real_function.h"

namespace kelvo {

// The abscissa of a minimum of f on [a, b], found to within about 1.1e-8 * |x| + tol / 3.
// Returns at once (NaN) when an error is pending; reports f failing and b <= a (NaN), and
// no convergence within 100 passes (the last iterate).
double fmin(RealFunction f, double a_in, double b_in, double tol);

} // namespace kelvo
