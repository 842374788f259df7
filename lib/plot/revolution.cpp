#include "lib/plot/revolution.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <span>
#include <utility>
#include <vector>

#include "lib/axes/current_point.h"
#include "lib/axes/projection.h"
#include "lib/axes/scales.h"
#include "lib/axes/view.h"
#include "lib/draw/attributes.h"
#include "lib/plot/horizon.h"
#include "lib/plot/labelled_axes.h"
#include "lib/plot/plot_grid.h"
#include "lib/plot/plot_option.h"
#include "lib/plot/range_fit.h"
#include "lib/plot/visible_segment.h"
#include "lib/plot/wire_frame.h"
#include "lib/plot/working_storage.h"
#include "lib/runtime/error_state.h"

namespace kelvo {

namespace {

constexpr double full_turn = 2 * std::numbers::pi;

bool has_non_finite(double const* values, int32_t count)
{
    for (int32_t k = 0; k < count; ++k)
        if (!std::isfinite(values[k]))
            return true;
    return false;
}

// Each circle from angle 0 round to a full turn, as a polyline in user coordinates. The
// parallels start on the y axis: the point at angle a is (r sin a, r cos a, z).
void draw_parallels(GraphRecord& graph, Profile const& profile, int32_t angles)
{
    double const step = full_turn / angles;
    for (int32_t k = 0; k < profile.count; ++k) {
        double const r = profile.radius[k];
        double const z = profile.z[k];
        double angle = 0;
        move_to(graph, r * std::sin(angle), r * std::cos(angle), z);
        for (int32_t n = 1; n <= angles; ++n) {
            angle += step;
            draw_to(graph, r * std::sin(angle), r * std::cos(angle), z);
        }
    }
}

// A grid with a column per profile point and a row per angle, from a full turn down to 0.
void draw_revolution_wire_frame(GraphRecord& graph, Profile const& profile, int32_t angles, SegmentColours colours)
{
    int32_t const columns = profile.count;
    int32_t const rows = angles + 1;
    WireFrameStorage storage;
    if (!storage.obtain(columns, rows, DataSource::LibraryArrays))
        return;
    std::span<PixelPoint> const points = storage.points();
    double const step = full_turn / angles;
    double angle = full_turn;
    for (int32_t r = 0; r < rows; ++r) {
        double const c = std::cos(angle);
        double const s = std::sin(angle);
        for (int32_t k = 0; k < columns; ++k) {
            double const radius = profile.radius[k];
            WindowPoint const p = project(graph.scales, radius * c, radius * s, profile.z[k]);
            points[static_cast<std::size_t>(r) * static_cast<std::size_t>(columns) + static_cast<std::size_t>(k)] = {
                pinned_pixel(p.x, -pixel_limit, pixel_limit), pinned_pixel(p.y, -pixel_limit, pixel_limit)};
        }
        angle -= step;
    }
    draw_edge_coloured_wire_frame(graph, storage, colours);
}

// The hidden-line drawing: circles front to back, each over about half a turn starting
// from the angle that faces the viewer, every visible piece drawn again mirrored about the
// axis's screen column. The horizon has an entry per window row and records columns.
class RevolutionSweep {
public:
    RevolutionSweep(GraphRecord& graph, Profile const& profile, RevolutionRequest const& request)
        : graph_(graph),
          profile_(profile),
          colours_{request.upper_colour, request.lower_colour},
          one_sided_(request.style == revolution_one_sided_style),
          horizon_(HorizonIndex::Rows),
          lines_(graph)
    {
        height_ = graph.window_height;
        half_turn_steps_ = static_cast<int32_t>((int64_t{request.angles} + 1) / 2);
        double const theta = graph.scales.Theta;
        double const phi = graph.scales.Phi;
        // Nearest circle first: from the top of the profile when the view is from above.
        from_top_ = std::cos(theta) > 0;
        // Delayed horizon updates for views from well above or below, where the back of a
        // circle shares rows with its front.
        delayed_ = std::fabs(std::cos(theta)) > 0.5;
        double const step = std::fabs(full_turn / request.angles);
        double angle = std::sin(theta) >= 0 ? phi : phi + std::numbers::pi;
        double const signed_step = std::sin(theta) >= 0 ? step : -step;
        cosines_.reserve(static_cast<std::size_t>(half_turn_steps_) + 1);
        sines_.reserve(static_cast<std::size_t>(half_turn_steps_) + 1);
        for (int32_t j = 0; j <= half_turn_steps_; ++j) {
            cosines_.push_back(std::cos(angle));
            sines_.push_back(std::sin(angle));
            angle -= signed_step;
        }
        // The axis's pixel column, so that the mirror reflects whole pixels: the meridian
        // that faces the viewer lies on it and is its own reflection.
        mirror_column_ = pinned_pixel(project(graph.scales, 0, 0, 0).x, -pixel_limit, pixel_limit);
    }

    void run()
    {
        int64_t const cells = int64_t{profile_.count} + half_turn_steps_ + height_;
        if (height_ < 1 || !admit_working_storage(cells))
            return;
        std::size_t const points = static_cast<std::size_t>(half_turn_steps_) + 1;
        constexpr int32_t unreached_low_side = -horizon_unreached;
        if (!horizon_.reset(height_, one_sided_ ? horizon_unreached : unreached_low_side) ||
            !allocate_working_storage(previous_, points) || !allocate_working_storage(current_, points))
            return;

        int32_t const first = from_top_ ? profile_.count - 1 : 0;
        int32_t const step = from_top_ ? -1 : 1;
        project_circle(first);
        for (int32_t j = 1; j <= half_turn_steps_; ++j) {
            draw(current_[j - 1], current_[j]);
            horizon_.update(current_[j - 1], current_[j]);
        }
        // Rows the first circle did not reach become one-sided, as for style 5.
        horizon_.replace_high(unreached_low_side, horizon_unreached);

        for (int32_t i = 1; i < profile_.count; ++i) {
            std::swap(previous_, current_);
            project_circle(first + i * step);
            for (int32_t j = 0; j <= half_turn_steps_; ++j) {
                if (j > 0)
                    draw(current_[j], current_[j - 1]);
                draw(previous_[j], current_[j]);
                if (!delayed_)
                    update_horizon(j);
            }
            if (delayed_)
                for (int32_t j = 0; j <= half_turn_steps_; ++j)
                    update_horizon(j);
        }
        lines_.flush();
    }

private:
    // The horizon's rows exist for the window's rows only: rows are pinned to the window.
    // Columns keep the window limit.
    void project_circle(int32_t k)
    {
        double const r = std::fabs(profile_.radius[k]);
        double const z = profile_.z[k];
        for (std::size_t j = 0; j < current_.size(); ++j) {
            WindowPoint const p = project(graph_.scales, r * cosines_[j], r * sines_[j], z);
            current_[j] = {pinned_pixel(p.x, -pixel_limit, pixel_limit), pinned_pixel(p.y, 1, height_)};
        }
    }

    void draw(PixelPoint a, PixelPoint b) { draw_visible_segment(lines_, horizon_, a, b, colours_, mirror_column_); }

    // The two edges that reached point j of the current circle: along it and from the
    // circle before.
    void update_horizon(int32_t j)
    {
        if (j > 0)
            horizon_.update(current_[static_cast<std::size_t>(j)], current_[static_cast<std::size_t>(j - 1)]);
        horizon_.update(previous_[static_cast<std::size_t>(j)], current_[static_cast<std::size_t>(j)]);
    }

    GraphRecord& graph_;
    Profile const& profile_;
    SegmentColours colours_;
    bool one_sided_;
    Horizon horizon_;
    LineBatch lines_;
    int32_t height_ = 0;
    int32_t half_turn_steps_ = 0;
    bool from_top_ = true;
    bool delayed_ = false;
    std::vector<double> cosines_;
    std::vector<double> sines_;
    double mirror_column_ = 0;
    std::vector<PixelPoint> previous_;
    std::vector<PixelPoint> current_;
};

} // namespace

void draw_revolution(GraphRecord& graph, Profile const& profile, RevolutionRequest const& request)
{
    if (error_state().flag != 0)
        return;
    if (request.angles < 2) {
        report_plot_error(PlotError::bad_data);
        return;
    }
    if (refused(check_coordinate_order(profile.z, profile.count)))
        return;
    if (has_non_finite(profile.radius, profile.count) ||
        int64_t{profile.count} * (int64_t{request.angles} + 1) > revolution_point_limit) {
        report_plot_error(PlotError::bad_data);
        return;
    }
    if (fits_ranges(request.option))
        ensure_3d_view(graph);
    FittedRange const heights = fit_range(profile.z, static_cast<std::size_t>(profile.count));
    if (fits_ranges(request.option)) {
        FittedRange const radii = fit_range(profile.radius, static_cast<std::size_t>(profile.count));
        // Symmetric about the axis, wide enough for the largest radius of either sign.
        double const m = std::min({-0.001, radii.lo, -radii.hi});
        set_axis_range(graph, axis_x, {m, -m});
        set_axis_range(graph, axis_y, {m, -m});
        set_axis_range(graph, axis_z, heights);
        set_scales(graph);
    }
    if (draws_axes(request.option))
        draw_labelled_axes(graph);
    set_pen(graph, request.upper_colour, 1, graph.pen.width);
    SegmentColours const colours{request.upper_colour, request.lower_colour};
    switch (request.style) {
    case parallels_style:
    case parallels_style_too:
        draw_parallels(graph, profile, request.angles);
        return;
    case revolution_wire_frame_style:
        draw_revolution_wire_frame(graph, profile, request.angles, colours);
        return;
    case revolution_hidden_line_style:
    case revolution_one_sided_style:
        RevolutionSweep(graph, profile, request).run();
        return;
    default:
        report_plot_error(PlotError::bad_option);
    }
}

} // namespace kelvo
