// ODE sets: creation limits, lines and values by index, compile once per change, one
// step per solve, and the failure table.

#include "lib/numeric/ode_set.h"

#include <cmath>

#include <gtest/gtest.h>

#include "lib/kelvolib.h"
#include "lib/runtime/error_state.h"

namespace {

using kelvo::error_state;

class OdeSets : public ::testing::Test {
protected:
    void TearDown() override
    {
        TkDisposeODE(set_);
    }

    // y' = -y from y = 1 with the given minimum step.
    TkODE decay(double h_min)
    {
        set_ = TkNewODE(1, "t", 1e-6, 1e-6);
        TkSetODELine(set_, 1, "y", "-y");
        TkSetODEValue(set_, 1, 1.0);
        if (h_min > 0)
            TkSetODEValue(set_, -3, h_min);
        return set_;
    }

    double value(int32_t i)
    {
        double result = -12345.0;
        TkGetODEValueByVar(set_, i, &result);
        return result;
    }

    TkODE set_ = 0;
};

TEST_F(OdeSets, FirstStepOfExponentialDecay)
{
    decay(1e-8);
    EXPECT_EQ(TkODESolve(set_), 0);
    EXPECT_DOUBLE_EQ(value(-1), 1e-4);
    EXPECT_NEAR(value(1), std::exp(-1e-4), 1e-15);
    EXPECT_EQ(value(-2), 2e-4) << "the step doubled";
}

TEST_F(OdeSets, ManyStepsFollowTheSolution)
{
    decay(1e-8);
    TkSetODEValue(set_, -2, 0.01);
    while (value(-1) < 2.0)
        ASSERT_EQ(TkODESolve(set_), 0);
    EXPECT_NEAR(value(1), std::exp(-value(-1)), 1e-6);
}

TEST_F(OdeSets, MinimumStepLeftAtZeroFails)
{
    decay(0);
    EXPECT_EQ(TkODESolve(set_), 22010);
    EXPECT_EQ(error_state().code, 20912);
    EXPECT_EQ(value(-1), 0.0);
}

TEST_F(OdeSets, NegativeToleranceFails)
{
    set_ = TkNewODE(1, "t", -1e-6, 1e-6);
    TkSetODELine(set_, 1, "y", "-y");
    TkSetODEValue(set_, -3, 1e-8);
    EXPECT_EQ(TkODESolve(set_), 22010);
    EXPECT_EQ(error_state().code, 20908);
}

TEST_F(OdeSets, NamesAreCaseSensitive)
{
    set_ = TkNewODE(1, "t", 1e-6, 1e-6);
    TkSetODELine(set_, 1, "y", "-Y");
    TkSetODEValue(set_, -3, 1e-8);
    EXPECT_EQ(TkODESolve(set_), 10408);
    TkSetODELine(set_, 1, "y", "-y * T");
    EXPECT_EQ(TkODESolve(set_), 10408);
    TkSetODELine(set_, 1, "y", "-y * t");
    EXPECT_EQ(TkODESolve(set_), 0);
}

TEST_F(OdeSets, LineNeverSetDoesNotCompile)
{
    set_ = TkNewODE(2, "t", 1e-6, 1e-6);
    TkSetODELine(set_, 1, "a", "-a");
    TkSetODEValue(set_, -3, 1e-8);
    EXPECT_EQ(TkODESolve(set_), 10406) << "right-hand side 2 is empty";
    EXPECT_FALSE(kelvo::find_ode_set(set_)->compiled);
}

TEST_F(OdeSets, CountLimits)
{
    EXPECT_EQ(TkNewODE(0, "t", 1e-6, 1e-6), 0u);
    EXPECT_EQ(TkNewODE(9, "t", 1e-6, 1e-6), 0u);
    set_ = TkNewODE(8, "t", 1e-6, 1e-6);
    EXPECT_NE(set_, 0u);
    TkSetODEValue(set_, 8, 3.0);
    EXPECT_EQ(value(8), 3.0);
}

TEST_F(OdeSets, IndexErrorsAreRangeChecksAndChangeNothing)
{
    decay(1e-8);
    kelvo::clear_error();
    EXPECT_EQ(TkSetODELine(set_, 2, "z", "1"), 0);
    EXPECT_EQ(error_state().code, 201);
    EXPECT_EQ(error_state().message, "Range check error");
    EXPECT_EQ(kelvo::find_ode_set(set_)->right_hand_sides[1], "");
    kelvo::clear_error();
    TkSetODEValue(set_, 0, 5.0);
    EXPECT_EQ(error_state().code, 201);
    kelvo::clear_error();
    TkSetODEValue(set_, -4, 5.0);
    EXPECT_EQ(error_state().code, 201);
    kelvo::clear_error();
    EXPECT_TRUE(std::isnan(value(2)));
    EXPECT_EQ(error_state().code, 201);
    EXPECT_EQ(value(1), 1.0);
}

TEST_F(OdeSets, NewSetValues)
{
    set_ = TkNewODE(3, "time", 1e-6, 1e-6);
    EXPECT_EQ(value(-1), 0.0);
    EXPECT_EQ(value(-2), 1e-4);
    EXPECT_EQ(value(-3), 0.0);
    EXPECT_EQ(value(3), 0.0);
}

TEST_F(OdeSets, SecondSolveDoesNotRecompile)
{
    decay(1e-8);
    ASSERT_EQ(TkODESolve(set_), 0);
    kelvo::CompiledFormula const* first = kelvo::find_ode_set(set_)->formulae[0].get();
    ASSERT_EQ(TkODESolve(set_), 0);
    EXPECT_EQ(kelvo::find_ode_set(set_)->formulae[0].get(), first);
    TkSetODEValue(set_, 1, 2.0); // values do not call for a recompilation
    ASSERT_EQ(TkODESolve(set_), 0);
    EXPECT_EQ(kelvo::find_ode_set(set_)->formulae[0].get(), first);
    TkSetODELine(set_, 1, "y", "-y");
    ASSERT_EQ(TkODESolve(set_), 0);
    EXPECT_NE(kelvo::find_ode_set(set_)->formulae[0].get(), first);
}

TEST_F(OdeSets, FailedRecompilationKeepsThePreviousFormulae)
{
    decay(1e-8);
    ASSERT_EQ(TkODESolve(set_), 0);
    kelvo::CompiledFormula const* first = kelvo::find_ode_set(set_)->formulae[0].get();
    TkSetODELine(set_, 1, "y", "-y +");
    EXPECT_EQ(TkODESolve(set_), 10406);
    EXPECT_EQ(kelvo::find_ode_set(set_)->formulae[0].get(), first);
}

TEST_F(OdeSets, EvaluationErrorInTheLastEquationFails)
{
    set_ = TkNewODE(1, "t", 1e-6, 1e-6);
    TkSetODELine(set_, 1, "y", "sqrt(y)");
    TkSetODEValue(set_, -3, 1e-8);
    TkSetODEValue(set_, 1, -1.0);
    EXPECT_EQ(TkODESolve(set_), 22010);
    EXPECT_EQ(error_state().code, 20901);
}

TEST_F(OdeSets, EvaluationErrorInAnEarlierEquationIsNotHiddenByALaterOne)
{
    // Used to succeed: the second equation's evaluation cleared the flag that the first
    // one's failure had set, and the step went on with a derivative of 0.
    set_ = TkNewODE(2, "t", 1e-6, 1e-6);
    TkSetODELine(set_, 1, "a", "ln(a)");
    TkSetODELine(set_, 2, "b", "1");
    TkSetODEValue(set_, -3, 1e-8);
    TkSetODEValue(set_, 1, 0.0);
    EXPECT_EQ(TkODESolve(set_), 22010);
    EXPECT_EQ(error_state().code, 20901);
}

TEST_F(OdeSets, LaterNamesShadowEarlierOnes)
{
    set_ = TkNewODE(2, "t", 1e-6, 1e-6);
    TkSetODELine(set_, 1, "t", "0");
    TkSetODELine(set_, 2, "u", "t");
    TkSetODEValue(set_, -3, 1e-8);
    TkSetODEValue(set_, 1, 7.0);
    ASSERT_EQ(TkODESolve(set_), 0);
    // u' = t reads the state variable named t (value 7), not the time.
    EXPECT_NEAR(value(2), 7.0 * value(-1), 1e-12);
}

TEST_F(OdeSets, NineCharacterNamesCannotBeUsed)
{
    set_ = TkNewODE(1, "t", 1e-6, 1e-6);
    TkSetODELine(set_, 1, "velocity1", "-velocity1");
    TkSetODEValue(set_, -3, 1e-8);
    EXPECT_EQ(TkODESolve(set_), 10408);
    TkSetODELine(set_, 1, "velocity12345", "-velocity");
    EXPECT_EQ(kelvo::find_ode_set(set_)->names[0], "velocity1");
    EXPECT_EQ(TkODESolve(set_), 10408);
}

TEST(OdeHandles, BadHandlesDoNothing)
{
    TkODE disposed = TkNewODE(1, "t", 1e-6, 1e-6);
    TkDisposeODE(disposed);
    for (TkODE bad : {TkODE{0}, disposed, TkODE{0xDEADBEEF}}) {
        kelvo::clear_error();
        EXPECT_EQ(TkSetODELine(bad, 1, "y", "1"), 0);
        TkSetODEValue(bad, 1, 1.0);
        double result = 5.0;
        TkGetODEValueByVar(bad, 1, &result);
        EXPECT_EQ(result, 5.0);
        EXPECT_EQ(TkODESolve(bad), 22010);
        TkDisposeODE(bad);
        EXPECT_EQ(kelvo::error_state().code, 0);
    }
    TkODE live = TkNewODE(1, nullptr, 1e-6, 1e-6);
    TkSetODELine(live, 1, nullptr, nullptr);
    TkGetODEValueByVar(live, 1, nullptr);
    TkDisposeODE(live);
}

} // namespace
