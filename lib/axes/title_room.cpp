#include "lib/axes/title_room.h"

#include <algorithm>
#include <cmath>

#include "lib/draw/fonts.h"
#include "lib/runtime/debug_report.h"

namespace kelvo {

namespace {

constexpr double edge_tolerance = 1.2E-14;

// The kinds whose fonts size the margins: x and y labels, x and y titles, graph title.
CellMetrics cell_of_kind(GraphRecord& graph, int32_t kind)
{
    if (kind != 1 && kind != 2 && kind != 4 && kind != 5 && kind != 7)
        debug_report("*** Wrong label type for ApplyFont");
    TkLabelSettings const& settings =
        graph.coordinates.LabelSettings[static_cast<std::size_t>(std::clamp(kind, 1, stored_label_kinds) - 1)];
    FontScope const font(graph, {settings.FontFace, settings.FontStyle, settings.FontSize, 1});
    return cell_metrics(graph);
}

bool has_title(GraphRecord const& graph, int32_t reference)
{
    return graph.coordinates.Titles[static_cast<std::size_t>(reference - first_title_reference)].has_value();
}

} // namespace

void make_title_room(GraphRecord& graph, EffectiveScales const& s)
{
    CoordinateSettings& c = graph.coordinates;
    bool const open_axes = c.AxisType == 1;
    bool const y_axis_at_left =
        !c.Is3D && (!open_axes || std::fabs(s.AxisOrigin[axis_x] - s.AxisMin[axis_x]) < edge_tolerance);
    bool const x_axis_at_bottom =
        !c.Is3D && (!open_axes || std::fabs(s.AxisOrigin[axis_y] - s.AxisMin[axis_y]) < edge_tolerance);

    // Halves are truncated toward zero.
    CellMetrics const y_labels = cell_of_kind(graph, 2);
    if (y_axis_at_left) {
        c.LeftMargin = 7 * y_labels.width;
        c.RightMargin = 2 * y_labels.width;
    } else {
        c.LeftMargin = c.RightMargin = 3 * y_labels.width / 2;
    }
    CellMetrics const x_labels = cell_of_kind(graph, 1);
    c.TopMargin = x_labels.height;
    c.BottomMargin = x_labels.height + 8;
    if (has_title(graph, 7))
        c.TopMargin += cell_of_kind(graph, 7).height;
    if (has_title(graph, 4) && x_axis_at_bottom)
        c.BottomMargin += 3 * cell_of_kind(graph, 4).height / 2;
    if (has_title(graph, 5) && y_axis_at_left)
        c.LeftMargin += 3 * cell_of_kind(graph, 5).height / 2;
}

} // namespace kelvo
