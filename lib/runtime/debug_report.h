#pragma once

// The debug report box, shown for conditions that should not occur in correct use.

#include <string_view>

namespace kelvo {

inline constexpr int debug_stop_exit_code = 255;

// Shows the message in a "debugging ... Continue?" box when debug mode is on. Answering No
// ends the process with exit code 255; otherwise returns.
void debug_report(std::string_view message);

void set_debug_mode(bool on);
bool debug_mode();

} // namespace kelvo
