#include "lib/plot/data_points.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "lib/axes/current_point.h"
#include "lib/axes/marks.h"
#include "lib/axes/projected_pixels.h"
#include "lib/axes/projection.h"
#include "lib/axes/scales.h"
#include "lib/axes/symbol_shapes.h"
#include "lib/draw/colours.h"
#include "lib/axes/view.h"
#include "lib/draw/line_batch.h"
#include "lib/graph/drawing_targets.h"
#include "lib/plot/plot_errors.h"
#include "lib/plot/plot_option.h"
#include "lib/plot/range_fit.h"
#include "lib/plot/symbol_centres.h"
#include "lib/runtime/error_state.h"

namespace kelvo {

namespace {

// Coordinate i of the caller's data, or i itself where the caller gave none.
class Coordinates {
public:
    explicit Coordinates(double const* values) : values_(values) {}
    double operator()(int64_t i) const { return values_ != nullptr ? values_[i] : static_cast<double>(i); }

private:
    double const* values_;
};

// One point of the data: where it lies, and whether it does at all (every coordinate finite).
struct DataPoint {
    double x = 0, y = 0, z = 0;
    bool finite = false;
};

// Clears the error state and refuses what cannot be drawn: missing coordinates (20804), then
// fewer than one point (20802).
bool data_acceptable(DataPoints const& data, bool space)
{
    ErrorState& errors = error_state();
    errors.flag = 0;
    errors.code = 0;
    if (data.y == nullptr || (space && data.z == nullptr)) {
        report_plot_error(PlotError::bad_data);
        return false;
    }
    if (data.n < 1) {
        report_plot_error(PlotError::not_enough_data);
        return false;
    }
    return true;
}

// The range fit of each coordinate over the points that are finite: the first such point's
// value 0.001 either way, widened to every further one. None without any finite point.
template <std::size_t Axes, typename PointAt>
std::optional<std::array<FittedRange, Axes>> fit_finite_points(int64_t n, PointAt&& point_at)
{
    std::optional<std::array<FittedRange, Axes>> fitted;
    for (int64_t i = 0; i < n; ++i) {
        DataPoint const p = point_at(i);
        if (!p.finite)
            continue;
        double const values[] = {p.x, p.y, p.z};
        if (!fitted) {
            fitted.emplace();
            for (std::size_t a = 0; a < Axes; ++a)
                (*fitted)[a] = {values[a] - 0.001, values[a] + 0.001};
            continue;
        }
        for (std::size_t a = 0; a < Axes; ++a) {
            FittedRange& range = (*fitted)[a];
            range.lo = values[a] < range.lo ? values[a] : range.lo;
            range.hi = values[a] > range.hi ? values[a] : range.hi;
        }
    }
    return fitted;
}

// Fits the graph's ranges over the finite points and computes the scales; false (20802)
// without any finite point.
template <std::size_t Axes, typename PointAt>
bool fit_ranges(GraphRecord& graph, int64_t n, PointAt&& point_at)
{
    std::optional<std::array<FittedRange, Axes>> const fitted = fit_finite_points<Axes>(n, point_at);
    if (!fitted) {
        report_plot_error(PlotError::not_enough_data);
        return false;
    }
    for (std::size_t a = 0; a < Axes; ++a)
        set_axis_range(graph, static_cast<int>(a), (*fitted)[a]);
    set_scales(graph);
    return true;
}

// Whether lines and symbols may be drawn in passes of their own and still give the pixels of
// drawing them in turn: write modes that combine with what is there are indifferent to the
// order (exclusive or included), and the others are when every pixel gets the one colour.
bool order_free(GraphRecord const& graph)
{
    bool free = true;
    for_each_target(graph, [&](kp::DeviceContext& context, Slot) {
        bool const combines = !kp::ignores_destination(context.raster_op());
        bool const one_colour = symbol_colour(graph) == graph.pen.colour && context.pen().pattern().is_solid();
        free = free && (combines || one_colour);
    });
    return free;
}

// Points are projected a block at a time: a polyline of millions of points is mostly blocks
// whose every point is finite and inside the window limit, so that their segments need no
// clipping.
constexpr int pixel_block = 256;

// The lines of a polyline between pixels inside the window limit, where painting a pixel again
// changes nothing: the lines between consecutive points in one pixel column paint exactly the
// pixels from the lowest of them to the highest, so each such run of points becomes one line,
// and one more for the line into it. At millions of points in a window a thousand pixels
// wide, that leaves a few thousand lines.
class ColumnRunLines {
public:
    ColumnRunLines(LineBatch& lines, TkColor colour) : lines_(lines), colour_(colour) {}

    // The run the polyline's last point lies in, or its pixel when the run starts there.
    ColumnRun open_or(PixelPoint at) const { return open_.value_or(ColumnRun::at(at)); }

    // Runs the points of a block closed, and the run they leave open.
    void add(std::span<ColumnRun const> closed, ColumnRun const& open)
    {
        for (ColumnRun const& run : closed) {
            draw(run);
            entry_ = PixelPoint{run.x, run.last};
            entered_ = true;
        }
        open_ = open;
    }

    // Draws the open run: the polyline goes on through another path, or ends.
    void close()
    {
        if (open_)
            draw(*open_);
        open_.reset();
        entered_ = false;
    }

private:
    void draw(ColumnRun const& run)
    {
        if (entered_)
            lines_.add(entry_.x, entry_.y, run.x, run.first, colour_);
        lines_.add(run.x, run.low, run.x, run.high, colour_);
    }

    LineBatch& lines_;
    TkColor colour_;
    std::optional<ColumnRun> open_;
    // The last pixel of the run before the open one, which the line into it comes from, when
    // the open run did not start the path.
    PixelPoint entry_;
    bool entered_ = false;
};

// The polyline through the finite points, the pen lifted at every gap, as moving to its first
// point and drawing to every further one would draw it.
template <typename PointAt>
void draw_polyline(GraphRecord& graph, PointArrays const& arrays, int64_t n, PointAt&& point_at)
{
    EffectiveScales const& s = graph.scales;
    TkColor const colour = graph.pen.colour;
    std::optional<DataPoint> last;
    {
        LineBatch lines(graph, LineBatch::RecordLinesAs::Pixels);
        bool const in_runs = lines.skips_repeats();
        ColumnRunLines runs(lines, colour);
        bool pen_down = false;
        WindowPoint previous;
        auto one_by_one = [&](int64_t i) {
            DataPoint const p = point_at(i);
            if (!p.finite) {
                pen_down = false;
                return;
            }
            WindowPoint const at = project(s, p.x, p.y, p.z);
            if (pen_down)
                if (std::optional<PixelSegment> const segment = pixel_segment(previous, at))
                    lines.add(segment->x1, segment->y1, segment->x2, segment->y2, colour);
            previous = at;
            pen_down = true;
            last = p;
        };
        std::array<PixelPoint, pixel_block> pixels;
        std::array<ColumnRun, pixel_block> closed;
        for (int64_t first = 0; first < n; first += pixel_block) {
            int const count = static_cast<int>(std::min<int64_t>(pixel_block, n - first));
            // Where every segment joins two pixels inside the window limit, the lines between
            // the rounded points: in column runs, or one by one.
            bool simple = s.AllLinear && pen_down && inside_window_limit(previous);
            PixelPoint const at{rounded_window_pixel(previous.x), rounded_window_pixel(previous.y)};
            if (simple && in_runs) {
                std::optional<ColumnRuns> const result
                    = project_to_column_runs(s, arrays, first, count, runs.open_or(at), closed.data());
                if (result)
                    runs.add(std::span(closed.data(), static_cast<std::size_t>(result->closed)), result->open);
                simple = result.has_value();
            } else if (simple) {
                simple = project_to_pixels(s, arrays, first, count, pixels.data());
                PixelPoint from = at;
                for (int k = 0; simple && k < count; ++k) {
                    PixelPoint const to = pixels[static_cast<std::size_t>(k)];
                    lines.add(from.x, from.y, to.x, to.y, colour);
                    from = to;
                }
            }
            if (!simple) {
                runs.close();
                for (int k = 0; k < count; ++k)
                    one_by_one(first + k);
                continue;
            }
            last = point_at(first + count - 1);
            previous = project(s, last->x, last->y, last->z);
        }
        runs.close();
    }
    // The current point where drawing the points one by one leaves it.
    if (last)
        move_to(graph, last->x, last->y, last->z);
}

template <typename PointAt>
void draw_symbols_one_by_one(GraphRecord& graph, int32_t symbol, int64_t n, PointAt&& point_at)
{
    for (int64_t i = 0; i < n; ++i)
        if (DataPoint const p = point_at(i); p.finite)
            plot_symbol(graph, symbol, p.x, p.y, p.z);
}

// Each target's stamp of the symbol, for its raster operation; none when a symbol is too
// large for one or the targets count centres differently.
struct TargetStamps {
    std::vector<std::pair<kp::DeviceContext*, SymbolStamp>> stamps;
    SymbolCentres::Counting counting = SymbolCentres::Counting::once;
    int32_t reach = 0;
};

std::optional<TargetStamps> target_stamps(GraphRecord& graph, SymbolShape symbol)
{
    TargetStamps result;
    bool possible = true;
    std::optional<bool> parity;
    for_each_target(graph, [&](kp::DeviceContext& context, Slot) {
        std::optional<SymbolStamp> stamp = symbol_stamp(symbol, symbol_size(graph), context.raster_op());
        bool const odd_counts
            = context.raster_op() == kp::RasterOp::Xor && stamp && stamp->how == kp::DeviceContext::StampOp::ByRasterOp;
        possible = possible && stamp && (!parity || *parity == odd_counts);
        if (!possible)
            return;
        parity = odd_counts;
        kp::DeviceBox const& box = stamp->stamp.box;
        int64_t const reach = std::max({-box.left, -box.top, box.right, box.bottom, int64_t{0}});
        result.reach = std::max(result.reach, static_cast<int32_t>(reach));
        result.stamps.emplace_back(&context, std::move(*stamp));
    });
    if (!possible)
        return std::nullopt;
    result.counting = parity.value_or(false) ? SymbolCentres::Counting::parity : SymbolCentres::Counting::once;
    return result;
}

// The symbol at every finite point, as plotting them one by one paints it: the centres are
// gathered first, each kept once (or by the parity of its count in exclusive or), and the
// symbol's stamp painted at each. Since the symbols are alike and of one colour, neither their
// order nor how often one lands on a centre shows, beyond that parity.
template <typename PointAt>
void draw_symbols(GraphRecord& graph, int32_t code, PointArrays const& arrays, int64_t n, PointAt&& point_at)
{
    auto const symbol = static_cast<SymbolShape>(code);
    std::optional<TargetStamps> const stamps = is_symbol(code) ? target_stamps(graph, symbol) : std::nullopt;
    int32_t const width = std::max(graph.window_width, graph.image_width);
    int32_t const height = std::max(graph.window_height, graph.image_height);
    if (!stamps || !SymbolCentres::fits(width, height, stamps->reach + 1)) {
        draw_symbols_one_by_one(graph, code, n, point_at);
        return;
    }
    EffectiveScales const& s = graph.scales;
    SymbolCentres centres(width, height, stamps->reach + 1, stamps->counting);
    std::array<PixelPoint, pixel_block> block;
    for (int64_t first = 0; first < n; first += pixel_block) {
        int const count = static_cast<int>(std::min<int64_t>(pixel_block, n - first));
        if (s.AllLinear && project_to_pixels(s, arrays, first, count, block.data())) {
            for (int k = 0; k < count; ++k)
                centres.add(block[static_cast<std::size_t>(k)]);
            continue;
        }
        // Points that are not finite have no symbol, nor have those beyond the window limit.
        for (int64_t i = first; i < first + count; ++i)
            if (DataPoint const p = point_at(i); p.finite)
                if (WindowPoint const at = project(s, p.x, p.y, p.z); inside_window_limit(at))
                    centres.add({window_pixel(at.x), window_pixel(at.y)});
    }
    kp::Color const colour = to_color(symbol_colour(graph));
    std::vector<kp::Point> batch;
    batch.reserve(4096);
    auto paint = [&] {
        for (auto const& [context, stamp] : stamps->stamps)
            context->draw_stamps(stamp.stamp, batch, colour, stamp.how);
        batch.clear();
    };
    centres.for_each([&](PixelPoint centre) {
        batch.push_back({centre.x, centre.y});
        if (batch.size() == batch.capacity())
            paint();
    });
    paint();
}

// Lines and symbols in the order of the points, for the cases where their order shows.
template <typename PointAt>
void draw_in_turn(GraphRecord& graph, int32_t symbol, int64_t n, PointAt&& point_at)
{
    bool pen_down = false;
    for (int64_t i = 0; i < n; ++i) {
        DataPoint const p = point_at(i);
        if (!p.finite) {
            pen_down = false;
            continue;
        }
        if (pen_down)
            draw_to(graph, p.x, p.y, p.z);
        else
            move_to(graph, p.x, p.y, p.z);
        pen_down = true;
        plot_symbol(graph, symbol, p.x, p.y, p.z);
    }
}

template <typename PointAt>
void draw_marked(GraphRecord& graph, bool joined, int32_t symbol, PointArrays const& arrays, int64_t n,
                 PointAt&& point_at)
{
    if (joined && symbol != 0 && !order_free(graph)) {
        draw_in_turn(graph, symbol, n, point_at);
        return;
    }
    if (joined)
        draw_polyline(graph, arrays, n, point_at);
    if (symbol != 0)
        draw_symbols(graph, symbol, arrays, n, point_at);
}

} // namespace

int32_t draw_plane_data(GraphRecord& graph, DataPoints const& data, ArrayMarks const& marks)
{
    if (!data_acceptable(data, false))
        return error_state().code;
    Coordinates const xs(data.x);
    Coordinates const ys(data.y);
    double const z = graph.coordinates.ZPlane;
    auto const point_at = [&](int64_t i) {
        DataPoint p{xs(i), ys(i), z, false};
        p.finite = std::isfinite(p.x) && std::isfinite(p.y);
        return p;
    };
    if (fits_ranges(marks.option)) {
        reset_to_2d_view(graph);
        if (!fit_ranges<2>(graph, data.n, point_at))
            return error_state().code;
    }
    frame_if_asked(graph, marks.option);
    apply_colour_and_mark(graph, marks);
    draw_marked(graph, marks.mark >= joined_marks, marks.mark % 10, {data.x, data.y, nullptr, z}, data.n, point_at);
    return error_state().code;
}

int32_t draw_space_data(GraphRecord& graph, DataPoints const& data, ArrayMarks const& marks)
{
    if (!data_acceptable(data, true))
        return error_state().code;
    Coordinates const xs(data.x);
    Coordinates const ys(data.y);
    Coordinates const zs(data.z);
    auto const point_at = [&](int64_t i) {
        DataPoint p{xs(i), ys(i), zs(i), false};
        p.finite = std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
        return p;
    };
    if (fits_ranges(marks.option)) {
        ensure_3d_view(graph);
        if (!fit_ranges<3>(graph, data.n, point_at))
            return error_state().code;
    }
    frame_if_asked(graph, marks.option);
    apply_colour_and_mark(graph, marks);
    bool const joined = marks.mark >= joined_marks;
    draw_marked(graph, joined, joined ? 0 : marks.mark % 10, {data.x, data.y, data.z, 0}, data.n, point_at);
    return error_state().code;
}

} // namespace kelvo
