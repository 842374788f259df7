// Block evaluation against single-point evaluation: every function and operator on blocks
// that mix failing and valid points, on every processor path this machine runs. Failure
// codes must be identical; values identical on the scalar path and within 4 units in the
// last place on the vector paths.

#include "lib/formula/block_evaluator.h"

#include <bit>
#include <iostream>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "formula_test_support.h"
#include "lib/formula/entry_points.h"
#include "lib/formula/formula_state.h"
#include "tests/formula/random_formulae.h"

namespace {

using namespace kelvo;

constexpr double infinity = std::numeric_limits<double>::infinity();
constexpr double not_a_number = std::numeric_limits<double>::quiet_NaN();
constexpr int64_t largest_ulp_difference = 4;

struct PointResult {
    double value = 0;
    int32_t code = 0;
};

// Distance in units in the last place; values of opposite sign count through zero.
int64_t ulps_between(double a, double b)
{
    auto const ordered = [](double v) {
        auto const bits = std::bit_cast<int64_t>(v);
        return bits < 0 ? std::numeric_limits<int64_t>::min() - bits : bits;
    };
    int64_t const d = ordered(a) - ordered(b);
    return d < 0 ? -d : d;
}

FormulaPtr compiled(std::string const& text)
{
    Compilation compilation = prepare_formula(nullptr, text, "x", "y");
    EXPECT_FALSE(compilation.failure.failed()) << text;
    return std::move(compilation.formula);
}

std::vector<PointResult> one_by_one(CompiledFormula const& formula, std::vector<double> const& xs,
                                    std::vector<double> const& ys)
{
    FormulaState& state = formula_state();
    std::vector<PointResult> results;
    for (std::size_t i = 0; i < xs.size(); ++i) {
        state.slots[0] = xs[i];
        state.slots[1] = ys[i];
        Evaluation const e = evaluate(&formula);
        results.push_back({e.value, e.failure.code()});
    }
    return results;
}

// Blocks of `length` points, one evaluator for all of them.
std::vector<PointResult> in_blocks(CompiledFormula const& formula, std::vector<double> const& xs,
                                   std::vector<double> const& ys, ProcessorPath path, int32_t length = block_size)
{
    FormulaState const& state = formula_state();
    BlockEvaluator evaluator(formula, {&state.slots[0], &state.slots[1], &state.slots[2]}, state.limits, path);
    // Every block's values go to a place of their own, read only at the end: an evaluator
    // that kept one of them as its own memory would overwrite it with a later block.
    std::vector<double> values(xs.size());
    std::vector<int32_t> codes(xs.size());
    auto const step = static_cast<std::size_t>(length);
    for (std::size_t start = 0; start < xs.size(); start += step) {
        auto const count = static_cast<int32_t>(std::min(step, xs.size() - start));
        std::copy_n(xs.begin() + static_cast<std::ptrdiff_t>(start), count, evaluator.inputs(0));
        std::copy_n(ys.begin() + static_cast<std::ptrdiff_t>(start), count, evaluator.inputs(1));
        evaluator.evaluate(evaluator.own_inputs(), count, values.data() + start);
        if (evaluator.failed())
            std::copy_n(evaluator.codes(), count, codes.begin() + static_cast<std::ptrdiff_t>(start));
    }
    std::vector<PointResult> results;
    for (std::size_t i = 0; i < xs.size(); ++i)
        results.push_back({values[i], codes[i]});
    return results;
}

// Arguments of every kind: ordinary, huge and tiny, whole, at the limits of the checks, and
// values no formula accepts.
class Arguments {
public:
    explicit Arguments(uint64_t seed) : random_(seed) {}

    double next()
    {
        EvaluatorLimits const& limits = formula_state().limits;
        std::uniform_int_distribution<int> kind(0, 9);
        std::uniform_real_distribution<double> unit(-1, 1);
        switch (kind(random_)) {
        case 0: return std::pow(10.0, 300 * unit(random_)) * (unit(random_) < 0 ? -1 : 1);
        case 1: return std::nearbyint(10 * unit(random_));
        case 2: return special(limits);
        case 3: return 0.001 * unit(random_);
        case 4: return 400 * unit(random_);
        default: return 10 * unit(random_);
        }
    }

private:
    double special(EvaluatorLimits const& limits)
    {
        double const values[] = {0.0, 1.0, -1.0, 2.0, 3.0, 0.5, limits.exponent, -limits.exponent,
                                 std::nextafter(limits.exponent, 0.0), limits.overflow, -limits.overflow,
                                 limits.underflow, 1e-200, 1e200, infinity, -infinity, not_a_number,
                                 trig_argument_limit, 1e-9, 1.5707963267948966};
        std::uniform_int_distribution<std::size_t> pick(0, std::size(values) - 1);
        return values[pick(random_)];
    }
    std::mt19937_64 random_;
};

// How closely the vector paths must agree: a function of the table alone (or of arithmetic
// that rounds like it does alone) within the stated units in the last place; a formula whose
// later arithmetic cancels digits, within a relative distance.
enum class Agreement { ulps, relative };

struct FormulaCase {
    char const* name;
    char const* text;
    Agreement agreement = Agreement::ulps;
};

void PrintTo(FormulaCase const& c, std::ostream* out)
{
    *out << '"' << c.text << '"';
}

bool close_enough(double a, double b, Agreement agreement, int64_t allowed_ulps)
{
    if (agreement == Agreement::ulps || allowed_ulps == 0)
        return ulps_between(a, b) <= allowed_ulps;
    return std::fabs(a - b) <= 1e-12 * std::max(1.0, std::fabs(b));
}

std::vector<ProcessorPath> paths_this_machine_runs()
{
    std::vector<ProcessorPath> paths;
    for (ProcessorPath path : {ProcessorPath::scalar, ProcessorPath::sse2, ProcessorPath::avx2, ProcessorPath::avx512})
        if (processor_runs(path))
            paths.push_back(path);
    return paths;
}

class BlockAgainstSinglePoint : public ::testing::TestWithParam<FormulaCase> {};

TEST_P(BlockAgainstSinglePoint, SameFailuresAndValuesWithinTheStatedUlps)
{
    FormulaPtr const formula = compiled(GetParam().text);
    ASSERT_NE(formula, nullptr);
    Arguments arguments(std::hash<std::string>{}(GetParam().name));
    std::vector<double> xs, ys;
    for (int i = 0; i < 3000; ++i) {
        xs.push_back(arguments.next());
        ys.push_back(arguments.next());
    }
    std::vector<PointResult> const expected = one_by_one(*formula, xs, ys);
    int failing = 0;
    for (PointResult const& r : expected)
        failing += r.code != 0 ? 1 : 0;
    EXPECT_GT(failing, 0) << "the arguments must make some points fail";
    EXPECT_LT(failing, 3000) << "and leave others valid";

    for (ProcessorPath path : paths_this_machine_runs()) {
        SCOPED_TRACE(std::string(name_of(path)));
        std::vector<PointResult> const actual = in_blocks(*formula, xs, ys, path);
        int64_t const allowed = path == ProcessorPath::scalar ? 0 : largest_ulp_difference;
        int mismatches = 0;
        for (std::size_t i = 0; i < xs.size(); ++i) {
            int64_t const ulps = ulps_between(actual[i].value, expected[i].value);
            bool const same = actual[i].code == expected[i].code
                              && close_enough(actual[i].value, expected[i].value, GetParam().agreement, allowed);
            if (!same && ++mismatches <= 3)
                ADD_FAILURE() << "at x = " << xs[i] << ", y = " << ys[i] << ": " << actual[i].value << " (code "
                              << actual[i].code << ") against " << expected[i].value << " (code "
                              << expected[i].code << "), " << ulps << " ulps apart";
        }
        EXPECT_EQ(mismatches, 0);
    }
}

std::string case_name(::testing::TestParamInfo<FormulaCase> const& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Functions, BlockAgainstSinglePoint, ::testing::Values(
    FormulaCase{"Exp", "exp(x)"},
    FormulaCase{"ExpOfExpression", "exp(x*y)"},
    FormulaCase{"Log", "log(x)"},
    FormulaCase{"Ln", "ln(x - y)"},
    FormulaCase{"Sqrt", "sqrt(x)"},
    FormulaCase{"Sin", "sin(x)"},
    FormulaCase{"Cos", "cos(-x)"},
    FormulaCase{"Tan", "tan(x)"},
    FormulaCase{"Atan", "atan(x)"},
    FormulaCase{"Acos", "acos(x)"},
    FormulaCase{"Asin", "asin(x*y)"},
    FormulaCase{"Cosh", "cosh(x)"},
    FormulaCase{"Sinh", "sinh(x)"},
    FormulaCase{"Tanh", "tanh(x)"},
    FormulaCase{"Abs", "abs(x) * 1e150"},
    FormulaCase{"Step", "fnH(x) / y"},
    FormulaCase{"ScaledQuotient", "sin(x) / y", Agreement::ulps},
    FormulaCase{"Shifted", "cos(x) + y", Agreement::relative},
    FormulaCase{"Difference", "sinh(x) - tanh(y)", Agreement::relative}),
    case_name);

INSTANTIATE_TEST_SUITE_P(Operators, BlockAgainstSinglePoint, ::testing::Values(
    FormulaCase{"Sum", "x + y"},
    FormulaCase{"Difference", "x - y"},
    FormulaCase{"Product", "x * y"},
    FormulaCase{"Quotient", "x / y"},
    FormulaCase{"Power", "x ^ y"},
    FormulaCase{"Negation", "-x + y"},
    FormulaCase{"NumberMinus", "2 - x*y"},
    FormulaCase{"NumberPower", "2 ^ (x*y)"},
    FormulaCase{"NumberOver", "1 / (x*y)"},
    FormulaCase{"VariableOver", "y / (x - 1)"},
    FormulaCase{"DivisorFirst", "sqrt(x) / (y - 2)"},
    FormulaCase{"Square", "(x*y)^2"},
    // A square is done in the pass of the instruction before it: after every kind of one.
    FormulaCase{"SquaresAfterEachKind", "x^2 + (-y)^2 + (x - y)^2 / (1 - x)^2 + (x * 1e75)^2 * (y / x)^2"},
    FormulaCase{"SquareOfSquareOfFunction", "((x*y)^2)^2 + sin(y)^2 + exp(x)^2", Agreement::relative},
    // A pushed variable or number is combined in the same pass with the number or variable
    // of the instruction after it: after each kind of push.
    FormulaCase{"PushedAndCombined", "(-x) * 1e150 + x / 1e-150 - (3 - (-y)) + (2 - y) * x - (-y - x) / (x + 2)"},
    FormulaCase{"PowerOfNumber", "(x*y)^0.5"},
    FormulaCase{"PowerOfVariable", "(x+1)^y"},
    FormulaCase{"Constants", "pi*x + 1e150*y"},
    FormulaCase{"ProductBeyondLimit", "x * 1e150 * 1e5"}),
    case_name);

INSTANTIATE_TEST_SUITE_P(Mixed, BlockAgainstSinglePoint, ::testing::Values(
    FormulaCase{"Ratio", "sin(x) / (1 + x)", Agreement::relative},
    FormulaCase{"Rosenbrock", "100 * (y - x^2)^2 + (1 - x)^2"},
    FormulaCase{"Gaussian", "exp(-x*x - y*y)", Agreement::relative},
    FormulaCase{"Poles", "50 * exp(-x) / (x-3) / (x-2)", Agreement::relative},
    FormulaCase{"SineModulus", "sqrt((sin(x) * (exp(y) + exp(-y)) / 2)^2 + (cos(x) * (exp(y) - exp(-y)) / 2)^2)",
                Agreement::relative},
    FormulaCase{"Nested", "ln(abs(tan(x) - cosh(y)) + 1) ^ atan(x)", Agreement::relative}),
    case_name);

// The largest difference over the function table, on many arguments in each function's
// working range, per path (printed, and kept as a property of the test).
TEST(BlockEvaluation, LargestDifferenceOverTheFunctionTable)
{
    char const* const functions[] = {"exp", "log", "ln", "sqrt", "sin", "cos", "tan", "atan",
                                     "acos", "asin", "cosh", "sinh", "tanh", "abs", "fnH"};
    std::mt19937_64 random(2718);
    std::uniform_real_distribution<double> exponent(-30, 30);
    std::vector<double> xs, ys;
    for (int i = 0; i < 20000; ++i) {
        double const magnitude = i % 4 == 0 ? std::exp(exponent(random)) : 20 * std::exp(exponent(random) / 10);
        xs.push_back(i % 2 == 0 ? magnitude : -magnitude);
        ys.push_back(0.0);
    }
    int64_t largest = 0;
    std::string report;
    for (char const* function : functions) {
        FormulaPtr const formula = compiled(std::string(function) + "(x)");
        std::vector<PointResult> const expected = one_by_one(*formula, xs, ys);
        for (ProcessorPath path : paths_this_machine_runs()) {
            std::vector<PointResult> const actual = in_blocks(*formula, xs, ys, path);
            int64_t worst = 0;
            for (std::size_t i = 0; i < xs.size(); ++i) {
                ASSERT_EQ(actual[i].code, expected[i].code) << function << " at " << xs[i];
                worst = std::max(worst, ulps_between(actual[i].value, expected[i].value));
            }
            report += std::string(function) + " " + std::string(name_of(path)) + " " + std::to_string(worst) + "; ";
            largest = std::max(largest, worst);
        }
    }
    std::cout << "largest differences in ulps: " << report << "\n";
    RecordProperty("largest_ulps", std::to_string(largest));
    EXPECT_LE(largest, largest_ulp_difference);
}

// Where a vector function's rounding meets a decision, the point is decided as it is alone.
TEST(BlockEvaluation, DecisionsOnRoundedValuesFollowSinglePointEvaluation)
{
    for (char const* text : {"sqrt(cos(x) - 1)", "1 / (1 - cos(x))", "ln(cos(x))", "sqrt(ln(exp(x)))",
                             "sqrt(asin(cos(x)) - pi/2)", "1/(exp(x) - 1)", "fnH(sin(x*y))", "sqrt(log(10^x) - x)"}) {
        SCOPED_TRACE(text);
        FormulaPtr const formula = compiled(text);
        std::vector<double> xs, ys;
        for (int i = 0; i < 600; ++i) {
            xs.push_back(i % 3 == 0 ? std::ldexp(1.0, -i / 3) : std::ldexp(1.0, -i / 6) * 1.2345);
            ys.push_back(i % 2 == 0 ? 0.0 : 3.0);
        }
        std::vector<PointResult> const expected = one_by_one(*formula, xs, ys);
        for (ProcessorPath path : paths_this_machine_runs()) {
            std::vector<PointResult> const actual = in_blocks(*formula, xs, ys, path);
            for (std::size_t i = 0; i < xs.size(); ++i)
                ASSERT_EQ(actual[i].code, expected[i].code) << name_of(path) << " at x = " << xs[i];
        }
    }
}

// Whether every path gives each point's failure as single-point evaluation does, and the
// scalar path its value bit for bit; the first point that does not is reported.
bool fails_as_alone(CompiledFormula const& formula, std::string const& text, std::vector<double> const& xs,
                    std::vector<double> const& ys, std::vector<PointResult> const& expected,
                    int32_t length = block_size)
{
    for (ProcessorPath path : paths_this_machine_runs()) {
        std::vector<PointResult> const actual = in_blocks(formula, xs, ys, path, length);
        for (std::size_t i = 0; i < xs.size(); ++i) {
            auto const bits = [](PointResult const& r) { return std::bit_cast<uint64_t>(r.value); };
            bool const same_value = path != ProcessorPath::scalar || bits(actual[i]) == bits(expected[i]);
            if (actual[i].code != expected[i].code || !same_value) {
                ADD_FAILURE() << text << " at x = " << xs[i] << ", y = " << ys[i] << " on " << name_of(path) << ": "
                              << actual[i].value << " (code " << actual[i].code << ") against " << expected[i].value
                              << " (code " << expected[i].code << ")";
                return false;
            }
        }
    }
    return true;
}

// Thousands of random formulae at points that reach every rule: the scalar path gives the
// values of single-point evaluation bit for bit, and every path gives its failures.
TEST(BlockEvaluation, RandomFormulaeFailAsTheyDoAlone)
{
    constexpr double values[] = {0.0, 1.5, -2.0, 1e200, 1e-200, 4.0, 0.25, 1e80, 1.0, -1.0, 3.0, 1e-9};
    formula_test::FormulaGenerator generator(31337);
    std::mt19937 pick(5);
    int compared = 0;
    int failing = 0;
    for (int f = 0; f < 2000; ++f) {
        std::string const text = formula_test::text_of(*generator.make(1 + f % 6));
        if (text.find("rnd") != std::string::npos)
            continue;
        FormulaPtr const formula = compiled(text);
        ASSERT_NE(formula, nullptr) << text;
        std::vector<double> xs, ys;
        for (int i = 0; i < 40; ++i) {
            xs.push_back(values[pick() % std::size(values)]);
            ys.push_back(values[pick() % std::size(values)]);
        }
        std::vector<PointResult> const expected = one_by_one(*formula, xs, ys);
        ASSERT_TRUE(fails_as_alone(*formula, text, xs, ys, expected));
        for (PointResult const& r : expected) {
            ++compared;
            failing += r.code != 0 ? 1 : 0;
        }
    }
    EXPECT_GT(failing, compared / 10);
    EXPECT_LT(failing, compared * 9 / 10);
}

// Values of one scale in each block, where the checks that the block's ranges prove
// needless are left out. The literals and scales carry nodes to the limits and beyond;
// sums cancel to the last digit; odd values (NaN, infinity, -0, subnormals) turn up now and
// then; and the blocks of one formula share an evaluator, which keeps its proofs. The
// scalar path gives single-point values bit for bit (a flushed value or a zero's sign
// would show), every path gives its failures.
TEST(BlockEvaluation, BlocksOfLikeMagnitudesFailAsTheyDoAlone)
{
    constexpr double scales[] = {1e-150, 1e-70, 1e-9, 1.0, 200.0, 1e9, 1e70, 1e150}; // 200: near the exponent limit
    constexpr double odd[] = {not_a_number, infinity, -0.0, 5e-324, 1e-310};
    constexpr int32_t length = 16;
    formula_test::FormulaGenerator generator(4242);
    std::mt19937_64 random(77);
    std::uniform_real_distribution<double> unit(0.5, 2.0);
    auto const pick = [&random](std::size_t n) { return static_cast<std::size_t>(random() % n); };
    for (int f = 0; f < 1000; ++f) {
        std::string const text = formula_test::text_of(*generator.make(1 + f % 5));
        if (text.find("rnd") != std::string::npos)
            continue;
        FormulaPtr const formula = compiled(text);
        ASSERT_NE(formula, nullptr) << text;
        std::vector<double> xs, ys;
        for (int block = 0; block < 6; ++block) {
            double const x_scale = scales[pick(std::size(scales))];
            double const y_scale = block % 2 == 0 ? x_scale : scales[pick(std::size(scales))];
            for (int32_t i = 0; i < length; ++i) {
                double const sign = random() % 2 == 0 ? 1.0 : -1.0;
                double const x = random() % 10 == 0 ? 0.0 : sign * x_scale * unit(random);
                std::size_t const kind = pick(50);
                double y = y_scale * unit(random);
                if (kind < 5)
                    y = x * (1.0 + static_cast<double>(pick(4)) * 0x1p-52); // cancels in x - y
                else if (kind == 5)
                    y = odd[pick(std::size(odd))];
                xs.push_back(x);
                ys.push_back(y);
            }
        }
        ASSERT_TRUE(fails_as_alone(*formula, text, xs, ys, one_by_one(*formula, xs, ys), length));
    }
}

TEST(BlockEvaluation, BlocksOfOneOfTheBlockSizeAndOneMore)
{
    FormulaPtr const formula = compiled("ln(x) + 1/y");
    for (int32_t count : {1, block_size - 1, block_size, block_size + 1, 2 * block_size + 7}) {
        std::vector<double> xs, ys;
        for (int32_t i = 0; i < count; ++i) {
            xs.push_back(i % 5 == 0 ? -1.0 : 0.5 + i);
            ys.push_back(i % 7 == 3 ? 0.0 : 2.0);
        }
        std::vector<PointResult> const expected = one_by_one(*formula, xs, ys);
        for (ProcessorPath path : paths_this_machine_runs()) {
            std::vector<PointResult> const actual = in_blocks(*formula, xs, ys, path);
            ASSERT_EQ(actual.size(), expected.size());
            for (std::size_t i = 0; i < expected.size(); ++i) {
                EXPECT_EQ(actual[i].code, expected[i].code) << count << " " << name_of(path) << " " << i;
                EXPECT_LE(ulps_between(actual[i].value, expected[i].value), largest_ulp_difference);
            }
        }
    }
}

TEST(BlockEvaluation, TheCallersLanesAreReadInPlaceAndMayReceiveTheValues)
{
    // Doubted points are evaluated again from their inputs, after the values are written.
    FormulaPtr const formula = compiled("sqrt(cos(x) - 1) + y");
    std::vector<double> xs, ys;
    for (int32_t i = 0; i < block_size; ++i) {
        xs.push_back(i % 2 == 0 ? 1e-9 * i : 0.0);
        ys.push_back(1.0);
    }
    std::vector<PointResult> const expected = one_by_one(*formula, xs, ys);
    FormulaState const& state = formula_state();
    for (ProcessorPath path : paths_this_machine_runs()) {
        BlockEvaluator evaluator(*formula, {&state.slots[0], &state.slots[1], &state.slots[2]}, state.limits, path);
        std::vector<double> values = xs;
        evaluator.evaluate({values.data(), ys.data(), nullptr}, block_size, values.data());
        for (std::size_t i = 0; i < xs.size(); ++i) {
            int32_t const code = evaluator.failed() ? evaluator.codes()[i] : 0;
            EXPECT_EQ(code, expected[i].code) << name_of(path) << " at " << xs[i];
            EXPECT_EQ(values[i], expected[i].value) << name_of(path) << " at " << xs[i];
        }
        EXPECT_EQ(ys, std::vector<double>(xs.size(), 1.0)) << "lanes that receive no values are left alone";
    }
}

// A variable that stands alone as an operand is read from the caller's lanes where they
// are, whatever instruction takes it next: those that change the top in place must work on
// a copy. Single-point evaluation gives every zero as +0; in blocks proven within the
// limits no check runs, so passes that do several instructions at once, and variables read
// where they stand, must still give +0.
TEST(BlockEvaluation, VariablesReadWhereTheyStandAreNeverWrittenAndZerosStayPositive)
{
    std::vector<double> xs, ys;
    for (int32_t i = 0; i < 2 * block_size + 5; ++i) {
        xs.push_back(0.25 + 0.01 * i);
        ys.push_back(i % 3 == 0 ? xs.back() : (i % 7 == 0 ? -0.0 : 1.5 - 0.003 * i));
    }
    FormulaState const& state = formula_state();
    for (char const* text : {"y - x^2", "y^3 + x", "y^(x + 1)", "(y) / (x + 1)", "-(y) + x", "y", "exp(y) * x",
                             "(x - y)^2 * (-3)", "y - (x - y * (x + 1))"}) {
        FormulaPtr const formula = compiled(text);
        std::vector<PointResult> const expected = one_by_one(*formula, xs, ys);
        for (ProcessorPath path : paths_this_machine_runs()) {
            BlockEvaluator evaluator(*formula, {&state.slots[0], &state.slots[1], &state.slots[2]}, state.limits, path);
            std::vector<double> const x_lanes = xs;
            std::vector<double> const y_lanes = ys;
            std::vector<double> values(xs.size());
            for (std::size_t start = 0; start < xs.size(); start += block_size) {
                auto const count = static_cast<int32_t>(std::min<std::size_t>(block_size, xs.size() - start));
                evaluator.evaluate({x_lanes.data() + start, y_lanes.data() + start, nullptr}, count, values.data() + start);
                for (int32_t k = 0; k < count; ++k)
                    ASSERT_EQ(evaluator.failed() ? evaluator.codes()[k] : 0, expected[start + k].code) << text;
            }
            ASSERT_EQ(std::memcmp(x_lanes.data(), xs.data(), xs.size() * sizeof(double)), 0) << text << " on " << name_of(path);
            ASSERT_EQ(std::memcmp(y_lanes.data(), ys.data(), ys.size() * sizeof(double)), 0) << text << " on " << name_of(path);
            for (std::size_t i = 0; i < xs.size(); ++i) {
                ASSERT_LE(ulps_between(values[i], expected[i].value), largest_ulp_difference) << text << " at " << i;
                ASSERT_FALSE(values[i] == 0.0 && std::signbit(values[i])) << text << " at " << i << " on " << name_of(path);
            }
        }
    }
}

// A variable's square is combined with the value below it in one pass, and never stored:
// where the square alone goes beyond the limits, or below them, the point must still fail,
// or see a 0, although the sum, difference or product lies within them. A whole block of
// ordinary points, proven, comes first.
TEST(BlockEvaluation, SquaresCombinedWithTheValueBelowFailAndFlushAsAlone)
{
    double const beyond = std::sqrt(formula_state().limits.overflow) * (1 + 1e-6);
    std::vector<double> xs(block_size, 0.75), ys(block_size, 1.25);
    xs.insert(xs.end(), {beyond, 1e100, 1e80, 1e-100, 1e-80, not_a_number, 2.0, -0.0});
    ys.insert(ys.end(), {formula_state().limits.overflow, 1e-100, 0x1p-52 - 1, 1e100, 1e10, 1.0, infinity, -3.0});
    for (char const* text : {"y - x^2", "y * (x*x)", "(y + 1) * x^2", "y + x*x", "exp(y) * x^2 * 2"}) {
        FormulaPtr const formula = compiled(text);
        ASSERT_TRUE(fails_as_alone(*formula, text, xs, ys, one_by_one(*formula, xs, ys)));
    }
}

// The results are written into the caller's memory directly only where it lies apart from
// the inputs: values that overlap an input partly, ahead of it or behind it, must not
// overwrite points before they are read.
TEST(BlockEvaluation, ValuesThatOverlapAnInputPartlyAreRight)
{
    FormulaPtr const formula = compiled("x * x + 3 - y / (x + 1)");
    std::vector<double> xs, ys;
    for (int32_t i = 0; i < block_size; ++i) {
        xs.push_back(0.25 * i - 7);
        ys.push_back(0.5 + i);
    }
    std::vector<PointResult> const expected = one_by_one(*formula, xs, ys);
    FormulaState const& state = formula_state();
    for (ProcessorPath path : paths_this_machine_runs())
        for (std::ptrdiff_t shift : {-8, -1, 1, 8}) {
            BlockEvaluator evaluator(*formula, {&state.slots[0], &state.slots[1], &state.slots[2]}, state.limits,
                                     path);
            std::vector<double> memory(xs.size() + 16, 0.0);
            double* const x = memory.data() + 8;
            std::copy(xs.begin(), xs.end(), x);
            evaluator.evaluate({x, ys.data(), nullptr}, block_size, x + shift);
            for (std::size_t i = 0; i < xs.size(); ++i)
                EXPECT_EQ(x[static_cast<std::ptrdiff_t>(i) + shift], expected[i].value)
                    << name_of(path) << ", shifted by " << shift << ", at " << i;
        }
}

TEST(BlockEvaluation, NotANumberAndInfinityFailAsVariables)
{
    FormulaPtr const formula = compiled("x * 0 + y");
    std::vector<double> const xs = {not_a_number, infinity, -infinity, 1.0, 1e200, 1e-200};
    std::vector<double> const ys(xs.size(), 2.0);
    for (ProcessorPath path : paths_this_machine_runs()) {
        std::vector<PointResult> const actual = in_blocks(*formula, xs, ys, path);
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(actual[i].code, 10416) << name_of(path);
            EXPECT_EQ(actual[i].value, 0.0);
        }
        EXPECT_EQ(actual[3].value, 2.0);
        EXPECT_EQ(actual[4].code, 10416) << "beyond the overflow limit";
        EXPECT_EQ(actual[5].value, 2.0) << "flushed to 0";
    }
}

TEST(BlockEvaluation, OnlyFormulaeWithoutRandomNumbersRunInBlocks)
{
    EXPECT_TRUE(evaluates_in_blocks(*compiled("sin(x) + y")));
    EXPECT_FALSE(evaluates_in_blocks(*compiled("x + rnd(2)")));
}

} // namespace
