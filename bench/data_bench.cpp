// The data calls, which draw the caller's own memory, on a 1024 x 768 graph against PLplot
// drawing the same data into its in-memory raster driver at the same size, in the same
// program, with the floor of each row (reading the data as the drawing must) beside it.
//
// Our rows time the drawing alone: the plot call onto a cleared graph, the clearing left out
// of the time (UntimedClearAlone is what that leaves in an iteration). PLplot's rows time a
// whole page, from which its empty page, measured beside it, is taken off.
//
// - Contours of a 1000 x 1000 grid of |sin(x + iy)| over |x| < pi, |y| < 1 at 20 levels:
//   TkDrawContoursData against PLplot's plcont of the same grid (its columns read in place
//   through PLplot's pointer-per-column form); the floor compares every height with every
//   level, which any tracer of the levels does.
// - A histogram of 10^6 samples of a normal distribution in 40 bins: TkDrawHistogramData
//   against PLplot's plhist; the floor reads the samples twice (their range, then the bins).

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <random>
#include <vector>

#include <benchmark/benchmark.h>
#include <plplot.h>

#include "bench/headless_graph.h"
#include "bench/plplot_page.h"
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
// FIXME: the rows of TkDrawData1 (joined, mark 10, and scattered, mark 2), their read floor
// and PLplot's plline and plpoin of the same points belong here; they are not written yet.

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
