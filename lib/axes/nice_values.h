#pragma once

// Axis scaling: the primary pip spacing of an axis and its effective ends and origin, which
// lie on whole multiples of the spacing. With nice values the spacing is 1, 2, 5 or 10 times
// a power of ten and the ends are widened outward to pips.

#include <cstdint>

namespace kelvo {

// The spacing of n primary intervals over [min, max].
double primary_spacing(double min, double max, int32_t n, bool nice_values);

struct EffectiveAxis {
    double min = 0;
    double max = 0;
    double origin = 0;
    double step = 0;
};

enum class AxisCorner { Origin, LowerEnd }; // where the axes meet: at the origin or the corner
enum class AxisKind { Linear, Logarithmic };

// The ends and origin on multiples of `step` from the origin; a logarithmic axis keeps its
// ends positive.
EffectiveAxis nice_ends(double min, double max, double step, double origin, AxisCorner corner, AxisKind kind);

} // namespace kelvo
