#pragma once

// Where each axis lies: the line along which its pips and labels go, on which sides of it
// labels are placed, and the fonts of the axis texts.

#include <cstdint>

#include "lib/axes/projection.h"
#include "lib/graph/graph_record.h"

namespace kelvo {

// The axes drawn in the graph's view: x and y, and z in a 3D view.
int axis_count(CoordinateSettings const& c);

// A 2D view seen straight on: x to the right, y up.
bool is_ordinary_2d_view(CoordinateSettings const& c);

// The effective origin; in a 2D view its z is the graph's ZPlane.
Triple axis_origin(GraphRecord const& graph);

// A segment of user space from the axis's lower end to its upper end.
struct AxisLine {
    Triple lower{};
    Triple upper{};

    // The point at `value` of the axis coordinate.
    Triple at(int axis, double value) const
    {
        Triple p = lower;
        p[static_cast<std::size_t>(axis)] = value;
        return p;
    }
};

// The line through the effective origin parallel to the axis, across its effective range.
AxisLine axis_line(GraphRecord const& graph, int axis);

// Which sides of an axis its texts go to: H for an axis that runs across the window, V for
// one that runs up and down it; in a 3D view a slanted axis may have both.
struct SideFlags {
    bool horizontal = false;
    bool vertical = false;
};
SideFlags side_flags(GraphRecord const& graph, int axis);

// The line along which the axis's pips and labels go: the axis line for open and corner
// axes, the lower edges of a 2D box, and for a 3D box the edge nearest the corner of the
// window that the axis's side flags point to.
AxisLine pip_line(GraphRecord const& graph, int axis);

inline WindowPoint project_point(EffectiveScales const& s, Triple const& p)
{
    return project(s, p[0], p[1], p[2]);
}

// Window pixels of a user point, rounded and kept within the window limit.
struct PixelPoint {
    int32_t x = 0;
    int32_t y = 0;

    friend bool operator==(PixelPoint, PixelPoint) = default;
};
PixelPoint pixel_of(EffectiveScales const& s, Triple const& p);

// The font of a kind of text, in the given orientation.
FontRecord label_font(TkLabelSettings const& settings, int32_t orientation);
// Selects a font unless it is the one in force, which keeps its measured metrics.
void use_font(GraphRecord& graph, FontRecord const& font);

} // namespace kelvo
