#pragma once

// The settings of each kind of text (axis labels, axis titles, graph title, graph labels)
// and the title strings a graph keeps.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "lib/graph/graph_record.h"

namespace kelvo {

// Kinds 1 to 7 are stored; kind 8 is collected from the graph's font, justification, text
// colour and graph-label offsets. False for an unknown kind (nothing is copied).
bool get_label_settings(GraphRecord const& graph, int32_t kind, TkLabelSettings& settings);
// Kind 8 with AutoPlace set first rewrites the caller's record to centre graph labels
// above their point, then sets the graph's font, justification, colour and offsets.
void set_label_settings(GraphRecord& graph, int32_t kind, TkLabelSettings& settings);

// References 4 to 7: x, y, z axis titles and the graph title. An empty text clears it;
// an unknown reference stores nothing.
void set_title_string(GraphRecord& graph, int32_t reference, std::string_view text);
// Copies at most size - 1 bytes (never ending inside a UTF-8 character) and a terminator;
// returns the number of bytes copied, 0 when nothing is stored.
int32_t get_title_string(GraphRecord const& graph, int32_t reference, char* buffer, int32_t size);

} // namespace kelvo
