#pragma once

// The one transform of every plot: user coordinates (x, y, z) to unrounded window pixels,
// a parallel projection whose coefficients computing the scales derives from the view
// angles (the 2D view is the special case theta = 0, phi = -pi/2), and back.

#include <cmath>
#include <cstdint>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "lib/axes/scaled_coordinates.h"
#include "lib/graph/coordinate_state.h"

namespace kelvo {

// Window coordinates handed to the primitives stay within this many pixels of the origin.
inline constexpr double window_limit = 30000.0;
// Keeps values that fall exactly on a half pixel from rounding differently from call to call.
inline constexpr double half_pixel_bias = 1.2E-11;

struct WindowPoint {
    double x = 0;
    double y = 0;
};

struct ProjectionCoefficients {
    double M11 = 1, M12 = 0, M21 = 0, M22 = 1, M23 = 0;
};

// The coefficients for view angles theta and phi, corrected for unequal scale factors so
// that the picture shows the requested angles.
ProjectionCoefficients projection_coefficients(double theta, double phi, double sx, double sy, double sz);

// Reports a scale type outside 0..6 met while projecting (debug mode only).
void report_unknown_scale_type();

// The scaled coordinate of a value on a logarithmic graph.
double scaled_on_logarithmic_graph(EffectiveScales const& scales, double value, int axis);

// The scaled coordinate of a value on axis 0 (x) or 1 (y) under the scales in force.
inline double scaled_on_axis(EffectiveScales const& scales, double value, int axis)
{
    if (scales.AllLinear)
        return value;
    return scaled_on_logarithmic_graph(scales, value, axis);
}

// The projection without the offsets (X' and Y'). Every plot converts each of its points
// here, so it is kept inline.
[[gnu::always_inline]] inline WindowPoint project_from_origin(EffectiveScales const& s, double x, double y, double z)
{
    double const du = scaled_on_axis(s, x, axis_x) - s.ScaledOrigin[axis_x];
    double const dv = scaled_on_axis(s, y, axis_y) - s.ScaledOrigin[axis_y];
    double const dz = z - s.ScaledOrigin[axis_z];
    double const su = du * s.Scale[axis_x];
    double const sv = dv * s.Scale[axis_y];
    return {su * s.M11 + sv * s.M12 + half_pixel_bias,
            -su * s.M21 - sv * s.M22 - dz * s.Scale[axis_z] * s.M23 + half_pixel_bias};
}

// Unrounded window pixels of a 3D user point.
[[gnu::always_inline]] inline WindowPoint project(EffectiveScales const& s, double x, double y, double z)
{
    WindowPoint p = project_from_origin(s, x, y, z);
    p.x += s.OffsetX;
    p.y += s.OffsetY;
    return p;
}

// The pixel a window coordinate inside the window limit lies on: rounded to the nearest
// integer with ties to even.
inline int32_t rounded_window_pixel(double coordinate)
{
#if defined(__SSE2__)
    // One instruction in the processor's rounding mode, which is to nearest with ties to
    // even; the library's own nearbyint would save and restore the floating-point state.
    return _mm_cvtsd_si32(_mm_set_sd(coordinate));
#else
    return static_cast<int32_t>(std::nearbyint(coordinate));
#endif
}

// A window coordinate as the pixel it lies on: clamped to the window limit and rounded. NaN
// (from NaN user coordinates) gives the origin pixel 0 rather than an undefined conversion.
inline int32_t window_pixel(double coordinate)
{
    if (std::isnan(coordinate))
        return 0;
    double const clamped = coordinate < -window_limit ? -window_limit
                           : coordinate > window_limit ? window_limit
                                                       : coordinate;
    return rounded_window_pixel(clamped);
}

// Strictly inside the window limit in both coordinates.
inline bool inside_window_limit(WindowPoint p)
{
    return p.x > -window_limit && p.x < window_limit && p.y > -window_limit && p.y < window_limit;
}

// The user x and y of a window pixel by the inverse of the linear 2D mapping.
double window_to_user_x(EffectiveScales const& s, int32_t ix, int32_t iy);
double window_to_user_y(EffectiveScales const& s, int32_t ix, int32_t iy);

} // namespace kelvo
