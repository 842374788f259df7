#include "lib/draw/number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "lib/draw/decimal_digits.h"
#include "lib/runtime/error_state.h"

namespace kelvo {

namespace {

constexpr int32_t max_field_width = 254;
constexpr int digit_count = DecimalDigits::count;

int32_t fail(int32_t code)
{
    set_error(code, code == format_no_fit_code ? format_no_fit_message : format_bad_parameters_message);
    return code;
}

bool is_valid_sign(char sign)
{
    return sign == ' ' || sign == '+' || sign == '-';
}

// How a number's sign shows: negative numbers always show '-'; others show the sign
// character unless it is '-'.
struct SignDisplay {
    bool negative;
    char sign;

    bool takes_position() const { return negative || sign != '-'; }
    void append_to(std::string& out) const
    {
        if (negative)
            out += '-';
        else if (sign != '-')
            out += sign;
    }
};

void finish_field(std::string& out, std::size_t field_length, int32_t width)
{
    if (out.size() < field_length)
        out.append(field_length - out.size(), ' ');
    if (out.size() > static_cast<std::size_t>(width))
        out.resize(static_cast<std::size_t>(width));
}

int32_t lay_out_scientific(DecimalDigits& digits, int32_t width, char sign, std::string& out)
{
    if (width > max_field_width || !is_valid_sign(sign))
        return fail(format_bad_parameters_code);
    SignDisplay display{digits.negative(), sign};
    std::string exponent = std::to_string(digits.exponent());
    int m = width - static_cast<int>(exponent.size()) - 1 - (display.takes_position() ? 1 : 0);
    if (m > 1)
        --m; // room for the point
    if (m < 1)
        return fail(format_no_fit_code);
    if (digits.round_at(m)) {
        // A carry can lengthen the exponent (9 to 10, 99 to 100): give up a digit for it.
        std::string raised = std::to_string(digits.exponent());
        m -= static_cast<int>(raised.size()) - static_cast<int>(exponent.size());
        exponent = raised;
        if (m < 1)
            return fail(format_no_fit_code);
    }
    out.clear();
    display.append_to(out);
    out += digits.digit(1);
    if (m > 1)
        out += '.';
    for (int i = 2; i <= std::min(m, digit_count); ++i)
        out += digits.digit(i);
    if (m > digit_count)
        out.append(static_cast<std::size_t>(m - digit_count), '0');
    out += 'E';
    out += exponent;
    finish_field(out, static_cast<std::size_t>(width), width);
    return 0;
}

int32_t lay_out_fixed(DecimalDigits& digits, int32_t width, int32_t decimals, FieldAlignment alignment,
                      char sign, std::string& out)
{
    if (width > max_field_width || !is_valid_sign(sign))
        return fail(format_bad_parameters_code);
    SignDisplay display{digits.negative(), sign};
    int d = std::max(decimals, 0);
    digits.round_at(digits.exponent() + d + 1);
    int const e = digits.exponent();
    int const k = e >= 0 ? e + 1 : 0; // integer digits
    int need = k + (d > 0 ? 1 : 0) + (display.takes_position() ? 1 : 0) + d;
    if (need > width)
        return fail(format_no_fit_code);
    bool const leading_zero = k == 0 && need < width;
    if (leading_zero)
        ++need;

    out.clear();
    std::size_t field_length = static_cast<std::size_t>(width);
    if (alignment == FieldAlignment::Compact)
        field_length = static_cast<std::size_t>(need);
    else if (alignment == FieldAlignment::Right)
        out.append(static_cast<std::size_t>(width - need), ' ');
    display.append_to(out);
    if (leading_zero)
        out += '0';
    for (int i = 1; i <= std::min(k, digit_count); ++i)
        out += digits.digit(i);
    if (k > digit_count)
        out.append(static_cast<std::size_t>(k - digit_count), '0');
    if (d > 0) {
        out += '.';
        int left = d;
        for (int place = e; place <= -2 && left > 0; ++place, --left)
            out += '0'; // zeros between the point and the first digit
        for (int i = k + 1; i <= std::min(k + left, digit_count); ++i)
            out += digits.digit(i);
        if (k + 1 > digit_count)
            out += '0';
    }
    finish_field(out, field_length, width);
    return 0;
}

// Blanks out zeros at the end of the decimals, keeping one decimal, when the text is in
// fixed notation. Without keep_length the trailing blanks go as well.
void trim_trailing_zeros(std::string& text, bool keep_length)
{
    if (text.find('.') == std::string::npos || text.find('E') != std::string::npos)
        return;
    std::size_t i = text.find_last_not_of(' ');
    while (i != std::string::npos && i > 0 && text[i] == '0' && text[i - 1] != '.') {
        text[i] = ' ';
        --i;
    }
    if (!keep_length)
        text.erase(text.find_last_not_of(' ') + 1);
}

} // namespace

int32_t format_real(int32_t width, double x, std::string& text)
{
    clear_error();
    if (!std::isfinite(x))
        return fail(format_no_fit_code);
    if (width <= 0)
        return fail(format_no_fit_code); // no number fits a field of no width
    DecimalDigits digits(x);
    int32_t const p = SignDisplay{digits.negative(), ' '}.takes_position() ? width - 1 : width;

    // Round to the digits the field can show; keep the result only if it carried into a new
    // leading digit, which changes the exponent and so the choice of layout.
    DecimalDigits rounded = digits;
    if (rounded.round_at(p))
        digits = rounded;

    std::string out;
    int32_t code = 0;
    int const e = digits.exponent();
    if (p < e + 1 || e <= 1 - p) {
        code = lay_out_scientific(digits, width, ' ', out);
    } else if (e < 0) {
        code = lay_out_fixed(digits, width, p - 2, FieldAlignment::Right, ' ', out);
    } else {
        int d = p - e - 2;
        if (d > 0) {
            // One digit goes to the point; a carry there costs one more decimal.
            rounded = digits;
            if (rounded.round_at(p - 1)) {
                digits = rounded;
                --d;
            }
        }
        code = lay_out_fixed(digits, width, std::max(d, 0), FieldAlignment::Right, ' ', out);
    }
    if (code != 0)
        return code;
    trim_trailing_zeros(out, true);
    text = out;
    return 0;
}

int32_t format_fixed(int32_t width, int32_t decimals, FieldAlignment alignment, double x, char sign,
                     std::string& text)
{
    if (!std::isfinite(x))
        return fail(format_no_fit_code);
    DecimalDigits digits(x);
    std::string out;
    if (int32_t code = lay_out_fixed(digits, width, decimals, alignment, sign, out); code != 0)
        return code;
    if (alignment != FieldAlignment::Right)
        trim_trailing_zeros(out, alignment == FieldAlignment::Left);
    text = out;
    return 0;
}

std::string real_to_text(int32_t decimals, double x)
{
    if (decimals < 0)
        return standard_scientific_text(x);
    // A short string holds 255 characters, so more decimals could never be shown.
    int const precision = std::min(decimals, 255);
    char buffer[700];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, precision);
    return std::string(buffer, result.ptr);
}

} // namespace kelvo
