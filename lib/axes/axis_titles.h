#pragma once

// The titles of the axes and of the graph, placed beside the axes they name.

#include <cstdint>
#include <string_view>

#include "lib/graph/graph_record.h"

namespace kelvo {

// Draws a title at once: references 4, 5, 6 the x, y, z axis titles, 7 the graph title.
// The stored settings and the graph's own text settings are left as they were.
void draw_title(GraphRecord& graph, int32_t reference, std::string_view text);
// The stored titles: x, y, z (3D views only) and the graph title, in this order.
void draw_stored_titles(GraphRecord& graph);

} // namespace kelvo
