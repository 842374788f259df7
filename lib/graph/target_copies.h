#pragma once

// Copies between a graph's drawing targets: repainting the window from the off-screen
// images, and publishing held-back drawing (dispatch).

#include <cstdint>

#include "lib/graph/graph_record.h"

namespace kelvo {

// Copies the inclusive rectangle from the repaint source (retained image in modes 2 and 4,
// shown image in mode 3) to the window. Nothing in mode 1.
void redraw_to_rect(GraphRecord& graph, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
void redraw_to_window(GraphRecord& graph);
// Copies the inclusive rectangle from the retained image to the window, and in mode 3 to
// the shown image too. Nothing in mode 1 or for a rectangle narrower than x2 = x1 - 1.
void dispatch_to_rect(GraphRecord& graph, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
void dispatch_to_window(GraphRecord& graph);

} // namespace kelvo
