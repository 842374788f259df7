#pragma once

// Reduces a recording (recording.h) to vector primitives on a canvas (vector_canvas.h): pen
// paths, shapes and fills as outlines with their strokes, text as placed glyphs with their
// characters, images and patches as pixel images.
//
// Pixel conventions carry over from the raster engine: the pixel at position (x, y) is the
// unit square [x, x + 1) x [y, y + 1), so a one-pixel line through positions runs through
// square centres, and a half-open box is the square union it names. A one-pixel line paints
// its start and not its end, so its vector path starts half a pixel before the first centre
// and stops half a pixel before the last.

#include "platform/record/final_pixels.h"
#include "platform/record/recording.h"
#include "platform/record/vector_canvas.h"

namespace kp {

// Draws every step in order onto `canvas`, in the recording's logical coordinates. The page
// is expected to be white.
void replay(Recording const& recording, FinalPixels const& final_pixels, VectorCanvas& canvas);

} // namespace kp
