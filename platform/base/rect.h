#pragma once

// Rectangles are half-open: a rectangle covers x .. right() - 1 and y .. bottom() - 1, with
// right() = x + width. This is also the window system's rule for rectangle and ellipse
// boxes, whose right and bottom edges are not painted.

#include <algorithm>
#include <cstdint>
#include <limits>

#include "platform/base/point.h"
#include "platform/base/size.h"

namespace kp {

struct Rect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;

    // From edges given in any order of magnitude; the result is clamped to what 32-bit
    // fields can hold, so edges anywhere in the 32-bit range are safe.
    static constexpr Rect from_edges(int64_t left, int64_t top, int64_t right, int64_t bottom)
    {
        constexpr int64_t lowest = std::numeric_limits<int32_t>::min() / 2;
        constexpr int64_t highest = std::numeric_limits<int32_t>::max() / 2;
        left = std::clamp(left, lowest, highest);
        top = std::clamp(top, lowest, highest);
        right = std::clamp(right, lowest, highest);
        bottom = std::clamp(bottom, lowest, highest);
        if (right <= left || bottom <= top)
            return {static_cast<int32_t>(left), static_cast<int32_t>(top), 0, 0};
        return {static_cast<int32_t>(left), static_cast<int32_t>(top), static_cast<int32_t>(right - left),
                static_cast<int32_t>(bottom - top)};
    }
    static constexpr Rect from_size(Size size) { return {0, 0, size.width, size.height}; }
    // The same rectangle with its far edges computed in 64 bits and clamped like
    // from_edges, for rectangles built by hand whose x + width would leave 32 bits.
    constexpr Rect normalized() const
    {
        return from_edges(x, y, int64_t{x} + width, int64_t{y} + height);
    }

    constexpr int32_t left() const { return x; }
    constexpr int32_t top() const { return y; }
    // Saturating, for rectangles built by hand whose far edge lies beyond 32 bits.
    constexpr int32_t right() const { return clamp_to_int32(int64_t{x} + width); }
    constexpr int32_t bottom() const { return clamp_to_int32(int64_t{y} + height); }
    constexpr Point origin() const { return {x, y}; }
    constexpr Size size() const { return {width, height}; }
    constexpr bool is_empty() const { return width <= 0 || height <= 0; }
    constexpr int64_t area() const { return is_empty() ? 0 : int64_t{width} * height; }

    constexpr bool contains(Point p) const
    {
        return p.x >= x && p.y >= y && p.x < right() && p.y < bottom();
    }
    constexpr bool contains(Rect const& other) const
    {
        return other.is_empty()
            || (other.x >= x && other.y >= y && other.right() <= right() && other.bottom() <= bottom());
    }
    constexpr bool intersects(Rect const& other) const { return !intersected(other).is_empty(); }

    constexpr Rect intersected(Rect const& other) const
    {
        if (is_empty() || other.is_empty())
            return {};
        return from_edges(std::max(x, other.x), std::max(y, other.y), std::min(right(), other.right()),
                          std::min(bottom(), other.bottom()));
    }
    constexpr void intersect(Rect const& other) { *this = intersected(other); }

    // The smallest rectangle holding both; an empty rectangle adds nothing.
    constexpr Rect united(Rect const& other) const
    {
        if (is_empty())
            return other;
        if (other.is_empty())
            return *this;
        return from_edges(std::min(x, other.x), std::min(y, other.y), std::max(right(), other.right()),
                          std::max(bottom(), other.bottom()));
    }
    constexpr void unite(Rect const& other) { *this = united(other); }

    // Moved by (dx, dy), exactly while every edge stays in 32 bits; a rectangle pushed
    // beyond is clamped like from_edges, so the pixels it keeps are the ones it had.
    constexpr Rect translated(int32_t dx, int32_t dy) const
    {
        int64_t const left = int64_t{x} + dx;
        int64_t const top = int64_t{y} + dy;
        int64_t const far_right = left + width;
        int64_t const far_bottom = top + height;
        if (fits_in_int32(left) && fits_in_int32(top) && fits_in_int32(far_right) && fits_in_int32(far_bottom))
            return {static_cast<int32_t>(left), static_cast<int32_t>(top), width, height};
        return from_edges(left, top, far_right, far_bottom);
    }
    constexpr void translate_by(int32_t dx, int32_t dy) { *this = translated(dx, dy); }
    constexpr Rect inflated(int32_t dx, int32_t dy) const
    {
        return from_edges(int64_t{x} - dx, int64_t{y} - dy, int64_t{x} + width + dx, int64_t{y} + height + dy);
    }

    constexpr bool operator==(Rect const&) const = default;

private:
    static constexpr bool fits_in_int32(int64_t value) { return value == clamp_to_int32(value); }
};

} // namespace kp
