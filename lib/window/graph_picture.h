#pragma once

// Saving what a graph shows as a picture file: SVG or PDF from the recording of its
// drawing, PNG from its pixels.

#include <cstdint>

#include "lib/graph/graph_record.h"

namespace kelvo {

// The codes TkSaveGraph returns (see kelvolib.h).
inline constexpr int32_t save_no_graph = 25001;
inline constexpr int32_t save_nothing_drawn = 25002;
inline constexpr int32_t save_unknown_format = 25003;
inline constexpr int32_t save_cannot_write = 25004;
inline constexpr int32_t save_too_large = 25005;

// Writes the graph's picture to `path` in the format its extension names. Returns 0 or one
// of the codes above; on failure nothing is written.
int32_t save_graph(GraphRecord const& graph, char const* path);

} // namespace kelvo
