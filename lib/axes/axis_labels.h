#pragma once

// Numbers at the primary pips of each axis, and the axis and graph titles.

#include <cstdint>
#include <string_view>

#include "lib/graph/graph_record.h"

namespace kelvo {

// Labels the x and y axes, and z in a 3D view.
void label_axes(GraphRecord& graph);
// Draws a title at once: references 4, 5, 6 the x, y, z axis titles, 7 the graph title.
void draw_title(GraphRecord& graph, int32_t reference, std::string_view text);

} // namespace kelvo
