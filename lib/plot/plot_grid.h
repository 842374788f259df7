#pragma once

// A grid of heights as the grid-drawing calls read it: x coordinates along the first index,
// y coordinates along the second, and the heights wherever their owner keeps them: in rows
// of constant y (the transposed copy of a library array) or in the caller's own layout, the
// first index running along x. Indices here start at 0.

#include <cstddef>
#include <cstdint>
#include <optional>

#include "lib/plot/data_source.h"
#include "lib/plot/plot_errors.h"
#include "lib/plot/range_fit.h"

namespace kelvo {

// The coordinates along one axis: the given values, or 0, 1, 2, ... where there are none.
class GridCoordinates {
public:
    GridCoordinates() = default;
    // Implicit, so that a grid is written with its coordinate arrays as they are.
    GridCoordinates(double const* values) : values_(values) {}

    double operator[](int32_t i) const { return values_ != nullptr ? values_[i] : static_cast<double>(i); }
    bool counts_up() const { return values_ == nullptr; }

private:
    double const* values_ = nullptr;
};

struct PlotGrid {
    GridCoordinates x;
    GridCoordinates y;
    double const* z = nullptr; // z(i, j) at z[j * row_stride + i * point_stride]
    int32_t nx = 0;
    int32_t ny = 0;
    std::ptrdiff_t row_stride = 0;   // from z(i, j) to z(i, j + 1)
    std::ptrdiff_t point_stride = 1; // from z(i, j) to z(i + 1, j)
    DataSource source = DataSource::LibraryArrays;

    double at(int32_t i, int32_t j) const { return z[j * row_stride + i * point_stride]; }
};

// A coordinate run must hold at least two values ("Not enough data") and never decrease
// ("Bad data array"); equal neighbours are accepted. A value that is not finite has no
// place in an order and is refused as a decrease is.
std::optional<PlotError> check_coordinate_order(GridCoordinates values, int32_t count);

// Reports the error, if there is one; true when there was.
bool refused(std::optional<PlotError> error);

// Heights that are not finite would give ranges and levels without meaning: "Bad data
// specified".
std::optional<PlotError> check_finite_heights(PlotGrid const& grid);

// The range fit (as fit_range does it) over count coordinates, at least one.
FittedRange fit_coordinate_range(GridCoordinates values, int32_t count);

// The range fit over every height of the grid, starting from z(0, 0).
FittedRange fit_height_range(PlotGrid const& grid);

} // namespace kelvo
