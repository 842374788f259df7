#include "lib/numeric/numeric_errors.h"

#include <array>

#include "lib/runtime/error_state.h"

namespace kelvo {

namespace {

constexpr std::array<std::string_view, 17> messages = {
    "",
    "Error in function evaluation",
    "f(a) and f(b) not of opposite sign",
    "Bad interval: high end <= low end",
    "Spline needs >=3 points",
    "x[i+1] not > x[i] for some i",
    "Must halve interval at least once",
    "Not enough heap space",
    "Tolerance must not be negative",
    "Order must be >= 1",
    "Order must be <= 30",
    "Time Step must be positive",
    "Minimum time step must be positive",
    "Power of 2 must be >= 1",
    "No convergence after 100 iterations.",
    "Limits and their distance must be finite",
    "Too many halvings: at most 40",
};

} // namespace

int32_t numerical_error_code(NumericalError error)
{
    return numerical_error_base + static_cast<int32_t>(error);
}

std::string_view numerical_error_message(NumericalError error)
{
    return messages[static_cast<std::size_t>(error)];
}

void report_numerical_error(NumericalError error)
{
    set_error(numerical_error_code(error), numerical_error_message(error));
}

bool function_failed()
{
    return error_state().flag != 0;
}

} // namespace kelvo
