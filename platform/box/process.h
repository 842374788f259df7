#pragma once

namespace kp {

// Ends the process with the exit code after the normal exit procedures (atexit handlers,
// static destructors, unload steps of shared libraries) have run.
[[noreturn]] void end_process(int exit_code);

} // namespace kp
