#include "platform/base/region.h"

#include <algorithm>
#include <cassert>

namespace kp {

namespace {

struct Span {
    int32_t left;
    int32_t right;
    bool operator==(Span const&) const = default;
};

// The spans of the band of `rects` that covers [top, bottom), if any. Relies on the band
// structure: a band either covers the whole range or none of it.
std::vector<Span> spans_covering(std::span<Rect const> rects, int32_t top, int32_t bottom)
{
    std::vector<Span> spans;
    for (Rect const& rect : rects) {
        if (rect.top() > top)
            break;
        if (rect.top() <= top && rect.bottom() >= bottom)
            spans.push_back({rect.left(), rect.right()});
    }
    return spans;
}

bool covered(std::vector<Span> const& spans, std::size_t& cursor, int32_t x)
{
    while (cursor < spans.size() && spans[cursor].right <= x)
        ++cursor;
    return cursor < spans.size() && spans[cursor].left <= x;
}

} // namespace

Region::Region(Rect rect)
{
    rect = rect.normalized();
    if (!rect.is_empty())
        rects_.push_back(rect);
}

Region Region::from_rects(std::span<Rect const> rects)
{
    Region result;
    for (Rect const& rect : rects)
        result.unite(Region(rect));
    return result;
}

Rect Region::bounds() const
{
    Rect result;
    for (Rect const& rect : rects_)
        result.unite(rect);
    return result;
}

int64_t Region::area() const
{
    int64_t total = 0;
    for (Rect const& rect : rects_)
        total += rect.area();
    return total;
}

bool Region::contains(Point point) const
{
    return std::any_of(rects_.begin(), rects_.end(), [&](Rect const& rect) { return rect.contains(point); });
}

bool Region::intersects(Rect const& rect) const
{
    return std::any_of(rects_.begin(), rects_.end(), [&](Rect const& own) { return own.intersects(rect); });
}

Region Region::united(Region const& other) const
{
    return combine(*this, other, Operation::Union);
}

Region Region::intersected(Region const& other) const
{
    return combine(*this, other, Operation::Intersection);
}

Region Region::subtracted(Region const& other) const
{
    return combine(*this, other, Operation::Difference);
}

Region Region::translated(int32_t dx, int32_t dy) const
{
    // Region edges stay inside the range from_edges allows. A move that keeps the bounds
    // inside only shifts every rectangle; one that pushes part of the region out clamps
    // the rectangles there, which can merge bands, so the region is built again.
    Rect const box = bounds();
    Rect const moved = Rect::from_edges(int64_t{box.left()} + dx, int64_t{box.top()} + dy,
                                        int64_t{box.right()} + dx, int64_t{box.bottom()} + dy);
    if (moved.width == box.width && moved.height == box.height) {
        Region result = *this;
        for (Rect& rect : result.rects_)
            rect = {rect.x + dx, rect.y + dy, rect.width, rect.height};
        return result;
    }
    std::vector<Rect> clamped;
    clamped.reserve(rects_.size());
    for (Rect const& rect : rects_)
        clamped.push_back(Rect::from_edges(int64_t{rect.left()} + dx, int64_t{rect.top()} + dy,
                                           int64_t{rect.right()} + dx, int64_t{rect.bottom()} + dy));
    return from_rects(clamped);
}

Region Region::combine(Region const& a, Region const& b, Operation operation)
{
    // Cut the plane into bands at every top and bottom of either region, combine the spans
    // of each band, and merge a band into the one above when their spans are the same.
    std::vector<int32_t> edges;
    edges.reserve(2 * (a.rects_.size() + b.rects_.size()));
    for (Region const* region : {&a, &b})
        for (Rect const& rect : region->rects_) {
            edges.push_back(rect.top());
            edges.push_back(rect.bottom());
        }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

    Region result;
    std::vector<Span> previous_spans;
    int32_t previous_bottom = 0;
    std::size_t previous_band_start = 0;
    for (std::size_t e = 0; e + 1 < edges.size(); ++e) {
        int32_t const top = edges[e];
        int32_t const bottom = edges[e + 1];
        std::vector<Span> spans_a = spans_covering(a.rects_, top, bottom);
        std::vector<Span> spans_b = spans_covering(b.rects_, top, bottom);

        std::vector<int32_t> xs;
        for (auto const* spans : {&spans_a, &spans_b})
            for (Span const& span : *spans) {
                xs.push_back(span.left);
                xs.push_back(span.right);
            }
        std::sort(xs.begin(), xs.end());
        xs.erase(std::unique(xs.begin(), xs.end()), xs.end());

        std::vector<Span> spans;
        std::size_t cursor_a = 0;
        std::size_t cursor_b = 0;
        for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
            bool const in_a = covered(spans_a, cursor_a, xs[i]);
            bool const in_b = covered(spans_b, cursor_b, xs[i]);
            bool keep = false;
            switch (operation) {
            case Operation::Union:
                keep = in_a || in_b;
                break;
            case Operation::Intersection:
                keep = in_a && in_b;
                break;
            case Operation::Difference:
                keep = in_a && !in_b;
                break;
            }
            if (!keep)
                continue;
            if (!spans.empty() && spans.back().right == xs[i])
                spans.back().right = xs[i + 1];
            else
                spans.push_back({xs[i], xs[i + 1]});
        }
        if (spans.empty())
            continue;

        if (spans == previous_spans && previous_bottom == top && !result.rects_.empty()) {
            for (std::size_t r = previous_band_start; r < result.rects_.size(); ++r)
                result.rects_[r].height = bottom - result.rects_[r].y;
        } else {
            previous_band_start = result.rects_.size();
            for (Span const& span : spans)
                result.rects_.push_back({span.left, top, span.right - span.left, bottom - top});
            previous_spans = std::move(spans);
        }
        previous_bottom = bottom;
    }
    result.check_invariant();
    return result;
}

void Region::check_invariant() const
{
#ifndef NDEBUG
    for (std::size_t i = 0; i < rects_.size(); ++i) {
        Rect const& rect = rects_[i];
        assert(!rect.is_empty());
        if (i == 0)
            continue;
        Rect const& before = rects_[i - 1];
        if (before.top() == rect.top()) {
            assert(before.bottom() == rect.bottom());
            assert(before.right() < rect.left());
        } else {
            assert(before.bottom() <= rect.top());
        }
    }
#endif
}

} // namespace kp
