#pragma once

// Dash patterns of one-pixel pens. A pattern is a repeating sequence of painted and skipped
// pixels counted along the line's major axis, starting with a painted run:
//   dotted    3 on, 3 off
//   dashed    18 on, 6 off
//   dash-dot  9 on, 6 off, 3 on, 6 off
// The count runs on across the segments of one polyline and across consecutive line-tos,
// and starts again at every move-to, so a dashed outline keeps its rhythm around corners.

#include <cstdint>

namespace kp {

struct LinePattern {
    uint32_t mask = 1; // bit i set: pixel i of each period is painted
    uint8_t period = 1;

    constexpr bool is_solid() const { return mask == (period >= 32 ? ~0u : (1u << period) - 1); }
    constexpr bool paints(int64_t index) const
    {
        int64_t const position = index % period;
        return (mask >> (position < 0 ? position + period : position)) & 1u;
    }
    constexpr bool operator==(LinePattern const&) const = default;
};

// Walks a pattern pixel after pixel without a division for each: the position in the
// period is found once and then stepped.
class PatternCursor {
public:
    constexpr PatternCursor(LinePattern pattern, int64_t first_index)
        : mask_(pattern.mask)
        , period_(pattern.period)
        , position_(static_cast<uint32_t>(((first_index % period_) + period_) % period_))
    {
    }
    // Whether the current pixel is painted; then moves to the next.
    constexpr bool next()
    {
        bool const painted = (mask_ >> position_) & 1u;
        if (++position_ == period_)
            position_ = 0;
        return painted;
    }

private:
    uint32_t mask_;
    uint32_t period_;
    uint32_t position_;
};

namespace line_patterns {
// `length` painted pixels from pixel `start` of the period.
constexpr uint32_t painted(uint8_t length, uint8_t start = 0) { return ((1u << length) - 1) << start; }

inline constexpr LinePattern solid{1, 1};
inline constexpr LinePattern dotted{painted(3), 6};
inline constexpr LinePattern dashed{painted(18), 24};
inline constexpr LinePattern dash_dot{painted(9) | painted(3, 15), 24};
} // namespace line_patterns

} // namespace kp
