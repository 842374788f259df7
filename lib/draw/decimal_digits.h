#pragma once

// A real number as 15 significant decimal digits and a decimal exponent, as the standard
// scientific conversion writes it, with decimal rounding at a digit position. Number
// formatting lays these digits out in fields.

#include <array>
#include <string>

namespace kelvo {

class DecimalDigits {
public:
    static constexpr int count = 15; // N

    // x must be finite.
    explicit DecimalDigits(double x);

    bool negative() const { return negative_; }
    int exponent() const { return exponent_; }
    // Digit at position 1..15.
    char digit(int position) const { return digits_[position - 1]; }

    // Adds one unit at position p when digit p + 1 is 5 or more. Returns true only when the
    // carry ran through every digit, making the number 1 followed by zeros with an exponent
    // one higher. Positions outside 0..count - 2 change nothing.
    bool round_at(int p);

private:
    bool negative_ = false;
    std::array<char, count> digits_{};
    int exponent_ = 0;
};

// The runtime's standard 23-character scientific text: sign or blank, one digit, a point,
// 14 digits, "E", the exponent sign and 4 exponent digits.
std::string standard_scientific_text(double x);

} // namespace kelvo
