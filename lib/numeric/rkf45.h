#pragma once

// One adaptive step of the Runge-Kutta-Fehlberg 4(5) method for y' = f(t, y) with up to
// 30 equations.

#include <cstdint>

namespace kelvo {

inline constexpr int32_t max_rkf_equations = 30;

// The right-hand side: computes y' for the current t and y into dydt. It takes no
// arguments; rkf writes each trial state into t and y before calling it.
using DerivativesProc = void (*)();

// Takes one accepted step from t with the step h, halving h (and doubling k) until the
// error estimate meets abs_tol + rel_tol * |y|, or fails once |h| falls below h_min (t and
// y restored). An accepted step whose estimate has room to spare doubles h when k is even
// (k counts: one less per accepted step). ok is 1 after an accepted step.
void rkf(int32_t n, double& t, double& h, double abs_tol, double rel_tol, double h_min, DerivativesProc derivs,
         double* y, double const* dydt, int32_t& k, uint8_t& ok);

} // namespace kelvo
