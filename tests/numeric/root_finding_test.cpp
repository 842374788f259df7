// Zeroin and Fmin with caller functions, and TkFindRootByVar and TkFindminByVar with
// formulae: the stated figures, the error table rows, the pass limit and pending errors.

#include <cmath>
#include <numbers>
#include <vector>

#include <gtest/gtest.h>

#include "lib/kelvolib.h"
#include "lib/numeric/fmin.h"
#include "lib/numeric/zeroin.h"
#include "lib/runtime/error_state.h"
#include "tests/case_name.h"

namespace {

using kelvo::clear_error;
using kelvo::error_state;

// The points where the test functions were called, in order.
std::vector<double> calls;

double square_minus_two(double x)
{
    calls.push_back(x);
    return x * x - 2;
}

double square_plus_one(double x)
{
    calls.push_back(x);
    return x * x + 1;
}

double cube(double x)
{
    calls.push_back(x);
    return x * x * x;
}

double shifted_square(double x)
{
    calls.push_back(x);
    return (x - 1) * (x - 1);
}

double zero_at_minus_three(double x)
{
    calls.push_back(x);
    return x + 3;
}

// Fails like a formula evaluation: it sets the error flag.
double failing_beyond_half(double x)
{
    calls.push_back(x);
    if (x > 0.5)
        kelvo::set_error(10415, "square root of negative number");
    return x - 0.7;
}

class RootFinding : public ::testing::Test {
protected:
    void SetUp() override
    {
        calls.clear();
        clear_error();
    }
};

TEST_F(RootFinding, ZeroinFindsSquareRootOfTwo)
{
    double root = Zeroin(&square_minus_two, 0, 2, 1e-10);
    EXPECT_NEAR(root, std::numbers::sqrt2, 1e-10);
    EXPECT_EQ(error_state().code, 0);
}

TEST_F(RootFinding, ZeroinWithoutSignChangeStopsAfterTwoCalls)
{
    double root = Zeroin(&square_plus_one, -1, 1, 1e-10);
    EXPECT_TRUE(std::isnan(root));
    EXPECT_EQ(error_state().code, 20902);
    EXPECT_EQ(error_state().message, "f(a) and f(b) not of opposite sign");
    EXPECT_EQ(calls.size(), 2u);
}

TEST_F(RootFinding, ZeroinAcceptsAZeroAtEitherEnd)
{
    EXPECT_EQ(Zeroin(&zero_at_minus_three, -3, 5, 1e-8), -3.0);
    EXPECT_EQ(error_state().code, 0);
    EXPECT_EQ(Zeroin(&zero_at_minus_three, -7, -3, 1e-8), -3.0);
    EXPECT_EQ(error_state().code, 0);
}

TEST_F(RootFinding, PendingErrorReturnsWithoutCallingTheFunction)
{
    kelvo::set_error(77, "earlier");
    Zeroin(&square_minus_two, 0, 2, 1e-10);
    Fmin(&shifted_square, 0, 3, 1e-6);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(error_state().code, 77);
}

TEST_F(RootFinding, ZeroinWithZeroToleranceRunsOutOfPasses)
{
    // tol1 shrinks with b towards the zero at 0, so the bracket never gets small enough.
    double root = Zeroin(&cube, -1, 2, 0);
    EXPECT_EQ(error_state().code, 20914);
    EXPECT_EQ(error_state().message, "No convergence after 100 iterations.");
    EXPECT_LT(std::fabs(root), 1e-3) << "the last iterate is still returned";
    EXPECT_EQ(calls.size(), 2u + 101u);
}

TEST_F(RootFinding, FailingFunctionStopsTheSearch)
{
    double root = Zeroin(&failing_beyond_half, 0, 1, 1e-10);
    EXPECT_TRUE(std::isnan(root));
    EXPECT_EQ(error_state().code, 20901);
    EXPECT_EQ(error_state().message, "Error in function evaluation");
    EXPECT_EQ(calls.size(), 2u) << "F(b) = F(1) fails at once";
}

TEST_F(RootFinding, FminRejectsAnEmptyOrReversedInterval)
{
    EXPECT_TRUE(std::isnan(Fmin(&shifted_square, 2, 2, 1e-6)));
    EXPECT_EQ(error_state().code, 20903);
    clear_error();
    Fmin(&shifted_square, 3, 0, 1e-6);
    EXPECT_EQ(error_state().code, 20903);
    EXPECT_EQ(error_state().message, "Bad interval: high end <= low end");
    EXPECT_TRUE(calls.empty());
}

TEST_F(RootFinding, FminFindsTheMinimumStartingAtTheGoldenSection)
{
    double x = Fmin(&shifted_square, 0, 3, 1e-6);
    EXPECT_NEAR(x, 1.0, 1e-6);
    EXPECT_EQ(error_state().code, 0);
    ASSERT_FALSE(calls.empty());
    EXPECT_DOUBLE_EQ(calls.front(), 0 + 0.3819660112501051 * 3);
}

TEST_F(RootFinding, FminReportsAFailingFunction)
{
    EXPECT_TRUE(std::isnan(Fmin(&failing_beyond_half, 0, 3, 1e-6)));
    EXPECT_EQ(error_state().code, 20901);
    EXPECT_EQ(calls.size(), 1u);
}

TEST_F(RootFinding, MissingFunctionFailsInsteadOfCrashing)
{
    EXPECT_TRUE(std::isnan(Zeroin(nullptr, 0, 1, 1e-6)));
    EXPECT_EQ(error_state().code, 20901);
    clear_error();
    EXPECT_TRUE(std::isnan(Fmin(nullptr, 0, 1, 1e-6)));
    EXPECT_EQ(error_state().code, 20901);
}

TEST_F(RootFinding, NaNLimitsEndWithinThePassLimit)
{
    Zeroin(&cube, NAN, 1, 1e-6);
    EXPECT_LE(calls.size(), 103u);
    calls.clear();
    clear_error();
    Fmin(&shifted_square, 0, NAN, 1e-6);
    EXPECT_LE(calls.size(), 102u);
}

struct ByVarCase {
    char const* name;
    char const* formula;
    char const* variable;
    double a, b, tol;
    int32_t code;
    double expected; // when code is 0
};

void PrintTo(ByVarCase const& c, std::ostream* out)
{
    *out << '"' << c.formula << "\" in " << c.variable << " from " << c.a << " to " << c.b;
}

class FindRootByVar : public ::testing::TestWithParam<ByVarCase> {};

TEST_P(FindRootByVar, GivesTheRootOrTheCode)
{
    ByVarCase const& c = GetParam();
    double result = -999.0;
    EXPECT_EQ(TkFindRootByVar(c.formula, c.variable, &result, c.a, c.b, c.tol), c.code);
    if (c.code == 0) {
        EXPECT_NEAR(result, c.expected, c.tol);
    } else if (c.code < 10500) {
        EXPECT_EQ(result, -999.0) << "a failed preparation leaves the result alone";
    }
}

INSTANTIATE_TEST_SUITE_P(Formulae, FindRootByVar, ::testing::Values(
    ByVarCase{"SquareRootOfTwo", "x^2 - 2", "x", 0, 2, 1e-10, 0, std::numbers::sqrt2},
    ByVarCase{"Pi", "sin(t)", "t", 3, 4, 1e-12, 0, std::numbers::pi},
    ByVarCase{"VariableNamedPi", "x", "pi", 0, 1, 1e-6, 10425, 0},
    ByVarCase{"VariableNamedLikeFunction", "x", "Sqrt", 0, 1, 1e-6, 10425, 0},
    ByVarCase{"DoesNotCompile", "x^", "x", 0, 1, 1e-6, 10406, 0},
    ByVarCase{"NoSignChange", "x^2 + 1", "x", -1, 1, 1e-6, 20902, 0},
    ByVarCase{"EvaluationFails", "ln(x)", "x", -1, 1, 1e-6, 20901, 0}),
    case_name::FromMember());

TEST(FindminByVar, SquareRootFailsAtTheFirstPoint)
{
    // The first point, -1 + 0.382 * 2 = -0.236, has no square root.
    double result = 0.0;
    EXPECT_EQ(TkFindminByVar("sqrt(x)", "x", &result, -1, 1, 1e-6), 20901);
}

TEST(FindminByVar, FindsTheMinimumOfAFormula)
{
    double result = 0.0;
    EXPECT_EQ(TkFindminByVar("(x - 1.5)^2 + 3", "x", &result, 0, 4, 1e-8), 0);
    EXPECT_NEAR(result, 1.5, 1e-6);
    EXPECT_EQ(TkFindminByVar("x", "x", &result, 1, 0, 1e-8), 20903);
    EXPECT_EQ(TkFindminByVar("x", "x", nullptr, 0, 1, 1e-8), 0);
}

} // namespace
