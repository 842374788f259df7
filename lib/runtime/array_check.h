#pragma once

// The check that plotting and polygon calls make of their library-array arguments before
// anything else: the kinds and sizes of up to three coordinate arrays and a data array.

#include <cstdint>

#include "lib/kelvolib.h"

namespace kelvo {

inline constexpr int32_t array_check_not_enough_data = 20802;
inline constexpr int32_t array_check_bad_data = 20804;
inline constexpr int32_t array_check_bad_option = 20807;

struct ArrayCheck {
    int32_t dimensions = 1; // of the data array, 1 to 3
    TkArray coordinates[3] = {0, 0, 0};
    int32_t counts[3] = {0, 0, 0};
    TkArray data = 0;
};

// 20807 for a number of dimensions outside 1..3; 20804 when an array is missing or of the
// wrong kind (the coordinate arrays one-dimensional, the data array of `dimensions`);
// 20802 when one is shorter than its count; otherwise 0. Stores no message.
int32_t check_plot_arrays(ArrayCheck const& check);

} // namespace kelvo
