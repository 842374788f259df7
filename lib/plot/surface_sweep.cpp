#include "lib/plot/surface_sweep.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "lib/axes/projection.h"
#include "lib/plot/horizon.h"
#include "lib/plot/working_storage.h"

namespace kelvo {

std::optional<SweepPlan> plan_sweep(double theta, double phi, int32_t nx, int32_t ny)
{
    double const sin_theta = std::sin(theta);
    double const sin_phi = std::sin(phi);
    double const cos_phi = std::cos(phi);
    if (sin_theta == 0)
        return std::nullopt;
    // The viewer looks from (sin theta cos phi, sin theta sin phi, cos theta): the sweep
    // starts at the grid's end nearest to it along x and along y.
    SweepPlan plan;
    bool const x_from_end = sin_theta * cos_phi > 0;
    bool const y_from_end = sin_theta * sin_phi > 0;
    plan.x = x_from_end ? SweepDirection{nx - 1, -1} : SweepDirection{0, 1};
    plan.y = y_from_end ? SweepDirection{ny - 1, -1} : SweepDirection{0, 1};
    bool const x_is_arm_b = (x_from_end && sin_phi > 0) || (!x_from_end && sin_phi <= 0);
    bool const y_is_arm_a = (y_from_end && cos_phi > 0) || (!y_from_end && cos_phi <= 0);
    if (x_is_arm_b == !y_is_arm_a)
        return std::nullopt;
    plan.x_is_arm_a = !x_is_arm_b;
    return plan;
}

// The front line keeps a point at each position 1 .. nx + ny + 1 (see Sweep::position); a
// layer's arm has at most max(nx, ny) points, from m = 1.
bool SweepStorage::obtain(int32_t window_width, PlotGrid const& grid)
{
    if (window_width < 1)
        return true;
    int64_t const front_cells = int64_t{grid.nx} + grid.ny + 1;
    return admit_working_storage(window_width + front_cells, grid.source) && horizon.reset(window_width, 0) &&
           allocate_working_storage(front, static_cast<std::size_t>(front_cells) + 1) &&
           allocate_working_storage(layer_points, static_cast<std::size_t>(std::max(grid.nx, grid.ny)) + 1);
}

namespace {

// One arm of the layers: the grid step along it and the number of points on it.
struct Arm {
    int32_t di = 0;
    int32_t dj = 0;
    int32_t length = 0;
};

class Sweep {
public:
    Sweep(GraphRecord& graph, PlotGrid const& grid, SweepPlan const& plan, SegmentColours colours,
          SweepStorage& storage)
        : graph_(graph), grid_(grid), colours_(colours), horizon_(storage.horizon), front_(storage.front),
          layer_points_(storage.layer_points), lines_(graph)
    {
        Arm const along_x{plan.x.step, 0, grid.nx};
        Arm const along_y{0, plan.y.step, grid.ny};
        a_ = plan.x_is_arm_a ? along_x : along_y;
        b_ = plan.x_is_arm_a ? along_y : along_x;
        corner_i_ = plan.x.start;
        corner_j_ = plan.y.start;
        width_ = graph.window_width;
    }

    void run()
    {
        if (width_ < 1)
            return;
        draw_front_edges();
        int32_t const layers = std::min(a_.length, b_.length);
        for (int32_t layer = 1; layer < layers; ++layer) {
            corner_i_ += a_.di + b_.di;
            corner_j_ += a_.dj + b_.dj;
            draw_layer(layer, Side::A);
            draw_layer(layer, Side::B);
        }
        lines_.flush();
    }

private:
    enum class Side { A, B };

    Arm const& arm(Side side) const { return side == Side::A ? a_ : b_; }
    // Positions as the layers use them: the corner at LA + 1, the m-th point of arm A at
    // LA + 2 - m and of arm B at LA + m (m = 1 is the corner).
    int32_t position(Side side, int32_t m) const { return side == Side::A ? a_.length + 2 - m : a_.length + m; }
    // Where the point before position p on the same arm of the same layer lies, and where
    // its neighbour in the layer before (one position further out) is still kept.
    static int32_t before_on_arm(Side side, int32_t p) { return side == Side::A ? p + 1 : p - 1; }
    static int32_t in_layer_before(Side side, int32_t p) { return side == Side::A ? p - 1 : p + 1; }

    PixelPoint projected(Side side, int32_t m) const
    {
        Arm const& along = arm(side);
        int32_t const i = corner_i_ + (m - 1) * along.di;
        int32_t const j = corner_j_ + (m - 1) * along.dj;
        WindowPoint const p = project(graph_.scales, grid_.x[i], grid_.y[j], grid_.at(i, j));
        return {pinned_pixel(p.x, 1, width_), pinned_pixel(p.y, -pixel_limit, pixel_limit)};
    }

    PixelPoint& front(int32_t position) { return front_[static_cast<std::size_t>(position)]; }

    // Layer 0: the two grid lines through the start corner, drawn whole.
    void draw_front_edges()
    {
        for (Side side : {Side::A, Side::B})
            for (int32_t m = 1; m <= arm(side).length; ++m) {
                int32_t const p = position(side, m);
                front(p) = projected(side, m);
                if (m > 1) {
                    PixelPoint const previous = front(before_on_arm(side, p));
                    add_pixel_line(lines_, previous, front(p), colours_.upper);
                    horizon_.update(previous, front(p));
                }
            }
    }

    // One arm of a later layer: its own edges and the edges back to the layer before, each
    // pair entering the horizon only after both are drawn.
    void draw_layer(int32_t layer, Side side)
    {
        int32_t const count = arm(side).length - layer;
        // The arm's points are projected before any is drawn: each projection is a chain of
        // arithmetic that depends on nothing the drawing does, and in a loop of their own the
        // processor overlaps them.
        for (int32_t m = 1; m <= count; ++m)
            layer_points_[static_cast<std::size_t>(m)] = projected(side, m);
        for (int32_t m = 1; m <= count; ++m) {
            int32_t const p = position(side, m);
            PixelPoint const here = layer_points_[static_cast<std::size_t>(m)];
            front(p) = here;
            PixelPoint const previous_on_arm = front(before_on_arm(side, p));
            PixelPoint const previous_layer = front(in_layer_before(side, p));
            if (m > 1)
                draw_visible_segment(lines_, horizon_, previous_on_arm, here, colours_);
            draw_visible_segment(lines_, horizon_, here, previous_layer, colours_);
            if (m > 1)
                horizon_.update(previous_on_arm, here);
            horizon_.update(here, previous_layer);
        }
    }

    GraphRecord& graph_;
    PlotGrid const& grid_;
    SegmentColours colours_;
    Horizon& horizon_;
    std::vector<PixelPoint>& front_;        // by position
    std::vector<PixelPoint>& layer_points_; // one arm of the layer being drawn, from m = 1
    LineBatch lines_;
    Arm a_;
    Arm b_;
    int32_t corner_i_ = 0;
    int32_t corner_j_ = 0;
    int32_t width_ = 0;
};

} // namespace

void draw_hidden_line_surface(GraphRecord& graph, PlotGrid const& grid, SweepPlan const& plan, SegmentColours colours,
                              SweepStorage& storage)
{
    Sweep(graph, grid, plan, colours, storage).run();
}

} // namespace kelvo
