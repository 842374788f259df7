#pragma once

// Functions handed to the library as callbacks, most of them badly behaved: they return NaN,
// infinities or zero, call back into the library, close the graph or dispose the handles of
// the call that is running them, or leave an error pending. Each has a name for the trace.

#include <type_traits>

#include "tests/interface/random_calls/random.h"
#include "tests/interface/random_calls/value_sources.h"

namespace kelvo::calls {

template <typename Function>
struct NamedCallback {
    char const* name;
    Function function;
};

// double f(double): functions to find zeros and minima of and to integrate. Plausible ones
// behave; hostile ones may do anything.
NamedCallback<double (*)(double)> random_real_function(Random& random, Hostility hostility);

// void derivs(void): a derivative routine. It reads t and y and writes dydt through the
// buffers of the running call that the caller contracts name.
NamedCallback<void (*)()> random_derivatives_routine(Random& random, Hostility hostility);

template <typename>
inline constexpr bool no_callbacks_for = false;

template <typename Function>
NamedCallback<Function> random_callback(Random& random, Hostility hostility)
{
    if constexpr (std::is_same_v<Function, double (*)(double)>)
        return random_real_function(random, hostility);
    else if constexpr (std::is_same_v<Function, void (*)()>)
        return random_derivatives_routine(random, hostility);
    else
        static_assert(no_callbacks_for<Function>,
                      "no callbacks of this function type: add some to misbehaving_callbacks.cpp");
}

} // namespace kelvo::calls
