#pragma once

// Title room: margins sized for the axis labels and the titles that are set, each measured
// in the font of its own kind of text.

#include "lib/graph/graph_record.h"

namespace kelvo {

// Replaces the graph's four margins from the fonts of the label settings and the titles
// stored, given the effective ends and origin just computed.
void make_title_room(GraphRecord& graph, EffectiveScales const& scales);

} // namespace kelvo
