// The grammar, the scanner's token rules and the compile driver, seen through what a
// formula compiles to: its value, or the code of its first error.

#include "lib/formula/parser.h"

#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "formula_test_support.h"
#include "lib/formula/formula_state.h"

namespace {

using formula_test::compile_code;
using formula_test::run;

struct FormulaCase {
    char const* name;
    std::string text;
    double expected;       // the value when code is 0
    int32_t code = 0;      // expected error code
};

void PrintTo(FormulaCase const& c, std::ostream* out)
{
    *out << '"' << c.text << '"';
}

std::string name_of(::testing::TestParamInfo<FormulaCase> const& info)
{
    return info.param.name;
}

class CompiledValue : public ::testing::TestWithParam<FormulaCase> {};

TEST_P(CompiledValue, GivesTheValueOrTheFirstError)
{
    FormulaCase const& c = GetParam();
    auto outcome = run(c.text, 3.0, 2.0, 0.5);
    EXPECT_EQ(outcome.code, c.code) << kelvo::error_state().message;
    if (c.code == 0) {
        EXPECT_DOUBLE_EQ(outcome.value, c.expected);
    } else if (c.code < kelvo::first_evaluation_error_code) {
        EXPECT_EQ(outcome.value, -12345.0) << "a failed compilation must not write the result";
    }
}

// Numbers: mantissa, point, exponent, magnitude limits.
INSTANTIATE_TEST_SUITE_P(Numbers, CompiledValue, ::testing::Values(
    FormulaCase{"LeadingPoint", ".5", 0.5},
    FormulaCase{"TrailingPointIsOutOfRange", "5.", 0, 10403},
    FormulaCase{"LonePoint", ".", 0, 10401},
    FormulaCase{"LonePointBeforeExponent", ".e5", 0, 10401},
    FormulaCase{"SecondPoint", "1.2.3", 0, 10400},
    FormulaCase{"ExponentWithoutDigits", "1e", 0, 10402},
    FormulaCase{"ExponentSignWithoutDigits", "1e+", 0, 10402},
    FormulaCase{"ExponentFollowedByLetter", "2ex", 0, 10402},
    FormulaCase{"NegativeExponent", "1E-3", 0.001},
    FormulaCase{"PositiveExponent", "2.5e+10", 2.5e10},
    FormulaCase{"PointBeforeExponent", "5.e2", 500},
    FormulaCase{"TooLarge", "1e400", 0, 10403},
    FormulaCase{"BeyondOverflowLimit", "1.31e154", 0, 10403},
    FormulaCase{"JustWithinOverflowLimit", "1.3e154", 1.3e154},
    FormulaCase{"BelowUnderflowLimit", "1e-170", 0, 10403},
    FormulaCase{"JustAboveUnderflowLimit", "2.3e-162", 2.3e-162},
    FormulaCase{"ZeroWithHugeExponent", "0e-999", 0},
    FormulaCase{"ZeroWithPoint", "0.000", 0},
    FormulaCase{"ZeroEndingWithPoint", "0.", 0, 10403},
    FormulaCase{"NumberThenIdentifier", "2x", 0, 10407},
    FormulaCase{"NumberThenNumber", "x 2", 0, 10407}),
    name_of);

// Signs and precedence.
INSTANTIATE_TEST_SUITE_P(SignsAndPrecedence, CompiledValue, ::testing::Values(
    FormulaCase{"SignAfterTimes", "2*-3", 0, 10406},
    FormulaCase{"SignAfterPower", "2^-1", 0, 10406},
    FormulaCase{"DoubleSign", "--x", 0, 10406},
    FormulaCase{"PlusMinus", "+-x", 0, 10406},
    FormulaCase{"BracketedSign", "2*(-3)", -6},
    FormulaCase{"SignInArgument", "exp(-0)", 1},
    FormulaCase{"LeadingMinusThenPlus", "-2+3", 1},
    FormulaCase{"MinusBindsLooserThanPower", "-2^2", -4},
    FormulaCase{"MinusNegatesWholeFirstTerm", "-x*y+1", -5},
    FormulaCase{"LeadingPlusBuildsNothing", "+x", 3},
    FormulaCase{"PowerGroupsRight", "2^3^2", 512},
    FormulaCase{"SubtractionGroupsLeft", "10-3-2", 5},
    FormulaCase{"DivisionGroupsLeft", "12/3*2", 8},
    FormulaCase{"DivisionChain", "x/y/z", 3.0},
    FormulaCase{"PowerBeforeProduct", "2*x^2", 18},
    FormulaCase{"ProductBeforeSum", "1+2*3", 7},
    FormulaCase{"NumberMinusExpression", "1-x*y", -5},
    FormulaCase{"NumberPowerExpression", "2^(x+1)", 16},
    FormulaCase{"NumberOverExpression", "12/(x+1)", 3},
    FormulaCase{"VariableOverExpression", "x/(y*z)", 3},
    FormulaCase{"ExpressionOverExpression", "(x+1)/(y+2)", 1},
    FormulaCase{"VariablePowerVariable", "y^x", 8},
    FormulaCase{"ExpressionTimesNumber", "(x+1)*2", 8},
    FormulaCase{"NumberTimesExpression", "2*(x+1)", 8},
    FormulaCase{"SignedSquare", "-(x-5)^2", -4}),
    name_of);

// Brackets, names, letter case and subscripts.
INSTANTIATE_TEST_SUITE_P(BracketsAndNames, CompiledValue, ::testing::Values(
    FormulaCase{"MissingClose", "sin(x", 0, 10405},
    FormulaCase{"MixedBrackets", "(x]", 3},
    FormulaCase{"SquareBrackets", "[x+1]*2", 8},
    FormulaCase{"FunctionWithoutArgument", "sin x", 0, 10410},
    FormulaCase{"FunctionAlone", "sin", 0, 10410},
    FormulaCase{"UpperCaseFunctionAndVariable", "SIN(X)", std::sin(3.0)},
    FormulaCase{"MixedCaseFunction", "Sin(x)", std::sin(3.0)},
    FormulaCase{"UpperCasePi", "PI", 3.141592653589793},
    FormulaCase{"SubscriptOnConstant", "pi(2)", 0, 10411},
    FormulaCase{"SubscriptOnVariable", "x(1)", 0, 10412},
    FormulaCase{"ErrorInsideSubscriptWinsOverSubscript", "x(q)", 0, 10408},
    FormulaCase{"UnknownName", "q", 0, 10408},
    FormulaCase{"ApostropheIsPartOfName", "x'", 0, 10408},
    FormulaCase{"TwoFunctions", "sin(x) cos(x)", 0, 10407},
    FormulaCase{"EmptyArgument", "sin()", 0, 10406},
    FormulaCase{"NestedFunctions", "sqrt(abs(-x-1))", 2}),
    name_of);

// Characters outside the token set, and the end of the text.
INSTANTIATE_TEST_SUITE_P(CharactersAndEnd, CompiledValue, ::testing::Values(
    FormulaCase{"Empty", "", 0, 10406},
    FormulaCase{"BlanksOnly", "   ", 0, 10406},
    FormulaCase{"Underscore", "x_1", 0, 10404},
    FormulaCase{"Comma", "x,y", 0, 10404},
    FormulaCase{"Equals", "x=1", 0, 10404},
    FormulaCase{"Tab", "x\t+1", 0, 10404},
    FormulaCase{"LeadingTab", "\tx", 0, 10404},
    FormulaCase{"CarriageReturnEndsText", "x\r+1", 3},
    FormulaCase{"CarriageReturnHidesGarbage", "x\r$$$(", 3},
    FormulaCase{"CarriageReturnLineFeed", "x+1\r\n", 4},
    FormulaCase{"LineFeedAlone", "x+1\n", 0, 10404},
    FormulaCase{"OnlyCarriageReturn", "\r", 0, 10406},
    FormulaCase{"DanglingOperator", "2+", 0, 10406},
    FormulaCase{"OpenFunction", "sin(", 0, 10406}),
    name_of);

// After the first error nothing else is recorded.
INSTANTIATE_TEST_SUITE_P(FirstErrorWins, CompiledValue, ::testing::Values(
    FormulaCase{"UnknownNameBeforeBadCharacter", "q+$", 0, 10408},
    FormulaCase{"BadNumberBeforeMissingClose", "(1.2.3", 0, 10400},
    FormulaCase{"MissingArgumentBeforeUnknownName", "sin + q", 0, 10410},
    FormulaCase{"BadCharacterInsideBrackets", "(x,y)", 0, 10404}),
    name_of);

TEST(FormulaText, LongTextsReadAcrossPieces)
{
    // 1+1+...+1 with 400 terms: read as a blank and then 100-character pieces, with no
    // visible joins (numbers and names may straddle them).
    std::string text = "1";
    for (int i = 1; i < 400; ++i)
        text += "+1";
    auto outcome = run(text);
    EXPECT_EQ(outcome.code, 0);
    EXPECT_EQ(outcome.value, 400.0);

    std::string spaced(99, ' ');
    spaced += "123.25";
    spaced += std::string(150, ' ') + "*x";
    outcome = run(spaced, 2.0);
    EXPECT_EQ(outcome.code, 0);
    EXPECT_EQ(outcome.value, 246.5);
}

TEST(FormulaText, PiecesFollowTheLengthRule)
{
    using kelvo::formula_pieces;
    using kelvo::TextForm;
    EXPECT_EQ(formula_pieces(std::string(99, 'a'), TextForm::zero_terminated).size(), 1u);
    auto pieces = formula_pieces(std::string(100, 'a'), TextForm::zero_terminated);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0], " ");
    EXPECT_EQ(pieces[1].size(), 100u);
    pieces = formula_pieces(std::string(250, 'a'), TextForm::zero_terminated);
    ASSERT_EQ(pieces.size(), 4u);
    EXPECT_EQ(pieces[3].size(), 50u);
    EXPECT_EQ(formula_pieces(std::string(250, 'a'), TextForm::short_string).size(), 1u);
}

TEST(FormulaText, NumbersLongerThanATokenKeepTheirValue)
{
    // 300 digits after the point: the whole literal is converted, not its first 255
    // characters.
    std::string text = "0." + std::string(299, '0') + "1e300";
    auto outcome = run(text);
    EXPECT_EQ(outcome.code, 0);
    EXPECT_DOUBLE_EQ(outcome.value, 1.0);
    EXPECT_EQ(compile_code(std::string(300, 'x')), 10408);
}

TEST(NestingLimit, DeepButLegalNestingCompiles)
{
    std::string text = std::string(400, '(') + "x" + std::string(400, ')');
    EXPECT_EQ(run(text, 2.0).value, 2.0);
}

TEST(NestingLimit, HostileNestingIsRefusedInsteadOfExhaustingTheStack)
{
    // Used to recurse once per bracket until the stack ran out.
    std::string brackets = std::string(200000, '(') + "x" + std::string(200000, ')');
    EXPECT_EQ(compile_code(brackets), kelvo::heap_error_code);
    std::string powers = "2";
    for (int i = 0; i < 100000; ++i)
        powers += "^2";
    EXPECT_EQ(compile_code(powers), kelvo::heap_error_code);
    std::string functions;
    for (int i = 0; i < 100000; ++i)
        functions += "sin(";
    EXPECT_EQ(compile_code(functions), kelvo::heap_error_code);
    // An earlier formula error still wins.
    EXPECT_EQ(compile_code("q+" + brackets), 10408);
}

TEST(CompileDriver, FailedCompilationGivesNoFormulaAndKeepsTheFirstMessage)
{
    kelvo::clear_error();
    kelvo::Compilation compilation = kelvo::prepare_formula(nullptr, "sin(x", "x");
    EXPECT_EQ(compilation.formula, nullptr);
    EXPECT_EQ(compilation.failure.code(), 10405);
    EXPECT_EQ(kelvo::error_state().flag, 0) << "the compiler keeps its failure to itself";
    compilation.failure.report();
    EXPECT_EQ(kelvo::error_state().code, 10405);
    EXPECT_EQ(kelvo::error_state().message, "')' expected");
}

TEST(CompileDriver, LetterCaseOfExactSymbolsMatters)
{
    // ODE names are registered with exact letter case.
    double y = 4.0;
    auto& symbols = kelvo::formula_state().symbols;
    symbols.reset_to_builtins();
    symbols.register_variable("y", kelvo::LetterCase::exact, &y);
    EXPECT_NE(kelvo::compile_formula("y*2").formula, nullptr);
    kelvo::Compilation other_case = kelvo::compile_formula("Y*2");
    EXPECT_EQ(other_case.formula, nullptr);
    EXPECT_EQ(other_case.failure.code(), 10408);
    symbols.reset_to_builtins();
}

} // namespace
