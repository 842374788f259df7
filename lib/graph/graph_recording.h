#pragma once

// The recording of what a graph shows, kept so that the graph can be saved as vector
// graphics. It lives in the context of the graph's first drawing target (the retained image,
// or the window in mode 1), which every drawing call of the library reaches.

#include "lib/graph/graph_record.h"

namespace kelvo {

// The context that records the graph's picture; null when the graph has none.
kp::DeviceContext* recording_context(GraphRecord const& graph);

// Starts a new recording of the window's area on the first target and ends any other
// target's recording. Called as the window is cleared, so that the clearing fill hides
// whatever came before.
void start_new_recording(GraphRecord& graph);
// Says that what the recording holds now is the cleared picture.
void mark_recording_cleared(GraphRecord& graph);

} // namespace kelvo
