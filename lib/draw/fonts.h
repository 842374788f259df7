#pragma once

// A graph's font, text colour, justification and text metrics.

#include <cstdint>

#include "lib/kelvolib.h"
#include "lib/graph/graph_record.h"
#include "lib/graph/text_placement.h"
#include "platform/font/logical_font.h"

namespace kelvo {

// The logical font of a font record on a 96-pixel-per-inch screen, or nothing when its
// pixel height would exceed 1000.
std::optional<kp::LogicalFont> logical_font_for(FontRecord const& font);

// Creates the font on every drawing target; too large a size, or a font that cannot be
// made, leaves the previous font in force.
void set_font(GraphRecord& graph, FontRecord font);
void set_text_colour(GraphRecord& graph, TkColor colour);
// A value outside 1..3 becomes 1. Returns the previous justification.
int32_t set_justification(GraphRecord& graph, int32_t justification);

// Cell width (of "0"), cell height (height plus external leading) and ascent of the
// current font, measured when first needed after a font change.
void ensure_metrics(GraphRecord& graph);
CellMetrics cell_metrics(GraphRecord& graph);

// Selects a font for the length of a scope and puts the graph's own font back at its end.
class FontScope {
public:
    FontScope(GraphRecord& graph, FontRecord const& font) : graph_(graph), saved_(graph.font) { set_font(graph, font); }
    ~FontScope() { set_font(graph_, saved_); }
    FontScope(FontScope const&) = delete;
    FontScope& operator=(FontScope const&) = delete;

private:
    GraphRecord& graph_;
    FontRecord saved_;
};

} // namespace kelvo
