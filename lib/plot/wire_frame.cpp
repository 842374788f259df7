#include "lib/plot/wire_frame.h"

#include <algorithm>
#include <cassert>
#include <vector>

#include "lib/plot/working_storage.h"

namespace kelvo {

namespace {

// Whether the screen triangle (a, b, d) turns its front to the viewer. Rows grow
// downwards; the products are taken in 64 bits since pixel differences reach 60000.
bool facing(PixelPoint a, PixelPoint b, PixelPoint d)
{
    int64_t const lhs = int64_t{b.x - a.x} * (d.y - b.y);
    int64_t const rhs = int64_t{b.y - a.y} * (d.x - b.x);
    return lhs <= rhs;
}

class PointGrid {
public:
    PointGrid(std::span<PixelPoint const> points, int32_t columns) : points_(points), columns_(columns) {}

    // Counting from 1, as the grid's description does.
    PixelPoint at(int32_t c, int32_t r) const
    {
        return points_[static_cast<std::size_t>(r - 1) * static_cast<std::size_t>(columns_) +
                       static_cast<std::size_t>(c - 1)];
    }

private:
    std::span<PixelPoint const> points_;
    int32_t columns_;
};

} // namespace

bool WireFrameStorage::obtain(int32_t columns, int32_t rows, DataSource source)
{
    columns_ = std::max(columns, 0);
    rows_ = std::max(rows, 0);
    int64_t const points = int64_t{columns_} * rows_;
    int64_t const cells = int64_t{std::max(columns_ - 1, 0)} * std::max(rows_ - 1, 0);
    return admit_working_storage(points, source) &&
           allocate_working_storage(points_, static_cast<std::size_t>(points)) &&
           allocate_working_storage(cells_, static_cast<std::size_t>(cells));
}

void draw_edge_coloured_wire_frame(GraphRecord& graph, WireFrameStorage& storage, SegmentColours colours)
{
    int32_t const columns = storage.columns_;
    int32_t const rows = storage.rows_;
    if (columns < 1 || rows < 1)
        return;
    assert(storage.points_.size() == static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows));
    PointGrid const grid(storage.points_, columns);
    int32_t const cell_columns = columns - 1;
    int32_t const cell_rows = rows - 1;
    // Each triangle is tested once; every edge then reads its one or two neighbours. Cell
    // (c, r) lies at (r - 1)(columns - 1) + c - 1.
    std::vector<CellFacing>& cells = storage.cells_;
    auto cell = [&](int32_t c, int32_t r) -> CellFacing& {
        return cells[static_cast<std::size_t>(r - 1) * static_cast<std::size_t>(cell_columns) +
                     static_cast<std::size_t>(c - 1)];
    };
    for (int32_t r = 1; r <= cell_rows; ++r)
        for (int32_t c = 1; c <= cell_columns; ++c) {
            PixelPoint const p00 = grid.at(c, r);
            PixelPoint const p10 = grid.at(c + 1, r);
            PixelPoint const p01 = grid.at(c, r + 1);
            PixelPoint const p11 = grid.at(c + 1, r + 1);
            cell(c, r) = {facing(p01, p00, p10), facing(p10, p11, p01)};
        }
    auto colour = [&](bool upper) { return upper ? colours.upper : colours.lower; };
    LineBatch lines(graph);

    // The edge from P(c, r) to P(c+1, r) belongs to the lower-left triangle of cell (c, r)
    // and the upper-right one of cell (c, r-1).
    for (int32_t c = 1; c <= cell_columns; ++c)
        for (int32_t r = 1; r <= rows; ++r) {
            bool const upper = (r <= cell_rows && cell(c, r).lower_left) || (r >= 2 && cell(c, r - 1).upper_right);
            add_pixel_line(lines, grid.at(c, r), grid.at(c + 1, r), colour(upper));
        }
    // The edge from P(c, r) to P(c, r+1) belongs to the lower-left triangle of cell (c, r)
    // and the upper-right one of cell (c-1, r).
    for (int32_t r = 1; r <= cell_rows; ++r)
        for (int32_t c = 1; c <= columns; ++c) {
            bool const upper =
                (c <= cell_columns && cell(c, r).lower_left) || (c >= 2 && cell(c - 1, r).upper_right);
            add_pixel_line(lines, grid.at(c, r), grid.at(c, r + 1), colour(upper));
        }
    lines.flush();
}

} // namespace kelvo
