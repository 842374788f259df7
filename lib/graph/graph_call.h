#pragma once

// What every exported graph operation does first: make the identifier's graph current and
// do nothing (returning the fallback) when the identifier names no open graph. Exceptions
// never leave the library.

#include "lib/runtime/guarded_call.h"
#include "lib/graph/graph_table.h"

namespace kelvo {

template <typename Result, typename Work>
Result with_graph(TkGraph id, Result fallback, Work&& work) noexcept
{
    return guarded_call(fallback, [&]() -> Result {
        GraphRecord* graph = make_current(id);
        return graph == nullptr ? fallback : work(*graph);
    });
}

template <typename Work>
void with_graph(TkGraph id, Work&& work) noexcept
{
    guarded_call([&] {
        if (GraphRecord* graph = make_current(id))
            work(*graph);
    });
}

// The same for the calls that read or change a graph without making it current.
template <typename Result, typename Work>
Result with_found_graph(TkGraph id, Result fallback, Work&& work) noexcept
{
    return guarded_call(fallback, [&]() -> Result {
        GraphRecord* graph = find_graph(id);
        return graph == nullptr ? fallback : work(*graph);
    });
}

template <typename Work>
void with_found_graph(TkGraph id, Work&& work) noexcept
{
    guarded_call([&] {
        if (GraphRecord* graph = find_graph(id))
            work(*graph);
    });
}

} // namespace kelvo
