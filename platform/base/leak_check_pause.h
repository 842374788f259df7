#pragma once

// Allocations made while a LeakCheckPause lives are not reported by the leak checker of the
// sanitizer build. Only for state that is deliberately kept until the process ends (see
// no_destructor.h) and that an outside library links in ways the checker cannot follow:
// fontconfig's loaded configuration shows up as "leaked" although it is still in use.
// Outside sanitizer builds this does nothing.

#if defined(__SANITIZE_ADDRESS__)
#define KP_LEAK_CHECKER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KP_LEAK_CHECKER 1
#endif
#endif

#ifdef KP_LEAK_CHECKER
#include <sanitizer/lsan_interface.h>
#endif

namespace kp {

class LeakCheckPause {
public:
    LeakCheckPause()
    {
#ifdef KP_LEAK_CHECKER
        __lsan_disable();
#endif
    }
    ~LeakCheckPause()
    {
#ifdef KP_LEAK_CHECKER
        __lsan_enable();
#endif
    }
    LeakCheckPause(LeakCheckPause const&) = delete;
    LeakCheckPause& operator=(LeakCheckPause const&) = delete;
};

} // namespace kp
