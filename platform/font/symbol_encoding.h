#pragma once

// The symbol font encoding: which symbol each byte stands for in a font with the symbol
// character set ("Symbol"). Byte 'a' is alpha, 'p' is pi, 0xA5 is infinity, and so on.

#include <cstdint>
#include <optional>
#include <string_view>

namespace kp {

struct SymbolCharacter {
    // The PostScript glyph name that symbol fonts give the character; the surest way to find
    // it in a symbol font, whose character maps often leave the symbols out.
    std::string_view glyph_name;
    // The nearest Unicode character, for fonts that only map Unicode.
    char32_t unicode;
};

// The character of a byte, or nothing for the bytes the encoding leaves unassigned
// (control bytes, 0x7F..0x9F, 0xF0 and 0xFF).
std::optional<SymbolCharacter> symbol_character(uint8_t byte);

// The byte that stands for a Unicode character in the symbol encoding, if any.
std::optional<uint8_t> symbol_byte_for_unicode(char32_t unicode);

} // namespace kp
