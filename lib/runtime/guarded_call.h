#pragma once

// Exported functions must never let a C++ exception reach a C caller: every one of them runs
// its work through guarded_call (or with_graph, which is built on it). Running out of memory
// becomes heap error 1 and the fallback result, like any other refused allocation.

#include <limits>
#include <new>
#include <type_traits>

#include "lib/runtime/calls_under_way.h"
#include "lib/runtime/error_state.h"

namespace kelvo {

// What an exported call returns when it could not do its work: NaN for a real, so that a
// failure never looks like a valid value; zero (no handle, no result) otherwise.
template <typename Result>
constexpr Result failed_result()
{
    if constexpr (std::is_floating_point_v<Result>)
        return std::numeric_limits<Result>::quiet_NaN();
    else
        return Result{};
}

template <typename Result, typename Work>
Result guarded_call(Result fallback, Work&& work) noexcept
{
    CallScope const scope;
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
    CallScope const scope;
    try {
        work();
    } catch (std::bad_alloc const&) {
        set_error_by_code(heap_error_code);
    } catch (...) {
    }
}

} // namespace kelvo
