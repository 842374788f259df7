#pragma once

// How formula text reaches the scanner: as a list of pieces read one after the other.

#include <string_view>

#include "lib/runtime/name_list.h"

namespace kelvo {

enum class TextForm {
    // Text from an exported call, of any length: long texts are split into pieces.
    zero_terminated,
    // A short string of at most 255 characters (ODE right-hand sides): one piece.
    short_string,
};

inline constexpr std::size_t formula_piece_length = 100;

// A text shorter than 100 characters is one piece. A longer one becomes a blank, then
// 100-character pieces while more than 100 characters remain, then the last 1 to 100.
NameList formula_pieces(std::string_view text, TextForm form);

} // namespace kelvo
