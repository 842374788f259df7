#include "lib/runtime/text_limits.h"

#include "platform/font/text_decoding.h"

namespace kelvo {

namespace {

bool is_continuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

} // namespace

bool is_valid_utf8(std::string_view text)
{
    // One rule for the whole system: the platform's, which decides how texts are drawn.
    return kp::is_valid_utf8(text);
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
