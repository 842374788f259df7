#include "lib/axes/scales.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "lib/axes/nice_values.h"
#include "lib/axes/projection.h"
#include "lib/axes/title_room.h"
#include "lib/runtime/debug_report.h"
#include "lib/runtime/error_state.h"

namespace kelvo {

namespace {

constexpr std::array<std::string_view, 5> warning_messages = {
    "", "Not enough room for local array", "Bad number of intervals", "Bad axis range", ""};

constexpr int32_t default_interval_count = 7;
constexpr double equal_ends_increment = 1.2E-16;

struct AxisRange {
    double min = 0;
    double max = 0;
    int32_t intervals = default_interval_count;
};

// Working values of one computation; the plot rectangle is not kept in the graph.
struct PlotRect {
    double left = 0;
    double right = 0;
    double top = 0;
    double bottom = 0;
    double width() const { return right - left; }
    double height() const { return bottom - top; }
};

// Step 3: the caller's range as the computation may use it, on copies; the graph keeps
// what the caller set, so the warnings come again at every computation.
AxisRange validated_range(double min, double max, int32_t intervals, bool all_linear)
{
    AxisRange range{min, max, intervals};
    // Ends that are not finite, or so far apart that their distance is not, leave nothing
    // to scale: the axis takes the default range instead.
    if (!std::isfinite(range.min) || !std::isfinite(range.max) || !std::isfinite(range.max - range.min)) {
        range.min = -10;
        range.max = 10;
        raise_coordinate_warning(warning_bad_range);
    } else if (range.min > range.max) {
        std::swap(range.min, range.max);
        raise_coordinate_warning(warning_bad_range);
    } else if (range.min == range.max) {
        range.max = range.max + equal_ends_increment;
        // For ends of larger magnitude the increment is lost in rounding; the next double
        // up keeps the range from being empty, which would make every scale infinite.
        if (range.max == range.min)
            range.max = std::nextafter(range.max, HUGE_VAL);
        raise_coordinate_warning(warning_bad_range);
    }
    if (!all_linear) {
        if (range.max > 0 && range.min <= 0) {
            range.min = 0.01 * range.max;
        } else if (range.max <= 0) {
            range.max = range.max - range.min;
            range.min = 0.01 * range.max;
        }
    }
    if (range.intervals <= 0) {
        range.intervals = default_interval_count;
        raise_coordinate_warning(warning_bad_intervals);
    }
    return range;
}

bool is_logarithmic_axis(int32_t scale_type, int axis)
{
    return axis_scaling(scale_type, axis) != AxisScaling::Linear;
}

// Step 6.
PlotRect plot_rectangle(GraphRecord const& graph)
{
    CoordinateSettings const& c = graph.coordinates;
    PlotRect plot{0, static_cast<double>(graph.window_width) - 1, 0, static_cast<double>(graph.window_height) - 1};
    if (plot.right - c.LeftMargin - c.RightMargin > 0) {
        plot.left = c.LeftMargin;
        plot.right -= c.RightMargin;
    } else {
        raise_coordinate_warning(warning_margins);
    }
    if (plot.bottom - c.TopMargin - c.BottomMargin > 0) {
        plot.top = c.TopMargin;
        plot.bottom -= c.BottomMargin;
    } else {
        raise_coordinate_warning(warning_margins);
    }
    return plot;
}

// Step 9: whether the three factors become one.
bool wants_equal_scales(int32_t scale_mode, bool is_3d, double sx, double sy, double sz)
{
    if (scale_mode == 1)
        return true;
    if (scale_mode != 4)
        return false;
    if (is_3d)
        return (std::fabs(sx - sy) + std::fabs(sy - sz) + std::fabs(sz - sx)) / (sx + sy + sz) < 0.7;
    return std::fabs((sx - sy) / (sx + sy)) < 0.2;
}

// Step 11, fitted: the corner nearest to the window's left (or top) edge, found coordinate
// by coordinate, and its opposite corner give the projected width (height).
double fitted_factor(EffectiveScales const& s, PlotRect const& plot)
{
    auto extent = [&](bool horizontal) {
        auto along = [&](Triple const& p) {
            WindowPoint const w = project_from_origin(s, p[0], p[1], p[2]);
            return horizontal ? w.x : w.y;
        };
        Triple corner = s.AxisMin;
        for (int axis = axis_x; axis <= axis_z; ++axis) {
            Triple other = corner;
            other[static_cast<std::size_t>(axis)] = s.AxisMax[static_cast<std::size_t>(axis)];
            if (along(other) < along(corner))
                corner = other;
        }
        Triple opposite;
        for (std::size_t axis = 0; axis < 3; ++axis)
            opposite[axis] = s.AxisMin[axis] + s.AxisMax[axis] - corner[axis];
        return along(opposite) - along(corner);
    };
    return std::min(plot.height() / extent(false), plot.width() / extent(true));
}

// Step 11, zoomed: the space diagonal takes Zoom3D percent of the shorter side.
double zoomed_factor(EffectiveScales const& s, Triple const& widths, PlotRect const& plot, int32_t zoom)
{
    double const diagonal = std::hypot(widths[0] * s.Scale[0], widths[1] * s.Scale[1], widths[2] * s.Scale[2]);
    return std::min(plot.height(), plot.width()) / diagonal * zoom * 0.01;
}

// Step 12.
void place_box(EffectiveScales& s, CoordinateSettings const& c, PlotRect const& plot)
{
    double const centre_x = (plot.left + plot.right) / 2;
    double const centre_y = (plot.top + plot.bottom) / 2;
    if (c.Is3D && !c.Fit3D) {
        s.OffsetX = plot.left + plot.width() * c.OriginPctX * 0.01;
        s.OffsetY = plot.top + plot.height() * c.OriginPctY * 0.01;
        return;
    }
    Triple const& lo = s.AxisMin;
    Triple const& hi = s.AxisMax;
    Triple const& o = s.AxisOrigin;
    if (s.AllLinear) {
        double const p = ((lo[0] + hi[0]) / 2 - o[0]) * s.Scale[0];
        double const q = ((lo[1] + hi[1]) / 2 - o[1]) * s.Scale[1];
        double const r = ((lo[2] + hi[2]) / 2 - o[2]) * s.Scale[2];
        s.OffsetX = centre_x - p * s.M11 - q * s.M12;
        s.OffsetY = centre_y + p * s.M21 + q * s.M22 + r * s.M23;
        return;
    }
    s.OffsetX = centre_x - (project_from_origin(s, lo[0], o[1], o[2]).x + project_from_origin(s, hi[0], o[1], o[2]).x) / 2;
    s.OffsetY = centre_y - (project_from_origin(s, o[0], lo[1], o[2]).y + project_from_origin(s, o[0], hi[1], o[2]).y) / 2;
}

} // namespace

void raise_coordinate_warning(int32_t k)
{
    set_error(10600 + k, warning_messages[static_cast<std::size_t>(k)]);
}

int32_t set_scales(GraphRecord& graph)
{
    clear_error();
    CoordinateSettings const& c = graph.coordinates;
    EffectiveScales s = graph.scales; // the current point carries over
    s.AllLinear = c.ScaleType == 0 || c.Is3D;
    s.ScaleType = c.ScaleType;

    // Steps 3 to 5: validated ranges, pip spacing, effective ends and origin.
    for (std::size_t axis = 0; axis < 3; ++axis) {
        AxisRange const range = validated_range(c.UserMin[axis], c.UserMax[axis], c.Intervals[axis], s.AllLinear);
        double const step = primary_spacing(range.min, range.max, range.intervals, c.NiceValues);
        EffectiveAxis effective{range.min, range.max, c.UserOrigin[axis], step};
        if (c.NiceValues) {
            AxisCorner const corner = c.AxisType == 2 ? AxisCorner::LowerEnd : AxisCorner::Origin;
            AxisKind const kind = is_logarithmic_axis(c.ScaleType, static_cast<int>(axis)) ? AxisKind::Logarithmic
                                                                                           : AxisKind::Linear;
            effective = nice_ends(range.min, range.max, step, c.UserOrigin[axis], corner, kind);
        }
        // Corner axes meet at the lower ends; an origin off the axis (or not a number)
        // moves to the lower end.
        if (c.AxisType == 2 || !(effective.origin >= effective.min && effective.origin <= effective.max))
            effective.origin = effective.min;
        s.AxisMin[axis] = effective.min;
        s.AxisMax[axis] = effective.max;
        s.AxisOrigin[axis] = effective.origin;
        s.PipStep[axis] = effective.step;
    }

    // Step 6.
    if (c.TitleRoom)
        make_title_room(graph, s);
    PlotRect const plot = plot_rectangle(graph);

    // Step 7: the widths in scaled coordinates.
    if (!s.AllLinear && !is_known_scale_type(s.ScaleType))
        report_unknown_scale_type();
    Triple widths;
    for (std::size_t axis = 0; axis < 3; ++axis) {
        s.ScaledOrigin[axis] = scaled_on_axis(s, s.AxisOrigin[axis], static_cast<int>(axis));
        widths[axis] = scaled_on_axis(s, s.AxisMax[axis], static_cast<int>(axis))
                     - scaled_on_axis(s, s.AxisMin[axis], static_cast<int>(axis));
    }

    // Steps 8 and 9: scale factors.
    double sx = plot.width() / widths[0];
    double sy = plot.height() / widths[1];
    double sz = std::min(plot.height(), plot.width()) / widths[2];
    if (!(sx > 0) || !(sy > 0) || !(sz > 0))
        debug_report("scale < 0 error");
    if (wants_equal_scales(c.ScaleMode, c.Is3D, sx, sy, sz))
        sx = sy = sz = std::min(sx, sy);
    s.Scale = {sx, sy, sz};

    // Step 10.
    ProjectionCoefficients const m = projection_coefficients(c.Theta, c.Phi, sx, sy, sz);
    s.M11 = m.M11;
    s.M12 = m.M12;
    s.M21 = m.M21;
    s.M22 = m.M22;
    s.M23 = m.M23;
    s.Theta = c.Theta;
    s.Phi = c.Phi;

    // Step 11: the size of the projected box.
    if (c.Is3D) {
        double const d = c.Fit3D ? fitted_factor(s, plot) : zoomed_factor(s, widths, plot, c.Zoom3D);
        for (double& factor : s.Scale)
            factor *= d;
    }

    // Steps 12 and 13: the box in the plot rectangle, and the origin on a whole pixel plus
    // 0.4, so that lines through it round to the same pixel everywhere.
    place_box(s, c, plot);
    double const origin_z = c.Is3D ? s.AxisOrigin[2] : c.ZPlane;
    WindowPoint const origin = project(s, s.AxisOrigin[0], s.AxisOrigin[1], origin_z);
    s.OffsetX = std::trunc(origin.x) + (s.OffsetX + 0.4 - origin.x);
    s.OffsetY = std::trunc(origin.y) + (s.OffsetY + 0.4 - origin.y);

    graph.scales = s;
    return error_state().code;
}

void compute_effective_scales(GraphRecord& graph)
{
    set_scales(graph);
}

} // namespace kelvo
