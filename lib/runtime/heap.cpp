#include "lib/runtime/heap.h"

#include "lib/runtime/error_state.h"

namespace kelvo {

bool admit_heap_request(int64_t bytes)
{
    if (bytes < 0 || bytes > heap_request_limit) {
        set_error_by_code(heap_error_code);
        return false;
    }
    return true;
}

RealBuffer new_real_buffer(int64_t n)
{
    if (n == 0)
        return nullptr;
    if (!admit_heap_request(n * static_cast<int64_t>(sizeof(double))))
        return nullptr;
    return std::make_unique<double[]>(static_cast<std::size_t>(n));
}

bool free_real_buffer(RealBuffer& buffer)
{
    if (!buffer)
        return false;
    buffer.reset();
    return true;
}

HeapString new_heap_string(std::string_view text)
{
    // The limit is reached at length 1,000,000: the copy needs one byte more.
    if (!admit_heap_request(static_cast<int64_t>(text.size()) + 1))
        return std::nullopt;
    return std::string(text);
}

bool free_heap_string(HeapString& variable)
{
    if (!variable)
        return false;
    variable.reset();
    return true;
}

} // namespace kelvo
