#pragma once

// Formatting reals into fixed-width fields: axis labels and read-outs. Errors go to the
// library error state and leave the output untouched.

#include <cstdint>
#include <string>
#include <string_view>

namespace kelvo {

inline constexpr int32_t format_no_fit_code = 10201;
inline constexpr int32_t format_bad_parameters_code = 10202;
inline constexpr std::string_view format_no_fit_message = "Bad format. Value does not fit in field. ";
inline constexpr std::string_view format_bad_parameters_message = "Bad format parameters";

// Compact: just the characters needed; Left: a field of the full width, text at its left;
// Right: a field of the full width, text at its right.
enum class FieldAlignment { Compact = 0, Left = 1, Right = 2 };

// x in a field of exactly `width` characters, fixed or scientific, whichever shows more
// digits. Returns 0 or an error code; `text` is written only on success.
int32_t format_real(int32_t width, double x, std::string& text);

// x in fixed notation with `decimals` decimals in at most `width` characters. The sign
// character (' ', '+' or '-') is shown before non-negative numbers unless it is '-'.
// Unless right-aligned, trailing zeros after the first decimal are removed (and, compact,
// the trailing blanks too). Returns 0 or an error code; `text` is written only on success.
int32_t format_fixed(int32_t width, int32_t decimals, FieldAlignment alignment, double x, char sign,
                     std::string& text);

// Fixed notation with exactly `decimals` decimals, or the 23-character scientific text when
// decimals < 0.
std::string real_to_text(int32_t decimals, double x);

} // namespace kelvo
