#include "lib/axes/pips.h"

#include <algorithm>
#include <cmath>

#include "lib/axes/axis_geometry.h"
#include "lib/draw/fonts.h"
#include "lib/draw/line_batch.h"
#include "lib/runtime/debug_report.h"
#include "platform/base/point.h"

namespace kelvo {

namespace {

enum PipMode : int32_t { outside = 0, inside = 1, across = 2, no_pips = 3 };

// Pips never need to be longer than the window limit; shorter limits keep sums in 32 bits.
constexpr double longest_pip = 30000;
// Secondary pips closer than this (squared, in pixels) to their primary pip are not drawn.
constexpr double closest_secondary_squared = 15;

int32_t rounded_pixels(double value)
{
    if (!std::isfinite(value))
        return 0;
    return static_cast<int32_t>(std::nearbyint(std::clamp(value, -longest_pip, longest_pip)));
}

// A pip of an even number of pixels, so that centred pips stand out equally on both sides.
int32_t even_pixels(double half)
{
    return 2 * rounded_pixels(half);
}

// Where a pip starts relative to its point on the axis line.
PipVector start_offset(int32_t mode, PipVector v)
{
    switch (mode) {
    case outside:
        return {-v.dx, -v.dy};
    case across:
        return {-v.dx / 2, -v.dy / 2}; // halves truncated toward zero
    case inside:
    default:
        return {0, 0};
    }
}

PipVector negated(PipVector v)
{
    return {-v.dx, -v.dy};
}

// Added to the batch in the pen's colour: the batch paints it as draw_line would.
void add_pip(GraphRecord const& graph, PixelPoint p, PipVector v, int32_t mode, LineBatch& pips)
{
    PipVector const o = start_offset(mode, v);
    int32_t const x1 = kp::clamp_to_int32(int64_t{p.x} + o.dx);
    int32_t const y1 = kp::clamp_to_int32(int64_t{p.y} + o.dy);
    pips.add(x1, y1, kp::clamp_to_int32(int64_t{x1} + v.dx), kp::clamp_to_int32(int64_t{y1} + v.dy),
             graph.pen.colour);
}

// One row of pips along a line: N + 1 primary pips at even steps in user coordinates, and
// SubIntervals - 1 secondary pips inside each primary interval unless they would crowd
// their primary pip.
void draw_pip_row(GraphRecord const& graph, int axis, AxisLine const& line, int64_t n, PipVectors const& v,
                  int32_t mode, LineBatch& pips)
{
    EffectiveScales const& s = graph.scales;
    auto const a = static_cast<std::size_t>(axis);
    double const lo = s.AxisMin[a];
    double const hi = s.AxisMax[a];
    auto primary_value = [&](int64_t i) { return n == 0 ? lo : lo + static_cast<double>(i) * (hi - lo) / n; };
    for (int64_t i = 0; i <= n; ++i)
        add_pip(graph, pixel_of(s, line.at(axis, primary_value(i))), v.primary, mode, pips);

    int64_t const parts = graph.coordinates.SubIntervals[a];
    if (parts <= 1 || n * parts > most_marks_per_axis)
        return;
    for (int64_t i = 0; i < n; ++i) {
        double const start = primary_value(i);
        double const width = (primary_value(i + 1) - start) / static_cast<double>(parts);
        WindowPoint const p = project_point(s, line.at(axis, start));
        WindowPoint const q = project_point(s, line.at(axis, start + width));
        double const dx = q.x - p.x;
        double const dy = q.y - p.y;
        if (!(dx * dx + dy * dy > closest_secondary_squared))
            continue;
        for (int64_t j = 1; j < parts; ++j)
            add_pip(graph, pixel_of(s, line.at(axis, start + static_cast<double>(j) * width)), v.secondary, mode,
                    pips);
    }
}

} // namespace

int64_t primary_interval_count(EffectiveScales const& s, int axis)
{
    auto const a = static_cast<std::size_t>(axis);
    double const n = std::nearbyint((s.AxisMax[a] - s.AxisMin[a]) / s.PipStep[a]);
    if (!(n >= 0 && n <= static_cast<double>(most_marks_per_axis)))
        return -1;
    return static_cast<int64_t>(n);
}

PipVectors pip_vectors(GraphRecord const& graph, int axis, int32_t cell_height)
{
    PipSettings const& pips = graph.coordinates.Pips[static_cast<std::size_t>(axis)];
    double const h = cell_height;
    if (!graph.coordinates.Is3D) {
        int32_t const primary = even_pixels(0.005 * h * pips.PipLength);
        int32_t const secondary = even_pixels(0.005 * h * pips.SubPipLength);
        if (axis == axis_x)
            return {{0, -primary}, {0, -secondary}};
        return {{primary, 0}, {secondary, 0}};
    }
    EffectiveScales const& s = graph.scales;
    Triple const& lo = s.AxisMin;
    Triple const& hi = s.AxisMax;
    // The x pips lie along the y edge; the y and z pips along the x edge.
    Triple const end = axis == axis_x ? Triple{lo[0], hi[1], lo[2]} : Triple{hi[0], lo[1], lo[2]};
    WindowPoint const a = project_point(s, lo);
    WindowPoint const b = project_point(s, end);
    double const dx = b.x - a.x;
    double const dy = b.y - a.y;
    double const length = std::hypot(dx, dy);
    if (!(length > 0))
        return {};
    double const t = 0.01 * h * pips.PipLength / length;
    double const t_secondary = 0.01 * h * pips.SubPipLength / length;
    return {{even_pixels(0.5 * t * dx), even_pixels(0.5 * t * dy)},
            {rounded_pixels(t_secondary * dx), rounded_pixels(t_secondary * dy)}};
}

void draw_axis_pips(GraphRecord& graph, int axis)
{
    CoordinateSettings const& c = graph.coordinates;
    auto const a = static_cast<std::size_t>(axis);
    int32_t const mode = c.Pips[a].PipMode;
    if (mode == no_pips)
        return;
    if (mode != outside && mode != inside && mode != across)
        debug_report("wrong pip mode");
    use_font(graph, label_font(c.LabelSettings[a], code_of(Orientation::Right)));
    int64_t const n = primary_interval_count(graph.scales, axis);
    if (n < 0)
        return;
    PipVectors const v = pip_vectors(graph, axis, cell_metrics(graph).height);
    AxisLine const line = pip_line(graph, axis);
    // Dozens of pips a few pixels long: one pass over the drawing targets for all of them
    // costs less than a drawing call for each.
    LineBatch pips(graph);
    draw_pip_row(graph, axis, line, n, v, mode, pips);
    if (c.AxisType == 3 && !c.Is3D) {
        // The opposite edge of the box, with pips pointing the mirrored way.
        int const other = axis == axis_x ? axis_y : axis_x;
        AxisLine opposite = line;
        auto const o = static_cast<std::size_t>(other);
        opposite.lower[o] = opposite.upper[o] = graph.scales.AxisMax[o];
        draw_pip_row(graph, axis, opposite, n, {negated(v.primary), negated(v.secondary)}, mode, pips);
    }
}

} // namespace kelvo
