#include "lib/runtime/string_helpers.h"

#include <algorithm>
#include <cstring>

namespace kelvo {

namespace {
bool is_blank(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}
} // namespace

std::string_view trim_text(std::string_view text)
{
    while (!text.empty() && is_blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && is_blank(text.back()))
        text.remove_suffix(1);
    return text;
}

int32_t copy_text(std::string_view text, char* result, int32_t size)
{
    if (result != nullptr && size > 0) {
        std::size_t const kept = std::min<std::size_t>(text.size(), static_cast<std::size_t>(size) - 1);
        std::memmove(result, text.data(), kept);
        result[kept] = '\0';
    }
    return static_cast<int32_t>(text.size());
}

char* make_pchar(unsigned char* text)
{
    if (text == nullptr)
        return nullptr;
    text[text[0] + 1] = 0;
    return reinterpret_cast<char*>(text + 1);
}

} // namespace kelvo
