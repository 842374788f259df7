#pragma once

// Device coordinates inside the raster engine. A logical coordinate (32 bits) plus a
// context's origin can leave the 32-bit range, so device points and boxes are 64-bit until
// they are clipped; after clipping every painted pixel lies in the surface.

#include <cstdint>

#include "platform/base/point.h"

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
};

} // namespace kp
