#pragma once

// Text in a graph: character by character from each character's own advance, in four
// orientations and three justifications, with the end-of-text position kept for callers
// that continue a line.

#include <cstdint>
#include <string_view>

#include "lib/graph/graph_record.h"
#include "platform/base/device_geometry.h"

namespace kelvo {

inline constexpr std::size_t long_text_limit = 500; // bytes

// The box of a text of extent `width` and height `height` with ascent `ascent` whose
// reference point is (x, y), for an orientation and justification: the window pixels it
// covers, in 64 bits, wide enough for any text at any 32-bit point.
kp::DeviceBox text_box(int64_t x, int64_t y, int64_t width, int64_t height, int64_t ascent, int32_t orientation,
                 int32_t justification);
// The box of a whole text with the graph's font, orientation and justification.
kp::DeviceBox string_box(GraphRecord& graph, int32_t x, int32_t y, std::string_view text);
int32_t text_ascent(GraphRecord& graph);

// Draws the text with its reference point at (x, y) and leaves the end-of-text position
// where a following character would go.
void draw_text(GraphRecord& graph, int32_t x, int32_t y, std::string_view text);
// The same with the text cut to its first 500 bytes (never inside a UTF-8 character).
void draw_long_text(GraphRecord& graph, int32_t x, int32_t y, std::string_view text);

} // namespace kelvo
