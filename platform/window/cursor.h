#pragma once

// Mouse cursors: the system's shapes, and pictures of our own that the presenter shows.

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/base/point.h"
#include "platform/base/size.h"

namespace kp {

enum class CursorShape { Arrow, Hourglass, Cross, IBeam, Picture };
enum class SystemCursor { Arrow, Hourglass, Cross, IBeam };

struct Cursor {
    CursorShape shape = CursorShape::Arrow;
    // For CursorShape::Picture: 0xAARRGGBB pixels, rows top to bottom, and the hot spot.
    Size size;
    Point hotspot;
    std::vector<uint32_t> argb;
};

// Loading the same cursor twice gives the same handle; cursors live as long as the process.
uint32_t load_system_cursor(SystemCursor which);
// Our named pictures: "TkHand" (a pointing hand) and "TkDot" (a small dot). 0 if unknown.
uint32_t load_named_cursor(std::string_view name);
Cursor const* find_cursor(uint32_t cursor);

// Makes the cursor current (0 = none) and tells every host's presenter; returns the previous.
uint32_t set_cursor(uint32_t cursor);
uint32_t current_cursor();

} // namespace kp
