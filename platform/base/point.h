#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace kp {

// Sums of 32-bit coordinates are formed in 64 bits; one that leaves 32 bits stops at the
// nearest 32-bit value.
constexpr int32_t clamp_to_int32(int64_t value)
{
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

struct Point {
    int32_t x = 0;
    int32_t y = 0;

    // Saturating: a point moved beyond 32 bits stops at the limit.
    constexpr Point translated(int32_t dx, int32_t dy) const
    {
        return {clamp_to_int32(int64_t{x} + dx), clamp_to_int32(int64_t{y} + dy)};
    }
    constexpr void translate_by(int32_t dx, int32_t dy) { *this = translated(dx, dy); }
    // The offset that undoes a move by this point; -2^31 has no opposite and gives 2^31 - 1.
    constexpr Point negated() const { return {clamp_to_int32(-int64_t{x}), clamp_to_int32(-int64_t{y})}; }
    constexpr bool operator==(Point const&) const = default;
};

} // namespace kp
