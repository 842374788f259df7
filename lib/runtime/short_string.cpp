#include "lib/runtime/short_string.h"

#include <cstring>

#include "lib/runtime/text_limits.h"

namespace kelvo {

std::string_view read_short_string(unsigned char const* text)
{
    if (text == nullptr)
        return {};
    return {reinterpret_cast<char const*>(text + 1), text[0]};
}

void write_short_string(unsigned char* text, std::string_view value)
{
    if (text == nullptr)
        return;
    std::string_view kept = cut_text(value, max_short_string_length);
    text[0] = static_cast<unsigned char>(kept.size());
    std::memcpy(text + 1, kept.data(), kept.size());
}

} // namespace kelvo
