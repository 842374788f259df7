#pragma once

// A graph's drawing attributes: pen and brush, back colour and write mode, and the styles
// that set all defaults at once; filling rectangles and clearing the window.

#include <cstdint>

#include "lib/draw/style.h"
#include "lib/kelvolib.h"
#include "lib/graph/graph_record.h"

namespace kelvo {

// A pen (and a solid brush of its colour) on every drawing target. A style outside 1..5
// changes nothing.
void set_pen(GraphRecord& graph, TkColor colour, int32_t style, int32_t width);
void set_pen_colour(GraphRecord& graph, TkColor colour);
void set_pen_style(GraphRecord& graph, int32_t style);

// Back colour and write mode change together; a write mode outside 1..5 changes nothing.
void set_back_colour_and_write_mode(GraphRecord& graph, TkColor back_colour, int32_t write_mode);

// Pen, font, back colour, write mode, text colour and justification from a style record;
// the graph's opened drawing mode word stays as it was.
void apply_style(GraphRecord& graph, StyleRecord const& style);
// Every coordinate and axis setting back to its default for the graph's font and style.
void reset_coordinate_settings(GraphRecord& graph);
// Builds and applies style `number`, then resets the coordinate defaults.
void apply_numbered_style(GraphRecord& graph, int32_t number);
// Applies the graph's own style record again, then resets the coordinate defaults.
void restore_defaults(GraphRecord& graph);

// Fills x1..x2, y1..y2 (inclusive) in a colour and write mode, leaving the graph's pen,
// brush and write mode as they were.
void fill_rectangle(GraphRecord& graph, int32_t x1, int32_t y1, int32_t x2, int32_t y2, TkColor colour,
                    int32_t write_mode);
// The whole window in the back colour; the end-of-text position goes back to (0, 0).
void clear_window(GraphRecord& graph);

} // namespace kelvo
