#pragma once

// The built-in functions that the block paths take point by point (their rules need the
// extended precision of the scalar code), behind plain out-of-line calls: the paths are
// compiled for other instruction sets and must not share inline code with the library.

#include <cstdint>

#include "lib/formula/evaluator_limits.h"

namespace kelvo {

// base ^ exponent by the power rule; code is the failure's code, 0 when none.
double lane_power(double base, double exponent, EvaluatorLimits const& limits, int32_t& code);
// Whether the power rule's decisions (is the exponent whole, is the result within the
// limits) lie so close to base and exponent that rounding from elsewhere might tip them.
bool lane_power_is_near_a_decision(double base, double exponent, EvaluatorLimits const& limits);
double lane_arc_sine(double x);
double lane_arc_cosine(double x);

// The relative distance from a decision's threshold within which a value that carries the
// rounding of a vector function is doubted: far more than the few units in the last place
// those functions differ by, far less than any distance a formula's outcome should hang on.
inline constexpr double doubt_margin = 1.0 / (1 << 26);

} // namespace kelvo
