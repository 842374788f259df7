#pragma once

// A compiled formula evaluated at a whole set of points: in blocks on the chosen processor
// path, and on every core for large sets, with results that do not depend on either.

#include <cstdint>

#include "lib/formula/compiled_formula.h"
#include "lib/formula/formula_failure.h"
#include "lib/formula/point_set.h"

namespace kelvo {

// Sets of this many points and more are shared among the processor's cores.
inline constexpr int64_t points_worth_sharing = 100000;

// How many cores share a set of this many points: `allowed` where it is positive, else
// every core the calling thread may run on, but never shares of fewer than half the points
// worth sharing.
int64_t cores_for(int64_t points, int32_t allowed);

// The first and the last point that failed, with their failures; -1 when none failed.
struct PointFailures {
    int64_t first_point = -1;
    FormulaFailure first;
    int64_t last_point = -1;
    FormulaFailure last;

    void note(int64_t point, int32_t code);
    // Takes in the failures of points that all come after these.
    void append(PointFailures const& later);
};

// Writes the value at point p to values[p], 0 where the point fails. The library's state
// is read on the calling thread only; the other cores see the formula and the points.
PointFailures evaluate_points(CompiledFormula const& formula, PointSet const& points, double* values);

} // namespace kelvo
