#pragma once

// Where drawing goes in each drawing mode: the window, the retained image, or the retained
// image and then the window (mode 2). Text goes to the first target only.

#include "lib/graph/graph_record.h"
#include "platform/graphics/device_context.h"
#include "platform/graphics/graphics_object.h"

namespace kelvo {

int target_count(GraphRecord const& graph);
// Target i (from 1) of the mode's list and its slot.
Slot target_slot(GraphRecord const& graph, int i);
kp::DeviceContext* target(GraphRecord const& graph, int i);
// The first target: the one text is drawn on and images are taken from.
kp::DeviceContext* first_target(GraphRecord const& graph);

// Calls draw(context, slot) for every target of the graph's mode, in drawing order.
template <typename Draw>
void for_each_target(GraphRecord const& graph, Draw&& draw)
{
    for (int i = 1; i <= target_count(graph); ++i)
        if (kp::DeviceContext* context = target(graph, i))
            draw(*context, target_slot(graph, i));
}

// Selects a library-made pen, brush or font into a slot's context. The first object the
// library displaces there is kept, to be put back at release; later displaced objects were
// the library's own and are deleted. False (nothing changes) when the context refuses it.
bool select_library_object(GraphRecord& graph, Slot slot, kp::ObjectKind kind, uint32_t handle);

// Puts every saved pen, brush and font back into its context and deletes the library's.
void restore_saved_objects(GraphRecord& graph);

} // namespace kelvo
