#pragma once

// Points and boxes in 64-bit coordinates. A logical coordinate (32 bits) plus a context's
// origin, a text's cell turned about its corner or a label pushed clear of an axis can leave
// the 32-bit range, so such positions are worked out in 64 bits and clamped only when they
// become a Rect; after clipping every painted pixel lies in its surface.

#include <algorithm>
#include <cstdint>

#include "platform/base/point.h"
#include "platform/base/rect.h"

namespace kp {

struct DevicePoint {
    int64_t x = 0;
    int64_t y = 0;

    static constexpr DevicePoint from(Point logical, Point origin)
    {
        return {int64_t{logical.x} + origin.x, int64_t{logical.y} + origin.y};
    }
    // Clamped to the 32-bit range.
    constexpr Point clamped() const { return {clamp_to_int32(x), clamp_to_int32(y)}; }
    constexpr bool operator==(DevicePoint const&) const = default;
};

// A half-open box: left .. right - 1, top .. bottom - 1, as for rectangles and ellipses.
struct DeviceBox {
    int64_t left = 0;
    int64_t top = 0;
    int64_t right = 0;
    int64_t bottom = 0;

    static constexpr DeviceBox from(Rect const& rect)
    {
        return {rect.left(), rect.top(), int64_t{rect.left()} + rect.width, int64_t{rect.top()} + rect.height};
    }
    // The one pixel at a point.
    static constexpr DeviceBox pixel_at(DevicePoint p) { return {p.x, p.y, p.x + 1, p.y + 1}; }

    constexpr bool is_empty() const { return right <= left || bottom <= top; }
    constexpr bool contains(DevicePoint p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    // Whether every pixel of `other` lies in this box (an empty box lies anywhere).
    constexpr bool contains(DeviceBox const& other) const
    {
        return other.is_empty()
            || (other.left >= left && other.top >= top && other.right <= right && other.bottom <= bottom);
    }
    constexpr bool intersects(DeviceBox const& other) const
    {
        return !is_empty() && !other.is_empty() && left < other.right && other.left < right && top < other.bottom
            && other.top < bottom;
    }

    constexpr DeviceBox translated(int64_t dx, int64_t dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    constexpr DeviceBox inflated(int64_t margin) const { return inflated(margin, margin); }
    constexpr DeviceBox inflated(int64_t dx, int64_t dy) const { return {left - dx, top - dy, right + dx, bottom + dy}; }
    // The smallest box holding both; an empty box adds nothing.
    constexpr DeviceBox united(DeviceBox const& other) const
    {
        if (is_empty())
            return other;
        if (other.is_empty())
            return *this;
        return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
                std::max(bottom, other.bottom)};
    }

    // The box as a rectangle, clamped like Rect::from_edges.
    constexpr Rect rect() const { return Rect::from_edges(left, top, right, bottom); }
    // The part inside `bounds` (a rectangle of 32-bit pixels), empty when there is none.
    constexpr Rect within(Rect const& bounds) const
    {
        DeviceBox const part{std::max<int64_t>(left, bounds.left()), std::max<int64_t>(top, bounds.top()),
                             std::min<int64_t>(right, bounds.right()), std::min<int64_t>(bottom, bounds.bottom())};
        return part.is_empty() ? Rect{} : part.rect();
    }

    constexpr bool operator==(DeviceBox const&) const = default;
};

// Whether a device point lies in a rectangle of 32-bit pixels.
constexpr bool contains(Rect const& rect, DevicePoint p)
{
    return p.x >= rect.left() && p.x < rect.right() && p.y >= rect.top() && p.y < rect.bottom();
}

} // namespace kp
