#pragma once

// Grids of the caller's own memory, of any size, drawn as the classic grid calls draw
// library arrays: the same checks, levels, styles, colours and pixels, read where they lie.
// Contours separate their saddle cells (SaddleCells::Separated); every other cell is drawn
// as the classic walk draws it.

#include <cstdint>

#include "lib/graph/graph_record.h"
#include "lib/plot/contours.h"
#include "lib/plot/surfaces.h"

namespace kelvo {

struct DataGrid {
    double const* x = nullptr; // null: 0, 1, ..., nx - 1
    double const* y = nullptr; // null: 0, 1, ..., ny - 1
    double const* z = nullptr; // z(i, j) at z[i * ny + j]
    int32_t nx = 0;
    int32_t ny = 0;
};

// TkDrawContoursData and TkDrawSurfaceData. Missing heights give 20804; a grid of more
// heights than any memory could hold gives 20801; otherwise the codes of the classic calls.
int32_t draw_data_contours(GraphRecord& graph, DataGrid const& data, ContourRequest request);
int32_t draw_data_surface(GraphRecord& graph, DataGrid const& data, SurfaceRequest const& request);

} // namespace kelvo
