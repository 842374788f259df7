#include "lib/draw/decimal_digits.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace kelvo {

namespace {

struct FifteenDigits {
    std::array<char, DecimalDigits::count> digits{};
    int exponent = 0;
};

// The digits and exponent of |x| in "d.ddddddddddddddE+xx": 15 significant digits,
// correctly rounded. The conversion is the one printf's "%.14E" makes (to_chars with a
// precision is defined as printf in the "C" locale), without the cost of parsing a format
// and writing through a stream: axis labels convert a number for every label they draw.
FifteenDigits fifteen_digits(double x)
{
    char text[40];
    std::to_chars_result const result =
        std::to_chars(text, text + sizeof text, std::fabs(x), std::chars_format::scientific, 14);
    FifteenDigits out;
    out.digits[0] = text[0];
    for (std::size_t i = 1; i < out.digits.size(); ++i)
        out.digits[i] = text[i + 1];
    // The exponent follows "e" and its sign, from the 18th character on.
    char const* const mark = text + out.digits.size() + 1;
    int magnitude = 0;
    std::from_chars(mark + 2, result.ptr, magnitude);
    out.exponent = mark[1] == '-' ? -magnitude : magnitude;
    return out;
}

} // namespace

DecimalDigits::DecimalDigits(double x)
    : negative_(x < 0.0)
{
    FifteenDigits const converted = fifteen_digits(x);
    digits_ = converted.digits;
    exponent_ = x == 0.0 ? 0 : converted.exponent;
}

bool DecimalDigits::round_at(int p)
{
    if (p >= count - 1 || p < 0 || digits_[p] <= '4')
        return false;
    for (int i = p - 1; i >= 0; --i) {
        if (digits_[i] != '9') {
            ++digits_[i];
            return false;
        }
        digits_[i] = '0';
    }
    digits_.fill('0');
    digits_[0] = '1';
    ++exponent_;
    return true;
}

std::string standard_scientific_text(double x)
{
    if (std::isnan(x))
        return " Nan";
    if (std::isinf(x))
        return x > 0 ? " +Inf" : " -Inf";
    FifteenDigits const converted = fifteen_digits(x);
    std::string text(1, x < 0.0 ? '-' : ' ');
    text += converted.digits[0];
    text += '.';
    text.append(converted.digits.begin() + 1, converted.digits.end());
    char tail[16];
    std::snprintf(tail, sizeof tail, "E%c%04d", converted.exponent < 0 ? '-' : '+', std::abs(converted.exponent));
    return text + tail;
}

} // namespace kelvo
