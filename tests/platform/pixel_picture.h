#pragma once

// Pictures of tiny surfaces as text, one character per pixel, so that tests compare exact
// pixel sets in a form a reader can check by eye.

#include <map>
#include <string>

#include "platform/raster/surface.h"

namespace kp::testing {

// '.' for pixels of `background`, the mapped character for listed colours, `other` for the
// rest. Rows end with '\n'.
inline std::string picture(Surface const& surface, Color background, std::map<uint32_t, char> const& marks = {},
                           char other = '#')
{
    std::string text;
    for (int32_t y = 0; y < surface.height(); ++y) {
        for (int32_t x = 0; x < surface.width(); ++x) {
            uint32_t const pixel = surface.at(x, y);
            if (pixel == background.pixel()) {
                text += '.';
                continue;
            }
            auto mark = marks.find(pixel);
            text += mark == marks.end() ? other : mark->second;
        }
        text += '\n';
    }
    return text;
}

// Drops the first newline of a raw string literal, so pictures can start on their own line.
inline std::string rows(char const* text) { return text[0] == '\n' ? text + 1 : text; }

} // namespace kp::testing
