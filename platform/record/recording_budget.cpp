// How a recording stays within its memory budget: steps that later opaque steps hide are
// dropped, and when that is not enough the oldest steps are folded into one patch of the area
// they covered (recording.h says why both keep the picture).

#include <algorithm>
#include <cassert>

#include "platform/record/recording.h"
#include "platform/record/recording_budget.h"

namespace kp {

namespace {

// The hidden-step pass stops growing its covered region past this many rectangles.
constexpr std::size_t most_covered_rects = 1024;

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

} // namespace

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

void Recording::keep_within_budget()
{
    if (bytes_ <= budget_)
        return;
    drop_hidden_steps();
    if (bytes_ > budget_ / 2)
        fold_oldest_steps();
}

std::vector<bool> Recording::hidden_steps() const
{
    // From the newest step back: a step inside what later opaque steps cover never shows.
    // Nothing covers the steps after the newest opaque one, so the walk starts there.
    Region covered;
    std::vector<bool> hidden(steps_.size(), false);
    auto const newest_opaque = std::find_if(steps_.rbegin(), steps_.rend(), is_opaque);
    for (std::size_t i = static_cast<std::size_t>(steps_.rend() - newest_opaque); i-- > 0;) {
        RecordedStep const& step = steps_[i];
        if (covered.overlap(bounds(step).intersected(area_)) == Overlap::Inside) {
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
    return hidden;
}

void Recording::drop_hidden_steps()
{
    std::vector<bool> const hidden = hidden_steps();
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
                                                          : coarsened_patch(Region::from_rects(painted));
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
