#include "lib/plot/transposed_copy.h"

#include "lib/runtime/arrays.h"
#include "lib/runtime/error_state.h"

namespace kelvo {

TransposedCopy::TransposedCopy(TkArray source)
{
    LibraryArray const* from = find_array(source);
    if (from == nullptr || (from->dimensions != 2 && from->dimensions != 3)) {
        set_error(transposed_copy_bad_dimensions, "");
        return;
    }
    copy_ = from->dimensions == 2 ? new_array(2, from->n2, from->n1, 1) : new_array(3, from->n3, from->n2, from->n1);
    LibraryArray* to = find_array(copy_);
    if (to == nullptr) {
        set_error(transposed_copy_no_room, "");
        copy_ = 0;
        return;
    }
    // Straight through both blocks (last index fastest in each): element (i, j, k) of the
    // source is number (i - 1) n2 n3 + (j - 1) n3 + k - 1, and goes to (k, j, i) of the copy,
    // whose extents are the source's reversed ((j, i) for a grid, whose n3 is 1).
    double const* next = from->data.get();
    double* const target = to->data.get();
    std::size_t const n1 = static_cast<std::size_t>(from->n1);
    std::size_t const n2 = static_cast<std::size_t>(from->n2);
    std::size_t const n3 = static_cast<std::size_t>(from->n3);
    if (n3 == 1) {
        // A grid: without a third loop that runs once per element.
        for (std::size_t i = 0; i < n1; ++i)
            for (std::size_t j = 0; j < n2; ++j)
                target[j * n1 + i] = *next++;
        return;
    }
    for (std::size_t i = 0; i < n1; ++i)
        for (std::size_t j = 0; j < n2; ++j)
            for (std::size_t k = 0; k < n3; ++k)
                target[(k * n2 + j) * n1 + i] = *next++;
}

TransposedCopy::~TransposedCopy()
{
    if (copy_ != 0)
        dispose_array(copy_);
}

} // namespace kelvo
