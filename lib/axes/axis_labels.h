#pragma once

// Numbers at the primary pips of each axis.

#include "lib/graph/graph_record.h"

namespace kelvo {

// Labels the x and y axes, and z in a 3D view. With AutoPlace the placement chosen is
// written into the axis's stored label settings. The graph's font, justification and text
// colour are left as they were.
void label_axes(GraphRecord& graph);

} // namespace kelvo
