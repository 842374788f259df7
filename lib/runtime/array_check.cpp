#include "lib/runtime/array_check.h"

#include "lib/runtime/arrays.h"

namespace kelvo {

int32_t check_plot_arrays(ArrayCheck const& check)
{
    int32_t const d = check.dimensions;
    if (d < 1 || d > 3)
        return array_check_bad_option;
    LibraryArray const* coordinates[3] = {};
    for (int32_t axis = 0; axis < d; ++axis) {
        coordinates[axis] = find_array(check.coordinates[axis]);
        if (coordinates[axis] == nullptr || coordinates[axis]->dimensions != 1)
            return array_check_bad_data;
    }
    LibraryArray const* data = find_array(check.data);
    if (data == nullptr || data->dimensions != d)
        return array_check_bad_data;
    int32_t const extents[3] = {data->n1, data->n2, data->n3};
    for (int32_t axis = 0; axis < d; ++axis)
        if (coordinates[axis]->n1 < check.counts[axis] || extents[axis] < check.counts[axis])
            return array_check_not_enough_data;
    return 0;
}

} // namespace kelvo
