#pragma once

// Data held in library arrays drawn as marks: points of a plane data set, stems on a grid of
// heights, points of a space curve. The units digit of the mark is the symbol drawn at each
// point (0: none); a mark of 10 or more also joins the points with lines.

#include <cstdint>

#include "lib/graph/graph_record.h"
#include "lib/kelvolib.h"

namespace kelvo {

struct ArrayMarks {
    int32_t mark = 0;
    TkColor colour = 0; // the symbol colour when the graph uses one, else the pen colour
    uint8_t option = 0;
};

// Marks of this or more join the points with lines.
inline constexpr int32_t joined_marks = 10;

// The colour goes to the symbols when the graph draws them in their own colour; otherwise it
// becomes the pen's, solid when the points are joined.
void apply_colour_and_mark(GraphRecord& graph, ArrayMarks const& marks);
// Draws and labels the axes when the option asks for them.
void frame_if_asked(GraphRecord& graph, uint8_t option);

// TkDrawArray1: (X(i), Y(i)) at the graph's ZPlane, joined in order for marks of 10 or more,
// with the symbol at each point.
int32_t draw_plane_points(GraphRecord& graph, TkArray x, TkArray y, int32_t n, ArrayMarks const& marks);
// TkDrawArray2: at each grid point a stem from (X(i), Y(j), 0) up to the height Z(i, j) for
// marks of 10 or more, and the symbol at the top.
int32_t draw_grid_stems(GraphRecord& graph, TkArray x, TkArray y, TkArray z, int32_t nx, int32_t ny,
                        ArrayMarks const& marks);
// TkDrawArray3: the points (X(i), Y(i), Z(i)) as symbols for marks below 10, otherwise as a
// polyline without symbols.
int32_t draw_space_points(GraphRecord& graph, TkArray x, TkArray y, TkArray z, int32_t n, ArrayMarks const& marks);

} // namespace kelvo
