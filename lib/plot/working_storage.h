#pragma once

// The working storage of a surface drawing: projected points and horizon entries, counted
// as 8-byte cells of one block that may not exceed 1,000,000 bytes for library arrays.

#include <cstdint>
#include <limits>
#include <new>
#include <vector>

#include "lib/plot/data_source.h"
#include "lib/plot/plot_errors.h"

namespace kelvo {

inline constexpr int64_t working_storage_limit = 1'000'000; // bytes
inline constexpr int64_t working_cell_size = 8;

// False, with "Not enough room in memory for local arrays", when that many cells would
// exceed the limit of the data's source (for the caller's memory: what a size can count).
inline bool admit_working_storage(int64_t cells, DataSource source = DataSource::LibraryArrays)
{
    int64_t const limit = source == DataSource::LibraryArrays ? working_storage_limit
                                                              : std::numeric_limits<std::ptrdiff_t>::max();
    if (cells < 0 || cells > limit / working_cell_size) {
        report_plot_error(PlotError::no_room);
        return false;
    }
    return true;
}

// Sizes a vector of working storage; a refused allocation is reported as the limit is.
template <typename T>
bool allocate_working_storage(std::vector<T>& storage, std::size_t count, T const& value = T{})
{
    try {
        storage.assign(count, value);
        return true;
    } catch (std::bad_alloc const&) {
        report_plot_error(PlotError::no_room);
        return false;
    }
}

} // namespace kelvo
