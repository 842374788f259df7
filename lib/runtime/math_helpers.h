#pragma once

// Small maths helpers that never fail: a general power, the sign of a real, a tangent and
// inverse sine and cosine that give limit values instead of domain errors.

#include <cstdint>

namespace kelvo {

inline constexpr double huge_real = 1.7e308;

// x to the power y. A negative x with a fractional y has no real result: NaN and range
// check error 201.
double raise_power(double x, double y);
int32_t sign_of(double x);
double tangent(double x);
// s / c, or the signed huge value when c is exactly 0.
double tangent_from(double sine, double cosine);
double arc_cosine(double x);
double arc_sine(double x);

inline int32_t min_int(int32_t a, int32_t b) { return a < b ? a : b; }
inline double min_real(double a, double b) { return a < b ? a : b; }
inline double max_real(double a, double b) { return a > b ? a : b; }

} // namespace kelvo
