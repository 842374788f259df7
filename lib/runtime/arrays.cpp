#include "lib/runtime/arrays.h"

#include <cstdlib>
#include <limits>
#include <memory>

#include "lib/runtime/error_state.h"
#include "lib/runtime/runtime_state.h"

namespace kelvo {

namespace {

// |e| without overflow: the most negative extent is as impossible as any over the limit.
int64_t extent(int32_t e)
{
    return std::llabs(int64_t{e});
}

} // namespace

double* LibraryArray::element(int32_t i, int32_t j, int32_t k) const
{
    if (i < 1 || i > n1 || j < 1 || j > n2 || k < 1 || k > n3 || !data)
        return nullptr;
    int64_t position = int64_t{i - 1} * plane_size + int64_t{j - 1} * n3 + (k - 1);
    return &data[static_cast<std::size_t>(position)];
}

TkArray new_array(int32_t dimensions, int32_t e1, int32_t e2, int32_t e3)
{
    int64_t n1 = extent(e1);
    int64_t n2 = dimensions >= 2 ? extent(e2) : 1;
    int64_t n3 = dimensions >= 3 ? extent(e3) : 1;
    // Sizes are multiplied in 64 bits: a product that wrapped at 32 bits would allocate a
    // small buffer behind large extents. Extents over the limit are refused before the
    // product so that it cannot overflow either.
    if (n1 == 0 || n2 == 0 || n3 == 0)
        return 0;
    if (n1 > heap_request_limit || n2 > heap_request_limit || n3 > heap_request_limit) {
        set_error_by_code(heap_error_code);
        return 0;
    }
    int64_t count = n1 * n2 * n3;
    auto array = std::make_unique<LibraryArray>();
    array->data = new_real_buffer(count);
    if (!array->data)
        return 0;
    array->dimensions = dimensions;
    array->n1 = static_cast<int32_t>(n1);
    array->n2 = static_cast<int32_t>(n2);
    array->n3 = static_cast<int32_t>(n3);
    array->plane_size = static_cast<int32_t>(n2 * n3);
    return runtime_state().arrays.insert(std::move(array));
}

void dispose_array(TkArray array)
{
    runtime_state().arrays.remove(array);
}

LibraryArray* find_array(TkArray array)
{
    return runtime_state().arrays.find(array);
}

double get_array_element(TkArray array, int32_t i, int32_t j, int32_t k)
{
    LibraryArray const* found = find_array(array);
    if (found == nullptr)
        return 0.0;
    if (double const* element = found->element(i, j, k))
        return *element;
    set_error_by_code(range_check_error_code);
    return std::numeric_limits<double>::quiet_NaN();
}

void set_array_element(TkArray array, int32_t i, int32_t j, int32_t k, double value)
{
    LibraryArray const* found = find_array(array);
    if (found == nullptr)
        return;
    if (double* element = found->element(i, j, k))
        *element = value;
    else
        set_error_by_code(range_check_error_code);
}

} // namespace kelvo
