#pragma once

// Bitmaps: surfaces that live as graphics objects, drawn on through memory device contexts.

#include "platform/raster/surface.h"

namespace kp {

// A discardable bitmap may in principle be dropped by the system when memory runs short;
// ours never are, so the kind is only remembered.
enum class BitmapKind : uint8_t { Normal, Discardable };

struct Bitmap {
    Surface surface;
    BitmapKind kind = BitmapKind::Normal;
};

} // namespace kp
