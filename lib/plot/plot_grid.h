#pragma once

// A grid of heights as the grid-drawing calls read it: x coordinates along the first index,
// y coordinates along the second, and the heights in rows of constant y (the transposed
// copy of the caller's array). Indices here start at 0.

#include <cstddef>
#include <cstdint>
#include <optional>

#include "lib/plot/plot_errors.h"
#include "lib/plot/range_fit.h"

namespace kelvo {

struct PlotGrid {
    double const* x = nullptr;
    double const* y = nullptr;
    double const* z = nullptr; // z(i, j) at z[j * row_stride + i]
    int32_t nx = 0;
    int32_t ny = 0;
    std::ptrdiff_t row_stride = 0;

    double at(int32_t i, int32_t j) const { return z[j * row_stride + i]; }
};

// A coordinate run must hold at least two values ("Not enough data") and never decrease
// ("Bad data array"); equal neighbours are accepted. A value that is not finite has no
// place in an order and is refused as a decrease is.
std::optional<PlotError> check_coordinate_order(double const* values, int32_t count);

// Reports the error, if there is one; true when there was.
bool refused(std::optional<PlotError> error);

// Heights that are not finite would give ranges and levels without meaning: "Bad data
// specified".
std::optional<PlotError> check_finite_heights(PlotGrid const& grid);

// The range fit over every height of the grid, starting from z(0, 0).
FittedRange fit_height_range(PlotGrid const& grid);

} // namespace kelvo
