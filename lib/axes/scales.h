#pragma once

// Computing a graph's effective scales from its coordinate settings: validated ranges
// widened to nice values, the plot rectangle inside the margins, scale factors, projection
// coefficients, the 3D fit or zoom and the window offsets. Drawing in user coordinates uses
// the result until the next computation.

#include <cstdint>

#include "lib/graph/graph_record.h"

namespace kelvo {

// Coordinate warnings: code 10600 + k.
inline constexpr int32_t warning_no_room = 1;        // "Not enough room for local array"
inline constexpr int32_t warning_bad_intervals = 2;  // "Bad number of intervals"
inline constexpr int32_t warning_bad_range = 3;      // "Bad axis range"
inline constexpr int32_t warning_margins = 4;        // margins leave no room
void raise_coordinate_warning(int32_t k);

// Clears the error state, computes the scales and returns the code of the last warning
// raised (0 when none).
int32_t set_scales(GraphRecord& graph);
// The same as a routine that opening a graph can run.
void compute_effective_scales(GraphRecord& graph);

} // namespace kelvo
