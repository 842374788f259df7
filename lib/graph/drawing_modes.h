#pragma once

// The four drawing modes and the sizes of the off-screen images that serve them.

#include <cstdint>

#include "platform/base/size.h"

namespace kelvo {

enum class DrawingMode : int32_t {
    Foreground = 1,  // drawing goes to the window only
    AutoRedraw = 2,  // to the retained image, then the window
    Background = 3,  // to the retained image; the window shows the last dispatch
    DelayRedraw = 4, // to the retained image; the window catches up at dispatch
};

inline constexpr int32_t image_slack_at_open = 80'000;    // pixels
inline constexpr int32_t image_slack_at_rebuild = 40'000; // pixels

// Bits 0..2 of the open flags; anything but 1..4 means 1.
DrawingMode opened_mode_from_flags(int32_t flags);
bool is_valid_mode(int32_t mode);
// Off-screen images a mode needs: 0, 1, 2, 1 for modes 1 to 4.
int image_count(DrawingMode mode);

// The image size for a window: its pixels plus `slack` more, in the window's proportions,
// each side rounded half to even. Sizes below 1 count as 1.
kp::Size image_size_for(kp::Size window, int32_t slack);
// Whether images of `image` size must be rebuilt for a window of `window` size: the
// window outgrew them, or they exceed it by more than the opening slack.
bool images_need_rebuild(kp::Size image, kp::Size window);

} // namespace kelvo
