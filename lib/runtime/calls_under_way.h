#pragma once

// An exported call may hand control to the program (a callback, a message box, a
// notification), and the program may then close what the call is working on. Objects closed
// while any exported call is under way are kept, already out of their tables, until the
// outermost call has returned, so that no call ever works on freed memory.

#include <memory>
#include <vector>

#include "platform/base/no_destructor.h"

namespace kelvo {

// Plain counters, so that entering and leaving a call costs next to nothing; the list is
// never destroyed, since graphs are still closed by the library's unload at exit.
inline constinit int call_depth = 0;
inline constinit bool objects_closed_meanwhile = false;

inline std::vector<std::shared_ptr<void>>& closed_meanwhile()
{
    static kp::NoDestructor<std::vector<std::shared_ptr<void>>> objects;
    return *objects;
}

// Frees what was closed during the call that just ended. Out of line: it is rarely needed.
[[gnu::cold, gnu::noinline]] inline void free_objects_closed_meanwhile()
{
    objects_closed_meanwhile = false;
    // Freeing may close more (a graph's children): take the list first.
    std::vector<std::shared_ptr<void>> const objects = std::move(closed_meanwhile());
    closed_meanwhile().clear();
}

// Marks one exported call for its whole length.
class CallScope {
public:
    CallScope() noexcept { ++call_depth; }
    ~CallScope()
    {
        if (--call_depth == 0 && objects_closed_meanwhile) [[unlikely]]
            free_objects_closed_meanwhile();
    }
    CallScope(CallScope const&) = delete;
    CallScope& operator=(CallScope const&) = delete;
};

// Frees a closed object now, or when the outermost call returns if a call is under way.
template <typename T>
void release_when_calls_end(std::unique_ptr<T> object)
{
    if (object && call_depth > 0) {
        closed_meanwhile().push_back(std::shared_ptr<T>(std::move(object)));
        objects_closed_meanwhile = true;
    }
}

} // namespace kelvo
