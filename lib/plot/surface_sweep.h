#pragma once

// The hidden-line drawing of a surface: a floating horizon swept from the grid corner
// nearest the viewer in L-shaped layers, each grid edge drawn once, nearer layers first.

#include <cstdint>
#include <optional>
#include <vector>

#include "lib/graph/graph_record.h"
#include "lib/plot/horizon.h"
#include "lib/plot/plot_grid.h"
#include "lib/plot/visible_segment.h"

namespace kelvo {

// One grid direction of the sweep: where it starts (0-based) and which way it steps.
struct SweepDirection {
    int32_t start = 0;
    int32_t step = 1;
};

// The two arms of the sweep's L-shaped layers, each a grid direction.
struct SweepPlan {
    SweepDirection x;
    SweepDirection y;
    bool x_is_arm_a = true; // then y is arm B, and the other way round
};

// The start corner and arms for view angles theta and phi. None when the view gives the
// sweep no front: straight down the z axis (sin theta = 0), where no part of a surface
// hides another, or where both grid directions would fall on the same arm (sin phi or
// cos phi exactly 0 on the wrong side).
std::optional<SweepPlan> plan_sweep(double theta, double phi, int32_t nx, int32_t ny);

// The working storage of a hidden-line drawing: a horizon entry per window column, the
// layers' front line and one arm of a layer. Drawings have it before they draw anything, so
// that one without it draws nothing.
struct SweepStorage {
    // False, with "Not enough room in memory for local arrays", when it exceeds the working
    // storage of the grid's source or memory cannot hold it. A window without columns
    // needs none (and shows nothing).
    bool obtain(int32_t window_width, PlotGrid const& grid);

    Horizon horizon{HorizonIndex::Columns};
    std::vector<PixelPoint> front;
    std::vector<PixelPoint> layer_points;
};

// Draws the grid with hidden lines removed, the front edges in the upper colour; pixel
// columns are pinned to the window.
void draw_hidden_line_surface(GraphRecord& graph, PlotGrid const& grid, SweepPlan const& plan, SegmentColours colours,
                              SweepStorage& storage);

} // namespace kelvo
