#pragma once

// ODE sets: systems of up to 8 equations y' = f(t, y) whose right-hand sides are formula
// text over a named time variable and named state variables (letter case matters), stepped
// by the Runge-Kutta-Fehlberg method one accepted step per solve.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "lib/formula/compiled_formula.h"
#include "lib/kelvolib.h"

namespace kelvo {

inline constexpr int32_t max_ode_equations = 8;
inline constexpr std::size_t max_ode_name_length = 9;
inline constexpr int32_t ode_time_index = -1;
inline constexpr int32_t ode_step_index = -2;
inline constexpr int32_t ode_min_step_index = -3;
inline constexpr double initial_ode_step = 1e-4;

struct OdeSet {
    int32_t count = 1;
    std::string time_name;
    std::array<std::string, max_ode_equations> names;
    double abs_tol = 0.0;
    double rel_tol = 0.0;
    std::array<std::string, max_ode_equations> right_hand_sides;
    bool compiled = false;
    std::array<FormulaPtr, max_ode_equations> formulae;
    // The formulae read these through their addresses, so a set never moves once made.
    double t = 0.0;
    double h = initial_ode_step;
    double hmin = 0.0;
    std::array<double, max_ode_equations> y{};
};

// 0 when n is outside 1 to 8.
TkODE new_ode_set(int32_t n, std::string_view time_name, double abs_tol, double rel_tol);
void dispose_ode_set(TkODE set);
OdeSet* find_ode_set(TkODE set);

// An index outside 1 to count is a range-check error (201) and changes nothing.
void set_ode_line(OdeSet& set, int32_t i, std::string_view name, std::string_view rhs);
// -1 t, -2 h, -3 hmin, 1 to count y(i); other indices are a range-check error (201).
void set_ode_value(OdeSet& set, int32_t i, double value);
// NaN with a range-check error for a bad index.
double get_ode_value(OdeSet const& set, int32_t i);

// Compiles the right-hand sides once per change: 0 or the compile error's code.
int32_t compile_ode_set(OdeSet& set);
// One step: 0, a compile code, or 22010 for a failed step (the error state tells why).
int32_t solve_ode_set(OdeSet& set);

} // namespace kelvo
