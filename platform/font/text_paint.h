#pragma once

// How text is coloured: the text colour and what happens behind the characters.

#include <cstdint>

#include "platform/base/color.h"

namespace kp {

enum class TextBackground : uint8_t {
    Transparent, // only the characters' ink changes pixels
    Opaque,      // each character's cell is filled with the background colour first
};

struct TextPaint {
    Color text = colors::black;
    Color background = colors::white;
    TextBackground background_mode = TextBackground::Transparent;

    constexpr bool operator==(TextPaint const&) const = default;
};

} // namespace kp
