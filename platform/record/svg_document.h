#pragma once

// Writes a recording as an SVG document of our own, so that its text is text: each recorded
// run of text becomes a <text> element in the face, size, weight, style, turn and colour the
// screen used, its characters placed at the screen's whole-pixel advances, with the family
// name of the screen's font file so that renderers that look fonts up by name find the same
// face. Shapes become SVG paths with the pixel conventions of vector_replay.h, clips become
// clip paths of the clip's rectangles, images and patches of final pixels embedded PNG
// images. Coordinates are the recording's logical pixels; the document measures the area in
// pixels.

#include <string>

#include "platform/record/final_pixels.h"
#include "platform/record/recording.h"

namespace kp {

// The whole document, in UTF-8.
std::string svg_document(Recording const& recording, FinalPixels const& final_pixels);

// Writes the document to `path`; false when the file could not be written.
bool write_svg(Recording const& recording, FinalPixels const& final_pixels, std::string const& path);

} // namespace kp
