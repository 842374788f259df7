#include "lib/draw/decimal_digits.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace kelvo {

namespace {

// "d.ddddddddddddddE+xx" for |x|: 15 significant digits, correctly rounded.
std::string fifteen_digits(double x)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.14E", std::fabs(x));
    return text;
}

} // namespace

DecimalDigits::DecimalDigits(double x)
    : negative_(x < 0.0)
{
    std::string text = fifteen_digits(x);
    digits_[0] = text[0];
    for (int i = 1; i < count; ++i)
        digits_[i] = text[i + 1];
    exponent_ = std::atoi(text.c_str() + count + 2);
    if (x == 0.0)
        exponent_ = 0;
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
    std::string text = fifteen_digits(x);
    std::size_t e = text.find('E');
    int exponent = std::atoi(text.c_str() + e + 1);
    char tail[16];
    std::snprintf(tail, sizeof tail, "E%c%04d", exponent < 0 ? '-' : '+', std::abs(exponent));
    return (x < 0.0 ? "-" : " ") + text.substr(0, e) + tail;
}

} // namespace kelvo
