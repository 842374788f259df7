#include "lib/axes/polygons.h"

#include <array>
#include <vector>

#include "lib/axes/marks.h"
#include "lib/graph/graph_table.h"
#include "lib/runtime/array_check.h"
#include "lib/runtime/arrays.h"

namespace kelvo {

namespace {

int32_t check_space_arrays(std::array<LibraryArray const*, 3> const& arrays, int32_t n)
{
    for (LibraryArray const* array : arrays)
        if (array == nullptr)
            return polygon_missing_array;
    for (LibraryArray const* array : arrays)
        if (array->dimensions != 1)
            return polygon_array_not_flat;
    for (LibraryArray const* array : arrays)
        if (n > array->n1)
            return polygon_array_too_short;
    return 0;
}

// Makes the graph current and draws the first n points of the checked arrays; a null z
// array puts every point at the graph's ZPlane.
void draw_checked_polygon(TkGraph id, LibraryArray const& x, LibraryArray const& y, LibraryArray const* z, int32_t n,
                          Filling filling)
{
    GraphRecord* graph = make_current(id);
    if (graph == nullptr || n < 1)
        return;
    std::vector<Triple> points(static_cast<std::size_t>(n));
    for (std::size_t i = 0; i < points.size(); ++i)
        points[i] = {x.data[i], y.data[i], z == nullptr ? graph->coordinates.ZPlane : z->data[i]};
    draw_user_polygon(*graph, points, filling);
}

} // namespace

int32_t draw_array_polygon(TkGraph graph, TkArray x, TkArray y, int32_t n, Filling filling)
{
    ArrayCheck check;
    check.dimensions = 1;
    check.coordinates[0] = x;
    check.counts[0] = n;
    check.data = y;
    if (int32_t const result = check_plot_arrays(check); result != 0)
        return result;
    draw_checked_polygon(graph, *find_array(x), *find_array(y), nullptr, n, filling);
    return 0;
}

int32_t draw_array_polygon(TkGraph graph, TkArray x, TkArray y, TkArray z, int32_t n, Filling filling)
{
    std::array<LibraryArray const*, 3> const arrays{find_array(x), find_array(y), find_array(z)};
    if (int32_t const result = check_space_arrays(arrays, n); result != 0)
        return result;
    draw_checked_polygon(graph, *arrays[0], *arrays[1], arrays[2], n, filling);
    return 0;
}

} // namespace kelvo
