#pragma once

// Windows: a tree of rectangles that own pixels of their host's framebuffer. Every call
// takes a 32-bit handle; a handle that is 0, destroyed or never issued does nothing.

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/base/rect.h"
#include "platform/base/region.h"
#include "platform/window/message.h"

namespace kp {

enum class WindowStyle : uint32_t {
    None = 0,
    ClipSiblings = 1, // siblings above this window are not painted over
    ClipChildren = 2, // visible children are not painted over
    Border = 4,       // a 1-pixel border; the client area is smaller by it on each side
    Visible = 8,      // shown at creation
};

constexpr WindowStyle operator|(WindowStyle a, WindowStyle b)
{
    return static_cast<WindowStyle>(static_cast<uint32_t>(a) | static_cast<uint32_t>(b));
}
constexpr bool has_style(WindowStyle styles, WindowStyle style)
{
    return (static_cast<uint32_t>(styles) & static_cast<uint32_t>(style)) != 0;
}

enum class Repaint { No, Yes };
enum class Visibility { Hidden, Shown };

// Error codes left by failing calls, readable through last_error().
namespace error_code {
inline constexpr uint32_t none = 0;
inline constexpr uint32_t invalid_window_handle = 1400;
inline constexpr uint32_t class_does_not_exist = 1411;
inline constexpr uint32_t not_enough_memory = 8;
} // namespace error_code

uint32_t last_error();
void set_last_error(uint32_t code);

struct CreateWindowRequest {
    std::string class_name;
    WindowHandle parent = 0; // must be a live window: child windows only
    Rect frame;              // in the parent's client coordinates; negative sizes count as 0
    WindowStyle styles = WindowStyle::None;
};

// Creates a child window, sends it the create message and, when it is visible, invalidates
// it. 0 on failure, with last_error() telling why.
WindowHandle create_window(CreateWindowRequest const& request);

// Sends destroy to the window and then to each of its children (deepest last), uncovers
// the area it occupied and makes the handles dead. Safe to call from the window's own
// procedure.
void destroy_window(WindowHandle window);

bool is_window(WindowHandle window);
// How many windows (hosts included) exist: what tests watch for leaks.
std::size_t window_count();
WindowHandle parent_of(WindowHandle window);
// The topmost ancestor: the host whose framebuffer the window paints.
WindowHandle host_of(WindowHandle window);

// Moves and resizes; with Repaint::Yes the old and new areas are repainted.
bool move_window(WindowHandle window, Rect frame, Repaint repaint);
// Returns the previous visibility.
Visibility show_window(WindowHandle window, Visibility visibility);
bool is_visible(WindowHandle window);
bool bring_to_top(WindowHandle window);

// (0, 0, width, height) of the client area; empty for a bad handle.
Rect client_rect(WindowHandle window);
// The window's outer rectangle in its parent's client coordinates.
Rect frame_rect(WindowHandle window);
// The client area's top-left corner in host framebuffer coordinates.
Point client_origin_in_host(WindowHandle window);
// The pixels of the client area that show on screen, in host framebuffer coordinates.
Region visible_region(WindowHandle window);

// 32-bit words among the window's extra bytes, at a byte offset. Out-of-range offsets read
// 0 and write nothing. set returns the previous value.
int32_t get_window_word(WindowHandle window, int32_t offset);
int32_t set_window_word(WindowHandle window, int32_t offset, int32_t value);

// Calls the window's procedure at once and returns its result (0 for a bad handle).
LResult send_message(WindowHandle window, uint32_t number, WParam word, LParam value);
// What a window procedure does with messages it does not handle itself.
LResult default_window_procedure(WindowHandle window, uint32_t number, WParam word, LParam value);

} // namespace kp
