#pragma once

// The graph window class "TkWindow" and its window procedure.

#include "platform/window/message.h"

namespace kelvo {

inline constexpr char graph_window_class[] = "TkWindow";
inline constexpr char graph_window_icon[] = "Kelvo";
inline constexpr uint32_t paint_notification = 1039;
inline constexpr uint32_t parent_mouse_offset = 1024;

// Registers the class once, at load; a process that cannot have graph windows ends with
// exit code 255.
void register_graph_window_class();

kp::LResult graph_window_procedure(kp::WindowHandle window, uint32_t message, kp::WParam word, kp::LParam value);

} // namespace kelvo
