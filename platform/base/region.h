#pragma once

// A region: a set of pixels held as banded, disjoint rectangles in one canonical form
// (stated at the top of region.cpp), so two regions covering the same pixels compare
// equal. Set operations take time linear in the rectangles involved; building a region
// from n rectangles takes n log n. A region of one rectangle, the most common kind (a
// window's visible area, a clip), is held without any allocation, as pixman holds it.

#include <cstdint>
#include <span>
#include <vector>

#include "platform/base/rect.h"

namespace kp {

// How much of a rectangle a region holds.
enum class Overlap : uint8_t { Outside, Partly, Inside };

class Region {
public:
    Region() = default;
    explicit Region(Rect rect);
    static Region from_rects(std::span<Rect const> rects);

    bool is_empty() const { return bounds_.is_empty(); }
    Rect bounds() const { return bounds_; }
    std::span<Rect const> rects() const
    {
        if (!rects_.empty())
            return rects_;
        return is_empty() ? std::span<Rect const>() : std::span<Rect const>(&bounds_, 1);
    }
    int64_t area() const;

    bool contains(Point point) const;
    bool intersects(Rect const& rect) const;
    // Whether the rectangle lies wholly inside, partly or wholly outside the region, found
    // without building a region. An empty rectangle lies inside.
    Overlap overlap(Rect const& rect) const;

    Region united(Region const& other) const;
    Region intersected(Region const& other) const;
    Region subtracted(Region const& other) const;
    Region translated(int32_t dx, int32_t dy) const;
    Region translated(Point offset) const { return translated(offset.x, offset.y); }
    void unite(Region const& other) { *this = united(other); }
    void intersect(Region const& other) { *this = intersected(other); }
    void subtract(Region const& other) { *this = subtracted(other); }
    void translate_by(int32_t dx, int32_t dy) { *this = translated(dx, dy); }

    bool operator==(Region const&) const = default;

private:
    enum class Operation { Union, Intersection, Difference };
    static Region combine(Region const& a, Region const& b, Operation operation);
    // After rects_ was written: the bounds worked out, and a single rectangle moved inline.
    void settle();
    void check_invariant() const;

    // The bounds, and the region itself when rects_ is empty: a region of one rectangle
    // keeps it here alone.
    Rect bounds_;
    std::vector<Rect> rects_; // two or more rectangles, or none
};

} // namespace kp
