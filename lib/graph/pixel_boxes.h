#pragma once

// Window-pixel arguments arrive as inclusive corners anywhere in 32 bits; the platform's
// boxes are half-open. These convert without overflow.

#include <algorithm>
#include <cstdint>
#include <limits>

#include "platform/base/rect.h"

namespace kelvo {

// The box covering both corners and every pixel between them.
constexpr kp::Rect inclusive_box(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    return kp::Rect::from_edges(std::min(x1, x2), std::min(y1, y2), int64_t{std::max(x1, x2)} + 1,
                                int64_t{std::max(y1, y2)} + 1);
}

// |value| as a size: the most negative value, whose negation does not fit, gives the
// largest size.
constexpr int32_t absolute_size(int32_t value)
{
    return value == std::numeric_limits<int32_t>::min() ? std::numeric_limits<int32_t>::max()
                                                        : (value < 0 ? -value : value);
}

// value + 1, staying at the largest value rather than wrapping.
constexpr int32_t next_pixel(int32_t value)
{
    return value == std::numeric_limits<int32_t>::max() ? value : value + 1;
}

} // namespace kelvo
