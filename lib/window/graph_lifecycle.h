#pragma once

// Opening, closing and releasing graphs.

#include <cstdint>

#include "lib/kelvolib.h"
#include "lib/graph/graph_record.h"
#include "platform/window/message.h"

namespace kelvo {

inline constexpr int32_t open_flag_border = 64;
inline constexpr int32_t open_flag_hidden = 128;

// A graph window as a child of `parent` at (x, y) in its client area. 0 on failure.
TkGraph open_graph(TkWnd parent, int32_t x, int32_t y, int32_t width, int32_t height, int32_t flags);
// Destroys the graph's window, whose destroy handling releases the graph. False when the
// identifier names no open graph (0, closed or never issued): nothing was closed.
bool close_graph(TkGraph id);
// Gives back every object and image of the graph and frees its record.
void release_graph(GraphRecord& graph);
void store_graph_in_window(kp::WindowHandle window, TkGraph id);

} // namespace kelvo
