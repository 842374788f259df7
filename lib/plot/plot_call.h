#pragma once

// How the array forms of contours, surfaces and surfaces of revolution start: check the
// array arguments, make the graph current, clear the error flag and take the check's code
// as the error code; grids are then read through their transposed copy.

#include <cstdint>
#include <optional>

#include "lib/graph/graph_record.h"
#include "lib/kelvolib.h"
#include "lib/plot/plot_grid.h"
#include "lib/plot/revolution.h"
#include "lib/plot/transposed_copy.h"
#include "lib/runtime/error_state.h"

namespace kelvo {

struct GridArrays {
    TkArray x = 0;
    TkArray y = 0;
    TkArray z = 0; // two-dimensional, first index along x
    int32_t nx = 0;
    int32_t ny = 0;
};

// The grid of a drawing call, valid while the object lives (it holds the transposed copy).
class GridArguments {
public:
    GridArguments(TkGraph graph, GridArrays const& arrays);
    GridArguments(GridArguments const&) = delete;
    GridArguments& operator=(GridArguments const&) = delete;

    // The graph to draw into, or null when the identifier is bad or a check or the copy
    // failed (the error state then holds the code).
    GraphRecord* graph() const { return graph_; }
    PlotGrid const& grid() const { return grid_; }

private:
    std::optional<TransposedCopy> copy_;
    GraphRecord* graph_ = nullptr;
    PlotGrid grid_;
};

// The profile of a surface of revolution: z values and radii, N of each.
class ProfileArguments {
public:
    ProfileArguments(TkGraph graph, TkArray z_values, TkArray radii, int32_t count);

    GraphRecord* graph() const { return graph_; }
    Profile const& profile() const { return profile_; }

private:
    GraphRecord* graph_ = nullptr;
    Profile profile_;
};

// The whole of an array form: draw(graph, grid) runs when the arguments allow it; the
// result is the error code at the end.
template <typename Draw>
int32_t draw_from_grid_arrays(TkGraph graph, GridArrays const& arrays, Draw&& draw)
{
    GridArguments const call(graph, arrays);
    if (GraphRecord* const g = call.graph())
        draw(*g, call.grid());
    return error_state().code;
}

template <typename Draw>
int32_t draw_from_profile_arrays(TkGraph graph, TkArray z_values, TkArray radii, int32_t count, Draw&& draw)
{
    ProfileArguments const call(graph, z_values, radii, count);
    if (GraphRecord* const g = call.graph())
        draw(*g, call.profile());
    return error_state().code;
}

} // namespace kelvo
