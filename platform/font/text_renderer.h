#pragma once

// Draws characters of a realized font onto a surface.
//
// A character is drawn with the top-left corner of its cell at the given point: the cell
// is the character's advance wide and the font's height tall (ascent above the baseline,
// descent below), and the font's escapement turns it about that corner (text_rotation.h).
// Ink that leans out of the cell (italic overhangs, tall accents) is drawn too. Glyphs are
// grey coverage masks blended in the text colour; with an opaque background the cell is
// filled with the background colour first.

#include <string_view>

#include "platform/base/point.h"
#include "platform/base/rect.h"
#include "platform/base/region.h"
#include "platform/font/font.h"
#include "platform/font/text_paint.h"
#include "platform/raster/surface.h"

namespace kp {

// Where text goes. A window's device context passes its host's framebuffer, the window's
// position in it and its visible region; a memory context its bitmap, (0, 0) and the
// bitmap's bounds.
struct TextTarget {
    Surface& surface;
    Point origin;        // the surface position of the caller's (0, 0)
    Region const& clip;  // in surface coordinates; nothing outside it or the surface changes
};

// Both return the rectangle of surface pixels that may have changed (empty when nothing
// was drawn). Points are in the caller's coordinates, anywhere in the 32-bit range.
Rect draw_character(TextTarget const& target, Font const& font, Point corner, char32_t character,
                    TextPaint const& paint);
// Draws a text's characters one after the other, each cell following the previous one's
// advance in the direction of the font's escapement; `corner` is the first cell's corner.
Rect draw_text(TextTarget const& target, Font const& font, Point corner, std::string_view text,
               TextPaint const& paint);

} // namespace kp
