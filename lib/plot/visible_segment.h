#pragma once

// Drawing one edge of a hidden-line picture against the horizon: the part that is not
// hidden, in the colour of its visibility class.

#include <optional>
#include <utility>

#include "lib/plot/horizon.h"
#include "lib/plot/pixel_line.h"

namespace kelvo {

struct SegmentColours {
    TkColor upper = 0;
    TkColor lower = 0;
};

// The point reflected about a vertical line at a window column, kept within the window limit.
PixelPoint mirrored(PixelPoint p, double axis_column);

// The first of E - round((E - S) k / 16), k = 1..16, coordinate by coordinate, whose class
// is `wanted`; at k = 16 it is S itself.
PixelPoint split_point(Horizon const& horizon, PixelPoint s, PixelPoint e, Visibility wanted);

// Draws the segment a-b from its visible end. Both ends in one class: the whole segment in
// that colour (the points between are not tested). Otherwise the segment is split at the
// split point in the class of the visible end S, and the far piece is drawn too when its end
// E is visible. The horizon is not changed.
//
// With a mirror column (in window pixels), each piece is drawn a second time reflected
// about that vertical line: a surface of revolution computes one half of each circle and
// obtains the other by mirroring.
//
// Every edge of a hidden-line drawing comes through here, hence inline.
inline void draw_visible_segment(LineBatch& lines, Horizon const& horizon, PixelPoint a, PixelPoint b,
                                 SegmentColours colours, std::optional<double> mirror_column = std::nullopt)
{
    auto draw_piece = [&](PixelPoint from, PixelPoint to, Visibility visibility) {
        TkColor const colour = visibility == Visibility::Upper ? colours.upper : colours.lower;
        add_pixel_line(lines, from, to, colour);
        if (mirror_column)
            add_pixel_line(lines, mirrored(from, *mirror_column), mirrored(to, *mirror_column), colour);
    };
    Visibility start_class = horizon.visibility(a);
    Visibility end_class = horizon.visibility(b);
    if (start_class == Visibility::Hidden) {
        std::swap(a, b);
        std::swap(start_class, end_class);
    }
    if (start_class == Visibility::Hidden)
        return;
    if (start_class == end_class) {
        draw_piece(a, b, start_class);
        return;
    }
    PixelPoint const split = split_point(horizon, a, b, start_class);
    draw_piece(a, split, start_class);
    if (end_class != Visibility::Hidden)
        draw_piece(split, b, end_class);
}

} // namespace kelvo
