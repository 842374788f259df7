#pragma once

// What the labels of the axes and the titles share: the AutoPlace flag, offsets in percent of
// the character cell, and the graph's text settings, which both borrow while they draw.

#include <cstdint>

#include "lib/axes/axis_geometry.h"
#include "lib/graph/graph_record.h"

namespace kelvo {

// The width in characters of labels whose axis gives 0.
inline constexpr int32_t default_label_width = 5;

bool auto_placed(TkLabelSettings const& settings);

// A percentage of a cell side in pixels, kept where sums of pixel coordinates stay in 32 bits.
int32_t percent_of(int32_t percent, int32_t cell);

// The label offsets, in percent of the cell, that AutoPlace chooses from the side flags.
struct Offsets {
    int32_t x;
    int32_t y;
};

Offsets offsets_for_sides(SideFlags flags, Offsets both, Offsets horizontal, Offsets vertical, Offsets neither);

// Makes the settings' font, justification, text colour and offsets the graph's.
void use_text_settings(GraphRecord& graph, TkLabelSettings const& settings);

// Puts the graph's text settings back when labelling or a title is done.
class TextSettingsScope {
public:
    explicit TextSettingsScope(GraphRecord& graph);
    ~TextSettingsScope() { use_text_settings(graph_, saved_); }
    TextSettingsScope(TextSettingsScope const&) = delete;
    TextSettingsScope& operator=(TextSettingsScope const&) = delete;

private:
    GraphRecord& graph_;
    TkLabelSettings saved_{};
};

} // namespace kelvo
