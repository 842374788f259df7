// Regions built from staircases of rectangles, and set operations between two of them.
//
// A staircase of n rectangles: rectangle i is 10 x 4 pixels at (3i, 2i), so each one
// overlaps the next and every 2-pixel band holds one span that differs from its neighbours'.
// The region has about n bands: what window trees with many overlapping siblings produce.
// The second staircase runs the other way across the first, so the two cross in every band.

#include <vector>

#include <benchmark/benchmark.h>

#include "platform/base/region.h"

namespace {

std::vector<kp::Rect> staircase(int count)
{
    std::vector<kp::Rect> rects;
    rects.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        rects.push_back({3 * i, 2 * i, 10, 4});
    return rects;
}

std::vector<kp::Rect> reversed_staircase(int count)
{
    std::vector<kp::Rect> rects;
    rects.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        rects.push_back({3 * (count - i), 2 * i + 1, 10, 4});
    return rects;
}

void BuildStaircase(benchmark::State& state)
{
    int const count = static_cast<int>(state.range(0));
    std::vector<kp::Rect> const rects = staircase(count);
    for (auto _ : state) {
        kp::Region const region = kp::Region::from_rects(rects);
        benchmark::DoNotOptimize(region.rects().data());
    }
    state.SetItemsProcessed(state.iterations() * count);
}

void UniteStaircases(benchmark::State& state)
{
    int const count = static_cast<int>(state.range(0));
    kp::Region const a = kp::Region::from_rects(staircase(count));
    kp::Region const b = kp::Region::from_rects(reversed_staircase(count));
    for (auto _ : state) {
        kp::Region const united = a.united(b);
        benchmark::DoNotOptimize(united.rects().data());
    }
    state.SetItemsProcessed(state.iterations() * count);
}

void IntersectStaircases(benchmark::State& state)
{
    int const count = static_cast<int>(state.range(0));
    kp::Region const a = kp::Region::from_rects(staircase(count));
    kp::Region const b = kp::Region::from_rects(reversed_staircase(count));
    for (auto _ : state) {
        kp::Region const common = a.intersected(b);
        benchmark::DoNotOptimize(common.rects().data());
    }
    state.SetItemsProcessed(state.iterations() * count);
}

} // namespace

BENCHMARK(BuildStaircase)->Arg(100)->Arg(800)->Arg(6400)->Unit(benchmark::kMillisecond);
BENCHMARK(UniteStaircases)->Arg(100)->Arg(800)->Arg(6400)->Unit(benchmark::kMillisecond);
BENCHMARK(IntersectStaircases)->Arg(100)->Arg(800)->Arg(6400)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
