#pragma once

// Drawing one edge of a hidden-line picture against the horizon: the part that is not
// hidden, in the colour of its visibility class.

#include <optional>

#include "lib/graph/graph_record.h"
#include "lib/plot/horizon.h"
#include "lib/plot/pixel_line.h"

namespace kelvo {

struct SegmentColours {
    TkColor upper = 0;
    TkColor lower = 0;
};

// Draws the segment a-b from its visible end. Both ends in one class: the whole segment in
// that colour (the points between are not tested). Otherwise the split point is the first
// of E - round((E - S) k / 16), k = 1..16, in the class of the visible end S, and the far
// piece is drawn too when its end E is visible. The horizon is not changed.
//
// With a mirror column (in window pixels), each piece is drawn a second time reflected
// about that vertical line: a surface of revolution computes one half of each circle and
// obtains the other by mirroring.
void draw_visible_segment(GraphRecord& graph, Horizon const& horizon, PixelPoint a, PixelPoint b,
                          SegmentColours colours, std::optional<double> mirror_column = std::nullopt);

} // namespace kelvo
