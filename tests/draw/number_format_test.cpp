#include "lib/draw/number_format.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "lib/draw/decimal_digits.h"
#include "lib/kelvolib.h"
#include "lib/runtime/error_state.h"
#include "tests/case_name.h"

namespace {

using namespace kelvo;

struct FormatCase {
    char const* name;
    double x;
    int32_t width;
    char const* expected; // the text, '.' written as itself and blanks as '_'
    int32_t code;
};

void PrintTo(FormatCase const& row, std::ostream* out)
{
    *out << row.x << " in width " << row.width;
}

std::string shown(std::string text)
{
    for (char& c : text)
        if (c == ' ')
            c = '_';
    return text;
}

class FormatRealTable : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatRealTable, FormatsIntoTheField)
{
    FormatCase const& row = GetParam();
    char buffer[300];
    std::memset(buffer, '#', sizeof buffer);
    buffer[299] = 0;
    int32_t code = TkFormatReal(row.width, buffer, row.x);
    EXPECT_EQ(code, row.code);
    EXPECT_EQ(error_state().code, row.code);
    if (row.code == 0) {
        EXPECT_EQ(shown(buffer), row.expected);
        EXPECT_EQ(std::strlen(buffer), static_cast<std::size_t>(row.width));
    } else {
        EXPECT_EQ(buffer[0], '#') << "buffer must stay unchanged on error";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FormatRealTable,
    ::testing::Values(
        // The documented table.
        FormatCase{"Pi", 3.14159, 8, "_3.14159", 0}, FormatCase{"NegativePi", -3.14159, 8, "-3.14159", 0},
        FormatCase{"RoundsToInteger", 123456.789, 8, "__123457", 0},
        FormatCase{"TenBillion", 1e10, 8, "_1.00E10", 0},
        FormatCase{"SmallFixed", 0.000012345, 8, "_0.00001", 0}, FormatCase{"Zero", 0, 8, "_0.0____", 0},
        FormatCase{"CarryIntoTens", 9.9999999, 8, "_10.0___", 0}, FormatCase{"TwoAndAHalf", 2.5, 8, "_2.5____", 0},
        FormatCase{"CarryIntoScientific", 99999.7, 6, "_1.0E5", 0},
        FormatCase{"TinyScientific", 1e-7, 7, "_1.0E-7", 0},
        FormatCase{"ScientificNotTrimmed", 6.02214e23, 12, "_6.022140E23", 0},
        FormatCase{"IntegerTooWide", 12345, 3, "", 10201}, FormatCase{"WidthTooLarge", 1, 255, "", 10202},
        // Rounding carries.
        FormatCase{"CarryRaisesExponentToTwoDigits", 9.996e9, 7, "_1.0E10", 0},
        FormatCase{"CarryFromBelowOne", 0.999999999, 8, "_1.0____", 0},
        FormatCase{"CarryIntoFirstDecimalPlace", 0.0099999999, 8, "_0.01___", 0},
        FormatCase{"NegativeLeadingZero", -0.5, 5, "-0.5_", 0},
        FormatCase{"NoPointForWholeField", 5, 3, "__5", 0},
        // Field limits.
        FormatCase{"WidthOneCannotHoldAnything", 5, 1, "", 10201},
        FormatCase{"WidthZero", 5, 0, "", 10201}, FormatCase{"NegativeWidth", 5, -4, "", 10201},
        FormatCase{"MostNegativeWidth", -5, INT32_MIN, "", 10201},
        FormatCase{"NotANumber", std::nan(""), 8, "", 10201},
        FormatCase{"Infinity", HUGE_VAL, 8, "", 10201}),
    case_name::FromMember());

TEST(FormatReal, WidestFieldIsPaddedWithBlanks)
{
    char buffer[260];
    ASSERT_EQ(TkFormatReal(254, buffer, 1), 0);
    EXPECT_EQ(std::string(buffer, 4), " 1.0");
    EXPECT_EQ(std::string(buffer + 4), std::string(250, ' '));
}

TEST(FormatReal, ErrorMessagesOfTheCodeTable)
{
    char buffer[16];
    TkFormatReal(3, buffer, 12345);
    EXPECT_EQ(error_state().message, "Bad format. Value does not fit in field. ");
    TkFormatReal(255, buffer, 1);
    EXPECT_EQ(error_state().message, "Bad format parameters");
    EXPECT_EQ(TkFormatReal(8, buffer, 1), 0);
    EXPECT_EQ(error_state().flag, 0) << "each call starts with a clear error state";
}

TEST(FormatFixed, AlignmentsAndSignCharacters)
{
    std::string text;
    ASSERT_EQ(format_fixed(10, 3, FieldAlignment::Compact, 2.5, '-', text), 0);
    EXPECT_EQ(text, "2.5");
    ASSERT_EQ(format_fixed(10, 3, FieldAlignment::Left, 2.5, '+', text), 0);
    EXPECT_EQ(shown(text), "+2.5______");
    ASSERT_EQ(format_fixed(10, 3, FieldAlignment::Right, 2.5, ' ', text), 0);
    EXPECT_EQ(shown(text), "_____2.500");
    ASSERT_EQ(format_fixed(10, 0, FieldAlignment::Compact, -12.6, '+', text), 0);
    EXPECT_EQ(text, "-13");
    ASSERT_EQ(format_fixed(6, 2, FieldAlignment::Compact, 0.004, '-', text), 0);
    EXPECT_EQ(text, "0.0");
    ASSERT_EQ(format_fixed(6, 2, FieldAlignment::Compact, 0.005, '-', text), 0);
    EXPECT_EQ(text, "0.01");
}

TEST(FormatFixed, RefusesBadSignsAndTooNarrowFields)
{
    std::string text = "kept";
    EXPECT_EQ(format_fixed(8, 2, FieldAlignment::Compact, 1, 'x', text), 10202);
    EXPECT_EQ(format_fixed(3, 2, FieldAlignment::Compact, 1, ' ', text), 10201);
    EXPECT_EQ(text, "kept");
}

TEST(FormatFixed, IntegersLongerThanFifteenDigitsAreFilledWithZeros)
{
    std::string text;
    ASSERT_EQ(format_fixed(30, 1, FieldAlignment::Compact, 1.234e20, '-', text), 0);
    EXPECT_EQ(text, "123400000000000000000.0");
}

TEST(DecimalDigits, RoundingCarriesAndLimits)
{
    DecimalDigits nines(99.96);
    EXPECT_FALSE(nines.round_at(5)); // digit 6 is 0
    EXPECT_TRUE(nines.round_at(3));
    EXPECT_EQ(nines.exponent(), 2);
    EXPECT_EQ(nines.digit(1), '1');
    EXPECT_EQ(nines.digit(2), '0');

    DecimalDigits five(5);
    EXPECT_TRUE(five.round_at(0)); // rounding at no digits at all
    EXPECT_EQ(five.exponent(), 1);

    DecimalDigits last(1.00000000000009);
    EXPECT_FALSE(last.round_at(14)); // positions from N - 1 on change nothing
    EXPECT_FALSE(last.round_at(-1));
    EXPECT_EQ(last.digit(15), '9');
}

// The digits are those of printf's "%.14E", which the conversion used to go through: over
// seeded random bit patterns of every magnitude, short decimals whose last digit is a tie,
// and the ends of the double range.
TEST(DecimalDigits, AgreeWithPrintfOverManyValues)
{
    std::vector<double> values = {0.0, -0.0, 5e-324, -5e-324, 2.2250738585072014e-308, 1.7976931348623157e308,
                                  0.5, 1.0, 9.999999999999995, 9.9999999999999950e22, 0.1, 1e-5, 123456789012345.5};
    std::mt19937_64 random(20240611);
    while (values.size() < 20000) {
        double const x = std::bit_cast<double>(random());
        if (std::isfinite(x))
            values.push_back(x);
    }
    std::uniform_int_distribution<int64_t> mantissa(1, 999999999999999);
    std::uniform_int_distribution<int> scale(-30, 30);
    for (int i = 0; i < 20000; ++i) // 16 digits ending in 5: the rounding of ties
        values.push_back(static_cast<double>(mantissa(random) * 10 + 5) * std::pow(10.0, scale(random)));

    int mismatches = 0;
    for (double const x : values) {
        char text[40];
        std::snprintf(text, sizeof text, "%.14E", std::fabs(x));
        std::string expected_digits = std::string(1, text[0]) + std::string(text + 2, 14);
        int const expected_exponent = x == 0.0 ? 0 : std::atoi(text + 17);
        DecimalDigits const digits(x);
        std::string actual_digits;
        for (int p = 1; p <= DecimalDigits::count; ++p)
            actual_digits += digits.digit(p);
        bool const same = actual_digits == expected_digits && digits.exponent() == expected_exponent
                          && digits.negative() == (x < 0.0);
        if (!same && ++mismatches <= 5)
            ADD_FAILURE() << "for " << text << ": " << actual_digits << " E" << digits.exponent();
    }
    EXPECT_EQ(mismatches, 0);
}

// The runtime's 23-character text over the same kinds of values, against the layout built
// from printf's own text.
TEST(DecimalDigits, StandardScientificTextAgreesWithPrintf)
{
    std::mt19937_64 random(77);
    int mismatches = 0;
    for (int i = 0; i < 5000; ++i) {
        double const x = std::bit_cast<double>(random());
        if (!std::isfinite(x))
            continue;
        char text[40];
        std::snprintf(text, sizeof text, "%.14E", std::fabs(x));
        int const exponent = std::atoi(text + 17);
        char expected[48];
        std::snprintf(expected, sizeof expected, "%c%.16sE%c%04d", x < 0.0 ? '-' : ' ', text, exponent < 0 ? '-' : '+',
                      std::abs(exponent));
        if (standard_scientific_text(x) != expected && ++mismatches <= 5)
            ADD_FAILURE() << standard_scientific_text(x) << " instead of " << expected;
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(ShortStrings, RealToStrAndIntToShortStr)
{
    unsigned char text[256];
    RealToStr(2, text, 3.14159);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(text + 1), text[0]), "3.14");
    RealToStr(0, text, -2.5);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(text + 1), text[0]), "-2");
    RealToStr(-1, text, 1);
    std::string scientific(reinterpret_cast<char*>(text + 1), text[0]);
    EXPECT_EQ(scientific.size(), 23u);
    EXPECT_EQ(scientific, " 1.00000000000000E+0000");
    RealToStr(-1, text, -6.02214e-23);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(text + 1), text[0]), "-6.02214000000000E-0023");
    IntToShortStr(-42, text);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(text + 1), text[0]), "-42");
    RealToStr(200, text, 1e300); // 301 digits and 200 decimals: cut to 255
    EXPECT_EQ(text[0], 255);
}

} // namespace
