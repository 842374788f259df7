#pragma once

// The points at which a formula is evaluated: arrays of the caller read side by side (point
// p takes element p of each), or the axes of a grid, whose points run with the last axis
// fastest. Slot k of a point is the value of the formula's k-th variable.

#include <array>
#include <cstdint>
#include <span>

namespace kelvo {

class PointSet {
public:
    static PointSet paired(std::span<double const* const> arrays, int64_t count);
    static PointSet grid(std::span<std::span<double const> const> axes);

    int64_t size() const { return size_; }
    // Writes the slots of points first .. first + count - 1 to lanes[k][0 .. count - 1].
    void fill(int64_t first, int32_t count, std::array<double*, 3> const& lanes) const;
    // Where the slots of the points from first on lie side by side already (arrays read
    // side by side), so that nothing need be copied; null for the slots of a grid.
    std::array<double const*, 3> side_by_side(int64_t first) const;

private:
    enum class Layout { paired, grid };

    Layout layout_ = Layout::paired;
    std::size_t slots_ = 0;
    std::array<double const*, 3> values_{};
    std::array<int64_t, 3> extents_{};
    int64_t size_ = 0;
};

} // namespace kelvo
