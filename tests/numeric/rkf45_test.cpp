// Rkf called directly: the argument checks, one accepted step, halving with the K count,
// failures of the derivative routine.

#include <cmath>

#include <gtest/gtest.h>

#include "lib/kelvolib.h"
#include "lib/numeric/rkf45.h"
#include "lib/runtime/error_state.h"
#include "tests/case_name.h"

namespace {

// y' = -y on shared arrays, as a caller's derivative routine sees them.
double t_value = 0.0;
double y_values[2] = {};
double dydt_values[2] = {};
int derivative_calls = 0;

void decay()
{
    ++derivative_calls;
    dydt_values[0] = -y_values[0];
    dydt_values[1] = -2 * y_values[1];
}

void not_a_number()
{
    ++derivative_calls;
    dydt_values[0] = std::nan("");
}

void leaves_errors_alone()
{
    ++derivative_calls;
    dydt_values[0] = 1.0;
}

class RkfStep : public ::testing::Test {
protected:
    void SetUp() override
    {
        kelvo::clear_error();
        t_value = 0.0;
        y_values[0] = 1.0;
        y_values[1] = 1.0;
        derivative_calls = 0;
    }
};

struct ArgumentCase {
    char const* name;
    int32_t n;
    double abs_tol, rel_tol, h_min;
    int32_t code;
};

void PrintTo(ArgumentCase const& c, std::ostream* out)
{
    *out << "n " << c.n << ", tolerances " << c.abs_tol << " and " << c.rel_tol << ", smallest step " << c.h_min;
}

class RkfArguments : public RkfStep, public ::testing::WithParamInterface<ArgumentCase> {};

TEST_P(RkfArguments, BadArgumentsMakeNoStep)
{
    ArgumentCase const& c = GetParam();
    double h = 0.1;
    int32_t k = 5;
    uint8_t ok = 7;
    Rkf(c.n, &t_value, &h, c.abs_tol, c.rel_tol, c.h_min, &decay, y_values, dydt_values, &k, &ok);
    EXPECT_EQ(ok, 0);
    EXPECT_EQ(kelvo::error_state().code, c.code);
    EXPECT_EQ(derivative_calls, 0);
    EXPECT_EQ(t_value, 0.0);
    EXPECT_EQ(h, 0.1);
}

INSTANTIATE_TEST_SUITE_P(Checks, RkfArguments, ::testing::Values(
    ArgumentCase{"NoEquations", 0, 1e-6, 1e-6, 1e-8, 20909},
    ArgumentCase{"ThirtyOneEquations", 31, 1e-6, 1e-6, 1e-8, 20910},
    ArgumentCase{"ZeroMinimumStep", 1, 1e-6, 1e-6, 0, 20912},
    ArgumentCase{"NegativeAbsoluteTolerance", 1, -1e-6, 1e-6, 1e-8, 20908},
    ArgumentCase{"NegativeRelativeTolerance", 1, 1e-6, -1e-6, 1e-8, 20908},
    ArgumentCase{"OrderCheckedFirst", 0, -1, -1, 0, 20909},
    ArgumentCase{"NaNMinimumStep", 1, 1e-6, 1e-6, NAN, 20912},
    ArgumentCase{"InfiniteMinimumStep", 1, 1e-6, 1e-6, INFINITY, 20912},
    ArgumentCase{"NaNTolerance", 1, NAN, 1e-6, 1e-8, 20908},
    ArgumentCase{"InfiniteTolerance", 1, 1e-6, INFINITY, 1e-8, 20908}),
    case_name::FromMember());

TEST_F(RkfStep, AcceptedStepDoublesTheStepWhenKIsEven)
{
    double h = 1e-4;
    int32_t k = 5;
    uint8_t ok = 0;
    Rkf(2, &t_value, &h, 1e-6, 1e-6, 1e-8, &decay, y_values, dydt_values, &k, &ok);
    EXPECT_EQ(ok, 1);
    EXPECT_DOUBLE_EQ(t_value, 1e-4);
    EXPECT_NEAR(y_values[0], std::exp(-1e-4), 1e-15);
    EXPECT_NEAR(y_values[1], std::exp(-2e-4), 1e-15);
    EXPECT_EQ(h, 2e-4);
    EXPECT_EQ(k, 2) << "5 - 1 = 4 is even and is halved with the doubling";
    EXPECT_EQ(derivative_calls, 6);
}

TEST_F(RkfStep, HalvingDoublesKAndLeavesItOdd)
{
    // A step of 1 is far too large for 1e-10: it is halved r times, K becomes 5 * 2^r and
    // then 5 * 2^r - 1 on acceptance, which is odd, so the step is not doubled.
    double h = 1.0;
    int32_t k = 5;
    uint8_t ok = 0;
    Rkf(1, &t_value, &h, 1e-10, 0, 1e-8, &decay, y_values, dydt_values, &k, &ok);
    ASSERT_EQ(ok, 1);
    int halvings = static_cast<int>(std::lround(-std::log2(h)));
    EXPECT_GE(halvings, 1);
    EXPECT_EQ(h, std::ldexp(1.0, -halvings));
    EXPECT_EQ(k, 5 * (1 << halvings) - 1);
    EXPECT_EQ(t_value, h);
    EXPECT_NEAR(y_values[0], std::exp(-h), 1e-9);
    EXPECT_EQ(derivative_calls, 1 + 5 * (halvings + 1)) << "k1 once, five stages per attempt";
}

TEST_F(RkfStep, StepBelowTheMinimumRestoresTheState)
{
    double h = 1.0;
    int32_t k = 5;
    uint8_t ok = 1;
    // With no tolerance at all every attempt with an error estimate is rejected: 1, 0.5
    // and 0.25 are tried, 0.125 is below the minimum.
    Rkf(1, &t_value, &h, 0, 0, 0.2, &decay, y_values, dydt_values, &k, &ok);
    EXPECT_EQ(ok, 0);
    EXPECT_EQ(t_value, 0.0);
    EXPECT_EQ(y_values[0], 1.0);
    EXPECT_EQ(h, 0.125);
    EXPECT_EQ(k, 40);
    EXPECT_EQ(kelvo::error_state().code, 0) << "a step that became too small reports nothing";
}

TEST_F(RkfStep, NaNDerivativesFailTheStepInsteadOfBeingAccepted)
{
    double h = 1e-3;
    int32_t k = 5;
    uint8_t ok = 1;
    Rkf(1, &t_value, &h, 1e-6, 1e-6, 1e-4, &not_a_number, y_values, dydt_values, &k, &ok);
    EXPECT_EQ(ok, 0);
    EXPECT_EQ(y_values[0], 1.0);
    EXPECT_EQ(t_value, 0.0);
}

void infinite_slope()
{
    ++derivative_calls;
    dydt_values[0] = INFINITY;
}

// Halving an infinite step keeps it infinite: these used to loop for ever.
TEST_F(RkfStep, NonFiniteStepsEndAtOnce)
{
    for (double start : {double{INFINITY}, -double{INFINITY}, std::nan("")}) {
        double h = start;
        int32_t k = 5;
        uint8_t ok = 1;
        kelvo::clear_error();
        Rkf(1, &t_value, &h, 1e-6, 1e-6, 1e-8, &decay, y_values, dydt_values, &k, &ok);
        EXPECT_EQ(ok, 0) << start;
        EXPECT_EQ(kelvo::error_state().code, 20911) << start;
        EXPECT_EQ(derivative_calls, 0) << start;
    }
}

TEST_F(RkfStep, InfiniteDerivativesFailAtTheFirstEvaluation)
{
    double h = 1e-3;
    int32_t k = 5;
    uint8_t ok = 1;
    Rkf(1, &t_value, &h, 1e-6, 1e-6, 1e-12, &infinite_slope, y_values, dydt_values, &k, &ok);
    EXPECT_EQ(ok, 0);
    EXPECT_EQ(kelvo::error_state().code, 20901);
    EXPECT_EQ(derivative_calls, 1);
}

TEST_F(RkfStep, NaNStepEndsInsteadOfHalvingForever)
{
    double h = std::nan("");
    int32_t k = 5;
    uint8_t ok = 1;
    Rkf(1, &t_value, &h, 1e-6, 1e-6, 1e-8, &decay, y_values, dydt_values, &k, &ok);
    EXPECT_EQ(ok, 0);
}

TEST_F(RkfStep, PendingErrorStopsAtTheFirstDerivative)
{
    kelvo::set_error(5, "earlier");
    double h = 1e-3;
    int32_t k = 5;
    uint8_t ok = 1;
    Rkf(1, &t_value, &h, 1e-6, 1e-6, 1e-8, &leaves_errors_alone, y_values, dydt_values, &k, &ok);
    EXPECT_EQ(ok, 0);
    EXPECT_EQ(kelvo::error_state().code, 20901);
    EXPECT_EQ(derivative_calls, 1);
}

TEST_F(RkfStep, NullArgumentsAreHarmless)
{
    double h = 1e-3;
    int32_t k = 5;
    uint8_t ok = 1;
    Rkf(1, nullptr, &h, 1e-6, 1e-6, 1e-8, &decay, y_values, dydt_values, &k, &ok);
    EXPECT_EQ(ok, 0);
    Rkf(1, &t_value, &h, 1e-6, 1e-6, 1e-8, nullptr, y_values, dydt_values, &k, &ok);
    EXPECT_EQ(ok, 0);
    EXPECT_EQ(kelvo::error_state().code, 20901);
    Rkf(1, &t_value, &h, 1e-6, 1e-6, 1e-8, &decay, y_values, dydt_values, &k, nullptr);
    EXPECT_EQ(derivative_calls, 0);
}

} // namespace
