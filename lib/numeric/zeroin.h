#pragma once

#include "lib/numeric/real_function.h"

namespace kelvo {

// A zero of f between a and b, where f(a) and f(b) differ in sign (or one is 0), found
// to within 4 * 1.2e-16 * |x| + |tol|. Returns at once (NaN) when an error is pending;
// reports f failing, no sign change (NaN) and no convergence within 100 passes (the last
// iterate).
double zeroin(RealFunction f, double a_in, double b_in, double tol);

} // namespace kelvo
