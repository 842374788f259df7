#pragma once

// A set of pixels inside a bounding rectangle, held row by row as spans. Wide pens and
// outlines that must not be painted twice are collected here first and painted once.

#include <cstdint>
#include <span>
#include <vector>

#include "platform/base/rect.h"
#include "platform/raster/span_sink.h"

namespace kp {

struct Span {
    int32_t left = 0;
    int32_t right = 0; // one past the last pixel
    constexpr bool operator==(Span const&) const = default;
};

class Coverage final : public SpanSink {
public:
    // Only pixels inside `bounds` are kept.
    explicit Coverage(Rect bounds);

    Rect bounds() const { return bounds_; }

    void span(int32_t y, int64_t x0, int64_t x1) override;
    void add_pixel(int32_t x, int32_t y) { span(y, x, int64_t{x} + 1); }
    void add(Coverage const& other);

    // Sorts and merges the spans of every row. Reading requires it after additions.
    void normalize();

    // The sorted, disjoint spans of row y (empty outside the bounds).
    std::span<Span const> row(int32_t y) const;
    bool contains(int32_t x, int32_t y) const;

    template <typename Visit>
    void for_each_span(Visit&& visit) const
    {
        for (int32_t y = bounds_.top(); y < bounds_.bottom(); ++y)
            for (Span const& s : row(y))
                visit(y, s.left, s.right);
    }

    // Visits the parts of [x0, x1) on row y that the coverage does not hold.
    template <typename Visit>
    void for_each_gap(int32_t y, int64_t x0, int64_t x1, Visit&& visit) const
    {
        for (Span const& s : row(y)) {
            if (s.right <= x0)
                continue;
            if (s.left >= x1)
                break;
            if (s.left > x0)
                visit(y, x0, int64_t{s.left});
            x0 = s.right;
        }
        if (x0 < x1)
            visit(y, x0, x1);
    }

private:
    Rect bounds_;
    std::vector<std::vector<Span>> rows_;
    bool normalized_ = true;
};

// Passes on only the spans of a shape that a coverage does not hold: a fill that gives way
// to the outline painted over it.
class CoverageGaps final : public SpanSink {
public:
    CoverageGaps(Coverage const& coverage, SpanSink& next) : coverage_(coverage), next_(next) {}
    void span(int32_t y, int64_t x0, int64_t x1) override
    {
        coverage_.for_each_gap(y, x0, x1, [this](int32_t row, int64_t left, int64_t right) { next_.span(row, left, right); });
    }

private:
    Coverage const& coverage_;
    SpanSink& next_;
};

} // namespace kp
