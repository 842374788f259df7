#include "platform/record/recording.h"

#include <algorithm>
#include <cassert>
#include <optional>
#include <utility>
#include <vector>

#include "platform/font/font.h"
#include "platform/font/text_rotation.h"
#include "platform/record/recording_budget.h"
#include "platform/raster/line.h"
#include "platform/raster/painted_line.h"

namespace kp {

namespace {

// The pixels the points lie on.
Rect points_bounds(std::span<Point const> points)
{
    int64_t left = points.front().x, top = points.front().y, right = left, bottom = top;
    for (Point const& p : points) {
        left = std::min<int64_t>(left, p.x);
        top = std::min<int64_t>(top, p.y);
        right = std::max<int64_t>(right, p.x);
        bottom = std::max<int64_t>(bottom, p.y);
    }
    return Rect::from_edges(left, top, right + 1, bottom + 1);
}

int32_t pattern_phase(Pen const& pen, int64_t index)
{
    int64_t const period = pen.pattern().period;
    return static_cast<int32_t>(((index % period) + period) % period);
}

int64_t pixels_along(Point from, Point to)
{
    return line_pixel_count(DevicePoint::from(from, {}), DevicePoint::from(to, {}));
}

// Recorded pixels start at least this many pixels wide and high.
constexpr int32_t least_pixels_side = 256;

// The box of recorded pixels grown to cover `needed` as well, inside `area`: to at least
// twice its width or height where it grows, so that pixels set one after another across a
// picture move their box a few times only.
Rect grown_box(Rect box, Rect needed, Rect area)
{
    Rect grown = box.united(needed);
    if (grown.width > box.width)
        grown = grown.united(Rect{grown.x, grown.y, std::max(2 * box.width, least_pixels_side), 1}.normalized());
    if (grown.height > box.height)
        grown = grown.united(Rect{grown.x, grown.y, 1, std::max(2 * box.height, least_pixels_side)}.normalized());
    // Doubling grows away from the top-left corner; what leaves the area is given up.
    return grown.intersected(area);
}

// A step drawn with a pen and, for the shapes that have an inside, a brush.
RecordedStep painted_step(StepKind kind, Pen const& pen, Gaps gaps, Brush const& brush = {})
{
    RecordedStep step;
    step.kind = kind;
    step.pen = pen;
    step.brush = brush;
    step.gaps = gaps;
    return step;
}

} // namespace

Recording::Recording(Rect area, std::size_t budget_bytes)
    : area_(area)
    , budget_(budget_bytes)
{
    add_patch(Region(area_));
}

void Recording::restart()
{
    forget_everything();
    add_patch(Region(area_));
}

std::span<Point const> Recording::points(RecordedStep const& step) const
{
    return std::span<Point const>(points_).subspan(step.first, step.count);
}

Region const* Recording::clip(RecordedStep const& step) const
{
    return step.clip == 0 ? nullptr : &clips_[step.clip - 1];
}

Rect Recording::bounds(RecordedStep const& step) const
{
    int32_t const pen_reach = step.pen.is_visible() ? step.pen.width : 0;
    switch (step.kind) {
    case StepKind::Path:
    case StepKind::Segments:
    case StepKind::Polygon:
    case StepKind::Rectangle:
    case StepKind::Ellipse:
    case StepKind::Arc:
        return step.box.inflated(pen_reach, pen_reach);
    case StepKind::Patch:
        return patches_[step.first].bounds();
    case StepKind::Pixels:
    case StepKind::Fill:
    case StepKind::Text:
    case StepKind::Image:
        break;
    }
    return step.box;
}

// --- Steps --------------------------------------------------------------------------------

bool Recording::touches_area(DrawingCall const& call) const
{
    return call.damage.translated(-call.origin.x, -call.origin.y).intersects(area_);
}

uint32_t Recording::clip_index(DrawingCall const& call)
{
    // The common case first: a clip that lets the whole area through is no clip.
    Rect const device_area = area_.translated(call.origin.x, call.origin.y);
    if (call.clip.overlap(device_area) == Overlap::Inside)
        return 0;
    Region logical = call.clip.translated(call.origin.negated()).intersected(Region(area_));
    if (clips_.empty() || clips_.back() != logical)
        clips_.push_back(std::move(logical));
    return static_cast<uint32_t>(clips_.size());
}

bool Recording::begin_step(DrawingCall const& call, RecordedStep& step)
{
    if (!touches_area(call))
        return false;
    switch (call.op) {
    case RasterOp::Copy:
        break;
    case RasterOp::NotCopy: {
        // NOT P does not read the page either: it is P's complement, painted.
        auto complement = [](Color c) { return Color::from_pixel(~c.pixel()); };
        step.pen.color = complement(step.pen.color);
        step.brush.color = complement(step.brush.color);
        step.gaps.color = complement(step.gaps.color);
        break;
    }
    case RasterOp::And:
    case RasterOp::Or:
    case RasterOp::Xor:
        patch(call);
        return false;
    }
    step.clip = clip_index(call);
    return true;
}

void Recording::add(RecordedStep step)
{
    if (hides_whole_area(step))
        forget_everything();
    bytes_ += step_bytes(step);
    steps_.push_back(step);
    drawn_since_cleared_ = true;
    next_pattern_index_ = -1;
    keep_within_budget();
}

template <typename Grow>
void Recording::extend_newest(Grow&& grow)
{
    assert(!steps_.empty());
    bytes_ += grow(steps_.back());
    drawn_since_cleared_ = true;
    keep_within_budget();
}

void Recording::path(DrawingCall const& call, std::span<Point const> points, bool closed, Pen const& pen,
                     int64_t pattern_start, Gaps gaps)
{
    add_path(call, points, closed, pen, pattern_start, gaps);
}

bool Recording::add_path(DrawingCall const& call, std::span<Point const> points, bool closed, Pen const& pen,
                         int64_t pattern_start, Gaps gaps)
{
    if (points.empty())
        return false;
    RecordedStep step = painted_step(StepKind::Path, pen, gaps);
    step.closed = closed;
    step.pattern_start = pattern_phase(pen, pattern_start);
    if (!begin_step(call, step))
        return false;
    step.first = static_cast<uint32_t>(points_.size());
    step.count = static_cast<uint32_t>(points.size());
    step.box = points_bounds(points);
    points_.insert(points_.end(), points.begin(), points.end());
    add(step);
    return true;
}

void Recording::line(DrawingCall const& call, Point from, Point to, Pen const& pen, int64_t pattern_start, Gaps gaps)
{
    // A line-to that goes on from the newest path, in the same pen, dash phase and clip, is
    // one more point of it.
    if (call.op == RasterOp::Copy && !steps_.empty() && touches_area(call)) {
        RecordedStep const& last = steps_.back();
        bool const continues = last.kind == StepKind::Path && !last.closed && last.pen == pen && last.gaps == gaps
            && last.first + last.count == points_.size() && points_.back() == from
            && (pen.pattern().is_solid() || next_pattern_index_ == pattern_start) && last.clip == clip_index(call);
        if (continues) {
            extend_newest([&](RecordedStep& step) {
                points_.push_back(to);
                ++step.count;
                step.box.unite(Rect{to.x, to.y, 1, 1}.normalized());
                next_pattern_index_ = pattern_start + pixels_along(from, to);
                return sizeof(Point);
            });
            return;
        }
    }
    Point const ends[] = {from, to};
    if (add_path(call, ends, false, pen, pattern_start, gaps))
        next_pattern_index_ = pattern_start + pixels_along(from, to);
}

void Recording::painted_lines(DrawingCall const& call, std::span<PaintedLine const> lines)
{
    if (lines.empty() || !touches_area(call))
        return;
    if (call.op != RasterOp::Copy) {
        patch(call);
        return;
    }
    uint32_t const clip = clip_index(call);
    next_pattern_index_ = -1;
    for (std::size_t i = 0; i < lines.size();) {
        // The run of lines in one colour, which goes on from the newest step when that holds
        // lines in its colour and clip.
        Color const color = lines[i].color;
        std::size_t end = i + 1;
        while (end < lines.size() && lines[end].color == color)
            ++end;
        std::span<PaintedLine const> const run = lines.subspan(i, end - i);
        i = end;
        auto grow = [&](RecordedStep& step) {
            std::size_t const at = points_.size();
            points_.resize(at + 2 * run.size());
            step.box.unite(line_ends_box(run, points_.data() + at).rect());
            step.count += static_cast<uint32_t>(2 * run.size());
            return 2 * run.size() * sizeof(Point);
        };
        bool const joins = !steps_.empty() && steps_.back().kind == StepKind::Segments
            && steps_.back().pen.color == color && steps_.back().clip == clip
            && steps_.back().first + steps_.back().count == points_.size();
        if (joins) {
            extend_newest(grow);
            continue;
        }
        RecordedStep step;
        step.kind = StepKind::Segments;
        step.pen = Pen::make(PenStyle::Solid, 1, color);
        step.clip = clip;
        step.first = static_cast<uint32_t>(points_.size());
        grow(step);
        add(step);
    }
}

void Recording::rectangle(DrawingCall const& call, Rect box, Pen const& pen, Brush const& brush, Gaps gaps)
{
    RecordedStep step = painted_step(StepKind::Rectangle, pen, gaps, brush);
    step.box = box;
    if (begin_step(call, step))
        add(step);
}

void Recording::polygon(DrawingCall const& call, std::span<Point const> points, FillRule rule, Pen const& pen,
                        Brush const& brush, Gaps gaps)
{
    if (points.empty())
        return;
    RecordedStep step = painted_step(StepKind::Polygon, pen, gaps, brush);
    step.rule = rule;
    if (!begin_step(call, step))
        return;
    step.first = static_cast<uint32_t>(points_.size());
    step.count = static_cast<uint32_t>(points.size());
    step.box = points_bounds(points);
    points_.insert(points_.end(), points.begin(), points.end());
    add(step);
}

void Recording::ellipse(DrawingCall const& call, Rect box, Pen const& pen, Brush const& brush, Gaps gaps)
{
    RecordedStep step = painted_step(StepKind::Ellipse, pen, gaps, brush);
    step.box = box;
    if (begin_step(call, step))
        add(step);
}

void Recording::arc(DrawingCall const& call, Rect box, Point start, Point end, Pen const& pen, Gaps gaps)
{
    RecordedStep step = painted_step(StepKind::Arc, pen, gaps);
    step.box = box;
    if (!begin_step(call, step))
        return;
    step.first = static_cast<uint32_t>(points_.size());
    step.count = 2;
    points_.push_back(start);
    points_.push_back(end);
    add(step);
}

template <typename Paint>
void Recording::paint_pixels(DrawingCall const& call, Rect needed, PixelsBox start, Paint&& paint)
{
    needed = needed.intersected(area_);
    if (needed.is_empty())
        return;
    uint32_t const clip = clip_index(call);
    if (!steps_.empty() && steps_.back().kind == StepKind::Pixels && steps_.back().clip == clip) {
        extend_newest([&](RecordedStep& step) {
            Surface& pixels = pixels_[step.first].pixels;
            std::size_t const before = pixels.pixels().size_bytes();
            if (!step.box.contains(needed)) {
                Rect const grown = grown_box(step.box, needed, area_);
                Surface moved = unpainted_pixels(grown.size());
                for (int32_t y = 0; y < step.box.height; ++y)
                    std::copy_n(pixels.row(y), step.box.width,
                                moved.row(y + step.box.y - grown.y) + (step.box.x - grown.x));
                std::swap(pixels, moved);
                spare_pixels_ = std::move(moved);
                step.box = grown;
            }
            paint(pixels, step.box.origin());
            return pixels.pixels().size_bytes() - before;
        });
        return;
    }
    RecordedStep step;
    step.kind = StepKind::Pixels;
    step.clip = clip;
    step.box = start == PixelsBox::WholeArea ? area_ : grown_box(needed, needed, area_);
    step.first = static_cast<uint32_t>(pixels_.size());
    pixels_.push_back({unpainted_pixels(step.box.size())});
    paint(pixels_.back().pixels, step.box.origin());
    add(step);
}

Surface Recording::unpainted_pixels(Size size)
{
    Surface pixels = std::move(spare_pixels_);
    pixels.reset(size, Color::from_pixel(0));
    spare_pixels_ = Surface();
    return pixels;
}

void Recording::pixel(DrawingCall const& call, Point point, Color color)
{
    // Pixels are set whatever the raster operation says.
    DrawingCall const copy{call.clip, call.origin, RasterOp::Copy, call.damage};
    if (!touches_area(copy))
        return;
    paint_pixels(copy, Rect{point.x, point.y, 1, 1}.normalized(), PixelsBox::Growing, [&](Surface& pixels, Point box) {
        pixels.at(point.x - box.x, point.y - box.y) = color.pixel() | RecordedPixels::painted_pixel;
    });
}

namespace {

// The values recorded pixels take for what a raster operation paints, when it does not read
// the page: copy paints the colour, NOT copy its complement. The others depend on what was
// there: none.
std::optional<LineValues> recorded_values(RasterOp op)
{
    switch (op) {
    case RasterOp::Copy:
        return LineValues{0, RecordedPixels::painted_pixel};
    case RasterOp::NotCopy:
        return LineValues{raster_ops::colour_bits, RecordedPixels::painted_pixel};
    case RasterOp::And:
    case RasterOp::Or:
    case RasterOp::Xor:
        break;
    }
    return std::nullopt;
}

} // namespace

void Recording::painted_lines_as_pixels(DrawingCall const& call, std::span<PaintedLine const> lines,
                                        DeviceBox const& ends)
{
    if (lines.empty() || !touches_area(call))
        return;
    std::optional<LineValues> const values = recorded_values(call.op);
    if (!values) {
        patch(call);
        return;
    }
    // Many lines mostly cross much of the picture: their pixels take the whole area at once
    // rather than growing into it step by step.
    paint_pixels(call, ends.rect(), PixelsBox::Growing, [&](Surface& pixels, Point box) {
        // The recorded pixels are a surface of their own: the lines go onto it as they went onto
        // the context's, through the box alone, since the step keeps the call's clip.
        Region const whole(pixels.bounds());
        paint_lines_and_ends(pixels, Clip(whole), box.negated(), lines, ends.translated(-box.x, -box.y),
                             RasterOp::Copy, *values);
    });
}

void Recording::painted_stamps(DrawingCall const& call, Stamp const& stamp, std::span<Point const> centres,
                               Color color, DeviceBox const& reach)
{
    if (centres.empty() || !touches_area(call))
        return;
    std::optional<LineValues> const values = recorded_values(call.op);
    if (!values) {
        patch(call);
        return;
    }
    paint_pixels(call, reach.rect(), PixelsBox::WholeArea, [&](Surface& pixels, Point box) {
        std::vector<DevicePoint> at;
        at.reserve(centres.size());
        for (Point const& centre : centres)
            at.push_back(DevicePoint::from(centre, box.negated()));
        Region const whole(pixels.bounds());
        paint_stamps(pixels, Clip(whole), stamp, at, RasterOp::Copy, values->of(color));
    });
}

void Recording::fill(DrawingCall const& call, Region const& region, Color color)
{
    for (Rect const& rect : region.rects()) {
        RecordedStep step;
        step.kind = StepKind::Fill;
        step.box = rect;
        step.color = color;
        DrawingCall const part{call.clip, call.origin, call.op, rect.translated(call.origin.x, call.origin.y)};
        if (begin_step(part, step))
            add(step);
    }
}

void Recording::text(DrawingCall const& call, std::shared_ptr<Font const> const& font, TextPaint const& paint,
                     Point corner, std::u32string_view characters)
{
    if (!font || characters.empty())
        return;
    // The pixels the characters changed: what later painting must cover to hide them.
    Rect const box = call.damage.translated(-call.origin.x, -call.origin.y);
    int64_t advance = 0;
    for (char32_t character : characters)
        advance += font->char_width(character);
    Point const end = advanced_corner(corner, static_cast<int32_t>(std::clamp<int64_t>(advance, 0, INT32_MAX)),
                                      font->rotation());

    // Text ignores the raster operation.
    DrawingCall const copy{call.clip, call.origin, RasterOp::Copy, call.damage};
    bool const inkless = call.damage.is_empty();
    if (!steps_.empty() && steps_.back().kind == StepKind::Text && (inkless || touches_area(copy))) {
        RecordedText const& run = texts_[steps_.back().first];
        bool const continues = run.font == font && run.end == corner && run.paint == paint
            && steps_.back().clip == clip_index(copy);
        if (continues) {
            extend_newest([&](RecordedStep& step) {
                RecordedText& text = texts_[step.first];
                text.characters += characters;
                text.end = end;
                step.box.unite(box);
                return characters.size() * sizeof(char32_t);
            });
            return;
        }
    }
    RecordedStep step;
    step.kind = StepKind::Text;
    if (!begin_step(copy, step))
        return;
    step.box = box;
    step.first = static_cast<uint32_t>(texts_.size());
    texts_.push_back({font, corner, std::u32string(characters), paint, end});
    add(step);
}

void Recording::image(DrawingCall const& call, Point at, Surface pixels)
{
    if (pixels.is_empty())
        return;
    RecordedStep step;
    step.kind = StepKind::Image;
    step.box = {at.x, at.y, pixels.width(), pixels.height()};
    if (!begin_step(call, step))
        return;
    step.first = static_cast<uint32_t>(images_.size());
    images_.push_back({std::move(pixels)});
    add(step);
}

void Recording::patch(DrawingCall const& call)
{
    // The common case of an animation in exclusive or, without building a region: the line
    // lands inside the patch it made before.
    if (last_patch_holds(call.damage.translated(-call.origin.x, -call.origin.y).intersected(area_)))
        return;
    Region damaged = call.clip.intersected(Region(call.damage));
    add_patch(damaged.translated(call.origin.negated()));
}

void Recording::patch(Region const& device_region, Point origin)
{
    add_patch(device_region.translated(origin.negated()));
}

void Recording::add_patch(Region region)
{
    region.intersect(Region(area_));
    if (region.is_empty())
        return;
    // Drawing over and over in the same place (an animation in exclusive or) lands inside the
    // patch it made before: nothing changes then.
    if (last_patch_holds(region.bounds()))
        return;
    if (region.overlap(area_) == Overlap::Inside)
        forget_everything();
    // Earlier steps inside the patch show nothing, as it puts the final pixels over them: a
    // scrolled area scrolled once more keeps one patch, and text scrolled away is gone from
    // the picture's text too.
    std::erase_if(steps_, [&](RecordedStep const& step) {
        if (region.overlap(bounds(step).intersected(area_)) != Overlap::Inside)
            return false;
        bytes_ -= std::min(bytes_, step_bytes(step));
        return true;
    });
    next_pattern_index_ = -1;
    if (!steps_.empty() && steps_.back().kind == StepKind::Patch) {
        // The newest step is a patch already: it grows.
        extend_newest([&](RecordedStep& step) {
            Region& patch = patches_[step.first];
            bytes_ -= std::min(bytes_, patch.rects().size() * sizeof(Rect));
            patch = coarsened_patch(patch.united(region));
            return patch.rects().size() * sizeof(Rect);
        });
        return;
    }
    RecordedStep step;
    step.kind = StepKind::Patch;
    step.first = static_cast<uint32_t>(patches_.size());
    patches_.push_back(coarsened_patch(std::move(region)));
    add(step);
}

bool Recording::last_patch_holds(Rect const& rect) const
{
    return !steps_.empty() && steps_.back().kind == StepKind::Patch
        && patches_[steps_.back().first].overlap(rect) == Overlap::Inside;
}

bool Recording::hides_whole_area(RecordedStep const& step) const
{
    // Opaque paint over the whole area, unclipped: nothing before it shows.
    return step.clip == 0
        && ((step.kind == StepKind::Fill && step.box.contains(area_))
            || (step.kind == StepKind::Rectangle && step.brush.is_visible() && step.box.contains(area_)));
}

void Recording::forget_everything()
{
    // The largest recorded pixels are kept for the next: a plot of many points drawn frame
    // after frame needs them again, and fresh memory costs a fault a page.
    for (RecordedPixels& kept : pixels_)
        if (kept.pixels.pixels().size() > spare_pixels_.pixels().size())
            spare_pixels_ = std::move(kept.pixels);
    steps_.clear();
    points_.clear();
    clips_.clear();
    texts_.clear();
    images_.clear();
    pixels_.clear();
    patches_.clear();
    bytes_ = 0;
    next_pattern_index_ = -1;
}

} // namespace kp
