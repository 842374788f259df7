#pragma once

// The edge-coloured wire frame of a grid of projected points, shared by surfaces and
// surfaces of revolution.

#include <cstdint>
#include <span>
#include <vector>

#include "lib/graph/graph_record.h"
#include "lib/plot/data_source.h"
#include "lib/plot/pixel_line.h"
#include "lib/plot/visible_segment.h"

namespace kelvo {

// Which triangles of a cell face the viewer (see below).
struct CellFacing {
    bool lower_left = false;  // P(c, r+1), P(c, r), P(c+1, r)
    bool upper_right = false; // P(c+1, r), P(c+1, r+1), P(c, r+1)
};

// The working storage of a wire frame of `columns` x `rows` points: the points, row after
// row, P(c, r) at (r - 1) columns + c counting from 1, and a facing per cell. Drawings have
// it before they draw anything, so that one without it draws nothing.
class WireFrameStorage {
public:
    // False, with "Not enough room in memory for local arrays", when the points exceed the
    // working storage of the data's source or memory cannot hold them.
    bool obtain(int32_t columns, int32_t rows, DataSource source);

    int32_t columns() const { return columns_; }
    int32_t rows() const { return rows_; }
    // The callers fill them in before the drawing.
    std::span<PixelPoint> points() { return points_; }

private:
    friend void draw_edge_coloured_wire_frame(GraphRecord&, WireFrameStorage&, SegmentColours);

    int32_t columns_ = 0;
    int32_t rows_ = 0;
    std::vector<PixelPoint> points_;
    std::vector<CellFacing> cells_;
};

// Each cell is cut along its diagonal from P(c+1, r) to P(c, r+1) into a
// lower-left and an upper-right triangle; a triangle (A, B, D) faces the viewer when
// (B - A) x (D - B) <= 0 on the screen. Every grid edge is drawn once, in the upper colour
// when a triangle on either side of it faces the viewer and in the lower colour otherwise:
// first the edges within rows, column by column, then the edges between rows, row by row.
void draw_edge_coloured_wire_frame(GraphRecord& graph, WireFrameStorage& storage, SegmentColours colours);

} // namespace kelvo
