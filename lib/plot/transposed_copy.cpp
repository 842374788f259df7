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
    bool const grid = from->dimensions == 2;
    copy_ = grid ? new_array(2, from->n2, from->n1, 1) : new_array(3, from->n3, from->n2, from->n1);
    LibraryArray* to = find_array(copy_);
    if (to == nullptr) {
        set_error(transposed_copy_no_room, "");
        copy_ = 0;
        return;
    }
    for (int32_t i = 1; i <= from->n1; ++i)
        for (int32_t j = 1; j <= from->n2; ++j)
            for (int32_t k = 1; k <= from->n3; ++k) {
                double const value = *from->element(i, j, k);
                if (grid)
                    *to->element(j, i, 1) = value;
                else
                    *to->element(k, j, i) = value;
            }
}

TransposedCopy::~TransposedCopy()
{
    if (copy_ != 0)
        dispose_array(copy_);
}

} // namespace kelvo
