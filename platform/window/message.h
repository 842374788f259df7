#pragma once

// Messages: numbers, parameters and the window procedure signature.

#include <cstdint>
#include <functional>

namespace kp {

using WindowHandle = uint32_t; // 0 = none
using WParam = uint32_t;
using LParam = uint32_t;
using LResult = int32_t;

using WindowProcedure = std::function<LResult(WindowHandle window, uint32_t message, WParam, LParam)>;

namespace message {
inline constexpr uint32_t create = 1;
inline constexpr uint32_t destroy = 2;
inline constexpr uint32_t size = 5;
inline constexpr uint32_t paint = 15;
inline constexpr uint32_t mouse_move = 512;
inline constexpr uint32_t left_button_down = 513;
inline constexpr uint32_t left_button_up = 514;
inline constexpr uint32_t left_button_double_click = 515;
inline constexpr uint32_t right_button_down = 516;
inline constexpr uint32_t right_button_up = 517;
inline constexpr uint32_t right_button_double_click = 518;
inline constexpr uint32_t middle_button_down = 519;
inline constexpr uint32_t middle_button_up = 520;
inline constexpr uint32_t middle_button_double_click = 521;
inline constexpr uint32_t first_mouse = mouse_move;
inline constexpr uint32_t last_mouse = middle_button_double_click;
// Numbers from here on are the caller's own.
inline constexpr uint32_t user = 1024;
} // namespace message

// Key flags carried in the word parameter of mouse messages.
namespace key_flags {
inline constexpr WParam left_button = 0x0001;
inline constexpr WParam right_button = 0x0002;
inline constexpr WParam shift = 0x0004;
inline constexpr WParam control = 0x0008;
inline constexpr WParam middle_button = 0x0010;
} // namespace key_flags

constexpr bool is_mouse_message(uint32_t number)
{
    return number >= message::first_mouse && number <= message::last_mouse;
}

constexpr bool is_double_click(uint32_t number)
{
    return number == message::left_button_double_click || number == message::right_button_double_click
        || number == message::middle_button_double_click;
}

// A mouse position travels as x in the low and y in the high 16 bits of the long parameter.
constexpr LParam pack_point(int32_t x, int32_t y)
{
    return (static_cast<uint32_t>(x) & 0xFFFF) | (static_cast<uint32_t>(y) & 0xFFFF) << 16;
}
constexpr int32_t point_x(LParam value)
{
    return static_cast<int16_t>(value & 0xFFFF);
}
constexpr int32_t point_y(LParam value)
{
    return static_cast<int16_t>(value >> 16);
}

} // namespace kp
