#pragma once

// Sampling a formula of one, two or three variables into library arrays on an even grid:
// the work of TkSampleFunction1/2/3, also used by the contour and surface calls, which put
// their graph in the pending slot first so that the formula sees the graph's parameters.

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "lib/graph/parameter_list.h"
#include "lib/kelvolib.h"

namespace kelvo {

// One variable of the grid: its name in the formula, the interval it runs over (used as
// given: ends are not nudged, and a reversed interval runs downwards), the 1-dimensional
// array that receives its values and how many values it takes.
struct SampledVariable {
    std::string_view name;
    double from = 0;
    double to = 0;
    TkArray values = 0;
    int32_t count = 0;
};

// Each call takes the pending graph (leaving the slot empty) and returns:
// - the plot array check's code, without a message, when an array is missing, of the
//   wrong kind or too short;
// - 20802 "Not enough data" when a count is below 2 (a grid needs two points to have a
//   step), or 20803 "Bad range specified" when an interval or its step is not finite;
// - a compile error of the formula;
// in all these cases nothing is written. Otherwise every element is written, a failed
// evaluation giving 0, and the result is the code of the last evaluation that failed (the
// error state holds it), or 0.
int32_t sample_function(std::string_view formula, SampledVariable const& x, TkArray y_values);
int32_t sample_function(std::string_view formula, SampledVariable const& x, SampledVariable const& y,
                        TkArray z_values);
int32_t sample_function(std::string_view formula, SampledVariable const& x, SampledVariable const& y,
                        SampledVariable const& z, TkArray w_values);

// The values a variable runs through: its start, then each step added to the value before
// (accumulated, as grids and curves have always been laid out, not start + i * step).
std::vector<double> stepped_values(double from, double step, int32_t count);

// The data calls, on the caller's own memory of any length, with the parameters of a graph
// (null: none). Refusals write nothing and return 20804 "Bad data specified" for a negative
// count or a missing array (n = 0 needs none), or a compile error of the formula.
// Otherwise every result is written, 0 where a point fails, and the result is the code of
// the last point that failed, or 0.
//
// evaluate_data: result[p] = f(arrays[0][p], arrays[1][p], ...), the k-th array for the
// k-th name; result may be one of the arrays.
int32_t evaluate_data(ParameterList const* parameters, std::string_view formula,
                      std::span<std::string_view const> names, std::span<double const* const> arrays, double* result,
                      int64_t n);
// sample_data: z[i * ny + j] = f(x_i, y_j) on the grid of sample_function (x.values and
// y.values are not used); 20802 and 20803 as there, checked before the formula is compiled.
int32_t sample_data(ParameterList const* parameters, std::string_view formula, SampledVariable const& x,
                    SampledVariable const& y, double* z);

} // namespace kelvo
