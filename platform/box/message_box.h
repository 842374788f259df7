#pragma once

// Modal message boxes. The presenter that shows our windows (Qt, or nobody when headless)
// installs a handler; without one the box is written to standard error and answered with
// its default button, so that programs without a display never block.

#include <cstdint>
#include <functional>
#include <string>

namespace kp {

enum class MessageBoxButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageBoxIcon { None, Information, Warning, Stop };

// Answers carry the classic numeric values, which callers of the C interface see.
enum class MessageBoxAnswer : int32_t { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

struct MessageBoxRequest {
    uint32_t owner = 0; // window handle, 0 = no owner
    std::string text;
    std::string caption;
    MessageBoxButtons buttons = MessageBoxButtons::Ok;
    MessageBoxIcon icon = MessageBoxIcon::None;
};

using MessageBoxHandler = std::function<MessageBoxAnswer(MessageBoxRequest const&)>;

// Installs a handler (an empty one restores the headless default); returns the previous one.
MessageBoxHandler set_message_box_handler(MessageBoxHandler handler);

MessageBoxAnswer show_message_box(MessageBoxRequest const& request);

// The answer a box gives when nobody is there to click: its first button.
MessageBoxAnswer default_answer(MessageBoxButtons buttons);

} // namespace kp
