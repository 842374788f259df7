// Sampling formulae into library arrays: the grid, the refusals that write nothing, the
// errors that do not stop the filling, and the pending graph's parameters.

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "lib/plot/plot_state.h"
#include "lib/runtime/arrays.h"
#include "lib/runtime/error_state.h"
#include "tests/window/graph_test_fixture.h"

namespace kelvo::testing {
namespace {

constexpr double untouched = -777;

// Library arrays that start out holding `untouched` everywhere and go away with the test.
class Arrays {
public:
    ~Arrays()
    {
        for (TkArray a : arrays_)
            TkDisposeArray(a);
    }
    TkArray line(int32_t n) { return filled(TkNewArray1(n)); }
    TkArray grid(int32_t n1, int32_t n2) { return filled(TkNewArray2(n1, n2)); }
    TkArray cube(int32_t n1, int32_t n2, int32_t n3) { return filled(TkNewArray3(n1, n2, n3)); }

private:
    TkArray filled(TkArray a)
    {
        LibraryArray const* array = find_array(a);
        for (int64_t i = 0; i < array->element_count(); ++i)
            array->data[static_cast<std::size_t>(i)] = untouched;
        arrays_.push_back(a);
        return a;
    }
    std::vector<TkArray> arrays_;
};

bool all_untouched(TkArray a, int32_t count)
{
    double const* data = TkGetArrayAddress(a);
    for (int32_t i = 0; i < count; ++i)
        if (data[i] != untouched)
            return false;
    return true;
}

TEST(SampleFunction, OneVariableRunsFromEndToEndInEvenSteps)
{
    Arrays arrays;
    TkArray const x = arrays.line(5);
    TkArray const y = arrays.line(5);
    EXPECT_EQ(TkSampleFunction1("x^2 + 1", "x", 0, 2, x, y, 5), 0);
    for (int32_t i = 1; i <= 5; ++i) {
        EXPECT_DOUBLE_EQ(TkGetArray1(x, i), 0.5 * (i - 1));
        EXPECT_DOUBLE_EQ(TkGetArray1(y, i), std::pow(0.5 * (i - 1), 2) + 1);
    }
    EXPECT_EQ(TkSampleFunction1("x", "x", 3, 1, x, y, 3), 0) << "a reversed interval runs downwards";
    EXPECT_EQ(TkGetArray1(y, 3), 1);
    EXPECT_EQ(TkGetArray1(y, 4), 3.25) << "elements past the count keep the first call's values";
    EXPECT_EQ(TkSampleFunction1("x + 1", "x", 0, 1, x, x, 2), 0);
    EXPECT_EQ(TkGetArray1(x, 2), 2) << "one array for both ends up holding the values";
}

TEST(SampleFunction, GridsOfTwoAndThreeVariablesHaveTheLastIndexFastest)
{
    Arrays arrays;
    TkArray const x = arrays.line(3);
    TkArray const y = arrays.line(4);
    TkArray const z = arrays.grid(3, 4);
    EXPECT_EQ(TkSampleFunction2("10 * x + y", "x", "y", 1, 3, 0, -3, x, y, z, 3, 4), 0);
    for (int32_t i = 1; i <= 3; ++i)
        for (int32_t j = 1; j <= 4; ++j)
            EXPECT_DOUBLE_EQ(TkGetArray2(z, i, j), 10 * i - (j - 1));
    EXPECT_EQ(TkGetArray1(y, 4), -3);

    TkArray const t = arrays.line(2);
    TkArray const w = arrays.cube(3, 4, 2);
    EXPECT_EQ(TkSampleFunction3("100 * u + 10 * v + t", "u", "v", "t", 1, 3, 1, 4, 5, 6, x, y, t, w, 3, 4, 2), 0);
    EXPECT_DOUBLE_EQ(TkGetArray3(w, 2, 3, 2), 236);
    EXPECT_DOUBLE_EQ(TkGetArray3(w, 3, 4, 1), 345);
    EXPECT_EQ(TkGetArray1(t, 2), 6);
}

TEST(SampleFunction, CountsBelowTwoAreRefusedWithoutWriting)
{
    // A count of 1 would make the step a division by zero.
    Arrays arrays;
    TkArray const x = arrays.line(4);
    TkArray const y = arrays.line(4);
    TkArray const z = arrays.grid(4, 4);
    TkArray const w = arrays.cube(4, 4, 4);
    for (int32_t n : {1, 0, -1}) {
        SCOPED_TRACE(n);
        EXPECT_EQ(TkSampleFunction1("x", "x", 0, 1, x, y, n), 20802);
        EXPECT_EQ(error_state().message, "Not enough data");
        EXPECT_EQ(TkSampleFunction2("x + y", "x", "y", 0, 1, 0, 1, x, y, z, 4, n), 20802);
        EXPECT_EQ(TkSampleFunction3("x", "x", "y", "z", 0, 1, 0, 1, 0, 1, x, y, x, w, n, 4, 4), 20802);
    }
    EXPECT_TRUE(all_untouched(x, 4) && all_untouched(y, 4) && all_untouched(z, 16) && all_untouched(w, 64));
}

TEST(SampleFunction, ArraysOfTheWrongKindOrTooShortAreLeftAlone)
{
    Arrays arrays;
    TkArray const x = arrays.line(3);
    TkArray const y = arrays.line(4);
    TkArray const z = arrays.grid(3, 4);
    TkArray const gone = TkNewArray1(4);
    TkDisposeArray(gone);
    clear_error();
    EXPECT_EQ(TkSampleFunction2("x + y", "x", "y", 0, 1, 0, 1, x, y, z, 4, 4), 20802) << "x is too short";
    EXPECT_EQ(TkSampleFunction2("x + y", "x", "y", 0, 1, 0, 1, x, y, z, 3, 5), 20802) << "y and z are too short";
    EXPECT_EQ(error_state().flag, 0) << "the check only answers";
    EXPECT_EQ(TkSampleFunction2("x + y", "x", "y", 0, 1, 0, 1, x, y, y, 3, 4), 20804) << "z has one dimension";
    EXPECT_EQ(TkSampleFunction2("x + y", "x", "y", 0, 1, 0, 1, x, z, z, 3, 4), 20804) << "y has two";
    EXPECT_EQ(TkSampleFunction1("x", "x", 0, 1, gone, y, 3), 20804);
    EXPECT_EQ(TkSampleFunction1("x", "x", 0, 1, x, 0, 3), 20804);
    EXPECT_EQ(TkSampleFunction1("x", "x", 0, 1, x, y, 1'000'000'000), 20802);
    EXPECT_EQ(TkSampleFunction3("x", "x", "y", "z", 0, 1, 0, 1, 0, 1, x, y, x, z, 3, 4, 3), 20804);
    EXPECT_TRUE(all_untouched(x, 3) && all_untouched(y, 4) && all_untouched(z, 12));
}

TEST(SampleFunction, IntervalsThatAreNotFiniteAreABadRange)
{
    Arrays arrays;
    TkArray const x = arrays.line(3);
    TkArray const y = arrays.line(3);
    TkArray const z = arrays.grid(3, 3);
    double const nan = std::numeric_limits<double>::quiet_NaN();
    double const inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(TkSampleFunction1("x", "x", nan, 1, x, y, 3), 20803);
    EXPECT_EQ(TkSampleFunction1("x", "x", 0, inf, x, y, 3), 20803);
    EXPECT_EQ(TkSampleFunction1("x", "x", -1e308, 1e308, x, y, 3), 20803) << "the step overflows";
    EXPECT_EQ(TkSampleFunction2("x", "x", "y", 0, 1, -inf, 0, x, y, z, 3, 3), 20803);
    EXPECT_TRUE(all_untouched(x, 3) && all_untouched(y, 3) && all_untouched(z, 9));
    EXPECT_EQ(TkSampleFunction1("x", "x", 2, 2, x, y, 3), 0) << "equal ends are a flat grid, not an error";
    EXPECT_EQ(TkGetArray1(x, 3), 2);
}

TEST(SampleFunction, ACompileErrorWritesNothingAndEvaluationErrorsWriteZero)
{
    Arrays arrays;
    TkArray const x = arrays.line(5);
    TkArray const y = arrays.line(5);
    EXPECT_EQ(TkSampleFunction1("sin(", "x", 0, 1, x, y, 5), 10406);
    EXPECT_EQ(TkSampleFunction1("x", "pi", 0, 1, x, y, 5), 10425) << "a variable named like a constant";
    EXPECT_TRUE(all_untouched(x, 5) && all_untouched(y, 5));

    TkArray const a = arrays.line(5);
    TkArray const b = arrays.line(5);
    EXPECT_EQ(TkSampleFunction1("1 / x", "x", -1, 1, a, b, 5), 10414);
    EXPECT_EQ(error_state().flag, 1);
    EXPECT_EQ(TkGetArray1(b, 3), 0) << "the failed evaluation at 0";
    EXPECT_EQ(TkGetArray1(b, 5), 1) << "and filling went on after it";
    EXPECT_EQ(TkGetArray1(a, 5), 1);
}

class PendingGraph : public GraphTest {};

TEST_F(PendingGraph, LendsItsParametersToOneSamplingCallOnly)
{
    TkGraph const graph = open(100, 100, 2);
    TkAddParaList(graph, "a", 3);
    Arrays arrays;
    TkArray const x = arrays.line(2);
    TkArray const y = arrays.line(2);
    plot_state().pending_graph = graph;
    EXPECT_EQ(TkSampleFunction1("a * x", "x", 1, 2, x, y, 2), 0);
    EXPECT_EQ(TkGetArray1(y, 2), 6);
    EXPECT_EQ(plot_state().pending_graph, 0u);
    EXPECT_EQ(TkSampleFunction1("a * x", "x", 1, 2, x, y, 2), 10408) << "a direct call has no parameters";

    plot_state().pending_graph = graph;
    EXPECT_EQ(TkSampleFunction1("a * x", "x", 1, 2, x, y, 1), 20802);
    EXPECT_EQ(plot_state().pending_graph, 0u) << "a refused call gives the graph up too";
}

// ---- The data calls, on the caller's memory

TEST(EvaluateData, EveryPointGetsWhatASingleEvaluationGives)
{
    std::vector<double> x(1000), y(1000), single(1000), both(1000);
    for (std::size_t i = 0; i < x.size(); ++i) {
        x[i] = -3 + 0.006 * static_cast<double>(i);
        y[i] = i % 3 == 0 ? 0.0 : 0.5 * static_cast<double>(i % 7);
    }
    std::vector<double> result(1000, untouched);
    EXPECT_EQ(TkEvaluateData1(0, "sqrt(x) * 2", "x", x.data(), result.data(), 1000), 10415)
        << "the code of the last point that failed";
    for (std::size_t i = 0; i < x.size(); ++i) {
        int32_t const code = TkEvaluate1ByVar("sqrt(x) * 2", "x", &single[i], x[i]);
        EXPECT_EQ(result[i], single[i]) << x[i];
        EXPECT_EQ(code != 0, single[i] == 0.0 && x[i] < 0) << x[i];
    }
    EXPECT_EQ(TkEvaluateData2(0, "x / y", "x", "y", x.data(), y.data(), result.data(), 1000), 10414);
    for (std::size_t i = 0; i < x.size(); ++i) {
        TkEvaluate2ByVar("x / y", "x", "y", x[i], y[i], &both[i]);
        EXPECT_EQ(result[i], both[i]);
    }
    EXPECT_EQ(TkEvaluateData2(0, "x + y", "x", "y", x.data(), y.data(), result.data(), 1000), 0);
    EXPECT_EQ(error_state().flag, 0);
}

TEST(EvaluateData, RefusalsWriteNothing)
{
    double x[3] = {1, 2, 3};
    double result[3] = {untouched, untouched, untouched};
    EXPECT_EQ(TkEvaluateData1(0, "x", "x", x, result, -1), 20804);
    EXPECT_EQ(error_state().message, "Bad data specified");
    EXPECT_EQ(TkEvaluateData1(0, "x", "x", nullptr, result, 3), 20804);
    EXPECT_EQ(TkEvaluateData1(0, "x", "x", x, nullptr, 3), 20804);
    EXPECT_EQ(TkEvaluateData2(0, "x", "x", "y", x, nullptr, result, 3), 20804);
    EXPECT_EQ(TkEvaluateData1(0, "sin(", "x", x, result, 3), 10406);
    EXPECT_EQ(TkEvaluateData2(0, "x", "x", "X", x, x, result, 3), 10425);
    EXPECT_EQ(TkEvaluateData1(0, "x", "x", nullptr, nullptr, 0), 0) << "no points need no arrays";
    EXPECT_EQ(result[0], untouched);
    EXPECT_EQ(result[2], untouched);
}

TEST(EvaluateData, TheResultMayBeTheArgument)
{
    std::vector<double> x(700);
    for (std::size_t i = 0; i < x.size(); ++i)
        x[i] = static_cast<double>(i);
    EXPECT_EQ(TkEvaluateData1(0, "x * x", "x", x.data(), x.data(), 700), 0);
    EXPECT_EQ(x[699], 699.0 * 699.0);
    EXPECT_EQ(x[256], 256.0 * 256.0);
}

TEST(SampleData, TheGridOfSampleFunction2RowByRow)
{
    Arrays arrays;
    TkArray const xa = arrays.line(30);
    TkArray const ya = arrays.line(40);
    TkArray const za = arrays.grid(30, 40);
    char const* formula = "sin(x) * exp(-y*y) / (x - 1)";
    EXPECT_EQ(TkSampleFunction2(formula, "x", "y", -2, 3, -1.5, 1.5, xa, ya, za, 30, 40), 0);
    std::vector<double> z(30 * 40, untouched);
    EXPECT_EQ(TkSampleData2(0, formula, "x", "y", -2, 3, -1.5, 1.5, 30, 40, z.data()), 0);
    for (int32_t i = 0; i < 30; ++i)
        for (int32_t j = 0; j < 40; ++j)
            ASSERT_EQ(z[static_cast<std::size_t>(i * 40 + j)], TkGetArray2(za, i + 1, j + 1)) << i << " " << j;
}

TEST(SampleData, RefusalsAndFailures)
{
    std::vector<double> z(16, untouched);
    double const inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(TkSampleData2(0, "x + y", "x", "y", 0, 1, 0, 1, 4, 4, nullptr), 20804);
    EXPECT_EQ(TkSampleData2(0, "x + y", "x", "y", 0, 1, 0, 1, 1, 4, z.data()), 20802);
    EXPECT_EQ(TkSampleData2(0, "x + y", "x", "y", 0, inf, 0, 1, 4, 4, z.data()), 20803);
    EXPECT_EQ(TkSampleData2(0, "x + ", "x", "y", 0, 1, 0, 1, 4, 4, z.data()), 10406);
    EXPECT_TRUE(std::all_of(z.begin(), z.end(), [](double v) { return v == untouched; }));
    EXPECT_EQ(TkSampleData2(0, "ln(x) + 1/y", "x", "y", -1, 2, -1, 2, 4, 4, z.data()), 10414)
        << "ln fails at x = -1 and 0, 1/y at y = 0; the last point to fail is (2, 0)";
    EXPECT_EQ(z[15], std::log(2.0) + 0.5);
    EXPECT_EQ(z[13], 0.0);
}

class DataCalls : public GraphTest {};

TEST_F(DataCalls, TheGraphLendsItsParameters)
{
    TkGraph const graph = open(100, 100, 2);
    TkAddParaList(graph, "a", 3);
    double x[2] = {1, 2};
    double result[2] = {};
    EXPECT_EQ(TkEvaluateData1(graph, "a * x", "x", x, result, 2), 0);
    EXPECT_EQ(result[1], 6);
    EXPECT_EQ(TkEvaluateData1(0, "a * x", "x", x, result, 2), 10408) << "no graph, no parameters";
    double z[4] = {};
    EXPECT_EQ(TkSampleData2(graph, "a * x + y", "x", "y", 0, 1, 0, 1, 2, 2, z), 0);
    EXPECT_EQ(z[3], 4);
    EXPECT_EQ(TkEvaluateData2(graph, "x", "x", "a", x, x, result, 2), 10425) << "a variable named like a parameter";
}

} // namespace
} // namespace kelvo::testing
