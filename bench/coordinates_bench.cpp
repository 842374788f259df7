// User-to-window conversions through the C interface against a plain inline affine
// transform of the same points (the floor), and the cost of computing the scales.

#include <cmath>
#include <cstdint>

#include <benchmark/benchmark.h>
#include <emmintrin.h>

#include "lib/kelvolib.h"
#include "platform/kelvoplatform.h"

namespace {

// The points: a new one each conversion, all inside the ranges.
inline double x_at(std::size_t i)
{
    return -10 + static_cast<double>(i & 1023) * (20.0 / 1024);
}

inline double y_at(std::size_t i)
{
    return -10 + static_cast<double>((i * 7) & 1023) * (20.0 / 1024);
}

struct Graph {
    Graph(bool three_d)
    {
        host = KpCreateHeadlessHost(1024, 768);
        graph = TkOpenGraph(host, 0, 0, 1024, 768, 2);
        TkSetRanges3(graph, -10, 10, -10, 10, -10, 10);
        if (three_d)
            TkSetView3D(graph);
        TkSetScales(graph);
    }
    ~Graph()
    {
        TkCloseGraph(graph);
        KpDestroyWindow(host);
    }
    TkWnd host = 0;
    TkGraph graph = 0;
};

volatile int32_t sink = 0;

void BM_UserToWindow2D(benchmark::State& state)
{
    Graph g(false);
    std::size_t i = 0;
    for (auto _ : state) {
        int32_t const x = TkUserToWindowX(g.graph, x_at(i), y_at(i));
        int32_t const y = TkUserToWindowY(g.graph, x_at(i), y_at(i));
        sink = x + y;
        ++i;
    }
}
BENCHMARK(BM_UserToWindow2D);

void BM_UserToWindow3D(benchmark::State& state)
{
    Graph g(true);
    std::size_t i = 0;
    for (auto _ : state) {
        double const z = x_at(i + 311);
        int32_t const x = TkUserToWindowX3(g.graph, x_at(i), y_at(i), z);
        int32_t const y = TkUserToWindowY3(g.graph, x_at(i), y_at(i), z);
        sink = x + y;
        ++i;
    }
}
BENCHMARK(BM_UserToWindow3D);

// The floor: an affine map of the same points, inline, rounded to pixels.
void BM_InlineAffineFloor(benchmark::State& state)
{
    double const sx = 40.7, sy = -31.2, ox = 512.4, oy = 384.4;
    std::size_t i = 0;
    for (auto _ : state) {
        int32_t const x = static_cast<int32_t>(std::nearbyint(x_at(i) * sx + ox));
        int32_t const y = static_cast<int32_t>(std::nearbyint(y_at(i) * sy + oy));
        sink = x + y;
        ++i;
    }
}
BENCHMARK(BM_InlineAffineFloor);

// The same floor rounded by the processor's own instruction, as the library rounds.
void BM_InlineAffineFloorRoundingInstruction(benchmark::State& state)
{
    double const sx = 40.7, sy = -31.2, ox = 512.4, oy = 384.4;
    std::size_t i = 0;
    for (auto _ : state) {
        int32_t const x = _mm_cvtsd_si32(_mm_set_sd(x_at(i) * sx + ox));
        int32_t const y = _mm_cvtsd_si32(_mm_set_sd(y_at(i) * sy + oy));
        sink = x + y;
        ++i;
    }
}
BENCHMARK(BM_InlineAffineFloorRoundingInstruction);

void BM_SetScales2D(benchmark::State& state)
{
    Graph g(false);
    for (auto _ : state)
        sink = TkSetScales(g.graph);
}
BENCHMARK(BM_SetScales2D);

void BM_SetScales3D(benchmark::State& state)
{
    Graph g(true);
    for (auto _ : state)
        sink = TkSetScales(g.graph);
}
BENCHMARK(BM_SetScales3D);

} // namespace

BENCHMARK_MAIN();
