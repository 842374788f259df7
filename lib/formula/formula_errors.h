#pragma once

// The formula error table, shared by compilation (rows 0 to 13) and evaluation (rows 14 to
// 23). Codes are 10400 + row; callers tell compilation from evaluation errors by that split.

#include <cstdint>
#include <string_view>

namespace kelvo {

enum class FormulaError : int32_t {
    unexpected_point = 0,
    digit_expected_in_mantissa = 1,
    digit_expected_in_exponent = 2,
    number_out_of_range = 3,
    unexpected_character = 4,
    close_bracket_expected = 5,
    number_or_identifier_expected = 6,
    end_of_expression_expected = 7,
    unknown_variable_name = 8,
    subscript_expected = 9, // never raised
    function_argument_expected = 10,
    subscript_on_constant = 11,
    subscript_on_simple_variable = 12,
    constant_expected = 13, // never raised
    division_by_zero = 14,
    square_root_of_negative = 15,
    result_too_large = 16,
    log_of_non_positive = 17,
    asin_acos_out_of_range = 18, // never raised: Arcsin gives limit values instead
    fractional_power_of_negative = 19,
    negative_power_of_zero = 20,
    subscript_out_of_range = 21, // never raised
    rnd_argument_out_of_range = 22,
    unknown_error = 23,
};

inline constexpr int32_t formula_error_base = 10400;

constexpr int32_t code_of(FormulaError error)
{
    return formula_error_base + static_cast<int32_t>(error);
}

inline constexpr int32_t first_evaluation_error_code = 10414;
// A parameter or variable name that clashes with another symbol. It has no row: the error
// message keeps whatever text it had.
inline constexpr int32_t name_clash_code = 10425;

// The code of a row; rows past the table give the code of "unknown error".
int32_t formula_error_code(int32_t row);
// The message of a row; rows past the table give "unknown error".
std::string_view formula_error_message(int32_t row);

} // namespace kelvo
