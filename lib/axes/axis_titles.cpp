#include "lib/axes/axis_titles.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "lib/axes/axis_geometry.h"
#include "lib/axes/label_placement.h"
#include "lib/draw/fonts.h"
#include "lib/draw/text.h"
#include "lib/runtime/debug_report.h"
#include "platform/base/point.h"

namespace kelvo {

namespace {

// An axis origin closer than this to the window's left edge leaves no room for 2D titles
// beside the axes.
constexpr int32_t title_room_beside_axes = 160;

// The axis's label width as titles count it: 0 counts as `zero`, a negative width as none.
// Widths far beyond any window are held where the offsets made from them fit 32 bits.
int32_t title_label_width(GraphRecord const& graph, int axis, int32_t zero)
{
    int32_t const w = graph.coordinates.LabelWidth[static_cast<std::size_t>(axis)];
    return w == 0 ? zero : std::clamp(w, 0, 1000000);
}

// AutoPlace for the axis titles, on a copy of their settings.
void auto_place_axis_title(GraphRecord& graph, int axis, TkLabelSettings& settings)
{
    CoordinateSettings const& c = graph.coordinates;
    settings.Orientation = code_of(Orientation::Right);
    settings.TitleRef = 2;
    SideFlags const flags = side_flags(graph, axis);
    int32_t const a = 100 * title_label_width(graph, axis, default_label_width) + 150;
    settings.Justification = code_of(flags.vertical ? Justification::End : Justification::Start);
    Offsets offsets = offsets_for_sides(flags, {-20 - a, 250}, {a + 80, 235}, {-45 - a, -190}, {a + 80, -190});
    if (axis == axis_z) {
        settings.Justification = code_of(Justification::End);
        offsets = {-145, -120};
        if (c.AxisType == 1) {
            double const tilt = std::cos(c.Theta);
            if (tilt > 0.2)
                settings.TitleRef = 3;
            else if (tilt < -0.2)
                settings.TitleRef = 1;
            else
                offsets.y = -400;
        }
    }
    bool const room_beside_axes =
        c.AxisType != 1 || pixel_of(graph.scales, axis_origin(graph)).x >= title_room_beside_axes;
    if (!c.Is3D && room_beside_axes) {
        if (axis == axis_x) {
            settings.Justification = code_of(Justification::Middle);
            offsets = {0, 260};
        } else if (axis == axis_y) {
            settings.Justification = code_of(Justification::Middle);
            settings.Orientation = code_of(Orientation::Up);
            offsets = {-100 * (title_label_width(graph, axis_y, 6) + 2), 0};
        } else {
            debug_report("z-label drawing not expected");
        }
    }
    settings.XOffset = offsets.x;
    settings.YOffset = offsets.y;
}

// The fraction of the way from the upper end back to the lower end: 1 at the lower end.
double title_fraction(int32_t title_ref)
{
    switch (title_ref) {
    case 1:
        return 1;
    case 3:
        return 0;
    case 2:
        return 0.5;
    default:
        debug_report("TitleRef out of range");
        return 0.5;
    }
}

PixelPoint title_anchor(GraphRecord const& graph, int32_t reference, TkLabelSettings const& settings)
{
    if (reference == 7) {
        int32_t const w = graph.window_width;
        double const f = title_fraction(settings.TitleRef);
        return {f == 1 ? 0 : f == 0 ? w : w / 2, 0};
    }
    AxisLine const line = pip_line(graph, reference - 4);
    double const f = title_fraction(settings.TitleRef);
    Triple point;
    for (std::size_t i = 0; i < 3; ++i)
        point[i] = f * line.lower[i] + (1 - f) * line.upper[i];
    return pixel_of(graph.scales, point);
}

} // namespace

void draw_title(GraphRecord& graph, int32_t reference, std::string_view text)
{
    if (reference < 4 || reference > 7) {
        debug_report("wrong title type");
        return;
    }
    TkLabelSettings settings = graph.coordinates.LabelSettings[static_cast<std::size_t>(reference - 1)];
    if (auto_placed(settings)) {
        if (reference == 7) {
            settings.Orientation = code_of(Orientation::Right);
            settings.Justification = code_of(Justification::Middle);
            settings.XOffset = 0;
            settings.YOffset = 120;
            settings.TitleRef = 2;
        } else {
            auto_place_axis_title(graph, reference - 4, settings);
        }
    }
    PixelPoint const anchor = title_anchor(graph, reference, settings);
    TextSettingsScope const text_settings(graph);
    use_text_settings(graph, settings);
    CellMetrics const cell = cell_metrics(graph);
    int64_t const x = int64_t{anchor.x} + percent_of(settings.XOffset, cell.width);
    int64_t const y = int64_t{anchor.y} + percent_of(settings.YOffset, cell.height);
    draw_long_text(graph, kp::clamp_to_int32(x), kp::clamp_to_int32(y), text);
}

void draw_stored_titles(GraphRecord& graph)
{
    for (int32_t reference = first_title_reference; reference < first_title_reference + title_count; ++reference) {
        if (reference == 6 && !graph.coordinates.Is3D)
            continue;
        std::optional<std::string> const title =
            graph.coordinates.Titles[static_cast<std::size_t>(reference - first_title_reference)];
        if (title)
            draw_title(graph, reference, *title);
    }
}

} // namespace kelvo
