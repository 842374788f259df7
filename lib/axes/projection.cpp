#include "lib/axes/projection.h"

#include <numbers>

#include "lib/runtime/debug_report.h"
#include "lib/runtime/math_helpers.h"

namespace kelvo {

ProjectionCoefficients projection_coefficients(double theta, double phi, double sx, double sy, double sz)
{
    double const pi = std::numbers::pi;
    double a = phi;
    if (std::cos(phi) != 0) {
        a = std::atan(std::tan(phi) * sy / sx);
        if (std::cos(phi) < 0)
            a += sign_of(phi) * pi;
    }
    double e = theta;
    if (std::cos(theta) != 0) {
        if (std::cos(a) == 0)
            e = std::atan(std::tan(theta) * sy / sz);
        else
            e = std::atan(std::tan(theta) * sx * std::cos(phi) / (std::cos(a) * sz));
        if (std::cos(theta) < 0)
            e += sign_of(theta) * pi;
    }
    ProjectionCoefficients m;
    m.M11 = -std::sin(a);
    m.M12 = std::cos(a);
    m.M21 = -std::cos(e) * m.M12;
    m.M22 = std::cos(e) * m.M11;
    m.M23 = std::sin(e);
    return m;
}

void report_unknown_scale_type()
{
    debug_report("Unknown scale type");
}

double scaled_on_logarithmic_graph(EffectiveScales const& scales, double value, int axis)
{
    if (!is_known_scale_type(scales.ScaleType))
        report_unknown_scale_type();
    return scaled(value, axis_scaling(scales.ScaleType, axis));
}

namespace {

// A scaled coordinate back to the value it stands for.
double unscaled(EffectiveScales const& s, double coordinate, int axis)
{
    if (s.AllLinear)
        return coordinate;
    switch (axis_scaling(s.ScaleType, axis)) {
    case AxisScaling::Log10:
        return std::pow(10.0, coordinate);
    case AxisScaling::Ln:
        return std::exp(coordinate);
    case AxisScaling::Linear:
        break;
    }
    return coordinate;
}

// With U and V the pixel's offset from the projected origin, the 2D mapping is
// U = Sx M11 du + Sy M12 dv and V = -Sx M21 du - Sy M22 dv; solved for du and dv. A
// logarithmic axis gives its value back from the scaled coordinate.
WindowPoint scaled_offsets(EffectiveScales const& s, int32_t ix, int32_t iy)
{
    double const u = ix - s.OffsetX;
    double const v = iy - s.OffsetY;
    double const d = s.Scale[axis_x] * s.Scale[axis_y] * (s.M12 * s.M21 - s.M11 * s.M22);
    return {(-s.Scale[axis_y] * s.M22 * u - s.Scale[axis_y] * s.M12 * v) / d,
            (s.Scale[axis_x] * s.M21 * u + s.Scale[axis_x] * s.M11 * v) / d};
}

} // namespace

double window_to_user_x(EffectiveScales const& s, int32_t ix, int32_t iy)
{
    double const du = scaled_offsets(s, ix, iy).x;
    if (s.AllLinear)
        return du + s.AxisOrigin[axis_x];
    return unscaled(s, du + s.ScaledOrigin[axis_x], axis_x);
}

double window_to_user_y(EffectiveScales const& s, int32_t ix, int32_t iy)
{
    double const dv = scaled_offsets(s, ix, iy).y;
    if (s.AllLinear)
        return dv + s.AxisOrigin[axis_y];
    return unscaled(s, dv + s.ScaledOrigin[axis_y], axis_y);
}

} // namespace kelvo
