// Parameter lists, prepare formula, the evaluation callbacks and the compile and evaluate
// calls (the graph-bound ones against a parameter list standing for the graph).

#include "lib/formula/entry_points.h"

#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "lib/formula/evaluator.h"
#include "lib/formula/formula_errors.h"
#include "lib/formula/formula_state.h"
#include "lib/kelvolib.h"
#include "lib/runtime/error_state.h"
#include "tests/case_name.h"

namespace {

using namespace kelvo;

TEST(ParameterList, AddTrimsAndCutsNames)
{
    ParameterList list;
    EXPECT_EQ(add_parameter(&list, " a ", 3.0), 1);
    EXPECT_EQ(list.name(1), "a");
    EXPECT_EQ(add_parameter(&list, "\tlongername", 1.0), 2);
    EXPECT_EQ(list.name(2), "longerna");
    EXPECT_EQ(set_parameter_value(&list, "longername", 2.0), 0) << "only the stored 8 characters match";
    EXPECT_EQ(set_parameter_value(&list, "longerna", 2.0), 2);
}

TEST(ParameterList, ThirteenthParameterIsRefused)
{
    ParameterList list;
    for (int i = 1; i <= 12; ++i)
        EXPECT_EQ(add_parameter(&list, "p" + std::to_string(i), i), i);
    EXPECT_EQ(add_parameter(&list, "p13", 13), 0);
    EXPECT_EQ(list.count(), 12);
    clear_parameter_list(&list);
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(add_parameter(&list, "q", 1), 1);
}

TEST(ParameterList, NoGraphChangesNothing)
{
    EXPECT_EQ(add_parameter(nullptr, "a", 1.0), 0);
    EXPECT_EQ(set_parameter_value(nullptr, "a", 1.0), 0);
    clear_parameter_list(nullptr);
    EXPECT_EQ(compile_parameter_list(nullptr), 0);
}

TEST(ParameterList, SetValueMatchesCaseAndTakesTheLaterDuplicate)
{
    ParameterList list;
    add_parameter(&list, "a", 1.0);
    add_parameter(&list, "a", 2.0);
    EXPECT_EQ(set_parameter_value(&list, "A", 5.0), 0);
    EXPECT_EQ(set_parameter_value(&list, " a ", 5.0), 2);
    EXPECT_EQ(list.value(1), 1.0);
    EXPECT_EQ(list.value(2), 5.0);
}

TEST(GraphFormulae, ParametersFeedEx0Formulae)
{
    ParameterList list;
    add_parameter(&list, "a", 3.0);
    add_parameter(&list, "b", 2.0);
    double result = 0.0;
    EXPECT_EQ(evaluate_ex0(&list, "a + b", &result), 0);
    EXPECT_EQ(result, 5.0);
    EXPECT_EQ(set_parameter_value(&list, "a", 10.0), 1);
    EXPECT_EQ(evaluate_ex0(&list, "a + b", &result), 0);
    EXPECT_EQ(result, 12.0);
    EXPECT_EQ(evaluate_ex0(&list, "A + b", &result), 0) << "letter case does not matter in formulae";
    EXPECT_EQ(result, 12.0);
    EXPECT_EQ(evaluate_ex0(&list, "a * x", &result), 10408) << "Ex0 formulae have no variables";
}

TEST(GraphFormulae, ParameterValuesAreCopiedWhenPrepared)
{
    ParameterList list;
    add_parameter(&list, "a", 1.0);
    FormulaPtr formula = prepare_formula(&list, "a * 2").formula;
    ASSERT_NE(formula, nullptr);
    set_parameter_value(&list, "a", 7.0);
    EXPECT_EQ(evaluate(formula.get()).value, 2.0);
}

struct ClashCase {
    char const* name;
    char const* first;
    char const* second;
};

void PrintTo(ClashCase const& c, std::ostream* out)
{
    *out << '"' << c.first << "\" and \"" << c.second << '"';
}

class ParameterClash : public ::testing::TestWithParam<ClashCase> {};

TEST_P(ParameterClash, EveryPreparationFailsWithTheClashCode)
{
    ParameterList list;
    add_parameter(&list, GetParam().first, 1.0);
    add_parameter(&list, GetParam().second, 2.0);
    EXPECT_EQ(compile_parameter_list(&list), name_clash_code);
    double result = -1.0;
    EXPECT_EQ(evaluate_ex0(&list, "1", &result), name_clash_code);
    EXPECT_EQ(result, -1.0);
    EXPECT_EQ(compile_ex0(&list, "1"), name_clash_code);
}

INSTANTIATE_TEST_SUITE_P(Names, ParameterClash, ::testing::Values(
    ClashCase{"SameNameOtherCase", "a", "A"},
    ClashCase{"BuiltinFunction", "b", "sin"},
    ClashCase{"PiInCapitals", "PI", "c"},
    ClashCase{"Repeated", "k", "k"}),
    case_name::FromMember());

TEST(GraphFormulae, CompileParameterListLeavesTheErrorStateAlone)
{
    ParameterList list;
    add_parameter(&list, "a", 1.0);
    add_parameter(&list, "A", 1.0);
    set_error(77, "earlier");
    EXPECT_EQ(compile_parameter_list(&list), name_clash_code);
    EXPECT_EQ(error_state().code, 77);
    EXPECT_EQ(error_state().message, "earlier");
    clear_parameter_list(&list);
    add_parameter(&list, "a", 1.0);
    EXPECT_EQ(compile_parameter_list(&list), 0);
}

TEST(GraphFormulae, NameClashKeepsThePreviousMessage)
{
    ParameterList list;
    add_parameter(&list, "sin", 1.0);
    set_error(5, "previous text");
    EXPECT_EQ(compile_ex0(&list, "1"), name_clash_code);
    EXPECT_EQ(error_state().message, "previous text");
}

TEST(GraphFormulae, CompileEx0ReportsCompileErrors)
{
    ParameterList list;
    add_parameter(&list, "a", 1.0);
    EXPECT_EQ(compile_ex0(&list, "sin("), 10406);
    EXPECT_EQ(compile_ex0(&list, "2+"), 10406);
    EXPECT_EQ(compile_ex0(&list, "a+"), 10406);
    EXPECT_EQ(compile_ex0(&list, "a*pi"), 0);
    EXPECT_EQ(compile_ex0(nullptr, "a"), 10408);
}

TEST(ByVarCalls, VariablesMatchInAnyCase)
{
    double result = 0.0;
    EXPECT_EQ(TkEvaluate1ByVar("x^2", "x", &result, 3.0), 0);
    EXPECT_EQ(result, 9.0);
    EXPECT_EQ(TkEvaluate1ByVar("x^2", "X", &result, 3.0), 0);
    EXPECT_EQ(result, 9.0);
}

TEST(ByVarCalls, NoParameterListIsUsed)
{
    double result = -1.0;
    EXPECT_EQ(TkEvaluate1ByVar("a*x", "x", &result, 2.0), 10408);
    EXPECT_EQ(result, -1.0) << "a failed preparation leaves the result alone";
}

TEST(ByVarCalls, VariableNameClashes)
{
    double result = -1.0;
    EXPECT_EQ(TkEvaluate2ByVar("x", "x", "x", 1.0, 2.0, &result), name_clash_code);
    EXPECT_EQ(TkEvaluate2ByVar("x", "x", "X", 1.0, 2.0, &result), name_clash_code);
    EXPECT_EQ(TkEvaluate1ByVar("1", "pi", &result, 1.0), name_clash_code);
    EXPECT_EQ(TkEvaluate1ByVar("1", "Exp", &result, 1.0), name_clash_code);
    EXPECT_EQ(result, -1.0);
}

TEST(ByVarCalls, EvaluationFailureStoresZero)
{
    double result = -1.0;
    EXPECT_EQ(TkEvaluate1ByVar("1/x", "x", &result, 0.0), 10414);
    EXPECT_EQ(result, 0.0);
}

TEST(ByVarCalls, SlotsFollowArgumentPositions)
{
    double result = 0.0;
    // Name 2 uses slot 2 even when name 1 is empty.
    EXPECT_EQ(TkEvaluate2ByVar("y*10", "", "y", 1.0, 2.0, &result), 0);
    EXPECT_EQ(result, 20.0);
    EXPECT_EQ(TkEvaluate3ByVar("z - y/x", "x", "y", "z", 2.0, 6.0, 10.0, &result), 0);
    EXPECT_EQ(result, 7.0);
    EXPECT_EQ(TkEvaluate3ByVar("c", "", nullptr, "c", 2.0, 6.0, 10.0, &result), 0);
    EXPECT_EQ(result, 10.0);
    // Names are not trimmed: " x" is a name no formula can write.
    EXPECT_EQ(TkEvaluate1ByVar("x", " x", &result, 1.0), 10408);
}

TEST(ByVarCalls, LongVariableNamesCannotBeFound)
{
    double result = 0.0;
    EXPECT_EQ(TkEvaluate1ByVar("velocity1", "velocity1", &result, 1.0), 10408);
    EXPECT_EQ(TkEvaluate1ByVar("velocity", "velocity", &result, 4.0), 0);
    EXPECT_EQ(result, 4.0);
}

TEST(ByVarCalls, EachCallStartsWithAClearErrorState)
{
    set_error(99, "stale");
    double result = 0.0;
    EXPECT_EQ(TkEvaluate1ByVar("x+1", "x", &result, 1.0), 0);
    EXPECT_EQ(error_state().flag, 0);
    EXPECT_EQ(error_state().code, 0);
}

TEST(ByVarCalls, HostileArgumentsAreHarmless)
{
    EXPECT_EQ(TkEvaluate1ByVar(nullptr, nullptr, nullptr, 0.0), 10406);
    EXPECT_EQ(TkEvaluate2ByVar("x+y", "x", "y", 1.0, 2.0, nullptr), 0);
    EXPECT_EQ(TkEvaluate3ByVar("\xff \xfe", "\xff", "\xfe", nullptr, 1.0, 2.0, 3.0, nullptr), 10407);
    std::string long_name(1000, 'n');
    double result = 0.0;
    EXPECT_EQ(TkEvaluate1ByVar("1", long_name.c_str(), &result, 1.0), 0);
    // The current formula does not outlive the call.
    EXPECT_EQ(formula_state().current_formula, nullptr);
}

TEST(Callbacks, EvaluateCurrentStoresTheSlotsFirst)
{
    formula_state().current_formula = prepare_formula(nullptr, "x*100 + y*10 + z", "x", "y", "z").formula;
    ASSERT_NE(formula_state().current_formula, nullptr);
    EXPECT_EQ(evaluate_current(1.0, 2.0, 3.0).value, 123.0);
    EXPECT_EQ(evaluate_current(4.0, 5.0).value, 453.0) << "z keeps its last value";
    EXPECT_EQ(evaluate_current(7.0).value, 753.0);
    release_current_formula();
    Evaluation const none = evaluate_current(1.0);
    EXPECT_EQ(none.value, 0.0);
    EXPECT_EQ(none.failure.code(), 10423);
}

TEST(Callbacks, ReportingClearsTheFlagOrReportsTheFailure)
{
    // The numerical methods read a failure from the error state, whoever's function it was.
    set_error(77, "earlier");
    Evaluation success;
    success.value = 2.5;
    EXPECT_EQ(value_reporting_failure(success), 2.5);
    EXPECT_EQ(error_state().flag, 0);
    EXPECT_EQ(error_state().code, 77) << "the flag is cleared, the code stays";
    Evaluation failure;
    failure.failure.record(FormulaError::square_root_of_negative);
    EXPECT_EQ(value_reporting_failure(failure), 0.0);
    EXPECT_EQ(error_state().flag, 1);
    EXPECT_EQ(error_state().code, 10415);
    EXPECT_EQ(error_state().message, "square root of negative number");
}

} // namespace
