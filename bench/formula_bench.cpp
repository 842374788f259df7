// Formula evaluation against muparser and against the same expressions written in C++:
// point by point, and over arrays of a million points. All three evaluate at the same
// sequence of points, so the times compare directly.

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>
#include <muParser.h>
#include <omp.h>

#include "lib/formula/block_evaluator.h"
#include "lib/formula/entry_points.h"
#include "lib/formula/formula_state.h"
#include "lib/kelvolib.h"

namespace {

// The formulae as the C++ compiler sees them: the floor. Inline, so that the loops over
// arrays below are compiled (and vectorised where the compiler can) as plain C++ would be.
inline double ratio(double x, double)
{
    return std::sin(x) / (1 + x);
}

inline double rosenbrock(double x, double y)
{
    double a = y - x * x;
    double b = 1 - x;
    return 10 * a * a + b * b;
}

inline double gaussian(double x, double y)
{
    return std::exp(-x * x - y * y);
}

inline double poles(double x, double)
{
    return 50 * std::exp(-x) / (x - 3) / (x - 2);
}

inline double modulus(double x, double y)
{
    double re = std::sin(x) * (std::exp(y) + std::exp(-y)) / 2;
    double im = std::cos(x) * (std::exp(y) - std::exp(-y)) / 2;
    return std::sqrt(re * re + im * im);
}

// One point per call, kept out of line so that the call is not folded into its loop.
template <double (*F)(double, double)>
[[gnu::noinline]] double one_point(double x, double y)
{
    return F(x, y);
}

template <double (*F)(double, double)>
void every_point(double const* x, double const* y, double* out, std::size_t n)
{
    for (std::size_t i = 0; i < n; ++i)
        out[i] = F(x[i], y[i]);
}

struct Expression {
    char const* text; // ours and muparser's spelling
    double (*direct)(double, double);
    void (*direct_loop)(double const*, double const*, double*, std::size_t);
};

template <double (*F)(double, double)>
constexpr Expression expression(char const* text)
{
    return {text, &one_point<F>, &every_point<F>};
}

constexpr std::array<Expression, 5> expressions = {{
    expression<ratio>("sin(x) / (1 + x)"),
    expression<rosenbrock>("10 * (y - x^2)^2 + (1 - x)^2"),
    expression<poles>("50 * exp(-x) / (x-3) / (x-2)"),
    expression<modulus>("sqrt( (sin(x) * (exp(y) + exp(-y)) / 2)^2 + (cos(x) * (exp(y) - exp(-y)) / 2)^2)"),
    expression<gaussian>("exp(-x*x - y*y)"),
}};

// The points: x in [0.1, 1.1), y in [-0.5, 0.5), a new one each evaluation.
inline double x_at(std::size_t i)
{
    return 0.1 + static_cast<double>(i & 1023) * (1.0 / 1024);
}

inline double y_at(std::size_t i)
{
    return -0.5 + static_cast<double>((i * 7) & 1023) * (1.0 / 1024);
}

volatile double sink;

void BM_Kelvo(benchmark::State& state)
{
    Expression const& expression = expressions[static_cast<std::size_t>(state.range(0))];
    kelvo::formula_state().current_formula = kelvo::prepare_formula(nullptr, expression.text, "x", "y").formula;
    if (kelvo::formula_state().current_formula == nullptr) {
        state.SkipWithError("does not compile");
        return;
    }
    std::size_t i = 0;
    double sum = 0.0;
    for (auto _ : state) {
        sum += kelvo::evaluate_current(x_at(i), y_at(i)).value;
        ++i;
    }
    sink = sum;
    kelvo::release_current_formula();
    state.SetLabel(expression.text);
}

void BM_MuParser(benchmark::State& state)
{
    Expression const& expression = expressions[static_cast<std::size_t>(state.range(0))];
    double x = 0.0;
    double y = 0.0;
    mu::Parser parser;
    parser.DefineVar("x", &x);
    parser.DefineVar("y", &y);
    parser.SetExpr(expression.text);
    parser.Eval();
    std::size_t i = 0;
    double sum = 0.0;
    for (auto _ : state) {
        x = x_at(i);
        y = y_at(i);
        sum += parser.Eval();
        ++i;
    }
    sink = sum;
    state.SetLabel(expression.text);
}

void BM_Direct(benchmark::State& state)
{
    Expression const& expression = expressions[static_cast<std::size_t>(state.range(0))];
    std::size_t i = 0;
    double sum = 0.0;
    for (auto _ : state) {
        sum += expression.direct(x_at(i), y_at(i));
        ++i;
    }
    sink = sum;
    state.SetLabel(expression.text);
}

void BM_KelvoCompile(benchmark::State& state)
{
    Expression const& expression = expressions[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state) {
        kelvo::FormulaPtr const formula = kelvo::prepare_formula(nullptr, expression.text, "x", "y").formula;
        benchmark::DoNotOptimize(formula.get());
    }
    state.SetLabel(expression.text);
}

void BM_MuParserCompile(benchmark::State& state)
{
    Expression const& expression = expressions[static_cast<std::size_t>(state.range(0))];
    double x = 0.5;
    double y = 0.5;
    for (auto _ : state) {
        // muparser parses on the first evaluation after SetExpr.
        mu::Parser parser;
        parser.DefineVar("x", &x);
        parser.DefineVar("y", &y);
        parser.SetExpr(expression.text);
        sink = parser.Eval();
    }
    state.SetLabel(expression.text);
}

// ---- Whole arrays: a million points, evaluated in blocks, against the plain C++ loop and
// muparser's bulk mode. The counter is the time per point.

constexpr std::size_t bulk_points = 1'000'000;

struct BulkPoints {
    std::vector<double> x, y, out;
    BulkPoints()
        : x(bulk_points)
        , y(bulk_points)
        , out(bulk_points)
    {
        for (std::size_t i = 0; i < bulk_points; ++i) {
            x[i] = x_at(i);
            y[i] = y_at(i);
        }
    }
};

BulkPoints const& bulk()
{
    static BulkPoints const points;
    return points;
}

void per_point(benchmark::State& state)
{
    state.counters["per_point"] = benchmark::Counter(static_cast<double>(bulk_points),
                                                     benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}

void BM_KelvoArrays(benchmark::State& state)
{
    Expression const& expression = expressions[static_cast<std::size_t>(state.range(0))];
    BulkPoints points = bulk();
    kelvo::formula_state().evaluation_cores = static_cast<int32_t>(state.range(1));
    for (auto _ : state) {
        if (TkEvaluateData2(0, expression.text, "x", "y", points.x.data(), points.y.data(), points.out.data(),
                            static_cast<int64_t>(bulk_points)) != 0) {
            state.SkipWithError("the evaluation failed");
            break;
        }
    }
    kelvo::formula_state().evaluation_cores = 0;
    sink = points.out[bulk_points / 2];
    per_point(state);
    state.SetLabel(std::string(kelvo::name_of(kelvo::formula_state().processor_path)) + " " + expression.text);
}

// One block of points again and again, in the first-level cache: the cost of the
// instructions alone, without the memory traffic of a million points or the compilation.
void BM_KelvoBlockInCache(benchmark::State& state)
{
    Expression const& expression = expressions[static_cast<std::size_t>(state.range(0))];
    kelvo::FormulaState& formula_state = kelvo::formula_state();
    kelvo::Compilation compilation = kelvo::prepare_formula(nullptr, expression.text, "x", "y");
    auto const& slots = formula_state.slots;
    kelvo::BlockEvaluator evaluator(*compilation.formula, {&slots[0], &slots[1], &slots[2]}, formula_state.limits,
                                    formula_state.processor_path);
    BulkPoints const& points = bulk();
    std::vector<double> out(kelvo::block_size);
    for (auto _ : state)
        evaluator.evaluate({points.x.data(), points.y.data(), nullptr}, kelvo::block_size, out.data());
    sink = out[kelvo::block_size / 2];
    state.counters["per_point"] = benchmark::Counter(static_cast<double>(kelvo::block_size),
                                                     benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
    state.SetLabel(expression.text);
}

void BM_DirectArrays(benchmark::State& state)
{
    Expression const& expression = expressions[static_cast<std::size_t>(state.range(0))];
    BulkPoints points = bulk();
    for (auto _ : state)
        expression.direct_loop(points.x.data(), points.y.data(), points.out.data(), bulk_points);
    sink = points.out[bulk_points / 2];
    per_point(state);
    state.SetLabel(expression.text);
}

void BM_MuParserBulk(benchmark::State& state)
{
    Expression const& expression = expressions[static_cast<std::size_t>(state.range(0))];
    BulkPoints points = bulk();
    // muparser's bulk mode shares the points among OpenMP threads.
    omp_set_num_threads(static_cast<int>(state.range(1)));
    mu::Parser parser;
    parser.DefineVar("x", points.x.data());
    parser.DefineVar("y", points.y.data());
    parser.SetExpr(expression.text);
    for (auto _ : state)
        parser.Eval(points.out.data(), static_cast<int>(bulk_points));
    sink = points.out[bulk_points / 2];
    per_point(state);
    state.SetLabel(expression.text);
}

// The floor of evaluating a formula instruction by instruction over blocks of 256 points:
// Rosenbrock's ten instructions as ten bare passes (load, multiply, store, four lanes at a
// time, no check, no dispatch), the first reading the points and the last writing the
// results.
constexpr std::size_t floor_block = 256;
constexpr int floor_instructions = 10;

[[gnu::target("avx2"), gnu::noinline]] void bare_pass(double* out, double const* a, double const* b, std::size_t n)
{
    for (std::size_t i = 0; i < n; ++i)
        out[i] = a[i] * b[i];
}

void BM_BlockPassFloor(benchmark::State& state)
{
    BulkPoints points = bulk();
    std::vector<double> top(floor_block), below(floor_block);
    for (auto _ : state) {
        for (std::size_t start = 0; start < bulk_points; start += floor_block) {
            std::size_t const n = std::min(floor_block, bulk_points - start);
            bare_pass(top.data(), points.x.data() + start, points.y.data() + start, n);
            for (int k = 2; k < floor_instructions; ++k)
                bare_pass(k % 2 == 0 ? below.data() : top.data(), top.data(), below.data(), n);
            bare_pass(points.out.data() + start, top.data(), below.data(), n);
        }
        benchmark::ClobberMemory();
    }
    sink = points.out[bulk_points / 2];
    per_point(state);
}

// The formula part of a 1000 x 1000 contour plot: the grid of a formula sampled into the
// caller's memory.
void BM_KelvoSampleGrid(benchmark::State& state)
{
    std::vector<double> z(1000 * 1000);
    kelvo::formula_state().evaluation_cores = static_cast<int32_t>(state.range(0));
    for (auto _ : state)
        sink = TkSampleData2(0, "10 * (y - x^2)^2 + (1 - x)^2", "x", "y", -2, 2, -1, 3, 1000, 1000, z.data());
    kelvo::formula_state().evaluation_cores = 0;
    per_point(state);
}

BENCHMARK(BM_Kelvo)->DenseRange(0, 4);
BENCHMARK(BM_MuParser)->DenseRange(0, 4);
BENCHMARK(BM_Direct)->DenseRange(0, 4);
BENCHMARK(BM_KelvoCompile)->DenseRange(0, 4);
BENCHMARK(BM_MuParserCompile)->DenseRange(0, 4);
BENCHMARK(BM_DirectArrays)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KelvoArrays)->ArgsProduct({{0, 1, 2, 3, 4}, {1, 2}})->ArgNames({"formula", "cores"})
    ->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MuParserBulk)->ArgsProduct({{0, 1, 2, 3, 4}, {1, 2}})->ArgNames({"formula", "cores"})
    ->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_KelvoBlockInCache)->DenseRange(0, 4);
BENCHMARK(BM_BlockPassFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KelvoSampleGrid)->Arg(1)->Arg(2)->ArgName("cores")->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
