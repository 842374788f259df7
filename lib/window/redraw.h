#pragma once

// Repainting the window from the off-screen images, publishing held-back drawing
// (dispatch), switching drawing modes and following a resize.

#include <cstdint>

#include "lib/window/graph_record.h"

namespace kelvo {

// Copies the inclusive rectangle from the repaint source (retained image in modes 2 and 4,
// shown image in mode 3) to the window. Nothing in mode 1.
void redraw_to_rect(GraphRecord& graph, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
void redraw_to_window(GraphRecord& graph);
// Copies the inclusive rectangle from the retained image to the window, and in mode 3 to
// the shown image too. Nothing in mode 1 or for a rectangle narrower than x2 = x1 - 1.
void dispatch_to_rect(GraphRecord& graph, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
void dispatch_to_window(GraphRecord& graph);

// Switches to a mode whose image count the opened mode allows, re-applies the style,
// clears and dispatches. Returns the mode in force.
int32_t set_drawing_mode(GraphRecord& graph, int32_t mode);

// Moves and resizes the window; rebuilds the images when the window outgrew them or they
// are far too large. 1 when the images could follow, 0 when a rebuild failed.
uint8_t resize_graph(GraphRecord& graph, int32_t x, int32_t y, int32_t width, int32_t height);

} // namespace kelvo
