#pragma once

// Paints a recording (recording.h) with cairo: pen paths, shapes and fills as vector paths,
// text as glyphs of the screen's own font files with their characters attached, images and
// patches as pixel images.
//
// Pixel conventions carry over from the raster engine: the pixel at position (x, y) is the
// unit square [x, x + 1) x [y, y + 1), so a one-pixel line through positions runs through
// square centres, and a half-open box is the square union it names. A one-pixel line paints
// its start and not its end, so its vector path starts half a pixel before the first centre
// and stops half a pixel before the last.

#include <cairo.h>

#include "platform/record/final_pixels.h"
#include "platform/record/recording.h"

namespace kp {

// Paints every step in order onto `context`, whose user space has the recording area's
// top-left corner at (0, 0) and one unit per pixel. The page is expected to be white.
void replay(Recording const& recording, FinalPixels const& final_pixels, cairo_t* context);

} // namespace kp
