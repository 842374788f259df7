#pragma once

// Exported functions must never let a C++ exception reach a C caller. Calls that allocate
// run through guarded_call: running out of memory becomes heap error 1 and the fallback
// result, like any other refused allocation.

#include <new>

#include "lib/runtime/error_state.h"

namespace kelvo {

template <typename Result, typename Work>
Result guarded_call(Result fallback, Work&& work) noexcept
{
    try {
        return work();
    } catch (std::bad_alloc const&) {
        set_error_by_code(heap_error_code);
    } catch (...) {
    }
    return fallback;
}

template <typename Work>
void guarded_call(Work&& work) noexcept
{
    try {
        work();
    } catch (std::bad_alloc const&) {
        set_error_by_code(heap_error_code);
    } catch (...) {
    }
}

} // namespace kelvo
