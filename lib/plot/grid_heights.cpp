#include "lib/plot/grid_heights.h"

#include "lib/runtime/arrays.h"

namespace kelvo {

GridHeights::GridHeights(TkArray transposed, int32_t nx, int32_t ny)
    : nx_(nx)
    , ny_(ny)
    , heights_(static_cast<std::size_t>(nx) * static_cast<std::size_t>(ny))
{
    LibraryArray const* copy = find_array(transposed);
    for (int32_t i = 1; i <= nx; ++i)
        for (int32_t j = 1; j <= ny; ++j)
            heights_[static_cast<std::size_t>((i - 1) * ny + (j - 1))] = *copy->element(j, i, 1);
}

} // namespace kelvo
