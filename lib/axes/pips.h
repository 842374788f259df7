#pragma once

// Pips: primary tick marks at the effective axis values and secondary ones between them.

#include <cstdint>

#include "lib/graph/graph_record.h"

namespace kelvo {

// More primary pips, labels or grid lines on one axis than this cannot be told apart in any
// window; an axis that would need more gets none (labels: only its two ends).
inline constexpr int64_t most_marks_per_axis = 10000;

// The number N of primary intervals drawn on an axis, round((max - min) / step); -1 when
// that is not a count that can be drawn.
int64_t primary_interval_count(EffectiveScales const& s, int axis);

// A pip as a pixel offset.
struct PipVector {
    int32_t dx = 0;
    int32_t dy = 0;
};

struct PipVectors {
    PipVector primary;
    PipVector secondary;
};

// The vectors of the axis's pips for a label font of cell height h: lengths follow the
// axis's pip settings; in 2D x pips point up and y pips right, in 3D x pips lie along the
// projected y edge, y and z pips along the projected x edge.
PipVectors pip_vectors(GraphRecord const& graph, int axis, int32_t cell_height);

// The axis's pips in its label font (which stays selected), with the graph's pen. A 2D box
// gets a second, mirrored row on its opposite edge.
void draw_axis_pips(GraphRecord& graph, int axis);

} // namespace kelvo
