#pragma once

// A region: a set of pixels held as banded, disjoint rectangles in one canonical form
// (stated at the top of region.cpp), so two regions covering the same pixels compare
// equal. Set operations take time linear in the rectangles involved; building a region
// from n rectangles takes n log n.

#include <span>
#include <vector>

#include "platform/base/rect.h"

namespace kp {

class Region {
public:
    Region() = default;
    explicit Region(Rect rect);
    static Region from_rects(std::span<Rect const> rects);

    bool is_empty() const { return rects_.empty(); }
    Rect bounds() const;
    std::span<Rect const> rects() const { return rects_; }
    int64_t area() const;

    bool contains(Point point) const;
    bool intersects(Rect const& rect) const;

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
    void check_invariant() const;

    std::vector<Rect> rects_;
};

} // namespace kp
