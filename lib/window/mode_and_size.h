#pragma once

// Switching a graph's drawing mode and following a resize of its window.

#include <cstdint>

#include "lib/graph/graph_record.h"

namespace kelvo {

// Switches to a mode whose image count the opened mode allows, re-applies the style,
// clears and dispatches. Returns the mode in force.
int32_t set_drawing_mode(GraphRecord& graph, int32_t mode);

// Moves and resizes the window; rebuilds the images when the window outgrew them or they
// are far too large. 1 when the images could follow, 0 when a rebuild failed.
uint8_t resize_graph(GraphRecord& graph, int32_t x, int32_t y, int32_t width, int32_t height);

} // namespace kelvo
