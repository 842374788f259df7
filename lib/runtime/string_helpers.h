#pragma once

#include <string_view>

namespace kelvo {

// The text without leading and trailing characters whose code is 32 or less.
std::string_view trim_text(std::string_view text);

// Writes a zero just after the last character of a short string and returns the address of
// its first character.
char* make_pchar(unsigned char* text);

} // namespace kelvo
