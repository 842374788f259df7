#pragma once

// Texts reach the platform as bytes. A text that is valid UTF-8 is read as UTF-8; any other
// text is read byte by byte as Windows-1252, the character set the library's callers used
// before UTF-8. The decision is made for the whole text, as the library's length limits do,
// so one stray byte never turns the rest of a text into a mixture of both readings. Fonts
// with a symbol encoding take every byte as one character of that encoding instead.

#include <cstdint>
#include <string>
#include <string_view>

namespace kp {

enum class TextEncoding : uint8_t {
    Unicode, // characters are Unicode code points
    Symbol,  // characters are bytes of the symbol font encoding (byte 'a' is alpha)
};

bool is_valid_utf8(std::string_view text);

// The Unicode character of one Windows-1252 byte. The five bytes that Windows-1252 leaves
// unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control characters of the same value.
char32_t windows_1252_character(uint8_t byte);

// The characters of a text in the given encoding: code points for Unicode, bytes for Symbol.
std::u32string decode_text(std::string_view text, TextEncoding encoding);

// Appends a Unicode character as UTF-8 (callers pass valid code points).
void append_utf8(std::string& out, char32_t character);

} // namespace kp
