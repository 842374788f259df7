// The data calls, which draw the caller's own memory, on a 1024 x 768 graph against PLplot
// drawing the same data into its in-memory raster driver at the same size, in the same
// program, with the floor of each row (reading the data as the drawing must) beside it.
//
// Our rows time the drawing alone: the plot call onto a cleared graph, the clearing left out
// of the time (UntimedClearAlone is what that leaves in an iteration). PLplot's rows time a
// whole page, from which its empty page, measured beside it, is taken off.
//
// - Points of a random walk, 10^3 to 10^7, joined (mark 10): TkDrawData1 against PLplot's
//   plline; the floor reads both arrays once. A million of them as plus signs (mark 2)
//   against plpoin. Each row counts its points, so the cost per point reads as items/s.
// - Contours of a 1000 x 1000 grid of |sin(x + iy)| over |x| < pi, |y| < 1 at 20 levels:
//   TkDrawContoursData against PLplot's plcont of the same grid (its columns read in place
//   through PLplot's pointer-per-column form); the floor compares every height with every
//   level, which any tracer of the levels does. The same map from the formula, sampled
//   into the caller's grid by TkSampleData2 on one core and on two, then drawn.
// - A histogram of 10^6 samples of a normal distribution in 40 bins: TkDrawHistogramData
//   against PLplot's plhist; the floor reads the samples twice (their range, then the bins).

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <numbers>
#include <random>
#include <vector>

#include <benchmark/benchmark.h>
#include <plplot.h>

#include "bench/headless_graph.h"
#include "bench/plplot_page.h"
#include "lib/formula/formula_state.h"
#include "lib/kelvolib.h"

namespace {

constexpr int32_t width = 1024;
constexpr int32_t height = 768;
constexpr double pi = std::numbers::pi;
constexpr TkColor teal = 0x00808000;

volatile int32_t sink = 0;
volatile double value_sink = 0;

PlplotPage& plplot()
{
    static PlplotPage page(width, height, {{2, 0, 128, 128}});
    return page;
}

void BM_UntimedClearAlone(benchmark::State& state)
{
    untimed_clear_alone(state);
}
BENCHMARK(BM_UntimedClearAlone);

// A page with nothing drawn on it: the clear of its buffer and the page change.
void BM_PlplotEmptyPage(benchmark::State& state)
{
    for (auto _ : state)
        plplot().begin();
}
BENCHMARK(BM_PlplotEmptyPage);

// ---- Points of a random walk, 10^3 to 10^7

// A random walk over the graph's width: x evenly from 0 to 1, y the running sum of normal
// steps scaled to stay near -1..1.
struct RandomWalk {
    explicit RandomWalk(int64_t n) : x(static_cast<std::size_t>(n)), y(static_cast<std::size_t>(n))
    {
        std::mt19937_64 random(5);
        std::normal_distribution<double> normal(0, 1);
        double const step = 1 / std::sqrt(static_cast<double>(n));
        double sum = 0;
        for (std::size_t i = 0; i < x.size(); ++i) {
            x[i] = static_cast<double>(i) / static_cast<double>(n);
            sum += normal(random) * step;
            y[i] = sum;
        }
    }
    std::vector<double> x, y;
};

RandomWalk const& walk(int64_t n)
{
    static std::map<int64_t, RandomWalk> walks;
    auto found = walks.find(n);
    if (found == walks.end())
        found = walks.emplace(n, RandomWalk(n)).first;
    return found->second;
}

void point_counts(benchmark::internal::Benchmark* b)
{
    for (int64_t n : {1'000, 100'000, 1'000'000, 10'000'000})
        b->Arg(n);
    b->Unit(benchmark::kMillisecond);
}

void set_walk_ranges(TkGraph graph)
{
    TkSetRanges(graph, 0, 1, -3, 3);
    TkSetScales(graph);
}

void per_point(benchmark::State& state)
{
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_OursWalkJoinedDrawing(benchmark::State& state)
{
    RandomWalk const& w = walk(state.range(0));
    HeadlessGraph const g(width, height);
    set_walk_ranges(g.graph);
    for (auto _ : state) {
        clear_untimed(state, g.graph);
        sink = TkDrawData1(g.graph, w.x.data(), w.y.data(), state.range(0), 10, teal, 0);
    }
    per_point(state);
}
BENCHMARK(BM_OursWalkJoinedDrawing)->Apply(point_counts);

// Both arrays read once, summed: what any drawing of the points costs at least. Four sums
// side by side, so that the row times the reading and not the latency of one chain of adds.
void BM_WalkReadFloor(benchmark::State& state)
{
    RandomWalk const& w = walk(state.range(0));
    std::size_t const n = w.x.size() / 4 * 4;
    for (auto _ : state) {
        double sums[4] = {0, 0, 0, 0};
        for (std::size_t i = 0; i < n; i += 4)
            for (std::size_t k = 0; k < 4; ++k)
                sums[k] += w.x[i + k] + w.y[i + k];
        value_sink = sums[0] + sums[1] + sums[2] + sums[3];
    }
    per_point(state);
}
BENCHMARK(BM_WalkReadFloor)->Apply(point_counts);

void BM_PlplotWalkJoinedPage(benchmark::State& state)
{
    RandomWalk const& w = walk(state.range(0));
    auto const n = static_cast<PLINT>(state.range(0));
    for (auto _ : state) {
        plplot().begin();
        plvpor(0, 1, 0, 1);
        plwind(0, 1, -3, 3);
        plcol0(2);
        plline(n, w.x.data(), w.y.data());
    }
    per_point(state);
}
BENCHMARK(BM_PlplotWalkJoinedPage)->Apply(point_counts);

// A million scattered plus signs (mark 2).
void BM_OursWalkSymbolsDrawing(benchmark::State& state)
{
    RandomWalk const& w = walk(state.range(0));
    HeadlessGraph const g(width, height);
    set_walk_ranges(g.graph);
    for (auto _ : state) {
        clear_untimed(state, g.graph);
        sink = TkDrawData1(g.graph, w.x.data(), w.y.data(), state.range(0), 2, teal, 0);
    }
    per_point(state);
}
BENCHMARK(BM_OursWalkSymbolsDrawing)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void BM_PlplotWalkSymbolsPage(benchmark::State& state)
{
    RandomWalk const& w = walk(state.range(0));
    auto const n = static_cast<PLINT>(state.range(0));
    for (auto _ : state) {
        plplot().begin();
        plvpor(0, 1, 0, 1);
        plwind(0, 1, -3, 3);
        plcol0(2);
        plpoin(n, w.x.data(), w.y.data(), 2);
    }
    per_point(state);
}
BENCHMARK(BM_PlplotWalkSymbolsPage)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// ---- Contours of a 1000 x 1000 grid

constexpr int32_t grid_side = 1000;
constexpr int32_t contour_levels = 20;
constexpr double lowest_level_bound = 0;
constexpr double highest_level_bound = 1.6; // above |sin(x + iy)| = cosh(1) at the corners

// |sin(x + iy)| on an even grid, in the caller's layout: z(i, j) at z[i * ny + j], so that
// each column of constant x is one run, as PLplot's column pointers want it too.
struct SineModulusGrid {
    SineModulusGrid() : x(grid_side), y(grid_side), z(static_cast<std::size_t>(grid_side) * grid_side), columns(grid_side)
    {
        for (int32_t k = 0; k < grid_side; ++k) {
            x[static_cast<std::size_t>(k)] = -pi + 2 * pi * k / (grid_side - 1);
            y[static_cast<std::size_t>(k)] = -1 + 2.0 * k / (grid_side - 1);
        }
        for (std::size_t i = 0; i < x.size(); ++i) {
            for (std::size_t j = 0; j < y.size(); ++j) {
                double const a = std::sin(x[i]) * std::cosh(y[j]);
                double const b = std::cos(x[i]) * std::sinh(y[j]);
                z[i * y.size() + j] = std::sqrt(a * a + b * b);
            }
            columns[i] = &z[i * y.size()];
        }
    }

    std::vector<double> x, y, z;
    std::vector<double const*> columns;
};

SineModulusGrid const& sine_modulus()
{
    static SineModulusGrid const grid;
    return grid;
}

// The levels as the contour calls make them: strictly between the bounds, in equal steps.
std::vector<double> const& levels()
{
    static std::vector<double> const values = [] {
        std::vector<double> l;
        double const step = (highest_level_bound - lowest_level_bound) / (contour_levels + 1.0);
        double level = lowest_level_bound;
        for (int32_t k = 0; k < contour_levels; ++k)
            l.push_back(level += step);
        return l;
    }();
    return values;
}

void BM_OursDataContoursDrawing(benchmark::State& state)
{
    SineModulusGrid const& grid = sine_modulus();
    HeadlessGraph const g(width, height);
    TkSetRanges(g.graph, -pi, pi, -1, 1);
    TkSetScales(g.graph);
    for (auto _ : state) {
        clear_untimed(state, g.graph);
        sink = TkDrawContoursData(g.graph, grid.x.data(), grid.y.data(), grid.z.data(), grid_side, grid_side,
                                  contour_levels, lowest_level_bound, highest_level_bound, 0, teal, 0);
    }
}
BENCHMARK(BM_OursDataContoursDrawing)->Unit(benchmark::kMillisecond);

// The same map from the formula of |sin(x + iy)|: sampled by TkSampleData2 into the
// caller's grid, on one core and on two, then drawn as above. The difference from the row
// above is the cost of the formula.
void BM_OursFormulaContoursDrawing(benchmark::State& state)
{
    SineModulusGrid const& grid = sine_modulus();
    std::vector<double> z(grid.z.size());
    HeadlessGraph const g(width, height);
    TkSetRanges(g.graph, -pi, pi, -1, 1);
    TkSetScales(g.graph);
    kelvo::formula_state().evaluation_cores = static_cast<int32_t>(state.range(0));
    for (auto _ : state) {
        clear_untimed(state, g.graph);
        if (TkSampleData2(g.graph, "sqrt((sin(x)*cosh(y))^2 + (cos(x)*sinh(y))^2)", "x", "y", -pi, pi, -1, 1,
                          grid_side, grid_side, z.data()) != 0) {
            state.SkipWithError("the formula could not be sampled");
            break;
        }
        sink = TkDrawContoursData(g.graph, grid.x.data(), grid.y.data(), z.data(), grid_side, grid_side,
                                  contour_levels, lowest_level_bound, highest_level_bound, 0, teal, 0);
    }
    kelvo::formula_state().evaluation_cores = 0;
}
BENCHMARK(BM_OursFormulaContoursDrawing)->Arg(1)->Arg(2)->ArgName("cores")->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Every height against every level, in the order the heights lie: what no tracer can skip.
void BM_ContoursReadFloor(benchmark::State& state)
{
    SineModulusGrid const& grid = sine_modulus();
    for (auto _ : state) {
        int64_t below = 0;
        for (double level : levels())
            for (double v : grid.z)
                below += v < level;
        value_sink = static_cast<double>(below);
    }
}
BENCHMARK(BM_ContoursReadFloor)->Unit(benchmark::kMillisecond);

void BM_PlplotContoursPage(benchmark::State& state)
{
    SineModulusGrid const& grid = sine_modulus();
    PLcGrid coordinates{const_cast<double*>(grid.x.data()), const_cast<double*>(grid.y.data()), nullptr, grid_side,
                        grid_side, 0};
    for (auto _ : state) {
        plplot().begin();
        plvpor(0, 1, 0, 1);
        plwind(-pi, pi, -1, 1);
        plcol0(2);
        plcont(grid.columns.data(), grid_side, grid_side, 1, grid_side, 1, grid_side, levels().data(), contour_levels,
               pltr1, &coordinates);
    }
}
BENCHMARK(BM_PlplotContoursPage)->Unit(benchmark::kMillisecond);

// ---- A histogram of 10^6 samples

constexpr int32_t sample_count = 1'000'000;
constexpr int32_t histogram_bins = 40;

std::vector<double> const& normal_samples()
{
    static std::vector<double> const samples = [] {
        std::mt19937_64 random(6);
        std::normal_distribution<double> normal(0, 1);
        std::vector<double> s(sample_count);
        for (double& v : s)
            v = normal(random);
        return s;
    }();
    return samples;
}

double samples_low()
{
    double lo = normal_samples().front();
    for (double v : normal_samples())
        lo = v < lo ? v : lo;
    return lo;
}

double samples_high()
{
    double hi = normal_samples().front();
    for (double v : normal_samples())
        hi = v > hi ? v : hi;
    return hi;
}

void BM_OursDataHistogramDrawing(benchmark::State& state)
{
    std::vector<double> const& samples = normal_samples();
    HeadlessGraph const g(width, height);
    TkSetRanges(g.graph, samples_low(), samples_high(), 0, sample_count / 8.0);
    TkSetScales(g.graph);
    for (auto _ : state) {
        clear_untimed(state, g.graph);
        sink = TkDrawHistogramData(g.graph, samples.data(), sample_count, histogram_bins, teal, 0);
    }
}
BENCHMARK(BM_OursDataHistogramDrawing)->Unit(benchmark::kMillisecond);

// The range, then a bin index per sample: the two reads a histogram of equal bins needs.
void BM_HistogramReadFloor(benchmark::State& state)
{
    std::vector<double> const& samples = normal_samples();
    std::vector<int64_t> counts(histogram_bins);
    for (auto _ : state) {
        double lo = samples.front();
        double hi = lo;
        for (double v : samples) {
            lo = v < lo ? v : lo;
            hi = v > hi ? v : hi;
        }
        double const scale = histogram_bins / (hi - lo);
        std::fill(counts.begin(), counts.end(), 0);
        for (double v : samples) {
            auto const k = static_cast<int32_t>((v - lo) * scale);
            ++counts[static_cast<std::size_t>(k < histogram_bins ? k : histogram_bins - 1)];
        }
        value_sink = static_cast<double>(counts[histogram_bins / 2]);
    }
}
BENCHMARK(BM_HistogramReadFloor)->Unit(benchmark::kMillisecond);

void BM_PlplotHistogramPage(benchmark::State& state)
{
    std::vector<double> const& samples = normal_samples();
    double const lo = samples_low();
    double const hi = samples_high();
    for (auto _ : state) {
        plplot().begin();
        plvpor(0, 1, 0, 1);
        plwind(lo, hi, 0, sample_count / 8.0);
        plcol0(2);
        plhist(sample_count, samples.data(), lo, hi, histogram_bins, PL_HIST_NOSCALING);
    }
}
BENCHMARK(BM_PlplotHistogramPage)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
