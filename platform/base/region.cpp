// Regions: sets of pixels held as banded, disjoint rectangles.
//
// Invariant (check_invariant asserts it in debug builds after every operation):
//   1. Every rectangle is non-empty, with edges inside Rect::from_edges' range.
//   2. Rectangles are sorted by top, then by left.
//   3. Rectangles with the same top form a band: they share its bottom. A band starts at
//      or below the bottom of the band before it, so bands never overlap.
//   4. Within a band, rectangles neither overlap nor touch: one's right edge is left of
//      the next one's left edge.
//   5. A band that starts where the band before it ends does not repeat its spans: two such
//      bands are one band.
//   6. A single rectangle is held as the bounds alone, with no list; an empty region has
//      empty bounds. The bounds are always those of the rectangles.
// The form is canonical: two regions covering the same pixels hold the same rectangles,
// which is what makes == compare pixel sets.
//
// Set operations walk the bands of both regions from top to bottom with one cursor each
// (the scheme of pixman's region_op). The rows are cut into pieces wherever a band of
// either region starts or ends; each piece combines the spans of the one or two bands over
// it in a single left-to-right merge, and a piece that continues the band above with the
// same spans extends it instead of starting a new one. Every band of either region is read
// once for each piece it covers, so an operation costs time linear in the rectangles of
// both regions and of the result.

#include "platform/base/region.h"

#include <algorithm>
#include <cassert>
#include <limits>

namespace kp {

namespace {

// The end of the band that starts at `first`: the first rectangle of the next band, or `end`.
Rect const* end_of_band(Rect const* first, Rect const* end)
{
    Rect const* at = first;
    while (at != end && at->top() == first->top())
        ++at;
    return at;
}

// Collects the result of an operation one band at a time and keeps it canonical: a band
// with no spans is dropped, one that continues the band above with the same spans is merged
// into it.
class BandWriter {
public:
    explicit BandWriter(std::vector<Rect>& rects) : rects_(rects) {}

    void start_band(int32_t top, int32_t bottom)
    {
        top_ = top;
        bottom_ = bottom;
        band_start_ = rects_.size();
    }

    // Spans arrive left to right, never touching the one before.
    void add_span(int64_t left, int64_t right)
    {
        rects_.push_back(Rect{static_cast<int32_t>(left), top_, static_cast<int32_t>(right - left), bottom_ - top_});
    }

    void end_band()
    {
        std::size_t const count = rects_.size() - band_start_;
        if (count == 0)
            return;
        if (continues_previous_band(count)) {
            for (std::size_t r = previous_start_; r < band_start_; ++r)
                rects_[r].height = bottom_ - rects_[r].y;
            rects_.resize(band_start_);
            return;
        }
        previous_start_ = band_start_;
    }

private:
    bool continues_previous_band(std::size_t count) const
    {
        if (previous_start_ == no_band || band_start_ - previous_start_ != count
            || rects_[previous_start_].bottom() != top_)
            return false;
        for (std::size_t i = 0; i < count; ++i) {
            Rect const& above = rects_[previous_start_ + i];
            Rect const& here = rects_[band_start_ + i];
            if (above.left() != here.left() || above.width != here.width)
                return false;
        }
        return true;
    }

    static constexpr std::size_t no_band = std::numeric_limits<std::size_t>::max();
    std::vector<Rect>& rects_;
    int32_t top_ = 0;
    int32_t bottom_ = 0;
    std::size_t band_start_ = 0;
    std::size_t previous_start_ = no_band;
};

// Writes the spans of one piece of rows: the combination, by `keeps`, of a band of each
// region (either may be missing, an empty list).
template <typename Keeps>
void combine_spans(std::span<Rect const> a, std::span<Rect const> b, Keeps keeps, BandWriter& out)
{
    // Both span lists are walked edge by edge, left to right; in_a and in_b say whether the
    // pixels right of the current x belong to a and to b.
    constexpr int64_t no_edge = std::numeric_limits<int64_t>::max();
    auto next_a = a.begin();
    auto next_b = b.begin();
    bool in_a = false;
    bool in_b = false;
    bool inside = false;
    int64_t span_start = 0;
    for (;;) {
        int64_t const edge_a = next_a == a.end() ? no_edge : in_a ? next_a->right() : next_a->left();
        int64_t const edge_b = next_b == b.end() ? no_edge : in_b ? next_b->right() : next_b->left();
        int64_t const x = std::min(edge_a, edge_b);
        if (x == no_edge)
            break;
        if (edge_a == x) {
            next_a += in_a ? 1 : 0;
            in_a = !in_a;
        }
        if (edge_b == x) {
            next_b += in_b ? 1 : 0;
            in_b = !in_b;
        }
        bool const now_inside = keeps(in_a, in_b);
        if (now_inside == inside)
            continue;
        if (now_inside)
            span_start = x;
        else
            out.add_span(span_start, x);
        inside = now_inside;
    }
}

} // namespace

Region::Region(Rect rect)
{
    rect = rect.normalized();
    if (!rect.is_empty())
        bounds_ = rect;
}

void Region::settle()
{
    if (rects_.size() == 1) {
        bounds_ = rects_.front();
        rects_ = {};
    } else if (rects_.empty()) {
        bounds_ = {};
    } else {
        int32_t left = rects_.front().left();
        int32_t right = rects_.front().right();
        for (Rect const& rect : rects_) {
            left = std::min(left, rect.left());
            right = std::max(right, rect.right());
        }
        bounds_ = Rect::from_edges(left, rects_.front().top(), right, rects_.back().bottom());
    }
}

namespace {

// The union of rectangles already normalized and non-empty, sorted by top: halves are
// united recursively, so that even rectangles that all overlap cost n log n, and sorted
// halves share few bands, which keeps each union short.
Region unite_sorted(std::span<Rect const> rects)
{
    if (rects.empty())
        return {};
    if (rects.size() == 1)
        return Region(rects.front());
    std::size_t const half = rects.size() / 2;
    return unite_sorted(rects.first(half)).united(unite_sorted(rects.subspan(half)));
}

} // namespace

Region Region::from_rects(std::span<Rect const> rects)
{
    std::vector<Rect> sorted;
    sorted.reserve(rects.size());
    for (Rect const& rect : rects) {
        Rect const normal = rect.normalized();
        if (!normal.is_empty())
            sorted.push_back(normal);
    }
    std::sort(sorted.begin(), sorted.end(),
              [](Rect const& a, Rect const& b) { return a.top() != b.top() ? a.top() < b.top() : a.left() < b.left(); });
    return unite_sorted(sorted);
}

int64_t Region::area() const
{
    int64_t total = 0;
    for (Rect const& rect : rects())
        total += rect.area();
    return total;
}

bool Region::contains(Point point) const
{
    // Bottoms never decrease along the list: the first rectangle ending below the point
    // starts the only band that can hold it.
    std::span<Rect const> const own = rects();
    auto const band = std::partition_point(own.begin(), own.end(),
                                           [&](Rect const& rect) { return rect.bottom() <= point.y; });
    if (band == own.end() || band->top() > point.y)
        return false;
    auto const band_end = std::partition_point(band, own.end(),
                                               [&](Rect const& rect) { return rect.top() == band->top(); });
    auto const span = std::partition_point(band, band_end, [&](Rect const& rect) { return rect.right() <= point.x; });
    return span != band_end && span->left() <= point.x;
}

bool Region::intersects(Rect const& rect) const
{
    Rect const area = rect.normalized();
    if (area.is_empty() || !bounds_.intersects(area))
        return false;
    std::span<Rect const> const own = rects();
    auto at = std::partition_point(own.begin(), own.end(), [&](Rect const& r) { return r.bottom() <= area.top(); });
    for (; at != own.end() && at->top() < area.bottom(); ++at)
        if (at->intersects(area))
            return true;
    return false;
}

Overlap Region::overlap(Rect const& rect) const
{
    Rect const area = rect.normalized();
    if (area.is_empty())
        return Overlap::Inside;
    if (!bounds_.intersects(area))
        return Overlap::Outside;
    if (rects_.empty())
        return bounds_.contains(area) ? Overlap::Inside : Overlap::Partly;
    // Band by band from the one that holds the top row, each band's spans left to right:
    // rows or columns of the rectangle that no span covers are outside, any overlap is inside.
    bool some_in = false;
    bool some_out = false;
    int32_t row = area.top(); // rows above this are accounted for
    std::span<Rect const> const own = rects_;
    auto band = std::partition_point(own.begin(), own.end(), [&](Rect const& r) { return r.bottom() <= area.top(); });
    while (band != own.end() && band->top() < area.bottom()) {
        some_out = some_out || band->top() > row;
        int32_t const band_top = band->top();
        int32_t column = area.left(); // columns left of this are accounted for in this band
        for (; band != own.end() && band->top() == band_top; ++band) {
            if (band->right() <= column || column >= area.right())
                continue;
            if (band->left() >= area.right())
                continue;
            some_out = some_out || band->left() > column;
            some_in = true;
            column = band->right();
        }
        some_out = some_out || column < area.right();
        if (some_in && some_out)
            return Overlap::Partly;
        row = (band - 1)->bottom();
    }
    some_out = some_out || row < area.bottom();
    if (!some_in)
        return Overlap::Outside;
    return some_out ? Overlap::Partly : Overlap::Inside;
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
    // A move that keeps the bounds inside from_edges' range only shifts every rectangle;
    // one that pushes part of the region out clamps the rectangles there, which can merge
    // bands, so the region is built again.
    Rect const box = bounds_;
    Rect const moved = Rect::from_edges(int64_t{box.left()} + dx, int64_t{box.top()} + dy,
                                        int64_t{box.right()} + dx, int64_t{box.bottom()} + dy);
    if (moved.width == box.width && moved.height == box.height) {
        Region result = *this;
        result.bounds_ = is_empty() ? Rect{} : moved;
        for (Rect& rect : result.rects_)
            rect = {rect.x + dx, rect.y + dy, rect.width, rect.height};
        return result;
    }
    std::vector<Rect> clamped;
    std::span<Rect const> const own = rects();
    clamped.reserve(own.size());
    for (Rect const& rect : own)
        clamped.push_back(Rect::from_edges(int64_t{rect.left()} + dx, int64_t{rect.top()} + dy,
                                           int64_t{rect.right()} + dx, int64_t{rect.bottom()} + dy));
    return from_rects(clamped);
}

Region Region::combine(Region const& a, Region const& b, Operation operation)
{
    auto const keeps = [operation](bool in_a, bool in_b) {
        switch (operation) {
        case Operation::Union:
            return in_a || in_b;
        case Operation::Intersection:
            return in_a && in_b;
        case Operation::Difference:
            return in_a && !in_b;
        }
        return false;
    };
    // The common cases that need no walk: an empty side, boxes apart, one side a rectangle
    // holding the other.
    bool const a_single = a.rects_.empty();
    bool const b_single = b.rects_.empty();
    switch (operation) {
    case Operation::Union:
        if (b.is_empty() || (a_single && a.bounds_.contains(b.bounds_)))
            return a;
        if (a.is_empty() || (b_single && b.bounds_.contains(a.bounds_)))
            return b;
        break;
    case Operation::Intersection:
        if (!a.bounds_.intersects(b.bounds_))
            return {};
        if (a_single && b_single)
            return Region(a.bounds_.intersected(b.bounds_));
        if (a_single && a.bounds_.contains(b.bounds_))
            return b;
        if (b_single && b.bounds_.contains(a.bounds_))
            return a;
        break;
    case Operation::Difference:
        if (!a.bounds_.intersects(b.bounds_))
            return a;
        if (b_single && b.bounds_.contains(a.bounds_))
            return {};
        break;
    }

    std::span<Rect const> const a_rects = a.rects();
    std::span<Rect const> const b_rects = b.rects();
    Region result;
    result.rects_.reserve(operation == Operation::Intersection ? std::min(a_rects.size(), b_rects.size())
                                                               : a_rects.size() + b_rects.size());
    BandWriter out(result.rects_);

    Rect const* const a_end = a_rects.data() + a_rects.size();
    Rect const* const b_end = b_rects.data() + b_rects.size();
    Rect const* a_band = a_rects.data();
    Rect const* b_band = b_rects.data();
    Rect const* a_band_end = a_band == a_end ? a_end : end_of_band(a_band, a_end);
    Rect const* b_band_end = b_band == b_end ? b_end : end_of_band(b_band, b_end);
    constexpr int32_t no_row = std::numeric_limits<int32_t>::max();
    int32_t done_until = std::numeric_limits<int32_t>::min(); // rows above this are finished

    while (a_band != a_end || b_band != b_end) {
        // Without the other region nothing more can come out of an intersection, and
        // without a nothing more out of a difference.
        if (operation == Operation::Intersection && (a_band == a_end || b_band == b_end))
            break;
        if (operation == Operation::Difference && a_band == a_end)
            break;

        // The next piece starts at the first unfinished row that a band of either covers...
        int32_t const a_top = a_band == a_end ? no_row : std::max(a_band->top(), done_until);
        int32_t const b_top = b_band == b_end ? no_row : std::max(b_band->top(), done_until);
        int32_t const top = std::min(a_top, b_top);
        bool const in_a = a_top == top;
        bool const in_b = b_top == top;
        // ...and ends where a band over it ends or a band of the other region begins.
        int32_t bottom = no_row;
        if (a_band != a_end)
            bottom = std::min(bottom, in_a ? a_band->bottom() : a_top);
        if (b_band != b_end)
            bottom = std::min(bottom, in_b ? b_band->bottom() : b_top);

        // Whether any pixel of the piece can belong to the result.
        if (keeps(in_a, false) || keeps(false, in_b) || keeps(in_a, in_b)) {
            out.start_band(top, bottom);
            combine_spans(in_a ? std::span<Rect const>(a_band, a_band_end) : std::span<Rect const>(),
                          in_b ? std::span<Rect const>(b_band, b_band_end) : std::span<Rect const>(), keeps, out);
            out.end_band();
        }

        done_until = bottom;
        if (in_a && a_band->bottom() == bottom) {
            a_band = a_band_end;
            a_band_end = a_band == a_end ? a_end : end_of_band(a_band, a_end);
        }
        if (in_b && b_band->bottom() == bottom) {
            b_band = b_band_end;
            b_band_end = b_band == b_end ? b_end : end_of_band(b_band, b_end);
        }
    }
    result.settle();
    result.check_invariant();
    return result;
}

void Region::check_invariant() const
{
#ifndef NDEBUG
    assert(rects_.size() != 1);                                                        // 6
    if (rects_.empty()) {
        assert(bounds_ == Region(bounds_).bounds_);                                    // 1, 6
        return;
    }
    constexpr int32_t lowest = std::numeric_limits<int32_t>::min() / 2;
    constexpr int32_t highest = std::numeric_limits<int32_t>::max() / 2;
    std::size_t previous_band = rects_.size(); // none yet
    std::size_t band = 0;
    while (band < rects_.size()) {
        std::size_t band_end = band;
        while (band_end < rects_.size() && rects_[band_end].top() == rects_[band].top())
            ++band_end;
        for (std::size_t i = band; i < band_end; ++i) {
            Rect const& rect = rects_[i];
            assert(!rect.is_empty());                                                   // 1
            assert(rect.left() >= lowest && rect.top() >= lowest);                      // 1
            assert(int64_t{rect.x} + rect.width <= highest && int64_t{rect.y} + rect.height <= highest);
            assert(rect.bottom() == rects_[band].bottom());                             // 3
            assert(i == band || rects_[i - 1].right() < rect.left());                   // 2, 4
        }
        if (previous_band < rects_.size()) {
            Rect const& above = rects_[previous_band];
            assert(above.top() < rects_[band].top());                                   // 2
            assert(above.bottom() <= rects_[band].top());                               // 3
            bool same_spans = band_end - band == band - previous_band;
            for (std::size_t i = 0; same_spans && i < band_end - band; ++i)
                same_spans = rects_[previous_band + i].left() == rects_[band + i].left()
                    && rects_[previous_band + i].width == rects_[band + i].width;
            assert(!(same_spans && above.bottom() == rects_[band].top()));              // 5
        }
        previous_band = band;
        band = band_end;
    }
#endif
}

} // namespace kp
