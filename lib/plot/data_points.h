#pragma once

// Points of the caller's own memory, of any length, drawn as the classic array plots draw
// library arrays: marks, colour and option alike, with the pixels of drawing every segment and
// every symbol one by one. Coordinates that are not finite are gaps.

#include <cstdint>

#include "lib/graph/graph_record.h"
#include "lib/plot/data_arrays.h"

namespace kelvo {

struct DataPoints {
    double const* x = nullptr; // null: 0, 1, ..., n - 1
    double const* y = nullptr;
    double const* z = nullptr; // space points only
    int64_t n = 0;
};

// TkDrawData1: (x[i], y[i]) at the graph's ZPlane, joined in order for marks of 10 or more,
// with the symbol at each point.
int32_t draw_plane_data(GraphRecord& graph, DataPoints const& data, ArrayMarks const& marks);
// TkDrawData3: (x[i], y[i], z[i]) as symbols for marks below 10, otherwise as a polyline.
int32_t draw_space_data(GraphRecord& graph, DataPoints const& data, ArrayMarks const& marks);

} // namespace kelvo
