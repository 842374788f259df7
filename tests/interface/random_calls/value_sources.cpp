#include "tests/interface/random_calls/value_sources.h"

#include <cmath>
#include <iterator>
#include <limits>
#include <string_view>

namespace kelvo::calls {

namespace {

constexpr int32_t int32_min = std::numeric_limits<int32_t>::min();
constexpr int32_t int32_max = std::numeric_limits<int32_t>::max();

constexpr int64_t integer_edges[] = {0,          1,          -1,    2,      int32_min, int32_min + 1,
                                     int32_max,  int32_max - 1, 1 << 29, -(1 << 29), 65535,  65536,
                                     -65536,     32767,      32768, -32768, 255,       256,
                                     4294967295LL, 1LL << 31, 1 << 30, 100000};

double const infinity = std::numeric_limits<double>::infinity();
double const nan = std::numeric_limits<double>::quiet_NaN();

double const non_finite_reals[] = {nan, infinity, -infinity};

double const real_edges[] = {-nan,
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
                             1e-300,
                             1e-320,
                             1e300,
                             1e15,
                             -1e15,
                             2147483648.0,
                             -2147483649.0,
                             9007199254740993.0,
                             30000.5,
                             -30001.0};

constexpr uint32_t plausible_colours[] = {0x00000000, 0x00FFFFFF, 0x000000FF, 0x0000FF00,
                                          0x00FF0000, 0x00808080, 0x00C0C0C0, 0x0000FFFF};
constexpr uint32_t hostile_colours[] = {0xFFFFFFFF, 0x01000000, 0x02FFFFFF, 0x80000000, 0x01000007, 0xFF000000};

// Names and formulas a careful caller might pass.
constexpr std::string_view plausible_texts[] = {
    "x", "X", "t", "y", "z", "a", "b", "T", "Speed", "speed", "x1", "y_2", "abcdefghi", "Title", "Axis",
    "sin(x)/(1+x)", "x^y", "2^0.5", "x*y*z+t", "a*x+b", "sin(x)+cos(y)*tan(z)", "abs(x)-x", "pi*pi", "y-x*x",
    "-y", "t*x-y", "0", "1", "-1", "exp(-x*x)", "x^2-2", "sqrt(x)", "ln(x)", "1/x", "Speed*t"};

// Texts that break names, formulas, encodings and limits.
constexpr std::string_view hostile_texts[] = {
    "", "pi", "PI", "e", "sin", "ln", "abcdefghij", "_", "2x", "x y", " x ", "x\xe9", "\xce\xb1", "x^", "((((",
    "))))", "(-8)^(1/3)", "(-8)^0.5", "1/0", "0/0", "ln(0)", "ln(-1)", "sqrt(-1)", "exp(1000)", "10^400",
    "x/(x-x)", "1e308*10", "1e-320", "--x", "+-+-x", "3x", "x..y", "1.2.3", ".", "1e", "1e+", "sin()", "sin(,)",
    "f(x,y)", "x=1", "x;", "[x]", "x%2", "1e308", "nan", "inf", "arctan(x)", "sqr(x)", "x^-1", "x^0.5^2", "-x^2",
    "2^-1074", "10^-400", "x*1e308*1e308", "caf\xc3\xa9", "caf\xe9", "\x80\x93quoted\x94\x99", "\xff\xfe\xfd",
    "\xc3", "\xe2\x82", "\xc0\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80", "\xf0\x9f\x98\x80", "a\tb\nc\r",
    "   padded   ", "\x01\x02\x1f", "%s%s%n%x", "\\\"quoted\\\"", "x\xe9y"};

constexpr std::string_view formula_tokens[] = {"x", "y", "z", "t", "a", "b", "pi", "1", "0", "2.5", "1e308",
                                               "-", "+", "*", "/", "^", "(", ")", "sin(", "ln(", "sqrt(",
                                               "exp(", "abs(", ",", " ", "1e-9"};

template <typename T, std::size_t N>
T const& pick(Random& random, T const (&items)[N])
{
    return items[random.below(N)];
}

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
        return repeated("a", pick(random, limits)) + "\xc3\xa9";
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
        text += pick(random, formula_tokens);
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

int64_t random_integer(Random& random, Hostility hostility, std::span<int64_t const> interface_numbers)
{
    int const roll = static_cast<int>(random.below(100));
    if (hostility == Hostility::plausible) {
        if (roll < 50 || interface_numbers.empty())
            return random.between(0, 12);
        if (roll < 80)
            return random.between(0, 300);
        return interface_numbers[random.below(interface_numbers.size())];
    }
    if (roll < 20)
        return random.between(-2, 12);
    if (roll < 30)
        return random.between(0, 400);
    if (roll < 40)
        return random.between(-1100, 1100);
    if (roll < 60 && !interface_numbers.empty())
        return interface_numbers[random.below(interface_numbers.size())] + random.between(-1, 1);
    return pick(random, integer_edges);
}

double random_real(Random& random, Hostility hostility)
{
    int const roll = static_cast<int>(random.below(100));
    if (hostility == Hostility::plausible) {
        if (roll < 40)
            return random.unit() * 20 - 10;
        if (roll < 75)
            return std::pow(10.0, random.unit() * 11 - 10); // 1e-10 .. 10
        return static_cast<double>(random.between(0, 12));
    }
    if (roll < 30)
        return pick(random, non_finite_reals);
    if (roll < 60)
        return pick(random, real_edges);
    if (roll < 80)
        return random.unit() * 20 - 10;
    double const magnitude = std::pow(10.0, random.unit() * 30 - 15);
    return random.chance(50) ? magnitude : -magnitude;
}

uint32_t random_colour(Random& random, Hostility hostility)
{
    if (hostility == Hostility::plausible)
        return random.chance(60) ? pick(random, plausible_colours) : static_cast<uint32_t>(random.bits() & 0x00FFFFFF);
    return random.chance(50) ? pick(random, hostile_colours) : static_cast<uint32_t>(random.bits());
}

std::string random_text(Random& random, Hostility hostility)
{
    if (hostility == Hostility::plausible)
        return std::string(pick(random, plausible_texts));
    int const roll = static_cast<int>(random.below(100));
    if (roll < 40)
        return std::string(pick(random, hostile_texts));
    if (roll < 60)
        return random_formula(random);
    if (roll < 72)
        return long_text(random);
    if (roll < 85)
        return random_bytes(random);
    return std::string(pick(random, plausible_texts)) + std::string(pick(random, hostile_texts));
}

std::string random_file_path(Random& random, Hostility hostility, std::string const& directory)
{
    if (hostility == Hostility::plausible)
        return directory + "/picture" + std::to_string(random.below(3)) + ".png";
    switch (random.below(5)) {
    case 0:
        return directory + "/missing/picture.png";
    case 1:
        return directory;
    case 2:
        return "";
    case 3:
        return directory + "/" + repeated("n", 5000) + ".png";
    default:
        return directory + "/caf\xe9 \xff.png";
    }
}

} // namespace kelvo::calls
