#pragma once

// Device coordinates inside the raster engine. A logical coordinate (32 bits) plus a
// context's origin can leave the 32-bit range, so device points and boxes are 64-bit until
// they are clipped; after clipping every painted pixel lies in the surface.

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
    constexpr bool operator==(DevicePoint const&) const = default;
};

// A half-open box: left .. right - 1, top .. bottom - 1, as for rectangles and ellipses.
struct DeviceBox {
    int64_t left = 0;
    int64_t top = 0;
    int64_t right = 0;
    int64_t bottom = 0;

    constexpr bool is_empty() const { return right <= left || bottom <= top; }

    // The part inside `bounds` (a rectangle of 32-bit pixels), empty when there is none.
    constexpr Rect within(Rect const& bounds) const
    {
        DeviceBox const part{std::max<int64_t>(left, bounds.left()), std::max<int64_t>(top, bounds.top()),
                             std::min<int64_t>(right, bounds.right()), std::min<int64_t>(bottom, bounds.bottom())};
        return part.is_empty() ? Rect{} : Rect::from_edges(part.left, part.top, part.right, part.bottom);
    }
};

} // namespace kp
