#pragma once

#include "platform/base/color.h"
#include "platform/base/point.h"

namespace kp {

// A one-pixel solid line with both its ends painted, as painters that draw many lines
// through a context's canvas themselves paint them (logical coordinates).
struct PaintedLine {
    Point from;
    Point to;
    Color color;
};

} // namespace kp
