#include "lib/runtime/string_helpers.h"

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

char* make_pchar(unsigned char* text)
{
    if (text == nullptr)
        return nullptr;
    text[text[0] + 1] = 0;
    return reinterpret_cast<char*>(text + 1);
}

} // namespace kelvo
