// Formula evaluation against muparser and against the same expressions written in C++.
// All three evaluate at the same sequence of points, so the times compare directly.

#include <array>
#include <cmath>
#include <string>

#include <benchmark/benchmark.h>
#include <muParser.h>

#include "lib/formula/entry_points.h"
#include "lib/formula/formula_state.h"

namespace {

struct Expression {
    char const* text;
    char const* mu_text; // muparser's spelling
    double (*direct)(double, double);
};

// The floor: the expressions compiled by the C++ compiler. Kept out of line so that the
// call is not folded into the loop.
[[gnu::noinline]] double direct_ratio(double x, double)
{
    return std::sin(x) / (1 + x);
}

[[gnu::noinline]] double direct_rosenbrock(double x, double y)
{
    double a = y - x * x;
    double b = 1 - x;
    return 10 * a * a + b * b;
}

[[gnu::noinline]] double direct_poles(double x, double)
{
    return 50 * std::exp(-x) / (x - 3) / (x - 2);
}

[[gnu::noinline]] double direct_modulus(double x, double y)
{
    double re = std::sin(x) * (std::exp(y) + std::exp(-y)) / 2;
    double im = std::cos(x) * (std::exp(y) - std::exp(-y)) / 2;
    return std::sqrt(re * re + im * im);
}

constexpr std::array<Expression, 4> expressions = {{
    {"sin(x) / (1 + x)", "sin(x) / (1 + x)", &direct_ratio},
    {"10 * (y - x^2)^2 + (1 - x)^2", "10 * (y - x^2)^2 + (1 - x)^2", &direct_rosenbrock},
    {"50 * exp(-x) / (x-3) / (x-2)", "50 * exp(-x) / (x-3) / (x-2)", &direct_poles},
    {"sqrt( (sin(x) * (exp(y) + exp(-y)) / 2)^2 + (cos(x) * (exp(y) - exp(-y)) / 2)^2)",
     "sqrt( (sin(x) * (exp(y) + exp(-y)) / 2)^2 + (cos(x) * (exp(y) - exp(-y)) / 2)^2)", &direct_modulus},
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
    parser.SetExpr(expression.mu_text);
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
        parser.SetExpr(expression.mu_text);
        sink = parser.Eval();
    }
    state.SetLabel(expression.text);
}

BENCHMARK(BM_Kelvo)->DenseRange(0, 3);
BENCHMARK(BM_MuParser)->DenseRange(0, 3);
BENCHMARK(BM_Direct)->DenseRange(0, 3);
BENCHMARK(BM_KelvoCompile)->DenseRange(0, 3);
BENCHMARK(BM_MuParserCompile)->DenseRange(0, 3);

} // namespace

BENCHMARK_MAIN();
