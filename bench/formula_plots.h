#pragma once

// The two whole plots the surface and recording benchmarks draw from formulae: the contour
// plot of Rosenbrock's function (48 x 58 grid, 20 levels, boxed axes with inside pips,
// labelled) and the titled hidden-line surface of |sin(x + iy)| (32 x 32).

#include <cstdint>
#include <numbers>

#include "lib/kelvolib.h"

namespace formula_plots {

inline constexpr double pi = std::numbers::pi;
inline char const* const rosenbrock = "10 * (y - x^2)^2 + (1 - x)^2";
inline char const* const sine_modulus =
    "sqrt( (sin(x) * (exp(y) + exp(-y)) / 2)^2 + (cos(x) * (exp(y) - exp(-y)) / 2)^2)";
inline char const* const surface_title = "Surface plot of |Sin(x + I y)| where |x| < Pi, |y| < 1";

inline void set_up_contour_plot(TkGraph g)
{
    int32_t const cw = TkCellWidth(g);
    int32_t const ch = TkCellHeight(g);
    TkSetMargins(g, 3 * cw, 3 * ch, 3 * cw, 3 * ch);
    TkSetGraphParam(g, 131, 3);
    TkSetGraphParam(g, 16, 1);
    TkSetGraphParam(g, 17, 1);
}

inline int32_t draw_contour_plot_from_formula(TkGraph g)
{
    return TkDrawContours(g, rosenbrock, "x", "y", -2, 2, -1, 3, 48, 58, 20, 0, 20, 1, 0x00808000, 3);
}

inline void set_up_surface_plot(TkGraph g)
{
    TkSetRanges3(g, -pi, pi, -1, 1, 0, 2);
    TkSetView3D(g);
    TkSetScales(g);
}

inline int32_t draw_surface_plot_from_formula(TkGraph g)
{
    TkGraphTitle(g, 7, surface_title);
    return TkDrawSurface(g, sine_modulus, "x", "y", -pi, pi, -1, 1, 32, 32, 4, 0x00808000, 0x00FF8080, 0);
}

} // namespace formula_plots
