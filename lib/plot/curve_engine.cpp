#include "lib/plot/curve_engine.h"

#include <cmath>
#include <memory>
#include <vector>

#include "lib/axes/current_point.h"
#include "lib/axes/scales.h"
#include "lib/axes/view.h"
#include "lib/draw/attributes.h"
#include "lib/draw/line_batch.h"
#include "lib/plot/labelled_axes.h"
#include "lib/plot/plot_errors.h"
#include "lib/plot/plot_option.h"
#include "lib/plot/range_fit.h"
#include "lib/plot/sampling.h"
#include "lib/runtime/error_state.h"
#include "lib/runtime/heap.h"

namespace kelvo {

namespace {

constexpr int32_t solid_pen = 1;
constexpr int32_t dashed_pen = 3;
constexpr int max_halvings = 3;

// The curve's samples: x values, then y values, then z values, in one block of reals, and
// whether each point exists.
class SampleStore {
public:
    // Empty, with the error state set, when the heap refuses the blocks.
    explicit SampleStore(int32_t count)
        : count_(count)
        , reals_(new_real_buffer(3 * int64_t{count}))
    {
        if (!reals_)
            return;
        // The flags take a third of the bytes of one coordinate's run, so the limit that
        // the block of reals has passed leaves room for them; the rule is kept all the same.
        if (!admit_heap_request(count)) {
            reals_.reset();
            report_plot_error(PlotError::no_room);
            return;
        }
        valid_ = std::make_unique<bool[]>(static_cast<std::size_t>(count));
    }

    explicit operator bool() const { return reals_ != nullptr; }

    SampleRuns runs() const { return {{&reals_[0], &reals_[count_], &reals_[2 * count_]}, valid_.get()}; }
    Triple point(int32_t i) const { return {reals_[i], reals_[count_ + i], reals_[2 * count_ + i]}; }
    bool valid(int32_t i) const { return valid_[static_cast<std::size_t>(i)]; }
    double const* run(int axis) const { return &reals_[static_cast<std::size_t>(axis) * count_]; }

private:
    std::size_t count_;
    RealBuffer reals_;
    std::unique_ptr<bool[]> valid_;
};

// Per axis of the graph's range [lo, hi]: steps longer than a 32nd of it are refined, steps
// longer than a quarter of it are jumps, and values a quarter of it beyond either end lie in
// the far band, where a step between two such values on the same side is not worth
// refining: it is off the picture either way.
struct Thresholds {
    Triple refine{};
    Triple jump{};
    Triple far_below{};
    Triple far_above{};
    int axes = 2; // the coordinates that vary: x and y, or x, y and z for a space curve
};

Thresholds thresholds_of(EffectiveScales const& scales, CurveShape shape)
{
    Thresholds t;
    t.axes = shape == CurveShape::Space ? 3 : 2;
    for (std::size_t axis = 0; axis < 3; ++axis) {
        double const lo = scales.AxisMin[axis];
        double const hi = scales.AxisMax[axis];
        double const width = hi - lo;
        t.refine[axis] = width / 32;
        t.jump[axis] = width / 4;
        t.far_below[axis] = lo - width / 4;
        t.far_above[axis] = hi + width / 4;
    }
    return t;
}

bool differs_by_more_than(Triple const& a, Triple const& b, Triple const& limit, int axes)
{
    for (std::size_t axis = 0; axis < static_cast<std::size_t>(axes); ++axis)
        if (std::fabs(a[axis] - b[axis]) > limit[axis])
            return true;
    return false;
}

bool on_same_far_side(Triple const& a, Triple const& b, Thresholds const& t)
{
    for (std::size_t axis = 0; axis < static_cast<std::size_t>(t.axes); ++axis) {
        if (a[axis] > t.far_above[axis] && b[axis] > t.far_above[axis])
            return true;
        if (a[axis] < t.far_below[axis] && b[axis] < t.far_below[axis])
            return true;
    }
    return false;
}

PointOutcome evaluate_point(CurveSource& source, double t, double z_plane, Triple& point)
{
    point = {t, 0, z_plane};
    return source.evaluate(t, point);
}



void fit_ranges_to_samples(GraphRecord& graph, SampleStore const& samples, int32_t count)
{
    for (int axis = axis_x; axis <= axis_z; ++axis)
        if (axis != axis_z || graph.coordinates.AxisInUse[axis_z])
            set_axis_range(graph, axis, fit_range(samples.run(axis), static_cast<std::size_t>(count)));
    set_scales(graph);
}

// Selecting a pen makes one per drawing target: only a change is worth it. The lines
// already collected are drawn in the old style first.
void use_pen_style(GraphRecord& graph, int32_t style, LineBatch& lines)
{
    if (graph.pen.style != style) {
        lines.flush();
        set_pen_style(graph, style);
    }
}

void use_pen_colour(GraphRecord& graph, TkColor colour)
{
    if (graph.pen.colour != colour)
        set_pen_colour(graph, colour);
}

// A coordinate warning raised while the scales were recomputed or the axes drawn describes
// the frame, not the curve: it is kept aside while the curve is drawn (the drawing stops at
// errors) and stays the call's result unless drawing fails.
class HeldWarning {
public:
    HeldWarning()
        : held_(error_state())
    {
        clear_error();
    }
    ~HeldWarning()
    {
        if (held_.flag != 0 && error_state().flag == 0)
            error_state() = held_;
    }
    HeldWarning(HeldWarning const&) = delete;
    HeldWarning& operator=(HeldWarning const&) = delete;

private:
    ErrorState held_;
};

void draw_samples(GraphRecord& graph, CurveSource& source, CurveRequest const& r, SampleStore const& samples,
                  double h)
{
    Thresholds const limits = thresholds_of(graph.scales, r.shape);
    double const z_plane = graph.coordinates.ZPlane;
    use_pen_colour(graph, r.colour);

    // The segments are drawn in batches, which spares each its own pass over the targets.
    LineBatch lines(graph);
    Triple current = samples.point(0);
    bool current_valid = samples.valid(0);
    move_to(graph, current[0], current[1], current[2]);
    double t_previous = r.t1;
    double t_target = r.t1 + h;
    int32_t consumed = 1;
    bool failed = false;
    do {
        Triple const from = current;
        bool const from_valid = current_valid;
        double const t_from = t_previous;
        current = samples.point(consumed);
        current_valid = samples.valid(consumed);
        double t = t_target;

        // Halve a long step towards its start until it is short enough, at most three
        // times; the target sample stays the target until a step reaches it unrefined. A
        // step too short to be halved (a jump right at a sample, approached to the last
        // bit of the parameter) is taken as it is, so that every step makes progress.
        int halvings = 0;
        while (halvings < max_halvings && from_valid && current_valid && !failed
               && differs_by_more_than(current, from, limits.refine, limits.axes)
               && !on_same_far_side(current, from, limits)) {
            double const half = t_from + (t - t_from) / 2;
            if (!(half > t_from && half < t))
                break;
            t = half;
            // The program's own function may draw too: what the curve drew comes first.
            if (source.runs_program_code())
                lines.flush();
            PointOutcome const outcome = evaluate_point(source, t, z_plane, current);
            current_valid = outcome == PointOutcome::exists;
            failed = outcome == PointOutcome::failed;
            ++halvings;
        }
        if (halvings == 0) {
            ++consumed;
            t_target += h;
        }

        // The pen goes down only between two points that exist: a missing point lifts it,
        // and the curve starts afresh at the next point that exists.
        if (from_valid && current_valid) {
            use_pen_style(graph, differs_by_more_than(current, from, limits.jump, limits.axes) ? dashed_pen : solid_pen,
                          lines);
            draw_to(graph, current[0], current[1], current[2], lines);
        } else {
            move_to(graph, current[0], current[1], current[2]);
        }
        t_previous = t;
    } while (consumed < r.count && !failed);
}

} // namespace

int32_t CurveSource::sample(double const* ts, int32_t count, double z_plane, SampleRuns const& runs)
{
    for (int32_t i = 0; i < count; ++i) {
        Triple point;
        PointOutcome const outcome = evaluate_point(*this, ts[i], z_plane, point);
        if (outcome == PointOutcome::failed)
            return i;
        bool const exists = outcome == PointOutcome::exists;
        for (std::size_t axis = 0; axis < 3; ++axis)
            runs.coordinates[axis][i] = exists ? point[axis] : 0.0;
        runs.exists[i] = exists;
    }
    return count;
}

void draw_curve(GraphRecord& graph, CurveSource& source, CurveRequest const& r)
{
    if (fits_ranges(r.option)) {
        if (r.shape == CurveShape::Space)
            ensure_3d_view(graph);
        else
            reset_to_2d_view(graph);
    }
    if (error_state().flag != 0)
        return;
    if (r.count < 2) {
        report_plot_error(PlotError::not_enough_data);
        return;
    }
    double const h = (r.t2 - r.t1) / (r.count - 1);
    // Equal ends come out of the nudge reversed. Unbounded ends or a step that overflows
    // leave no parameter to sample at.
    if (!(r.t1 <= r.t2) || !std::isfinite(r.t1) || !std::isfinite(r.t2) || !std::isfinite(h)) {
        report_plot_error(PlotError::bad_range);
        return;
    }
    SampleStore samples(r.count);
    if (!samples)
        return;

    // Each sample is evaluated once here; drawing evaluates only the points it refines.
    std::vector<double> const ts = stepped_values(r.t1, h, r.count);
    if (source.sample(ts.data(), r.count, graph.coordinates.ZPlane, samples.runs()) < r.count)
        return;

    if (fits_ranges(r.option))
        fit_ranges_to_samples(graph, samples, r.count);
    if (draws_axes(r.option))
        draw_labelled_axes(graph);

    {
        HeldWarning const warning;
        draw_samples(graph, source, r, samples, h);
    }
    use_pen_colour(graph, graph.style.pen_colour);
}

} // namespace kelvo
