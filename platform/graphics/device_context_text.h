#pragma once

// Text through a device context: measured and drawn with its selected font, in its text
// colour, over its background when the background mode is opaque. Text ignores the
// raster operation.

#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "platform/base/point.h"
#include "platform/base/size.h"
#include "platform/font/font.h"
#include "platform/font/text_metrics.h"
#include "platform/graphics/device_context.h"

namespace kp {

// The realized selected font; null only when no font at all is installed.
std::shared_ptr<Font const> selected_font(DeviceContext const& context);

TextMetrics text_metrics(DeviceContext const& context);
// The sum of the characters' advances, and the cell height.
Size text_extent(DeviceContext const& context, std::string_view text);
AbcWidths abc_widths(DeviceContext const& context, char32_t character);
// The characters of a text as the selected font reads it (code points, or symbol bytes).
std::u32string decode_text(DeviceContext const& context, std::string_view text);

// Draws one character with the top-left corner of its cell at `corner` (logical
// coordinates), turned about it by the font's escapement.
void draw_character(DeviceContext& context, Point corner, char32_t character);
void draw_text(DeviceContext& context, Point corner, std::string_view text);

// Characters each at its own cell corner, drawn as draw_character draws them one after the
// other, with the font, surface and paint looked up once.
struct PlacedCharacter {
    Point corner;
    char32_t character = 0;
};
void draw_characters(DeviceContext& context, std::span<PlacedCharacter const> characters);

} // namespace kp
