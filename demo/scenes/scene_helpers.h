#pragma once

// Small helpers the scenes share.

#include <string>

#include "lib/kelvolib.h"

namespace kelvotour {

// The y of the line after the last text: TkEndTextY + the cell height.
inline int32_t next_line(TkGraph id)
{
    return TkEndTextY(id) + TkCellHeight(id);
}

// A short string (length byte, then the characters) as text.
inline std::string from_short_string(unsigned char const* text)
{
    return std::string(reinterpret_cast<char const*>(text + 1), text[0]);
}

inline std::string integer_text(int32_t n)
{
    unsigned char text[256];
    IntToShortStr(n, text);
    return from_short_string(text);
}

} // namespace kelvotour
