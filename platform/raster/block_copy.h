#pragma once

// Block copies between surfaces, pixel by pixel through a raster operation.

#include "platform/base/rect.h"
#include "platform/raster/raster_op.h"
#include "platform/raster/surface.h"

namespace kp {

// Combines the pixels of `from` in `source` into the same-sized block at `to` in
// `destination`. Device level: callers clip, both blocks lie inside their surfaces. Source
// and destination may be the same surface and overlap: rows are visited in the order that
// reads every source pixel before it is overwritten.
void copy_block(Surface& destination, Point to, Surface const& source, Rect const& from, RasterOp op);

} // namespace kp
