#include "lib/numeric/rkf45.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "lib/numeric/numeric_errors.h"

namespace kelvo {

namespace {

using Stage = std::array<double, max_rkf_equations>;

constexpr double initial_ratio = 100.0;
constexpr double doubling_ratio = 32.0; // 2^5: the error of a doubled step still fits

// Doubling and halving k must not overflow: it wraps as a 32-bit count would.
int32_t doubled(int32_t k)
{
    return static_cast<int32_t>(static_cast<uint32_t>(k) * 2u);
}

int32_t decremented(int32_t k)
{
    return static_cast<int32_t>(static_cast<uint32_t>(k) - 1u);
}

class Stepper {
public:
    Stepper(int32_t n, double& t, double* y, double const* dydt, DerivativesProc derivs)
        : n_(static_cast<std::size_t>(n))
        , t_(t)
        , y_(y)
        , dydt_(dydt)
        , derivs_(derivs)
        , t0_(t)
    {
        std::copy(y, y + n_, y0_.begin());
    }

    // The derivatives at t0 + dt for the state now in y; false when they failed. A
    // derivative that is not finite fails too: no step size could make its error small.
    bool derive(double dt, Stage& stage)
    {
        t_ = t0_ + dt;
        derivs_();
        bool const finite = std::all_of(dydt_, dydt_ + n_, [](double d) { return std::isfinite(d); });
        if (function_failed() || !finite) {
            report_numerical_error(NumericalError::function_failed);
            return false;
        }
        std::copy(dydt_, dydt_ + n_, stage.begin());
        return true;
    }

    template <typename Combination>
    void set_state(double h, Combination combination)
    {
        for (std::size_t i = 0; i < n_; ++i)
            y_[i] = y0_[i] + h * combination(i);
    }

    // One attempt with step h, after k1; false when the derivatives failed. Fehlberg's
    // tableau (E. Fehlberg, NASA TR R-315, 1969), with each stage's weights over a common
    // denominator: nodes 1/4, 3/8, 12/13, 1 and 1/2.
    bool attempt(double h)
    {
        set_state(h / 4, [&](std::size_t i) { return k1[i]; });
        if (!derive(h / 4, k2))
            return false;
        set_state(3 * h / 32, [&](std::size_t i) { return k1[i] + 3 * k2[i]; });
        if (!derive(3 * h / 8, k3))
            return false;
        set_state(h / 2197, [&](std::size_t i) { return 1932 * k1[i] - 7200 * k2[i] + 7296 * k3[i]; });
        if (!derive(12 * h / 13, k4))
            return false;
        set_state(h / 4104,
                  [&](std::size_t i) { return 8341 * k1[i] - 32832 * k2[i] + 29440 * k3[i] - 845 * k4[i]; });
        if (!derive(h, k5))
            return false;
        set_state(h / 20520, [&](std::size_t i) {
            return -6080 * k1[i] + 41040 * k2[i] - 28352 * k3[i] + 9295 * k4[i] - 5643 * k5[i];
        });
        return derive(h / 2, k6);
    }

    // How many times over the tolerance leaves room: the smallest, over the components,
    // of the allowed error over the estimated one (without the factor h). A component
    // without estimated error imposes no limit; one whose estimate is NaN fails the step.
    double error_ratio(double abs_tol, double rel_tol) const
    {
        double ratio = initial_ratio;
        for (std::size_t i = 0; i < n_; ++i) {
            // The difference of the fourth- and fifth-order weights.
            double s = std::fabs(k1[i] / 360 - 128 * k3[i] / 4275 - 2197 * k4[i] / 75240 + k5[i] / 50 +
                                 2 * k6[i] / 55);
            if (std::isnan(s))
                return 0.0;
            if (s > 0)
                ratio = std::min(ratio, (abs_tol + rel_tol * std::fabs(y0_[i])) / s);
        }
        return ratio;
    }

    void accept(double h)
    {
        t_ = t0_ + h;
        // The fifth-order solution: weights 16/135, 6656/12825, 28561/56430, -9/50, 2/55.
        set_state(h / 7618050, [&](std::size_t i) {
            return 902880 * k1[i] + 3953664 * k3[i] + 3855735 * k4[i] - 1371249 * k5[i] + 277020 * k6[i];
        });
    }

    void restore()
    {
        t_ = t0_;
        std::copy(y0_.begin(), y0_.begin() + static_cast<std::ptrdiff_t>(n_), y_);
    }

    Stage k1{}, k2{}, k3{}, k4{}, k5{}, k6{};

private:
    std::size_t n_;
    double& t_;
    double* y_;
    double const* dydt_;
    DerivativesProc derivs_;
    double t0_;
    Stage y0_{};
};

} // namespace

void rkf(int32_t n, double& t, double& h, double abs_tol, double rel_tol, double h_min, DerivativesProc derivs,
         double* y, double const* dydt, int32_t& k, uint8_t& ok)
{
    ok = 0;
    if (n < 1) {
        report_numerical_error(NumericalError::order_too_small);
        return;
    }
    if (n > max_rkf_equations) {
        report_numerical_error(NumericalError::order_too_large);
        return;
    }
    // Non-finite controls would never let the step settle: halving an infinite step keeps
    // it infinite. They end the call at once, as non-positive ones do.
    if (!(h_min > 0) || std::isinf(h_min)) {
        report_numerical_error(NumericalError::minimum_step_not_positive);
        return;
    }
    if (!(abs_tol >= 0) || !(rel_tol >= 0) || std::isinf(abs_tol) || std::isinf(rel_tol)) {
        report_numerical_error(NumericalError::negative_tolerance);
        return;
    }
    if (!std::isfinite(h)) {
        report_numerical_error(NumericalError::time_step_not_positive);
        return;
    }

    Stepper stepper(n, t, y, dydt, derivs);
    // k1 is computed once and serves every attempt.
    if (!stepper.derive(0.0, stepper.k1))
        return;
    for (;;) {
        if (!stepper.attempt(h))
            return; // t and y keep the failed stage's values
        double ratio = stepper.error_ratio(abs_tol, rel_tol);
        if (ratio > 1) {
            // Accepted; a step with room to spare may grow next time.
            stepper.accept(h);
            k = decremented(k);
            if (ratio > doubling_ratio && k % 2 == 0) {
                h = 2 * h;
                k = k / 2;
            }
            ok = 1;
            return;
        }
        // Rejected: halve the step. A NaN step fails here too rather than loop forever.
        h = h / 2;
        k = doubled(k);
        if (!(std::fabs(h) >= h_min)) {
            stepper.restore();
            return;
        }
    }
}

} // namespace kelvo
