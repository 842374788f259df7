#pragma once

// Contour lines of a grid of heights: evenly spaced levels, each traced cell by cell with
// linear interpolation along the cell edges and drawn at its own height, so that the same
// contours are a flat map in the 2D view and stacked level curves in a 3D view.

#include <cstdint>

#include "lib/graph/graph_record.h"
#include "lib/kelvolib.h"
#include "lib/plot/plot_grid.h"

namespace kelvo {

// Mode: 0 keeps the view, 1 the plane contour map, 2 the 3D contour view.
inline constexpr uint8_t highest_contour_mode = 2;

// Tracing visits every grid point once per level; more visits than this in one call are
// refused as an invalid number of contours rather than left to run for minutes. A grid of
// the caller's memory may be large enough to pass that alone: it is allowed this many levels
// whatever its size, the time growing with the data the caller brought.
inline constexpr int64_t contour_work_limit = 100'000'000;
inline constexpr int64_t levels_of_any_grid = 1000;

// How a cell whose four edges all cross the level is drawn. The classic walk keeps one path
// through it, left, bottom, top, right, whose middle segment crosses the cell where the
// surface is nowhere at the level. Separated draws two segments instead, joining the
// crossings as the value at the cell's centre (the mean of its corners) separates them, as
// the marching-squares tracers of today do.
enum class SaddleCells { OnePath, Separated };

struct ContourRequest {
    int32_t count = 0; // levels strictly between z1 and z2, or across the data when equal
    double z1 = 0;
    double z2 = 0;
    uint8_t mode = 0;
    TkColor colour = 0;
    uint8_t option = 0;
    SaddleCells saddles = SaddleCells::OnePath;
};

// The levels, z1 + k (z2 - z1) / (count + 1) for k = 1..count, summed step by step.
template <typename Visit>
void for_each_contour_level(int32_t count, double z1, double z2, Visit&& visit)
{
    double const step = (z2 - z1) / (count + 1.0);
    double level = z1;
    for (int32_t k = 1; k <= count; ++k) {
        level += step;
        visit(level);
    }
}

// Checks the request and the grid, sets the view and fits the ranges under options 1 and 3
// (by the mode), draws the axes under options 2 and 3, then every level in the colour with
// a solid pen; failures go to the error state. Nothing is done when the error state is
// already set.
void draw_contours(GraphRecord& graph, PlotGrid const& grid, ContourRequest request);

} // namespace kelvo
