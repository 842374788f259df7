#pragma once

#include <cstdint>

namespace kp {

struct Point {
    int32_t x = 0;
    int32_t y = 0;

    constexpr Point translated(int32_t dx, int32_t dy) const { return {x + dx, y + dy}; }
    constexpr void translate_by(int32_t dx, int32_t dy)
    {
        x += dx;
        y += dy;
    }
    constexpr bool operator==(Point const&) const = default;
};

} // namespace kp
