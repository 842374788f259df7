// Zeroin, Fmin and Romb against GSL's Brent root solver, Brent minimiser and adaptive
// Gauss-Kronrod integration, on the same functions and tolerances. GSL is an independent
// implementation: agreement within the tolerance asked for is the test.

#include <cmath>
#include <numbers>
#include <string>

#include <gsl/gsl_errno.h>
#include <gsl/gsl_integration.h>
#include <gsl/gsl_min.h>
#include <gsl/gsl_roots.h>
#include <gtest/gtest.h>

#include "lib/kelvolib.h"
#include "lib/runtime/error_state.h"
#include "tests/case_name.h"

namespace {

struct TestFunction {
    char const* name;
    double (*f)(double);
    double a, b;
};

void PrintTo(TestFunction const& function, std::ostream* out)
{
    *out << "from " << function.a << " to " << function.b;
}

double gsl_adapter(double x, void* params)
{
    return reinterpret_cast<double (*)(double)>(params)(x);
}

gsl_function as_gsl(double (*f)(double))
{
    return gsl_function{&gsl_adapter, reinterpret_cast<void*>(f)};
}

double gsl_root(TestFunction const& function, double tol)
{
    gsl_function f = as_gsl(function.f);
    gsl_root_fsolver* solver = gsl_root_fsolver_alloc(gsl_root_fsolver_brent);
    gsl_root_fsolver_set(solver, &f, function.a, function.b);
    int status = GSL_CONTINUE;
    for (int i = 0; i < 200 && status == GSL_CONTINUE; ++i) {
        gsl_root_fsolver_iterate(solver);
        status = gsl_root_test_interval(gsl_root_fsolver_x_lower(solver), gsl_root_fsolver_x_upper(solver), tol, 0);
    }
    double root = gsl_root_fsolver_root(solver);
    gsl_root_fsolver_free(solver);
    return root;
}

double gsl_minimum(TestFunction const& function, double tol)
{
    gsl_function f = as_gsl(function.f);
    gsl_min_fminimizer* minimizer = gsl_min_fminimizer_alloc(gsl_min_fminimizer_brent);
    // GSL wants a starting point below both ends: the same golden-section point Fmin
    // starts from.
    double guess = function.a + 0.5 * (3 - std::sqrt(5.0)) * (function.b - function.a);
    gsl_min_fminimizer_set(minimizer, &f, guess, function.a, function.b);
    int status = GSL_CONTINUE;
    for (int i = 0; i < 200 && status == GSL_CONTINUE; ++i) {
        gsl_min_fminimizer_iterate(minimizer);
        status = gsl_min_test_interval(gsl_min_fminimizer_x_lower(minimizer), gsl_min_fminimizer_x_upper(minimizer),
                                       tol, 0);
    }
    double x = gsl_min_fminimizer_x_minimum(minimizer);
    gsl_min_fminimizer_free(minimizer);
    return x;
}

double gsl_integral(TestFunction const& function)
{
    gsl_function f = as_gsl(function.f);
    gsl_integration_workspace* workspace = gsl_integration_workspace_alloc(1000);
    double result = 0;
    double error = 0;
    gsl_integration_qags(&f, function.a, function.b, 1e-14, 1e-14, 1000, workspace, &result, &error);
    gsl_integration_workspace_free(workspace);
    return result;
}

class GslTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { gsl_set_error_handler_off(); }
    void SetUp() override { kelvo::clear_error(); }
};

class ZeroinAgainstGsl : public GslTest, public ::testing::WithParamInterface<TestFunction> {};

TEST_P(ZeroinAgainstGsl, RootsAgreeWithinTheTolerance)
{
    constexpr double tol = 1e-10;
    TestFunction const& function = GetParam();
    double ours = Zeroin(function.f, function.a, function.b, tol);
    EXPECT_EQ(kelvo::error_state().code, 0);
    EXPECT_NEAR(ours, gsl_root(function, tol), 2 * tol);
}

INSTANTIATE_TEST_SUITE_P(Functions, ZeroinAgainstGsl, ::testing::Values(
    TestFunction{"SquareMinusTwo", [](double x) { return x * x - 2; }, 0, 2},
    TestFunction{"CosineMinusX", [](double x) { return std::cos(x) - x; }, 0, 1},
    TestFunction{"ExponentialMinusFive", [](double x) { return std::exp(x) - 5; }, 0, 3},
    TestFunction{"WallisCubic", [](double x) { return x * x * x - 2 * x - 5; }, 2, 3},
    TestFunction{"SineNearPi", [](double x) { return std::sin(x); }, 3, 4},
    TestFunction{"SteepTanh", [](double x) { return std::tanh(50 * (x - 0.3)); }, -1, 2}),
    case_name::FromMember());

class FminAgainstGsl : public GslTest, public ::testing::WithParamInterface<TestFunction> {};

TEST_P(FminAgainstGsl, MinimaAgreeWithinTheTolerance)
{
    // A minimum's abscissa is found only to about the square root of the precision of the
    // function values.
    constexpr double tol = 1e-8;
    TestFunction const& function = GetParam();
    double ours = Fmin(function.f, function.a, function.b, tol);
    EXPECT_EQ(kelvo::error_state().code, 0);
    EXPECT_NEAR(ours, gsl_minimum(function, tol), 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Functions, FminAgainstGsl, ::testing::Values(
    TestFunction{"ShiftedParabola", [](double x) { return (x - 1) * (x - 1) + 1; }, 0, 3},
    TestFunction{"CosineNearPi", [](double x) { return std::cos(x); }, 2, 5},
    TestFunction{"QuarticMinusLinear", [](double x) { return x * x * x * x - 3 * x; }, 0, 2},
    TestFunction{"ExponentialMinusLinear", [](double x) { return std::exp(x) - 2 * x; }, 0, 2}),
    case_name::FromMember());

class RombAgainstGsl : public GslTest, public ::testing::WithParamInterface<TestFunction> {};

TEST_P(RombAgainstGsl, IntegralsAgreeWithinTheErrorEstimate)
{
    TestFunction const& function = GetParam();
    double err_est = 0;
    double ours = Romb(10, function.f, &err_est, function.a, function.b);
    EXPECT_EQ(kelvo::error_state().code, 0);
    EXPECT_GT(err_est, 0.0);
    EXPECT_NEAR(ours, gsl_integral(function), err_est);
}

INSTANTIATE_TEST_SUITE_P(Functions, RombAgainstGsl, ::testing::Values(
    TestFunction{"Exponential", [](double x) { return std::exp(x); }, 0, 1},
    TestFunction{"QuarterPi", [](double x) { return 1 / (1 + x * x); }, 0, 1},
    TestFunction{"Quartic", [](double x) { return x * x * x * x; }, -1, 2},
    TestFunction{"CosineQuarterPeriod", [](double x) { return std::cos(x); }, 0, std::numbers::pi / 2},
    TestFunction{"Gaussian", [](double x) { return std::exp(-x * x); }, -3, 3}),
    case_name::FromMember());

} // namespace
