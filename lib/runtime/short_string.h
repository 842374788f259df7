#pragma once

// Short strings: a length byte followed by at most 255 bytes, as some exported helpers
// take them. A buffer for writing one holds 256 bytes.

#include <cstddef>
#include <string_view>

namespace kelvo {

inline constexpr std::size_t max_short_string_length = 255;

// The text of a short string; empty for a null pointer.
std::string_view read_short_string(unsigned char const* text);

// Stores value, cut to 255 bytes without splitting a UTF-8 character. Null: nothing.
void write_short_string(unsigned char* text, std::string_view value);

} // namespace kelvo
