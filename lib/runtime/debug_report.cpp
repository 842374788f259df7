#include "lib/runtime/debug_report.h"

#include <string>

#include "lib/runtime/runtime_state.h"
#include "platform/box/message_box.h"
#include "platform/box/process.h"

namespace kelvo {

namespace {
constexpr std::size_t max_debug_text = 500;
}

void debug_report(std::string_view message)
{
    if (!debug_mode())
        return;
    kp::MessageBoxRequest request;
    request.text = std::string(message.substr(0, max_debug_text));
    request.caption = "debugging ... Continue?";
    request.buttons = kp::MessageBoxButtons::YesNo;
    request.icon = kp::MessageBoxIcon::Stop;
    if (kp::show_message_box(request) == kp::MessageBoxAnswer::No)
        kp::end_process(debug_stop_exit_code);
}

void set_debug_mode(bool on)
{
    runtime_state().debug_mode = on;
}

bool debug_mode()
{
    return runtime_state().debug_mode;
}

} // namespace kelvo
