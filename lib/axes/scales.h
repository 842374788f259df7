#pragma once

// Computing a graph's effective scales from its coordinate settings.

#include "lib/graph/graph_record.h"

namespace kelvo {

void set_scales(GraphRecord& graph);

} // namespace kelvo
