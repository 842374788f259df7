#pragma once

// What a caller asks for when it creates a font. The font engine matches it to an
// installed font; device contexts select fonts made from it.

#include <cstdint>
#include <string>

namespace kp {

enum class FontCharset : uint8_t { Ansi = 0, Default = 1, Symbol = 2, Oem = 255 };

// The low bits of pitch-and-family: the pitch; the high bits: the family.
enum class FontPitch : uint8_t { Default = 0, Fixed = 1, Variable = 2 };
enum class FontFamily : uint8_t { DontCare = 0x00, Roman = 0x10, Swiss = 0x20, Modern = 0x30, Script = 0x40, Decorative = 0x50 };

inline constexpr int32_t font_weight_normal = 400;
inline constexpr int32_t font_weight_bold = 700;

struct LogicalFont {
    // Negative: the em size (character height without internal leading) in pixels;
    // positive: the cell height in pixels; 0: a default size.
    int32_t height = 0;
    int32_t width = 0;      // 0: the face's own proportions
    int32_t escapement = 0; // tenths of a degree, counter-clockwise; 0, 900, 1800, 2700
    int32_t orientation = 0;
    int32_t weight = font_weight_normal;
    bool italic = false;
    bool underline = false;
    bool strike_out = false;
    FontCharset charset = FontCharset::Ansi;
    FontPitch pitch = FontPitch::Default;
    FontFamily family = FontFamily::DontCare;
    std::string face_name;

    bool operator==(LogicalFont const&) const = default;
};

} // namespace kp
