#include "lib/numeric/romberg.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "lib/numeric/numeric_errors.h"
#include "lib/runtime/error_state.h"
#include "lib/runtime/heap.h"

namespace kelvo {

namespace {

constexpr double no_result = std::numeric_limits<double>::quiet_NaN();
// The estimate adds this multiple of the largest |f| seen, for the rounding in the sums.
constexpr double rounding_weight = 2e-10;

} // namespace

double romberg(int32_t m, RealFunction f, double& err_est, double a_in, double b_in)
{
    FailureWatch const watch;
    error_state().flag = 0;
    if (m <= 0) {
        report_numerical_error(NumericalError::must_halve_interval);
        return no_result;
    }
    // The table first, so that a table beyond the heap limit is reported as such.
    RealBuffer table = new_real_buffer(int64_t{m} + 1);
    if (!table) {
        report_numerical_error(NumericalError::not_enough_heap);
        return no_result;
    }
    static_assert(max_romberg_halvings == 40, "the message of too_many_halvings names the bound");
    if (m > max_romberg_halvings) {
        report_numerical_error(NumericalError::too_many_halvings);
        return no_result;
    }
    // An infinite distance (limits near opposite ends of the doubles) samples only infinite
    // points, as an infinite limit does.
    if (!std::isfinite(b_in - a_in)) {
        report_numerical_error(NumericalError::limits_not_finite);
        return no_result;
    }
    // R[k] first holds the trapezoid sum with 2^k intervals, then the extrapolations.
    double* R = table.get();

    err_est = 0;
    double h = b_in - a_in;
    bool reversed = h <= 0;
    double a = a_in;
    double b = b_in;
    if (reversed) {
        // The integral from b to a, negated.
        h = std::fabs(h);
        a = b_in;
        b = a_in;
    }

    double sum = f(a);
    if (watch.failed()) {
        report_numerical_error(NumericalError::function_failed);
        return no_result;
    }
    sum += f(b);
    if (watch.failed()) {
        report_numerical_error(NumericalError::function_failed);
        return no_result;
    }
    R[0] = h * sum * 0.5;

    // Trapezoid sums: level k adds the midpoints of level k - 1, while largest keeps the
    // largest |f| at the interior points (err_est receives it if f fails). The count bounds
    // the walk, so that limits where x + 2h no longer moves x (or equal limits) cannot loop
    // forever.
    double largest = 0;
    for (int32_t k = 1; k <= m; ++k) {
        double hp = h;
        h = h * 0.5;
        double x = a + h;
        uint64_t remaining = h > 0 ? uint64_t{1} << (k - 1) : 0;
        while (remaining > 0) {
            double fx = f(x);
            if (watch.failed()) {
                err_est = largest;
                report_numerical_error(NumericalError::function_failed);
                return no_result;
            }
            if (std::fabs(fx) > largest)
                largest = std::fabs(fx);
            sum = sum + 2 * fx;
            x = x + hp;
            --remaining;
            if (x > b)
                break;
        }
        R[k] = h * sum * 0.5;
    }

    // Richardson extrapolation, level by level, in place: R[i-1] takes the combination of
    // R[i] and R[i-1] with weight 4^j. Only R[0] is used afterwards.
    double save = R[0];
    for (int32_t j = 1; j <= m; ++j) {
        double p = 1.0;
        for (int32_t doubling = 0; doubling < j; ++doubling)
            p = p * 2;
        p = p * p;
        save = R[0];
        for (int32_t i = 1; i <= m; ++i)
            R[i - 1] = (p * R[i] - R[i - 1]) / (p - 1);
    }
    err_est = std::fabs(R[0] - save) + rounding_weight * largest;
    double result = reversed ? -R[0] : R[0];
    return result + 0.0; // equal limits give +0, not -0
}

} // namespace kelvo
