#pragma once

#include <cstdint>

namespace kp {

struct Size {
    int32_t width = 0;
    int32_t height = 0;

    constexpr bool is_empty() const { return width <= 0 || height <= 0; }
    constexpr int64_t area() const { return is_empty() ? 0 : int64_t{width} * height; }
    constexpr bool operator==(Size const&) const = default;
};

} // namespace kp
