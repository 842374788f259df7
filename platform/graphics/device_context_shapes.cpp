// Lines and shapes of device contexts: the pixel rules are in the raster engine; here the
// pen, brush, raster operation and clip are put together for each call.

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/graphics/device_context.h"
#include "platform/raster/coverage.h"
#include "platform/raster/ellipse.h"
#include "platform/raster/line.h"
#include "platform/raster/span_painter.h"
#include "platform/raster/stamp.h"
#include "platform/raster/wide_line.h"
#include "platform/record/recording.h"

namespace kp {

namespace {

DeviceBox device_box(Rect box, Point origin)
{
    box = box.normalized();
    return {int64_t{box.left()} + origin.x, int64_t{box.top()} + origin.y, int64_t{box.right()} + origin.x,
            int64_t{box.bottom()} + origin.y};
}

// The box of pixels a set of points covers, grown by `margin` on every side.
DeviceBox bounding_box(std::span<DevicePoint const> points, int64_t margin)
{
    DeviceBox box{points.front().x, points.front().y, points.front().x, points.front().y};
    for (DevicePoint const& p : points) {
        box.left = std::min(box.left, p.x);
        box.top = std::min(box.top, p.y);
        box.right = std::max(box.right, p.x);
        box.bottom = std::max(box.bottom, p.y);
    }
    return {box.left - margin, box.top - margin, box.right + 1 + margin, box.bottom + 1 + margin};
}

DeviceBox grown(DeviceBox box, int64_t margin)
{
    return {box.left - margin, box.top - margin, box.right + margin, box.bottom + margin};
}

std::vector<DevicePoint> device_points(std::span<Point const> points, Point origin)
{
    std::vector<DevicePoint> result;
    result.reserve(points.size());
    for (Point const& p : points)
        result.push_back(DevicePoint::from(p, origin));
    return result;
}

// Collects the pixels of an outline so that a dash pattern can be laid along it.
class PixelList final : public SpanSink {
public:
    explicit PixelList(Rect const& limit) : limit_(limit) {}
    void span(int32_t y, int64_t x0, int64_t x1) override
    {
        x0 = std::max<int64_t>(x0, limit_.left());
        x1 = std::min<int64_t>(x1, limit_.right());
        for (int64_t x = x0; x < x1; ++x)
            pixels.emplace_back(static_cast<int32_t>(x), y);
    }
    std::vector<std::pair<int32_t, int32_t>> pixels;

private:
    Rect limit_;
};

// Where a dash pattern is laid along a curved outline. Counting along the whole outline
// keeps the dashes where they are however the shape is clipped; for absurdly large boxes
// only the visible part is counted.
Rect dash_area(DeviceBox const& box, Rect const& clip)
{
    constexpr int64_t largest_counted = int64_t{1} << 16;
    if (box.right - box.left > largest_counted || box.bottom - box.top > largest_counted)
        return clip;
    return Rect::from_edges(box.left, box.top, box.right, box.bottom);
}

} // namespace

// --- Outlines ---------------------------------------------------------------------------

bool DeviceContext::outline_needs_coverage() const
{
    // Where the outline and the fill would both touch a pixel, the outline alone paints it.
    // That matters only when the result depends on what was there before.
    return pen_.is_wide() || (brush_.is_visible() && !ignores_destination(raster_op_));
}

void DeviceContext::stroke_segment(Frame const& frame, DevicePoint from, DevicePoint to, int64_t first_index,
                                   Coverage* record)
{
    LinePattern const pattern = pen_.pattern();
    bool const solid = pattern.is_solid();
    bool const opaque_gaps = background_mode_ == BackgroundMode::Opaque;
    uint32_t const pen_value = pen_.color.pixel();
    uint32_t const gap_value = background_color_.pixel();
    for (Rect const& rect : frame.clip.rects()) {
        std::optional<LineStretch> stretch = clip_line(from, to, rect);
        if (!stretch)
            continue;
        stretch->first_index += first_index;
        if (record) {
            PatternCursor dashes(pattern, stretch->first_index);
            walk_line(*stretch, [&](int32_t x, int32_t y, int64_t) {
                if (dashes.next() || solid || opaque_gaps)
                    record->add_pixel(x, y);
            });
        } else if (solid) {
            paint_line(frame.surface, *stretch, pen_value, raster_op_);
        } else {
            paint_dashed_line(frame.surface, *stretch, pattern, pen_value,
                              opaque_gaps ? std::optional(gap_value) : std::nullopt, raster_op_);
        }
    }
}

void DeviceContext::stroke_path(Frame const& frame, std::span<DevicePoint const> path, bool closed, Coverage* record)
{
    std::size_t const segments = closed ? path.size() : path.size() - 1;
    int64_t index = 0;
    for (std::size_t i = 0; i < segments; ++i) {
        DevicePoint const a = path[i];
        DevicePoint const b = path[(i + 1) % path.size()];
        stroke_segment(frame, a, b, index, record);
        index += line_pixel_count(a, b);
    }
}

void DeviceContext::add_wide_path(Coverage& coverage, std::span<DevicePoint const> path, bool closed) const
{
    if (path.size() == 1) {
        add_wide_segment(coverage, path[0], path[0], pen_.width);
        return;
    }
    std::size_t const segments = closed ? path.size() : path.size() - 1;
    for (std::size_t i = 0; i < segments; ++i)
        add_wide_segment(coverage, path[i], path[(i + 1) % path.size()], pen_.width);
}

void DeviceContext::paint_coverage(Frame const& frame, Coverage const& coverage, uint32_t value)
{
    SpanPainter painter(frame.surface, frame.clip, raster_op_, value);
    coverage.for_each_span([&](int32_t y, int32_t x0, int32_t x1) { painter.span(y, x0, x1); });
}

void DeviceContext::paint_pixels_in_pattern(Frame const& frame, std::span<std::pair<int32_t, int32_t> const> pixels)
{
    LinePattern const pattern = pen_.pattern();
    bool const opaque_gaps = background_mode_ == BackgroundMode::Opaque;
    uint32_t const pen_value = pen_.color.pixel();
    uint32_t const gap_value = background_color_.pixel();
    with_raster_op(raster_op_, [&](auto operation) {
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            auto [x, y] = pixels[i];
            if (!frame.clip.contains(x, y))
                continue;
            uint32_t& pixel = frame.surface.at(x, y);
            if (pattern.paints(static_cast<int64_t>(i)))
                pixel = operation(pixel, pen_value);
            else if (opaque_gaps)
                pixel = operation(pixel, gap_value);
        }
    });
}

// --- Lines ------------------------------------------------------------------------------

void DeviceContext::line_to(Point to)
{
    Point const from = std::exchange(position_, to);
    int64_t const first_index = pattern_index_;
    pattern_index_ += line_pixel_count(DevicePoint::from(from, {}), DevicePoint::from(to, {}));
    if (!pen_.is_visible())
        return;
    std::optional<Frame> f = frame();
    if (!f)
        return;
    DevicePoint const ends[] = {f->device(from), f->device(to)};
    DeviceBox const reach = bounding_box(ends, pen_.is_wide() ? pen_.width : 0);
    if (pen_.is_wide()) {
        Coverage coverage(f->clip.bounds());
        add_wide_segment(coverage, ends[0], ends[1], pen_.width);
        coverage.normalize();
        paint_coverage(*f, coverage, pen_.color.pixel());
    } else {
        stroke_segment(*f, ends[0], ends[1], first_index, nullptr);
    }
    if (recording_)
        recording_->line(call_on(*f, damage_in(*f, reach)), from, to, pen_, first_index, gaps());
    report_damage(*f, reach);
}

void DeviceContext::draw_lines(std::span<PaintedLine const> lines, RecordLinesAs record_as)
{
    if (lines.empty())
        return;
    if (!pen_.is_visible() || pen_.is_wide() || !pen_.pattern().is_solid()) {
        // Wide, patterned or invisible pens: line by line through the pen.
        struct PenColourGuard {
            Pen& pen;
            Color saved;
            ~PenColourGuard() { pen.color = saved; }
        } const keep{pen_, pen_.color};
        for (PaintedLine const& line : lines) {
            pen_.color = line.color;
            move_to(line.from);
            line_to(line.to);
            line_to(line.to.translated(1, 0));
        }
        return;
    }
    // Where the last line's end step leaves the position, as line by line.
    PaintedLine const& last = lines.back();
    Point const after_last = last.to.translated(1, 0);
    position_ = after_last;
    pattern_index_ = line_pixel_count(DevicePoint::from(last.from, {}), DevicePoint::from(last.to, {}))
        + (after_last == last.to ? 0 : 1);
    std::optional<Frame> f = frame();
    if (!f)
        return;
    DeviceBox const logical_ends = line_ends_box(lines);
    DeviceBox const ends = logical_ends.translated(f->origin.x, f->origin.y);
    paint_lines_and_ends(f->surface, f->clip, f->origin, lines, ends, raster_op_);
    if (recording_) {
        DrawingCall const call = call_on(*f, damage_in(*f, ends));
        if (record_as == RecordLinesAs::Pixels)
            recording_->painted_lines_as_pixels(call, lines, logical_ends);
        else
            recording_->painted_lines(call, lines);
    }
    report_damage(*f, ends);
}

void DeviceContext::draw_stamps(Stamp const& stamp, std::span<Point const> centres, Color color, StampOp how)
{
    if (stamp.is_empty() || centres.empty())
        return;
    std::optional<Frame> f = frame();
    if (!f)
        return;
    RasterOp const op = how == StampOp::Set ? RasterOp::Copy : raster_op_;
    std::vector<DevicePoint> const at = device_points(centres, f->origin);
    DeviceBox const reach = bounding_box(at, 0);
    DeviceBox const painted{reach.left + stamp.box.left, reach.top + stamp.box.top, reach.right - 1 + stamp.box.right,
                            reach.bottom - 1 + stamp.box.bottom};
    paint_stamps(f->surface, f->clip, stamp, at, op, color.pixel());
    if (recording_) {
        DrawingCall call = call_on(*f, damage_in(*f, painted));
        call.op = op;
        recording_->painted_stamps(call, stamp, centres, color, painted.translated(-f->origin.x, -f->origin.y));
    }
    report_damage(*f, painted);
}

bool DeviceContext::repaints_harmlessly() const
{
    return pen_.is_visible() && !pen_.is_wide() && pen_.pattern().is_solid() && is_repeatable(raster_op_);
}

void DeviceContext::polyline(std::span<Point const> points)
{
    if (points.size() < 2 || !pen_.is_visible())
        return;
    std::optional<Frame> f = frame();
    if (!f)
        return;
    std::vector<DevicePoint> const path = device_points(points, f->origin);
    if (pen_.is_wide()) {
        Coverage coverage(f->clip.bounds());
        add_wide_path(coverage, path, false);
        coverage.normalize();
        paint_coverage(*f, coverage, pen_.color.pixel());
    } else {
        stroke_path(*f, path, false, nullptr);
    }
    if (recording_)
        recording_->path(call_on(*f, damage_in(*f, bounding_box(path, pen_.width))), points, false, pen_, 0, gaps());
    report_damage(*f, bounding_box(path, pen_.width));
}

void DeviceContext::set_pixel(Point point, Color color)
{
    std::optional<Frame> f = frame();
    if (!f)
        return;
    DevicePoint const p = f->device(point);
    if (!f->clip.contains(p.x, p.y))
        return;
    f->surface.at(static_cast<int32_t>(p.x), static_cast<int32_t>(p.y)) = color.pixel();
    if (recording_)
        recording_->pixel(call_on(*f, damage_in(*f, {p.x, p.y, p.x + 1, p.y + 1})), point, color);
    report_damage(*f, {p.x, p.y, p.x + 1, p.y + 1});
}

std::optional<Color> DeviceContext::pixel(Point point)
{
    std::optional<Frame> f = frame();
    if (!f)
        return std::nullopt;
    DevicePoint const p = f->device(point);
    if (!f->clip.contains(p.x, p.y))
        return std::nullopt;
    return Color::from_pixel(f->surface.at(static_cast<int32_t>(p.x), static_cast<int32_t>(p.y)));
}

// --- Closed shapes ----------------------------------------------------------------------

void DeviceContext::rectangle(Rect box)
{
    if (box.is_empty() || (!pen_.is_visible() && !brush_.is_visible()))
        return;
    std::optional<Frame> f = frame();
    if (!f)
        return;
    DeviceBox const b = device_box(box, f->origin);
    if (recording_) {
        int32_t const reach = pen_.is_visible() && pen_.is_wide() ? pen_.width : 0;
        recording_->rectangle(call_on(*f, damage_in(*f, grown(b, reach))), box.normalized(), pen_, brush_, gaps());
    }
    SpanPainter brush_painter(f->surface, f->clip, raster_op_, brush_.color.pixel());

    if (!pen_.is_visible()) {
        brush_painter.fill_box(b);
        report_damage(*f, b);
        return;
    }

    DevicePoint const corners[] = {{b.left, b.top}, {b.right - 1, b.top}, {b.right - 1, b.bottom - 1}, {b.left, b.bottom - 1}};
    if (pen_.is_wide()) {
        Coverage outline(f->clip.bounds());
        add_wide_path(outline, corners, true);
        outline.normalize();
        if (brush_.is_visible()) {
            CoverageGaps inside(outline, brush_painter);
            int64_t const top = std::max<int64_t>(b.top, f->clip.bounds().top());
            int64_t const bottom = std::min<int64_t>(b.bottom, f->clip.bounds().bottom());
            for (int64_t y = top; y < bottom; ++y)
                inside.span(static_cast<int32_t>(y), b.left, b.right);
        }
        paint_coverage(*f, outline, pen_.color.pixel());
        report_damage(*f, grown(b, pen_.width));
        return;
    }

    // A one-pixel border and the inside never share a pixel, so when they have one colour
    // (a filled rectangle of the library) they are one fill.
    if (pen_.pattern().is_solid() && brush_.is_visible() && pen_.color == brush_.color) {
        brush_painter.fill_box(b);
        report_damage(*f, b);
        return;
    }
    DeviceBox const inside{b.left + 1, b.top + 1, b.right - 1, b.bottom - 1};
    if (brush_.is_visible() && !inside.is_empty())
        brush_painter.fill_box(inside);
    if (pen_.pattern().is_solid()) {
        SpanPainter const pen_painter(f->surface, f->clip, raster_op_, pen_.color.pixel());
        if (inside.is_empty()) {
            pen_painter.fill_box(b);
        } else {
            pen_painter.fill_box({b.left, b.top, b.right, b.top + 1});
            pen_painter.fill_box({b.left, b.bottom - 1, b.right, b.bottom});
            pen_painter.fill_box({b.left, inside.top, b.left + 1, inside.bottom});
            pen_painter.fill_box({b.right - 1, inside.top, b.right, inside.bottom});
        }
    } else if (inside.is_empty()) {
        // One row or one column: a single stroke over all of it.
        DevicePoint const along[] = {{b.left, b.top}, b.right - b.left == 1 ? DevicePoint{b.left, b.bottom} : DevicePoint{b.right, b.top}};
        stroke_path(*f, along, false, nullptr);
    } else {
        stroke_path(*f, corners, true, nullptr);
    }
    report_damage(*f, b);
}

void DeviceContext::polygon(std::span<Point const> points, FillRule rule)
{
    if (points.size() < 2 || (!pen_.is_visible() && !brush_.is_visible()))
        return;
    std::optional<Frame> f = frame();
    if (!f)
        return;
    std::vector<DevicePoint> const path = device_points(points, f->origin);

    std::optional<Coverage> outline;
    if (pen_.is_visible() && outline_needs_coverage()) {
        // The outline lies within the points' box grown by the pen: only those rows are kept,
        // so a small polygon costs nothing for the rest of the surface.
        DeviceBox const reach = bounding_box(path, pen_.width);
        outline.emplace(f->clip.bounds().intersected(Rect::from_edges(reach.left, reach.top, reach.right, reach.bottom)));
        if (pen_.is_wide())
            add_wide_path(*outline, path, true);
        else
            stroke_path(*f, path, true, &*outline);
        outline->normalize();
    }
    if (brush_.is_visible()) {
        SpanPainter brush_painter(f->surface, f->clip, raster_op_, brush_.color.pixel());
        if (outline) {
            CoverageGaps inside(*outline, brush_painter);
            fill_polygon(path, rule, f->clip.bounds(), inside);
        } else {
            fill_polygon(path, rule, f->clip.bounds(), brush_painter);
        }
    }
    if (pen_.is_visible()) {
        if (pen_.is_wide())
            paint_coverage(*f, *outline, pen_.color.pixel());
        else
            stroke_path(*f, path, true, nullptr);
    }
    if (recording_)
        recording_->polygon(call_on(*f, damage_in(*f, bounding_box(path, pen_.width))), points, rule, pen_, brush_,
                            gaps());
    report_damage(*f, bounding_box(path, pen_.width));
}

void DeviceContext::ellipse(Rect box)
{
    if (box.is_empty() || (!pen_.is_visible() && !brush_.is_visible()))
        return;
    std::optional<Frame> f = frame();
    if (!f)
        return;
    DeviceBox const b = device_box(box, f->origin);
    Rect const rows = f->clip.bounds();
    SpanPainter brush_painter(f->surface, f->clip, raster_op_, brush_.color.pixel());
    SpanSink* const interior = brush_.is_visible() ? &brush_painter : nullptr;

    if (!pen_.is_visible()) {
        rasterize_ellipse(b, 1, rows, &brush_painter, &brush_painter);
    } else if (pen_.is_wide() || pen_.pattern().is_solid()) {
        SpanPainter pen_painter(f->surface, f->clip, raster_op_, pen_.color.pixel());
        rasterize_ellipse(b, pen_.width, rows, &pen_painter, interior);
    } else {
        // The dash pattern runs counter-clockwise from the rightmost point.
        Rect const counted = dash_area(b, rows);
        PixelList outline(counted);
        rasterize_ellipse(b, 1, counted, &outline, interior);
        int64_t const middle = (b.top + b.bottom - 1) / 2;
        ArcSector const order(b, {b.right, middle}, {b.right, middle});
        std::stable_sort(outline.pixels.begin(), outline.pixels.end(), [&](auto const& p, auto const& q) {
            return order.angle_from_start(p.first, p.second) < order.angle_from_start(q.first, q.second);
        });
        paint_pixels_in_pattern(*f, outline.pixels);
    }
    DeviceBox const reach = grown(b, pen_.is_visible() ? pen_.width : 0);
    if (recording_)
        recording_->ellipse(call_on(*f, damage_in(*f, reach)), box.normalized(), pen_, brush_, gaps());
    report_damage(*f, reach);
}

void DeviceContext::arc(Rect box, Point start, Point end)
{
    if (box.is_empty() || !pen_.is_visible())
        return;
    std::optional<Frame> f = frame();
    if (!f)
        return;
    DeviceBox const b = device_box(box, f->origin);
    Rect const rows = f->clip.bounds();
    ArcSector const sector(b, f->device(start), f->device(end));

    if (pen_.is_wide()) {
        Coverage coverage(rows);
        SectorFilter in_sector(sector, rows, coverage);
        rasterize_ellipse(b, pen_.width, rows, &in_sector, nullptr);
        if (!sector.is_whole()) {
            for (auto [x, y] : {sector.start_point(), sector.end_point()})
                add_wide_dot(coverage, x, y, pen_.width);
        }
        coverage.normalize();
        paint_coverage(*f, coverage, pen_.color.pixel());
    } else if (pen_.pattern().is_solid()) {
        SpanPainter pen_painter(f->surface, f->clip, raster_op_, pen_.color.pixel());
        SectorFilter in_sector(sector, rows, pen_painter);
        rasterize_ellipse(b, 1, rows, &in_sector, nullptr);
    } else {
        Rect const counted = dash_area(b, rows);
        PixelList outline(counted);
        SectorFilter in_sector(sector, counted, outline);
        rasterize_ellipse(b, 1, counted, &in_sector, nullptr);
        std::stable_sort(outline.pixels.begin(), outline.pixels.end(), [&](auto const& p, auto const& q) {
            return sector.angle_from_start(p.first, p.second) < sector.angle_from_start(q.first, q.second);
        });
        paint_pixels_in_pattern(*f, outline.pixels);
    }
    if (recording_)
        recording_->arc(call_on(*f, damage_in(*f, grown(b, pen_.width))), box.normalized(), start, end, pen_, gaps());
    report_damage(*f, grown(b, pen_.width));
}

void DeviceContext::paint_region(Region const& region)
{
    if (!brush_.is_visible() || region.is_empty())
        return;
    std::optional<Frame> f = frame();
    if (!f)
        return;
    Point const o = f->origin;
    Region const painted = region.intersected(f->region.translated(o.negated())).translated(o.x, o.y);
    uint32_t const value = brush_.color.pixel();
    for (Rect const& rect : painted.rects())
        for (int32_t y = rect.top(); y < rect.bottom(); ++y)
            fill_row(f->surface.row(y) + rect.left(), rect.width, value, raster_op_);
    if (recording_)
        recording_->fill(call_on(*f, painted.bounds()), region, brush_.color);
    report_damage(painted.bounds(), Recorded::Yes);
}

} // namespace kp
