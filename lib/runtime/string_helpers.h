#pragma once

#include <cstdint>
#include <string_view>

namespace kelvo {

// The text without leading and trailing characters whose code is 32 or less.
std::string_view trim_text(std::string_view text);

// Copies text into result, which holds size bytes: cut to size - 1 bytes and
// zero-terminated; a null result or a size below 1 writes nothing. Text and result may
// overlap. Returns the length of the whole text.
int32_t copy_text(std::string_view text, char* result, int32_t size);

// Writes a zero just after the last character of a short string and returns the address of
// its first character.
char* make_pchar(unsigned char* text);

} // namespace kelvo
