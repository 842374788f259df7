#pragma once

// Opening a graph ends with its effective scales computed. That computation belongs to the
// coordinate subsystem, which sits above the graph window; it installs its routine here
// when the library loads, so that opening a graph can run it without depending on it.

#include "lib/graph/graph_record.h"

namespace kelvo {

using ScaleRoutine = void (*)(GraphRecord&);

void install_scale_routine(ScaleRoutine routine);
// Runs the installed routine on the graph; nothing before one is installed.
void compute_scales(GraphRecord& graph);

} // namespace kelvo
