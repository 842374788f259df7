#pragma once

// Images (platform bitmaps the caller owns) taken from and placed into graphs, and
// scrolling of a graph's pixels.

#include <cstdint>

#include "lib/kelvolib.h"
#include "lib/graph/graph_record.h"

namespace kelvo {

// A copy of the inclusive rectangle of drawing target 1, or 0.
TkImage get_image(GraphRecord& graph, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
// Places the whole image at (x, y) on every drawing target with image mode 1..5.
void put_image(GraphRecord& graph, int32_t x, int32_t y, TkImage image, int32_t mode);
// Deletes an image; false when the handle is not a free-standing image.
bool clear_image(TkImage image);

// Moves the pixels of the inclusive rectangle by (dx, dy) within it and paints what they
// uncover in the back colour, on every drawing target. Nothing is dispatched.
void scroll_rect(GraphRecord& graph, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t dx, int32_t dy);
void scroll_window(GraphRecord& graph, int32_t dx, int32_t dy);

} // namespace kelvo
