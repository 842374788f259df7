#pragma once

// PNG files of surfaces, for tests and for looking at what was drawn.

#include <optional>
#include <string>

#include "platform/raster/surface.h"

namespace kp {

// Writes the surface as an 8-bit RGB PNG. False when the file cannot be written or the
// surface is empty.
bool write_png(Surface const& surface, std::string const& path);

// Reads a PNG of any colour type as opaque pixels (transparency is composed over black).
std::optional<Surface> read_png(std::string const& path);

} // namespace kp
