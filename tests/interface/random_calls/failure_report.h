#pragma once

// What a failed run says before the process ends, so that it can be repeated: the seed, the
// call that was running (or the phase: setting up, upkeep, ending), the calls before it and
// the command that repeats the run. It is printed when a sanitizer reports an error, on a
// crash signal, when an exception leaves the C interface, and when a call hangs (a watchdog
// alarm per top-level call).

#include <cstdint>
#include <string_view>

namespace kelvo::calls {

void install_failure_report(char const* program, uint64_t seed, uint64_t calls);

// "setting up", "upkeep", "calling", "ending".
void note_phase(char const* phase);

// A call starting and ending; depth 0 for the driver's calls, more for calls made from
// callbacks.
void note_call(uint64_t number, std::size_t depth, std::string_view description);
void note_return(std::size_t depth);

// A call that runs longer than this many seconds is reported as hanging.
void arm_watchdog(unsigned seconds);
void disarm_watchdog();

} // namespace kelvo::calls
