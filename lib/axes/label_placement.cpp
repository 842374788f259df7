#include "lib/axes/label_placement.h"

#include <algorithm>
#include <cmath>

#include "lib/axes/label_settings.h"
#include "lib/draw/fonts.h"
#include "lib/runtime/debug_report.h"

namespace kelvo {

bool auto_placed(TkLabelSettings const& settings)
{
    return (settings.AutoPlace & 0xFFFF) != 0;
}

int32_t percent_of(int32_t percent, int32_t cell)
{
    constexpr double farthest = 1 << 30;
    return static_cast<int32_t>(std::nearbyint(std::clamp(percent * 0.01 * cell, -farthest, farthest)));
}

Offsets offsets_for_sides(SideFlags flags, Offsets both, Offsets horizontal, Offsets vertical, Offsets neither)
{
    if (flags.horizontal && flags.vertical)
        return both;
    if (flags.horizontal)
        return horizontal;
    if (flags.vertical)
        return vertical;
    debug_report("impossibe label position");
    return neither;
}

void use_text_settings(GraphRecord& graph, TkLabelSettings const& settings)
{
    use_font(graph, label_font(settings, settings.Orientation));
    set_justification(graph, settings.Justification);
    if (graph.text_colour != settings.TextColour)
        set_text_colour(graph, settings.TextColour);
    graph.coordinates.GraphLabelDx = settings.XOffset;
    graph.coordinates.GraphLabelDy = settings.YOffset;
}

TextSettingsScope::TextSettingsScope(GraphRecord& graph) : graph_(graph)
{
    // The graph's own text settings are those of its graph labels.
    get_label_settings(graph, graph_label_kind, saved_);
}

} // namespace kelvo
