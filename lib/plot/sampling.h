#pragma once

// Sampling a formula of one, two or three variables into library arrays on an even grid:
// the work of TkSampleFunction1/2/3, also used by the contour and surface calls, which put
// their graph in the pending slot first so that the formula sees the graph's parameters.

#include <cstdint>
#include <string_view>

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

} // namespace kelvo
