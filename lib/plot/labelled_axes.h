#pragma once

// Plot options 2 and 3 frame the data: the axes, then their labels, as TkDrawAxes and
// TkLabelAxes draw them.

#include "lib/axes/axis_labels.h"
#include "lib/axes/frame.h"

namespace kelvo {

inline void draw_labelled_axes(GraphRecord& graph)
{
    draw_axes(graph);
    label_axes(graph);
}

} // namespace kelvo
