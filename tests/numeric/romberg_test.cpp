// Romb and TkIntegrateByVar: the table, the error estimate, reversed and equal limits and
// the failures.

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <numbers>

#include <gtest/gtest.h>

#include "lib/kelvolib.h"
#include "lib/numeric/romberg.h"
#include "lib/runtime/error_state.h"

namespace {

int call_count = 0;

double square(double x)
{
    ++call_count;
    return x * x;
}

double sine(double x)
{
    ++call_count;
    return std::sin(x);
}

class Romberg : public ::testing::Test {
protected:
    void SetUp() override
    {
        call_count = 0;
        kelvo::clear_error();
    }
};

TEST_F(Romberg, SquareWithThreeHalvings)
{
    double err_est = -1.0;
    double integral = Romb(3, &square, &err_est, 0, 1);
    EXPECT_DOUBLE_EQ(integral, 1.0 / 3.0);
    // The extrapolation no longer changes R[0]; the largest |f| inside is 0.875^2.
    EXPECT_NEAR(err_est, 1.53125e-10, 1e-16);
    EXPECT_EQ(call_count, 9) << "2^M + 1 calls";
    EXPECT_EQ(kelvo::error_state().code, 0);
}

TEST_F(Romberg, ReversedLimitsNegate)
{
    double err_est = 0.0;
    EXPECT_DOUBLE_EQ(Romb(3, &square, &err_est, 1, 0), -1.0 / 3.0);
}

TEST_F(Romberg, SineOverHalfAPeriod)
{
    double err_est = 0.0;
    double integral = Romb(6, &sine, &err_est, 0, std::numbers::pi);
    EXPECT_NEAR(integral, 2.0, 1e-14);
    EXPECT_NEAR(err_est, 2.0e-10, 2e-11);
    EXPECT_EQ(call_count, 65);
}

TEST_F(Romberg, NoHalvingIsRefused)
{
    double err_est = 123.0;
    EXPECT_TRUE(std::isnan(Romb(0, &square, &err_est, 0, 1)));
    EXPECT_EQ(kelvo::error_state().code, 20906);
    EXPECT_EQ(kelvo::error_state().message, "Must halve interval at least once");
    EXPECT_EQ(err_est, 123.0);
    EXPECT_EQ(call_count, 0);
}

TEST_F(Romberg, TableBeyondTheHeapLimitIsRefused)
{
    double err_est = 0.0;
    EXPECT_TRUE(std::isnan(Romb(125000, &square, &err_est, 0, 1)));
    EXPECT_EQ(kelvo::error_state().code, 20907);
    EXPECT_EQ(kelvo::error_state().message, "Not enough heap space");
    EXPECT_EQ(call_count, 0);
}

TEST_F(Romberg, EqualLimitsGiveZero)
{
    double err_est = 5.0;
    double integral = Romb(5, &square, &err_est, 2, 2);
    EXPECT_EQ(integral, 0.0);
    EXPECT_FALSE(std::signbit(integral));
    EXPECT_EQ(err_est, 0.0);
    EXPECT_EQ(kelvo::error_state().code, 0);
}

TEST_F(Romberg, StepsTooSmallToMoveDoNotLoopForever)
{
    // Used to loop forever: beyond level 1 the step is below the spacing of doubles near
    // 1e16, so x + 2h == x and x never passes b.
    double err_est = 0.0;
    double integral = Romb(6, &square, &err_est, 1e16, 1e16 + 2);
    EXPECT_TRUE(std::isfinite(integral));
    EXPECT_EQ(call_count, 65);
}

// Used never to return: m = 280 asks for 2^280 calls, and an infinite limit makes every
// sample point infinite, so that x > b never holds. A sampler that gives up after many calls
// keeps the old behaviour from hanging the test.
double square_until_tired(double x)
{
    if (++call_count > 100000)
        kelvo::set_error(1234, "tired");
    return x * x;
}

TEST_F(Romberg, HalvingsBeyondTheBoundAreRefusedAtOnce)
{
    EXPECT_DOUBLE_EQ(Romb(12, &square_until_tired, nullptr, 0, 1), 1.0 / 3.0);
    for (int32_t m : {41, 64, 280, 15625}) {
        SCOPED_TRACE(m);
        call_count = 0;
        double err_est = 7.0;
        EXPECT_TRUE(std::isnan(Romb(m, &square_until_tired, &err_est, 0, 1)));
        EXPECT_EQ(kelvo::error_state().code, 20916);
        EXPECT_EQ(kelvo::error_state().message, "Too many halvings: at most 40");
        EXPECT_EQ(err_est, 7.0);
        EXPECT_EQ(call_count, 0);
    }
}

TEST_F(Romberg, LimitsThatAreNotFiniteAreRefusedAtOnce)
{
    double const inf = std::numeric_limits<double>::infinity();
    double const nan = std::numeric_limits<double>::quiet_NaN();
    for (auto [a, b] : {std::pair{0.0, inf}, {-inf, 0.0}, {-inf, inf}, {nan, 1.0}, {0.0, nan}, {-1e308, 1e308}}) {
        SCOPED_TRACE(std::to_string(a) + " " + std::to_string(b));
        call_count = 0;
        double err_est = 7.0;
        EXPECT_TRUE(std::isnan(Romb(20, &square_until_tired, &err_est, a, b)));
        EXPECT_EQ(kelvo::error_state().code, 20915);
        EXPECT_EQ(kelvo::error_state().message, "Limits and their distance must be finite");
        EXPECT_EQ(err_est, 7.0);
        EXPECT_EQ(call_count, 0);
    }
}

TEST_F(Romberg, StartsByClearingTheErrorFlag)
{
    kelvo::set_error(42, "pending");
    double err_est = 0.0;
    EXPECT_DOUBLE_EQ(Romb(2, &square, &err_est, 0, 3), 9.0);
    EXPECT_EQ(kelvo::error_state().flag, 0);
}

TEST_F(Romberg, NullArgumentsAreHarmless)
{
    EXPECT_TRUE(std::isnan(Romb(3, nullptr, nullptr, 0, 1)));
    EXPECT_EQ(kelvo::error_state().code, 20901);
    kelvo::clear_error();
    EXPECT_DOUBLE_EQ(Romb(3, &square, nullptr, 0, 1), 1.0 / 3.0);
}

TEST(IntegrateByVar, FormulaeAndTheirFailures)
{
    double result = 0.0;
    double err_est = 0.0;
    EXPECT_EQ(TkIntegrateByVar(3, "x^2", "x", 0, 1, &result, &err_est), 0);
    EXPECT_DOUBLE_EQ(result, 1.0 / 3.0);
    // The midpoint 0 of [-1, 1] cannot be evaluated.
    EXPECT_EQ(TkIntegrateByVar(1, "1/x", "x", -1, 1, &result, &err_est), 20901);
    EXPECT_EQ(TkIntegrateByVar(0, "x", "x", 0, 1, &result, &err_est), 20906);
    EXPECT_EQ(TkIntegrateByVar(3, "x*", "x", 0, 1, &result, &err_est), 10406);
    EXPECT_EQ(TkIntegrateByVar(3, "x", "ln", 0, 1, &result, &err_est), 10425);
    EXPECT_EQ(TkIntegrateByVar(4, "exp(t)", "t", 0, 1, nullptr, nullptr), 0);
    // Refused before any evaluation: 1/x would fail at the first midpoint.
    EXPECT_EQ(TkIntegrateByVar(280, "1/x", "x", -1, 1, &result, &err_est), 20916);
    EXPECT_EQ(TkIntegrateByVar(3, "x", "x", 0, std::numeric_limits<double>::infinity(), &result, &err_est), 20915);
    EXPECT_EQ(TkIntegrateByVar(3, "1/x", "x", std::nan(""), 1, &result, &err_est), 20915);
}

} // namespace
