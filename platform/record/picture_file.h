#pragma once

// Saving a recorded picture as a file: PNG from the final pixels, SVG from the recording by
// our own writer (svg_document.h), PDF from the recording through cairo's PDF surface. A file is written beside its destination under
// a temporary name and renamed into place once complete, so a failed save leaves nothing
// behind and never a half-written file under the name asked for.

#include <optional>
#include <string>
#include <string_view>

#include "platform/record/recording.h"
#include "platform/record/final_pixels.h"

namespace kp {

enum class PictureFormat : uint8_t { Png, Svg, Pdf };

// The format a file name asks for by its extension (".png", ".svg", ".pdf", in any case).
std::optional<PictureFormat> picture_format_for(std::string_view path);

// Writes the recording's area as a picture in `format`. PDF pages measure the area at the
// screen's 96 pixels per inch; SVG documents measure it in pixels. False when the file could
// not be written, or when the area is beyond the pixel limits (pixel_limits.h: a picture is
// at most as large as a bitmap), which is refused before anything is allocated; nothing is
// left behind then.
bool save_picture(Recording const& recording, FinalPixels const& final_pixels, PictureFormat format,
                  std::string const& path);

} // namespace kp
