#include "platform/font/text_decoding.h"

#include <array>

namespace kp {

namespace {

bool is_continuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Length of the UTF-8 sequence that starts with lead, 0 if lead cannot start one. Leads C0,
// C1 and F5..FF only ever start overlong or out-of-range sequences.
std::size_t sequence_length(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

// Reads the UTF-8 sequence at text[i]; returns its length and stores the code point, or
// returns 0 when the bytes there are not a well-formed sequence.
std::size_t read_utf8(std::string_view text, std::size_t i, char32_t& code)
{
    auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = sequence_length(lead);
    if (length == 0 || length > text.size() - i)
        return 0;
    char32_t value = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        auto byte = static_cast<unsigned char>(text[i + k]);
        if (!is_continuation(byte))
            return 0;
        value = (value << 6) | (byte & 0x3F);
    }
    bool overlong = (length == 3 && value < 0x800) || (length == 4 && value < 0x10000);
    bool surrogate = value >= 0xD800 && value <= 0xDFFF;
    if (overlong || surrogate || value > 0x10FFFF)
        return 0;
    code = value;
    return length;
}

// Bytes 0x80..0x9F of Windows-1252; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> windows_1252_high = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98..9F
};

} // namespace

bool is_valid_utf8(std::string_view text)
{
    char32_t code = 0;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = read_utf8(text, i, code);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

char32_t windows_1252_character(uint8_t byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return windows_1252_high[byte - 0x80];
    return byte;
}

std::u32string decode_text(std::string_view text, TextEncoding encoding)
{
    std::u32string characters;
    characters.reserve(text.size());
    if (encoding == TextEncoding::Symbol) {
        for (char byte : text)
            characters.push_back(static_cast<unsigned char>(byte));
        return characters;
    }
    if (!is_valid_utf8(text)) {
        for (char byte : text)
            characters.push_back(windows_1252_character(static_cast<unsigned char>(byte)));
        return characters;
    }
    char32_t code = 0;
    for (std::size_t i = 0; i < text.size();) {
        i += read_utf8(text, i, code);
        characters.push_back(code);
    }
    return characters;
}

void append_utf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace kp
