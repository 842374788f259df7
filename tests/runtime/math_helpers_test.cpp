#include "lib/runtime/math_helpers.h"

#include <cmath>
#include <numbers>
#include <random>

#include <gtest/gtest.h>

#include "lib/kelvolib.h"
#include "lib/runtime/error_state.h"
#include "lib/runtime/timer.h"
#include "tests/case_name.h"

namespace {

using namespace kelvo;

double ulp(double v)
{
    return std::nextafter(std::fabs(v), INFINITY) - std::fabs(v);
}

struct PowerCase {
    char const* name;
    double x, y, expected;
};

void PrintTo(PowerCase const& c, std::ostream* out)
{
    *out << c.x << " ^ " << c.y;
}

class RaisePowerTable : public ::testing::TestWithParam<PowerCase> {};

TEST_P(RaisePowerTable, GivesTheExpectedPower)
{
    PowerCase const& c = GetParam();
    EXPECT_DOUBLE_EQ(RaisePower(c.x, c.y), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, RaisePowerTable,
                         ::testing::Values(PowerCase{"ZeroToTheZero", 0, 0, 1}, PowerCase{"ZeroSquared", 0, 2, 0},
                                           PowerCase{"ZeroToANegativePower", 0, -1, 1.7e308},
                                           PowerCase{"NegativeCubed", -2, 3, -8}, PowerCase{"NegativeSquared", -2, 2, 4},
                                           PowerCase{"NegativeToMinusThree", -2, -3, -0.125},
                                           PowerCase{"SquareRoot", 2, 0.5, std::sqrt(2.0)},
                                           PowerCase{"TenToMinusTwo", 10, -2, 0.01},
                                           PowerCase{"NegativeToTheFourth", -3, 4, 81},
                                           PowerCase{"MinusOneToAHugeOddPower", -1, 1e15 + 1, -1}),
                         case_name::FromMember());

TEST(RaisePower, IntegerPowersAreExact)
{
    for (int n = 1; n <= 20; ++n)
        EXPECT_EQ(RaisePower(-2, n), std::ldexp(n % 2 ? -1.0 : 1.0, n)) << n;
    EXPECT_EQ(RaisePower(-3, 3), -27.0);
    EXPECT_EQ(RaisePower(10, 3), 1000.0);
}

TEST(RaisePower, NegativeBaseWithFractionalExponentIsNaNAndRangeCheck)
{
    reset_error_state();
    EXPECT_TRUE(std::isnan(RaisePower(-2, 0.5)));
    EXPECT_EQ(error_state().code, 201);
    EXPECT_EQ(error_state().message, "Range check error");
}

TEST(Sgn, SignsIncludingNegativeZero)
{
    EXPECT_EQ(Sgn(3.5), 1);
    EXPECT_EQ(Sgn(-1e-300), -1);
    EXPECT_EQ(Sgn(0.0), 0);
    EXPECT_EQ(Sgn(-0.0), 0);
}

TEST(Tan, NearAndAtAZeroCosine)
{
    double t = Tan(std::numbers::pi / 2);
    EXPECT_TRUE(std::isfinite(t));
    EXPECT_GT(t, 1e15);
    EXPECT_EQ(tangent_from(0.5, 0.0), 1.7e308);
    EXPECT_EQ(tangent_from(-0.5, 0.0), -1.7e308);
    EXPECT_DOUBLE_EQ(Tan(std::numbers::pi / 4), 1.0);
}

TEST(InverseTrig, LimitValuesBeyondOne)
{
    EXPECT_EQ(Arccos(1.5), 0.0);
    EXPECT_EQ(Arccos(1.0), 0.0);
    EXPECT_DOUBLE_EQ(Arccos(-2), std::numbers::pi);
    EXPECT_DOUBLE_EQ(Arccos(-1), std::numbers::pi);
    EXPECT_DOUBLE_EQ(Arcsin(2), std::numbers::pi / 2);
    EXPECT_DOUBLE_EQ(Arcsin(-2), -std::numbers::pi / 2);
    EXPECT_DOUBLE_EQ(Arccos(0), std::numbers::pi / 2);
    EXPECT_DOUBLE_EQ(Arcsin(0.5), std::numbers::pi / 6);
}

TEST(InverseTrig, AgreeWithTheStandardFunctionsOnEveryBranch)
{
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> argument(-0.9999999, 0.9999999);
    for (int n = 0; n < 20000; ++n) {
        double x = argument(random);
        // Extended precision keeps the results within an ulp of the exact values.
        EXPECT_NEAR(Arccos(x), std::acos(x), 2 * ulp(std::acos(x))) << x;
        EXPECT_NEAR(Arcsin(x), std::asin(x), 2 * ulp(std::asin(x))) << x;
    }
}

TEST(Timer, CentisecondsSinceMidnight)
{
    EXPECT_EQ(centiseconds_of(1, 0, 0, 990), 360099);
    EXPECT_EQ(centiseconds_of(23, 59, 59, 999), 8639999);
    int32_t now = Timer();
    EXPECT_GE(now, 0);
    EXPECT_LT(now, 8640000);
}

} // namespace
