#pragma once

// The heights of a grid plot, read from the transposed copy of the caller's array.

#include <cstdint>
#include <vector>

#include "lib/kelvolib.h"

namespace kelvo {

// Z(i, j) for i = 1..nx, j = 1..ny, which the transposed copy holds at (j, i); stored row i
// after row i, so that Z(i, j) is element (i - 1) * ny + (j - 1).
class GridHeights {
public:
    GridHeights(TkArray transposed, int32_t nx, int32_t ny);

    double at(int32_t i, int32_t j) const { return heights_[static_cast<std::size_t>((i - 1) * ny_ + (j - 1))]; }
    // Z(i, j), or 0 outside the grid.
    double at_or_zero(int32_t i, int32_t j) const
    {
        return i < 1 || i > nx_ || j < 1 || j > ny_ ? 0.0 : at(i, j);
    }
    std::vector<double> const& values() const { return heights_; }

private:
    int32_t nx_;
    int32_t ny_;
    std::vector<double> heights_;
};

} // namespace kelvo
