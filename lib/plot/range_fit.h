#pragma once

// Fitting a graph's range to data, and the inward nudge of formula intervals.

#include <cstddef>
#include <cstdint>

#include "lib/graph/graph_record.h"

namespace kelvo {

struct FittedRange {
    double lo = 0;
    double hi = 0;
};

// The bounds start 0.001 either side of the first value and widen to every further one.
// With no data (a null run) the bounds are 1 and count.
FittedRange fit_range(double const* values, std::size_t count, std::size_t stride = 1);

// Writes a fitted range into the graph's settings for axis 0 (x), 1 (y) or 2 (z).
void set_axis_range(GraphRecord& graph, int axis, FittedRange range);

struct Interval {
    double a = 0;
    double b = 0;
};

// [a, b] narrowed before sampling: a + |a| 1.37e-6 (1.37e-6 at 0) and b - |b| 1.41e-6
// (-1.41e-6 at 0). Equal ends therefore come out reversed.
Interval nudged(double a, double b);

} // namespace kelvo
