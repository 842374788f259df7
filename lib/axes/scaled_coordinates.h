#pragma once

// Scaled coordinates: what an axis measures along its length. A linear axis uses the value
// itself; a logarithmic one its logarithm, defined for every real so that nothing fails.

#include <cmath>
#include <cstdint>

namespace kelvo {

inline constexpr double smallest_positive = 5E-324;

// log10(v) for v > 5E-324; zero and negative values map, in order, below the image of the
// smallest positive double.
inline double SafeLog10(double v)
{
    if (v > smallest_positive)
        return std::log10(v);
    return 2 * std::log10(smallest_positive) - std::log10(std::fabs(v) + smallest_positive);
}

inline double SafeLn(double v)
{
    if (v > smallest_positive)
        return std::log(v);
    return 2 * std::log(smallest_positive) - std::log(std::fabs(v) + smallest_positive);
}

enum class AxisScaling { Linear, Log10, Ln };

// How scale type 0..6 scales the x (axis 0) or y (axis 1) axis; z is always linear. A type
// outside 0..6 reads as linear.
constexpr AxisScaling axis_scaling(int32_t scale_type, int axis)
{
    if (axis == 0) {
        switch (scale_type) {
        case 3: case 5: return AxisScaling::Log10;
        case 4: case 6: return AxisScaling::Ln;
        default: return AxisScaling::Linear;
        }
    }
    if (axis == 1) {
        switch (scale_type) {
        case 1: case 5: return AxisScaling::Log10;
        case 2: case 6: return AxisScaling::Ln;
        default: return AxisScaling::Linear;
        }
    }
    return AxisScaling::Linear;
}

constexpr bool is_known_scale_type(int32_t scale_type)
{
    return scale_type >= 0 && scale_type <= 6;
}

inline double scaled(double value, AxisScaling scaling)
{
    switch (scaling) {
    case AxisScaling::Log10:
        return SafeLog10(value);
    case AxisScaling::Ln:
        return SafeLn(value);
    case AxisScaling::Linear:
        break;
    }
    return value;
}

} // namespace kelvo
