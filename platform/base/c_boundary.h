#pragma once

// The one way into the platform from C. Every function of kelvoplatform.h runs its whole
// body through c_boundary, so that no C++ exception (running out of memory above all)
// reaches a C caller: a call that throws returns the fallback that the function documents
// for failure, and a call without a result simply ends. A test checks that each exported
// function's body starts with it.

#include <utility>

namespace kp {

template <typename Result, typename Work>
Result c_boundary(Result fallback, Work&& work) noexcept
{
    try {
        return std::forward<Work>(work)();
    } catch (...) {
        return fallback;
    }
}

template <typename Work>
void c_boundary(Work&& work) noexcept
{
    try {
        std::forward<Work>(work)();
    } catch (...) {
    }
}

} // namespace kp
