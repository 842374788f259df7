#include "lib/runtime/text_limits.h"

#include <cstdint>

namespace kelvo {

namespace {

bool is_continuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Length of the UTF-8 sequence that starts with lead, 0 if lead cannot start one.
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

} // namespace

bool is_valid_utf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = sequence_length(lead);
        if (length == 0 || i + length > text.size())
            return false;
        uint32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            auto byte = static_cast<unsigned char>(text[i + k]);
            if (!is_continuation(byte))
                return false;
            code = (code << 6) | (byte & 0x3F);
        }
        bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
        bool surrogate = code >= 0xD800 && code <= 0xDFFF;
        if (overlong || surrogate || code > 0x10FFFF)
            return false;
        i += length;
    }
    return true;
}

std::string_view cut_text(std::string_view text, std::size_t max_bytes)
{
    if (text.size() <= max_bytes)
        return text;
    std::size_t end = max_bytes;
    if (is_valid_utf8(text)) {
        while (end > 0 && is_continuation(static_cast<unsigned char>(text[end])))
            --end;
    }
    return text.substr(0, end);
}

} // namespace kelvo
