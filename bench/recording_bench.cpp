// What recording a graph's drawing (for saving it as SVG or PDF) costs: whole plots in a
// 1024 x 768 graph with and without the recording, and the recording's memory after the
// animated cube of Kelvotour's scene 19 (600 frames, each drawn and taken away again in
// exclusive or).
//
// Plots: a labelled contour plot of Rosenbrock's function (48 x 58 grid, 20 levels, boxed
// axes) and the hidden-line surface of |sin(x + iy)| (32 x 32, titled). Each iteration
// clears the graph, draws the plot and dispatches it; the drawing rows time the plot calls
// alone. "Unrecorded" stops the recording that clearing starts, so the two rows differ by
// the recording alone.

#include <cmath>
#include <cstdint>

#include <benchmark/benchmark.h>

#include "bench/animated_cube.h"
#include "bench/formula_plots.h"
#include "bench/headless_graph.h"
#include "lib/graph/graph_recording.h"
#include "lib/graph/graph_table.h"
#include "lib/kelvolib.h"
#include "platform/kelvoplatform.h"
#include "platform/record/recording.h"

namespace {

constexpr int32_t width = 1024;
constexpr int32_t height = 768;
constexpr int32_t delay_redraw = 4;

volatile int32_t sink = 0;

struct Graph : HeadlessGraph {
    explicit Graph(int32_t w = width, int32_t h = height, int32_t mode = delay_redraw)
        : HeadlessGraph(w, h, mode)
    {
    }
    kp::DeviceContext& recorder() const { return *kelvo::recording_context(*kelvo::find_graph(graph)); }
    std::size_t recording_bytes() const
    {
        kp::Recording const* recording = recorder().recording();
        return recording == nullptr ? 0 : recording->memory_bytes();
    }
};

enum class Recorded { No, Yes };

void clear(Graph const& g, Recorded recorded)
{
    TkClearWindow(g.graph);
    if (recorded == Recorded::No)
        g.recorder().stop_recording();
}

void contour_plot(TkGraph g)
{
    formula_plots::set_up_contour_plot(g);
    sink = formula_plots::draw_contour_plot_from_formula(g);
}

void surface_plot(TkGraph g)
{
    formula_plots::set_up_surface_plot(g);
    sink = formula_plots::draw_surface_plot_from_formula(g);
}

template <void (*Plot)(TkGraph)>
void BM_WholePlot(benchmark::State& state)
{
    Recorded const recorded = state.range(0) != 0 ? Recorded::Yes : Recorded::No;
    Graph g;
    for (auto _ : state) {
        clear(g, recorded);
        Plot(g.graph);
        TkDispatchToWindow(g.graph);
    }
    state.counters["recording_bytes"] = static_cast<double>(g.recording_bytes());
}
BENCHMARK(BM_WholePlot<contour_plot>)->ArgName("recorded")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WholePlot<surface_plot>)->ArgName("recorded")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The plot calls alone, the clearing (and the recording's start or stop) left out of the time.
template <void (*Plot)(TkGraph)>
void BM_PlotDrawing(benchmark::State& state)
{
    Recorded const recorded = state.range(0) != 0 ? Recorded::Yes : Recorded::No;
    Graph g;
    for (auto _ : state) {
        state.PauseTiming();
        clear(g, recorded);
        state.ResumeTiming();
        Plot(g.graph);
    }
}
BENCHMARK(BM_PlotDrawing<contour_plot>)->ArgName("recorded")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlotDrawing<surface_plot>)->ArgName("recorded")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// ---- Scene 19: the animated cube, with the same calls in the same order.

using namespace animated_cube;

// The scene as Kelvotour draws it, in its 481 x 465 graph in "Auto Redraw" mode.
void animate_cube(Graph const& g, Recorded recorded)
{
    TkGraph const id = g.graph;
    clear(g, recorded);
    TkSetRanges3(id, -5, 5, -8, 5, -5, 15);
    TkSetView2D(id);
    TkSetScales(id);
    int32_t const u = std::abs(TkUserToWindowX(id, cube_edge, 0) - TkUserToWindowX(id, 0, 0));
    int32_t const v = std::abs(TkUserToWindowY(id, 0, cube_edge) - TkUserToWindowY(id, 0, 0));
    TkSetView3D(id);
    TkSetViewangles(id, 0.5, 0.3);
    TkSetScales(id);
    TkGraphColor(id, 0x00C0C0C0);
    TkDrawBox(id);
    TkDispatchToWindow(id);
    TkWritemode(id, 5);
    TkGraphColor(id, 0x00FFFF00);
    Face const face;
    double t = 0;
    for (int step = 0; step < 600; ++step) {
        Cube const cube(t);
        draw_cube(id, cube, face);
        int32_t const sx = TkUserToWindowX3(id, cube.centre.x, cube.centre.y, cube.centre.z);
        int32_t const sy = TkUserToWindowY3(id, cube.centre.x, cube.centre.y, cube.centre.z);
        TkDispatchToRect(id, sx - u, sy - v, sx + u, sy + v);
        draw_cube(id, cube, face);
        t += 0.01;
    }
    TkWritemode(id, 1);
    draw_cube(id, Cube(t), face);
    TkDispatchToWindow(id);
}

void BM_AnimatedCube(benchmark::State& state)
{
    Recorded const recorded = state.range(0) != 0 ? Recorded::Yes : Recorded::No;
    Graph g(481, 465, 2);
    for (auto _ : state)
        animate_cube(g, recorded);
    state.counters["recording_bytes"] = static_cast<double>(g.recording_bytes());
    kp::Recording const* recording = g.recorder().recording();
    state.counters["recording_steps"] = recording == nullptr ? 0 : static_cast<double>(recording->steps().size());
}
BENCHMARK(BM_AnimatedCube)->ArgName("recorded")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
