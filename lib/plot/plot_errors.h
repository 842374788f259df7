#pragma once

// The plotting error table: code 20800 + n with the message of row n.

#include <cstdint>

namespace kelvo {

enum class PlotError : int32_t {
    no_room = 1,          // "Not enough room in memory for local arrays"
    not_enough_data = 2,  // "Not enough data"
    bad_range = 3,        // "Bad range specified"
    bad_data = 4,         // "Bad data specified"
    bad_contours = 5,     // "Invalid number of contours"
    bad_data_array = 6,   // "Bad data array"
    bad_option = 7,       // "Bad option specified"
    sampling_escaped = 8, // "Escape. Sampled array not complete" (kept for the table; never raised)
};

inline constexpr int32_t plot_error_base = 20800;

constexpr int32_t plot_error_code(PlotError error)
{
    return plot_error_base + static_cast<int32_t>(error);
}

// Sets the error state to the error's code and message.
void report_plot_error(PlotError error);

} // namespace kelvo
