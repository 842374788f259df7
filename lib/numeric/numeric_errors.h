#pragma once

// The numerical error table of the root finders, the minimiser, Romberg integration, the
// Runge-Kutta-Fehlberg stepper and the FFT. Unlike formula errors, each report replaces
// whatever was recorded before.

#include <cstdint>
#include <string_view>

#include "lib/runtime/error_state.h"

namespace kelvo {

enum class NumericalError : int32_t {
    function_failed = 1,
    no_sign_change = 2,
    bad_interval = 3,
    spline_needs_three_points = 4, // never raised
    abscissae_not_increasing = 5,  // never raised
    must_halve_interval = 6,
    not_enough_heap = 7,
    negative_tolerance = 8,
    order_too_small = 9,
    order_too_large = 10,
    time_step_not_positive = 11, // a step that is not finite
    minimum_step_not_positive = 12,
    power_of_two_too_small = 13,
    no_convergence = 14,
    limits_not_finite = 15,
    too_many_halvings = 16,
};

inline constexpr int32_t numerical_error_base = 20900;
// What TkODESolve returns for any failed step.
inline constexpr int32_t failed_ode_step_code = 22010;

int32_t numerical_error_code(NumericalError error);
std::string_view numerical_error_message(NumericalError error);

void report_numerical_error(NumericalError error);

// Whether the function just called failed: formula evaluation leaves the error flag set.
bool function_failed();

// The same test for the inner loops of the methods: the error state is found once, not on
// every call of the function.
class FailureWatch {
public:
    FailureWatch() : errors_(error_state()) {}
    bool failed() const { return errors_.flag != 0; }

private:
    ErrorState const& errors_;
};

} // namespace kelvo
