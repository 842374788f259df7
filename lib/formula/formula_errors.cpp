#include "lib/formula/formula_errors.h"

#include <array>

namespace kelvo {

namespace {

constexpr std::array<std::string_view, 24> messages = {
    "unexpected '.'",
    "digit expected in mantissa",
    "digit expected in exponent",
    "number out of range",
    "unexpected character in expression",
    "')' expected",
    "number or identifier expected",
    "end-of-expression expected",
    "unknown variable name",
    "subscript expected",
    "function argument expected",
    "unexpected subscript on constant",
    "unexpected subscript on simple variable",
    "constant expected",
    "division by zero",
    "square root of negative number",
    "result too large",
    "log of zero or negative number",
    "argument to ASIN or ACOS out of range",
    "fractional power of negative number",
    "negative power of zero",
    "subscript out of range",
    "argument to RND out of range",
    "unknown error",
};

constexpr int32_t last_row = static_cast<int32_t>(messages.size()) - 1;

int32_t table_row(int32_t row)
{
    return row < 0 || row > last_row ? last_row : row;
}

} // namespace

int32_t formula_error_code(int32_t row)
{
    return formula_error_base + table_row(row);
}

std::string_view formula_error_message(int32_t row)
{
    return messages[static_cast<std::size_t>(table_row(row))];
}

} // namespace kelvo
