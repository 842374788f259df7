#pragma once

// Exported functions must never let a C++ exception reach a C caller: every one of them runs
// its work through guarded_call or guarded_code (or with_graph, which is built on them).
// Whatever the work throws is recorded in the error state: running out of memory as heap
// error 1, like any other refused allocation, anything else as internal error 30000 with
// what the exception says.

#include <limits>
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

// Sets the error state for the exception being handled; called only inside a catch block.
void record_caught_exception() noexcept;

template <typename Result, typename Work>
Result guarded_call(Result fallback, Work&& work) noexcept
{
    CallScope const scope;
    try {
        return work();
    } catch (...) {
        record_caught_exception();
    }
    return fallback;
}

template <typename Work>
void guarded_call(Work&& work) noexcept
{
    CallScope const scope;
    try {
        work();
    } catch (...) {
        record_caught_exception();
    }
}

// For the calls whose result is an error code: the work's code, or the code recorded for
// what it threw.
template <typename Work>
int32_t guarded_code(Work&& work) noexcept
{
    CallScope const scope;
    try {
        return work();
    } catch (...) {
        record_caught_exception();
    }
    return error_state().code;
}

} // namespace kelvo
