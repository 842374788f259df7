#pragma once

// The magnitude limits every formula node is checked against, and ln 10 for `log`.
// Computed once when the library is loaded.

namespace kelvo {

// From 2^63 on, the sine and cosine give 0, the value of the processor instruction the
// library was first built on, which refuses such arguments.
inline constexpr double trig_argument_limit = 9223372036854775808.0;

struct EvaluatorLimits {
    // The largest magnitude a node may produce: the square root of 1.7e308, so that the
    // product of two values within the limit is still a finite double.
    double overflow = 0.0;
    // Smaller non-zero magnitudes are flushed to 0: the square root of 5.0e-324.
    double underflow = 0.0;
    // The natural logarithm of the overflow limit: the largest argument of exp.
    double exponent = 0.0;
    double ln_ten = 0.0;
};

EvaluatorLimits compute_evaluator_limits();

} // namespace kelvo
