#include "tests/interface/random_calls/value_sources.h"

#include <iterator>
#include <cmath>
#include <limits>
#include <string_view>

namespace kelvo::calls {

namespace {

constexpr int32_t int32_min = std::numeric_limits<int32_t>::min();
constexpr int32_t int32_max = std::numeric_limits<int32_t>::max();

constexpr int64_t integer_edges[] = {
    0, 1, -1, 2, int32_min, int32_min + 1, int32_max, int32_max - 1, 1 << 29, -(1 << 29), 65535, 65536, -65536,
    32767, 32768, -32768, 255, 256, 4294967295LL, 1LL << 31, 1 << 30, 100000};

double const infinity = std::numeric_limits<double>::infinity();
double const nan = std::numeric_limits<double>::quiet_NaN();

double const real_edges[] = {nan,
                                        -nan,
                                        infinity,
                                        -infinity,
                                        1e308,
                                        -1e308,
                                        std::numeric_limits<double>::max(),
                                        -std::numeric_limits<double>::max(),
                                        0.0,
                                        -0.0,
                                        std::numeric_limits<double>::denorm_min(),
                                        -std::numeric_limits<double>::denorm_min(),
                                        std::numeric_limits<double>::min() / 2,
                                        std::numeric_limits<double>::min(),
                                        std::numeric_limits<double>::epsilon(),
                                        1.0,
                                        -1.0,
                                        0.5,
                                        2.0,
                                        1e-4,
                                        1e-9,
                                        1e-12,
                                        1e-300,
                                        1e15,
                                        2147483648.0,
                                        -2147483649.0,
                                        9007199254740993.0,
                                        3.141592653589793,
                                        1e6,
                                        -1e6,
                                        1e-320,
                                        1e300};

constexpr uint32_t colour_edges[] = {0x00000000, 0x00FFFFFF, 0x000000FF, 0x0000FF00, 0x00FF0000,
                                                0x00808080, 0xFFFFFFFF, 0x01000000, 0x02FFFFFF, 0x80000000,
                                                0x01000007, 0x00C0C0C0};

constexpr std::string_view fixed_texts[] = {
    // names: of variables, parameters, constants and functions, too long and badly formed
    "", "x", "X", "t", "y", "z", "a", "b", "T", "Speed", "speed", "pi", "PI", "e", "sin", "ln", "x1", "y_2",
    "abcdefghi", "abcdefghij", "_", "2x", "x y", " x ", "x\xe9", "\xce\xb1",
    // formulas, good and bad
    "sin(x)/(1+x)", "x^", "((((", "))))", "x^y", "2^0.5", "(-8)^(1/3)", "(-8)^0.5", "1/0", "0/0", "ln(0)",
    "ln(-1)", "sqrt(-1)", "exp(1000)", "10^400", "x*y*z+t", "a*x+b", "sin(x)+cos(y)*tan(z)", "abs(x)-x",
    "x/(x-x)", "1e308*10", "1e-320", "--x", "+-+-x", "3x", "x..y", "1.2.3", ".", "1e", "1e+", "pi*pi", "sin()",
    "sin(,)", "f(x,y)", "x=1", "x;", "[x]", "x%2", "y-x*x", "-y", "t*x-y", "0", "1", "-1", "1e308", "nan", "inf",
    "arctan(x)", "sqr(x)", "x^-1", "x^0.5^2", "-x^2", "2^-1074", "10^-400", "exp(-x*x)", "x*1e308*1e308",
    // texts that are not plain ASCII
    "caf\xc3\xa9", "caf\xe9", "\x80\x93quoted\x94\x99", "\xff\xfe\xfd", "\xc3", "\xe2\x82", "\xc0\xaf",
    "\xed\xa0\x80", "\xf4\x90\x80\x80", "\xf0\x9f\x98\x80", "a\tb\nc\r", "   padded   ", "\x01\x02\x1f",
    "%s%s%n%x", "\\\"quoted\\\"", "x\xe9y"};

constexpr std::string_view formula_tokens[] = {"x",    "y",    "z",     "t",     "a",     "b",
                                                          "pi",   "1",    "0",     "2.5",   "1e308", "-",
                                                          "+",    "*",    "/",     "^",     "(",     ")",
                                                          "sin(", "ln(",  "sqrt(", "exp(",  "abs(",  ",",
                                                          " ",    "1e-9"};

std::string repeated(std::string_view piece, std::size_t times)
{
    std::string text;
    text.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        text += piece;
    return text;
}

std::string long_text(Random& random)
{
    switch (random.below(9)) {
    case 0:
        return repeated("x", 3000);
    case 1:
        return repeated("\xc3\xa9", 1500); // two-byte characters
    case 2:
        return repeated("(", 600) + "x" + repeated(")", 600); // deeper than formulas may nest
    case 3:
        return repeated("(", 511) + "x" + repeated(")", 511);
    case 4:
        return repeated("x+", 1500) + "x";
    case 5:
        return repeated("1", 4000);
    case 6: {
        // A multi-byte character across a byte limit of the interface.
        std::size_t const limits[] = {254, 255, 256, 499, 500, 501};
        return repeated("a", limits[random.below(6)]) + "\xc3\xa9";
    }
    case 7:
        return repeated("a", static_cast<std::size_t>(random.between(250, 510)));
    default:
        return repeated("\xe9", 2000); // Windows-1252 bytes, invalid as UTF-8
    }
}

std::string random_formula(Random& random)
{
    std::string text;
    std::size_t const count = 1 + random.below(20);
    for (std::size_t i = 0; i < count; ++i)
        text += formula_tokens[random.below(std::size(formula_tokens))];
    return text;
}

std::string random_bytes(Random& random)
{
    std::string text(1 + random.below(40), ' ');
    for (char& c : text)
        c = static_cast<char>(1 + random.below(255));
    return text;
}

} // namespace

int64_t random_integer(Random& random, std::span<int64_t const> interface_numbers)
{
    int const roll = static_cast<int>(random.below(100));
    if (roll < 30)
        return random.between(-2, 12);
    if (roll < 45)
        return random.between(0, 400);
    if (roll < 55)
        return random.between(-1100, 1100);
    if (roll < 75 && !interface_numbers.empty())
        return interface_numbers[random.below(interface_numbers.size())] + random.between(-1, 1);
    return integer_edges[random.below(std::size(integer_edges))];
}

double random_real(Random& random)
{
    int const roll = static_cast<int>(random.below(100));
    if (roll < 40)
        return random.unit() * 20 - 10;
    if (roll < 50)
        return static_cast<double>(random.between(-3, 12));
    if (roll < 60) {
        double const magnitude = std::pow(10.0, random.unit() * 15 - 6);
        return random.chance(50) ? magnitude : -magnitude;
    }
    return real_edges[random.below(std::size(real_edges))];
}

uint32_t random_colour(Random& random)
{
    int const roll = static_cast<int>(random.below(100));
    if (roll < 40)
        return colour_edges[random.below(6)];
    if (roll < 60)
        return static_cast<uint32_t>(random.bits() & 0x00FFFFFF);
    if (roll < 80)
        return static_cast<uint32_t>(random.bits());
    return colour_edges[random.below(std::size(colour_edges))];
}

std::string random_text(Random& random)
{
    int const roll = static_cast<int>(random.below(100));
    if (roll < 50)
        return std::string(fixed_texts[random.below(std::size(fixed_texts))]);
    if (roll < 70)
        return random_formula(random);
    if (roll < 78)
        return long_text(random);
    if (roll < 90)
        return random_bytes(random);
    return std::string(fixed_texts[random.below(std::size(fixed_texts))]) +
           std::string(fixed_texts[random.below(std::size(fixed_texts))]);
}

std::string random_file_path(Random& random, std::string const& directory)
{
    switch (random.below(7)) {
    case 0:
        return directory + "/missing/picture.png";
    case 1:
        return directory;
    case 2:
        return "";
    case 3:
        return directory + "/" + repeated("n", 5000) + ".png";
    case 4:
        return directory + "/caf\xe9 \xff.png";
    default:
        return directory + "/picture" + std::to_string(random.below(3)) + ".png";
    }
}

} // namespace kelvo::calls
