#include "platform/record/recording.h"

#include <algorithm>
#include <cassert>
#include <utility>

#include "platform/font/font.h"
#include "platform/font/text_rotation.h"
#include "platform/raster/line.h"

namespace kp {

namespace {

// A region built from many step boxes can have as many rectangles; past this many a patch
// keeps the region's bounds instead, which is coarser but just as faithful. Every patch
// added after another is merged into it, so the count also bounds that cost.
constexpr std::size_t most_patch_rects = 256;
// The hidden-step pass stops growing its covered region past this many rectangles.
constexpr std::size_t most_covered_rects = 1024;
// Rectangles added to the newest patch are merged into its region this many at a time.
constexpr std::size_t most_waiting_patch_rects = 256;

// Whether a step paints every pixel of its box (or patch region) with something opaque.
bool is_opaque(RecordedStep const& step)
{
    return step.kind == StepKind::Patch || step.kind == StepKind::Fill || step.kind == StepKind::Image
        || (step.kind == StepKind::Rectangle && step.brush.is_visible());
}

Rect bounding_box(std::span<Rect const> rects)
{
    Rect box;
    for (Rect const& rect : rects)
        box.unite(rect);
    return box;
}

Rect pixel_at(Point p)
{
    return Rect::from_edges(p.x, p.y, int64_t{p.x} + 1, int64_t{p.y} + 1);
}

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

bool covers(Region const& region, Rect const& rect)
{
    if (rect.is_empty())
        return true;
    if (!region.bounds().contains(rect))
        return false;
    return Region(rect).subtracted(region).is_empty();
}

// Whether one rectangle of the region holds all of `rect`: a quick, partial test of covering.
// A region's rectangles lie in bands from top to bottom, so only the band that holds the
// rectangle's top edge can hold it.
bool one_rect_holds(Region const& region, Rect const& rect)
{
    std::span<Rect const> const rects = region.rects();
    auto band = std::ranges::partition_point(rects, [&](Rect const& r) { return r.bottom() <= rect.top(); });
    for (; band != rects.end() && band->top() <= rect.top(); ++band)
        if (band->contains(rect))
            return true;
    return false;
}

Region coarsened(Region region)
{
    if (region.rects().size() > most_patch_rects)
        return Region(region.bounds());
    return region;
}

int32_t pattern_phase(Pen const& pen, int64_t index)
{
    int64_t const period = pen.pattern().period;
    return static_cast<int32_t>(((index % period) + period) % period);
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

Region Recording::patch(RecordedStep const& step) const
{
    Region const& merged = patches_[step.first];
    if (&step != &steps_.back() || waiting_patch_rects_.empty())
        return merged;
    std::vector<Rect> rects(merged.rects().begin(), merged.rects().end());
    rects.insert(rects.end(), waiting_patch_rects_.begin(), waiting_patch_rects_.end());
    return coarsened(Region::from_rects(rects));
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
        if (&step == &steps_.back())
            return patches_[step.first].bounds().united(waiting_patch_bounds_);
        return patches_[step.first].bounds();
    case StepKind::Pixel:
    case StepKind::Fill:
    case StepKind::Text:
    case StepKind::Image:
        break;
    }
    return step.box;
}

std::size_t Recording::step_bytes(RecordedStep const& step) const
{
    std::size_t bytes = sizeof(RecordedStep);
    switch (step.kind) {
    case StepKind::Path:
    case StepKind::Segments:
    case StepKind::Polygon:
    case StepKind::Arc:
        bytes += step.count * sizeof(Point);
        break;
    case StepKind::Text:
        bytes += sizeof(RecordedText) + texts_[step.first].characters.size() * sizeof(char32_t);
        break;
    case StepKind::Image:
        bytes += sizeof(RecordedImage) + images_[step.first].pixels.pixels().size() * sizeof(uint32_t);
        break;
    case StepKind::Patch:
        bytes += sizeof(Region) + patches_[step.first].rects().size() * sizeof(Rect);
        break;
    default:
        break;
    }
    return bytes;
}

// --- Steps --------------------------------------------------------------------------------

uint32_t Recording::clip_index(DrawingCall const& call)
{
    // The common case first: a clip that lets the whole area through is no clip.
    Rect const device_area = area_.translated(call.origin.x, call.origin.y);
    std::span<Rect const> const rects = call.clip.rects();
    if (rects.size() == 1 && rects.front().contains(device_area))
        return 0;
    Region logical = call.clip.translated(call.origin.negated()).intersected(Region(area_));
    if (logical == Region(area_))
        return 0;
    if (clips_.empty() || clips_.back() != logical)
        clips_.push_back(std::move(logical));
    return static_cast<uint32_t>(clips_.size());
}

bool Recording::begin_step(DrawingCall const& call, RecordedStep& step)
{
    if (!call.damage.translated(-call.origin.x, -call.origin.y).intersects(area_))
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
    merge_waiting_patch_rects();
    if (hides_whole_area(step))
        forget_everything();
    bytes_ += step_bytes(step);
    steps_.push_back(step);
    drawn_since_cleared_ = true;
    next_pattern_index_ = -1;
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
    if (call.op == RasterOp::Copy && !steps_.empty()) {
        RecordedStep& last = steps_.back();
        bool const continues = last.kind == StepKind::Path && !last.closed && last.pen == pen && last.gaps == gaps
            && last.first + last.count == points_.size() && points_.back() == from
            && (pen.pattern().is_solid() || next_pattern_index_ == pattern_start)
            && call.damage.translated(-call.origin.x, -call.origin.y).intersects(area_)
            && last.clip == clip_index(call);
        if (continues) {
            points_.push_back(to);
            ++last.count;
            last.box.unite(pixel_at(to));
            bytes_ += sizeof(Point);
            drawn_since_cleared_ = true;
            next_pattern_index_ = pattern_start + line_pixel_count(DevicePoint::from(from, {}), DevicePoint::from(to, {}));
            keep_within_budget();
            return;
        }
    }
    Point const ends[] = {from, to};
    if (add_path(call, ends, false, pen, pattern_start, gaps))
        next_pattern_index_ = pattern_start + line_pixel_count(DevicePoint::from(from, {}), DevicePoint::from(to, {}));
}

void Recording::painted_lines(DrawingCall const& call, std::span<PaintedLine const> lines)
{
    if (lines.empty() || !call.damage.translated(-call.origin.x, -call.origin.y).intersects(area_))
        return;
    if (call.op != RasterOp::Copy) {
        patch(call);
        return;
    }
    // Batch painters draw thousands of short lines: one tight loop, and the budget checked
    // once at the end.
    uint32_t const clip = clip_index(call);
    next_pattern_index_ = -1;
    drawn_since_cleared_ = true;
    // Room for all the points at once; each run of one colour then writes its own in place.
    std::size_t next_point = points_.size();
    points_.resize(next_point + 2 * lines.size());
    for (std::size_t i = 0; i < lines.size();) {
        Color const color = lines[i].color;
        bool const joins = !steps_.empty() && steps_.back().kind == StepKind::Segments
            && steps_.back().pen.color == color && steps_.back().clip == clip
            && steps_.back().first + steps_.back().count == next_point;
        if (!joins) {
            merge_waiting_patch_rects();
            RecordedStep step;
            step.kind = StepKind::Segments;
            step.pen = Pen::make(PenStyle::Solid, 1, color);
            step.clip = clip;
            step.first = static_cast<uint32_t>(next_point);
            steps_.push_back(step);
            bytes_ += sizeof(RecordedStep);
        }
        // The run of lines in this colour.
        std::size_t end = i + 1;
        while (end < lines.size() && lines[end].color == color)
            ++end;
        DeviceBox const box = line_ends_box(lines.subspan(i, end - i), points_.data() + next_point);
        next_point += 2 * (end - i);
        RecordedStep& step = steps_.back();
        step.count += static_cast<uint32_t>(2 * (end - i));
        step.box.unite(box.rect());
        bytes_ += 2 * (end - i) * sizeof(Point);
        i = end;
    }
    keep_within_budget();
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

void Recording::pixel(DrawingCall const& call, Point point, Color color)
{
    RecordedStep step;
    step.kind = StepKind::Pixel;
    step.box = {point.x, point.y, 1, 1};
    step.color = color;
    // Pixels are set whatever the raster operation says.
    DrawingCall const copy{call.clip, call.origin, RasterOp::Copy, call.damage};
    if (begin_step(copy, step))
        add(step);
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

void Recording::text(DrawingCall const& call, RecordedText text)
{
    if (!text.font || text.characters.empty())
        return;
    // The cells, grown by an em on every side for ink that leans out of them.
    Font const& font = *text.font;
    int64_t advance = 0;
    for (char32_t character : text.characters)
        advance += font.char_width(character);
    int64_t const height = font.metrics().height;
    int64_t const lean = std::max(font.metrics().em_size, 1);
    DeviceBox const cells = rotated_cell_edges({-lean, -lean, advance + lean, height + lean},
                                              {text.corner.x, text.corner.y}, font.rotation());
    Rect const box = Rect::from_edges(cells.left, cells.top, cells.right, cells.bottom);
    text.end = advanced_corner(text.corner, static_cast<int32_t>(std::clamp<int64_t>(advance, 0, INT32_MAX)),
                               font.rotation());

    // Text ignores the raster operation.
    DrawingCall const copy{call.clip, call.origin, RasterOp::Copy, call.damage};
    // A character without ink (a space between words) continues a run too, so that the
    // saved text keeps its words together.
    bool const inkless = call.damage.is_empty();
    if (!steps_.empty() && steps_.back().kind == StepKind::Text
        && (inkless || call.damage.translated(-call.origin.x, -call.origin.y).intersects(area_))) {
        RecordedStep& last = steps_.back();
        RecordedText& run = texts_[last.first];
        bool const continues = run.font == text.font && run.end == text.corner && run.color == text.color
            && run.background_mode == text.background_mode && run.background == text.background
            && last.clip == clip_index(copy);
        if (continues) {
            run.characters += text.characters;
            run.end = text.end;
            last.box.unite(box);
            bytes_ += text.characters.size() * sizeof(char32_t);
            drawn_since_cleared_ = true;
            keep_within_budget();
            return;
        }
    }
    RecordedStep step;
    step.kind = StepKind::Text;
    if (!begin_step(copy, step))
        return;
    step.box = box;
    step.first = static_cast<uint32_t>(texts_.size());
    texts_.push_back(std::move(text));
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
    if (covers(region, area_))
        forget_everything();
    // Earlier steps inside the patch show nothing, as it puts the final pixels over them: a
    // scrolled area scrolled once more keeps one patch, and text scrolled away is gone from
    // the picture's text too.
    bool const last_was_patch = !steps_.empty() && steps_.back().kind == StepKind::Patch;
    std::erase_if(steps_, [&](RecordedStep const& step) {
        if (!covers(region, bounds(step).intersected(area_)))
            return false;
        bytes_ -= std::min(bytes_, step_bytes(step));
        return true;
    });
    next_pattern_index_ = -1;
    if (last_was_patch && (steps_.empty() || steps_.back().kind != StepKind::Patch)) {
        // The new patch covers the last one, waiting rectangles and all.
        bytes_ -= std::min(bytes_, waiting_patch_rects_.size() * sizeof(Rect));
        waiting_patch_rects_.clear();
        waiting_patch_bounds_ = {};
    }
    if (!steps_.empty() && steps_.back().kind == StepKind::Patch) {
        std::span<Rect const> const rects = region.rects();
        waiting_patch_rects_.insert(waiting_patch_rects_.end(), rects.begin(), rects.end());
        waiting_patch_bounds_.unite(region.bounds());
        bytes_ += rects.size() * sizeof(Rect);
        if (waiting_patch_rects_.size() >= most_waiting_patch_rects)
            merge_waiting_patch_rects();
        keep_within_budget();
        return;
    }
    RecordedStep step;
    step.kind = StepKind::Patch;
    step.first = static_cast<uint32_t>(patches_.size());
    patches_.push_back(coarsened(std::move(region)));
    add(step);
}

bool Recording::last_patch_holds(Rect const& rect) const
{
    if (steps_.empty() || steps_.back().kind != StepKind::Patch)
        return false;
    if (rect.is_empty())
        return true;
    if (one_rect_holds(patches_[steps_.back().first], rect))
        return true;
    // The latest rectangles are the likeliest to hold the next one.
    std::size_t const recent = std::min<std::size_t>(waiting_patch_rects_.size(), 8);
    return std::any_of(waiting_patch_rects_.end() - static_cast<std::ptrdiff_t>(recent), waiting_patch_rects_.end(),
                       [&](Rect const& r) { return r.contains(rect); });
}

void Recording::merge_waiting_patch_rects()
{
    if (waiting_patch_rects_.empty())
        return;
    assert(!steps_.empty() && steps_.back().kind == StepKind::Patch);
    Region& merged = patches_[steps_.back().first];
    bytes_ -= std::min(bytes_, (merged.rects().size() + waiting_patch_rects_.size()) * sizeof(Rect));
    merged = patch(steps_.back());
    bytes_ += merged.rects().size() * sizeof(Rect);
    waiting_patch_rects_.clear();
    waiting_patch_bounds_ = {};
}

// --- Keeping the recording small --------------------------------------------------------------

bool Recording::hides_whole_area(RecordedStep const& step) const
{
    // Opaque paint over the whole area, unclipped: nothing before it shows.
    return step.clip == 0
        && ((step.kind == StepKind::Fill && step.box.contains(area_))
            || (step.kind == StepKind::Rectangle && step.brush.is_visible() && step.box.contains(area_)));
}

void Recording::forget_everything()
{
    steps_.clear();
    points_.clear();
    clips_.clear();
    texts_.clear();
    images_.clear();
    patches_.clear();
    waiting_patch_rects_.clear();
    waiting_patch_bounds_ = {};
    bytes_ = 0;
    next_pattern_index_ = -1;
}

void Recording::keep_within_budget()
{
    if (bytes_ <= budget_)
        return;
    merge_waiting_patch_rects();
    drop_hidden_steps();
    if (bytes_ > budget_ / 2)
        fold_oldest_steps();
}

void Recording::drop_hidden_steps()
{
    // From the newest step back: a step inside what later opaque steps cover never shows.
    // Nothing covers the steps after the newest opaque one, so the walk starts there.
    Region covered;
    std::vector<bool> hidden(steps_.size(), false);
    auto const newest_opaque = std::find_if(steps_.rbegin(), steps_.rend(), is_opaque);
    for (std::size_t i = static_cast<std::size_t>(steps_.rend() - newest_opaque); i-- > 0;) {
        RecordedStep const& step = steps_[i];
        if (covers(covered, bounds(step).intersected(area_))) {
            hidden[i] = true;
            continue;
        }
        if (covered.rects().size() >= most_covered_rects)
            continue;
        if (!is_opaque(step))
            continue;
        Region opaque = step.kind == StepKind::Patch ? patches_[step.first] : Region(step.box);
        if (Region const* c = clip(step))
            opaque.intersect(*c);
        covered.unite(opaque);
    }
    std::size_t kept = 0;
    for (std::size_t i = 0; i < steps_.size(); ++i)
        if (!hidden[i])
            steps_[kept++] = steps_[i];
    if (kept == steps_.size())
        return;
    steps_.resize(kept);
    compact();
}

void Recording::fold_oldest_steps()
{
    // The oldest steps that make up the excess over half the budget become one patch of
    // the rectangles they may have painted.
    std::size_t const excess = bytes_ - budget_ / 2;
    std::size_t folded_bytes = 0;
    std::size_t folded = 0;
    std::vector<Rect> painted;
    while (folded < steps_.size() && folded_bytes < excess) {
        RecordedStep const& step = steps_[folded];
        Rect rect = bounds(step).intersected(area_);
        if (Region const* c = clip(step))
            rect.intersect(c->bounds());
        if (step.kind == StepKind::Patch) {
            std::span<Rect const> const rects = patches_[step.first].rects();
            painted.insert(painted.end(), rects.begin(), rects.end());
        } else if (!rect.is_empty()) {
            painted.push_back(rect);
        }
        folded_bytes += step_bytes(step);
        ++folded;
    }
    // Many rectangles would give a region past the patch limit anyway: skip building it.
    Region region = painted.size() > 4 * most_patch_rects ? Region(bounding_box(painted))
                                                          : coarsened(Region::from_rects(painted));
    steps_.erase(steps_.begin(), steps_.begin() + static_cast<std::ptrdiff_t>(folded));
    RecordedStep step;
    step.kind = StepKind::Patch;
    step.first = static_cast<uint32_t>(patches_.size());
    patches_.push_back(std::move(region));
    steps_.insert(steps_.begin(), step);
    compact();
}

void Recording::compact()
{
    // Points are the bulk, and the steps hold theirs in order: they move down in place, so
    // that a recording that folds again and again reuses its memory.
    std::size_t kept_points = 0;
    std::vector<Region> clips;
    std::vector<RecordedText> texts;
    std::vector<RecordedImage> images;
    std::vector<Region> patches;
    bytes_ = 0;
    for (RecordedStep& step : steps_) {
        if (step.clip != 0) {
            Region& c = clips_[step.clip - 1];
            if (clips.empty() || clips.back() != c)
                clips.push_back(c);
            step.clip = static_cast<uint32_t>(clips.size());
        }
        switch (step.kind) {
        case StepKind::Path:
        case StepKind::Segments:
        case StepKind::Polygon:
        case StepKind::Arc: {
            assert(step.first >= kept_points);
            auto const own = points_.begin() + step.first;
            std::copy(own, own + step.count, points_.begin() + static_cast<std::ptrdiff_t>(kept_points));
            step.first = static_cast<uint32_t>(kept_points);
            kept_points += step.count;
            break;
        }
        case StepKind::Text:
            texts.push_back(std::move(texts_[step.first]));
            step.first = static_cast<uint32_t>(texts.size() - 1);
            break;
        case StepKind::Image:
            images.push_back(std::move(images_[step.first]));
            step.first = static_cast<uint32_t>(images.size() - 1);
            break;
        case StepKind::Patch:
            patches.push_back(std::move(patches_[step.first]));
            step.first = static_cast<uint32_t>(patches.size() - 1);
            break;
        default:
            break;
        }
    }
    points_.resize(kept_points);
    clips_ = std::move(clips);
    texts_ = std::move(texts);
    images_ = std::move(images);
    patches_ = std::move(patches);
    for (RecordedStep const& step : steps_)
        bytes_ += step_bytes(step);
    next_pattern_index_ = -1;
}

} // namespace kp
