#pragma once

// Texts are bytes: UTF-8 where they are valid UTF-8, Windows-1252 otherwise. Length limits
// count bytes but never cut inside a UTF-8 character.

#include <cstddef>
#include <string_view>

namespace kelvo {

bool is_valid_utf8(std::string_view text);

// The longest prefix of text of at most max_bytes bytes that does not end inside a UTF-8
// character (when the text is UTF-8).
std::string_view cut_text(std::string_view text, std::size_t max_bytes);

} // namespace kelvo
