// Plot frames in a 1024 x 768 graph against PLplot drawing the same frames into its
// in-memory raster driver at the same size, and the animated cube against a dispatch of the
// whole window (and against the copy of its own dispatched rectangle alone).
//
// Per plot three figures: our drawing alone (the plot calls onto a cleared picture, the
// clearing left out of the time), our whole frame (clear, plot calls, dispatch), and PLplot's page less its own
// buffer clear (an empty page is measured beside it). Clearing and dispatching alone sit
// beside a memset plus a memcpy of the same pixels, the floor of that part.

#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>
#include <vector>

#include <benchmark/benchmark.h>
#include <plplot.h>

#include "bench/animated_cube.h"
#include "bench/headless_graph.h"
#include "bench/plplot_page.h"
#include "lib/kelvolib.h"
#include "platform/kelvoplatform.h"

namespace {

constexpr int32_t width = 1024;
constexpr int32_t height = 768;
constexpr int32_t delay_redraw = 4; // drawing goes to the image, dispatch publishes it

// ---- Our graphs

struct Graph : HeadlessGraph {
    Graph() : HeadlessGraph(width, height, delay_redraw) {}
};

// Boxed axes with inside pips, the primary and secondary grid, labels, the three titles.
void set_up_2d_frame(TkGraph g)
{
    TkSetGraphParam(g, 131, 3);
    TkSetGraphParam(g, 140, 2);
    TkSetGraphParam(g, 16, 1);
    TkSetGraphParam(g, 17, 1);
    TkSetGraphParam(g, 143, 1);
    TkSetTitleString(g, 4, "The x-axis");
    TkSetTitleString(g, 5, "The y-axis");
    TkSetTitleString(g, 7, "Kelvo Graphics");
    TkSetRanges(g, -15, 3, 7, 65);
    TkSetScales(g);
}

void set_up_3d_frame(TkGraph g)
{
    TkSetView3D(g);
    TkSetGraphParam(g, 131, 3);
    TkSetRanges3(g, -18, 28, 0, 30, 20, 40);
    TkSetScales(g);
}

void draw_frame(TkGraph g)
{
    TkDrawAxes(g);
    TkLabelAxes(g);
}

void BM_Ours2DFrameDrawing(benchmark::State& state)
{
    Graph g;
    set_up_2d_frame(g.graph);
    for (auto _ : state) {
        clear_untimed(state, g.graph);
        draw_frame(g.graph);
    }
}
BENCHMARK(BM_Ours2DFrameDrawing);

void BM_UntimedClearAlone(benchmark::State& state)
{
    untimed_clear_alone(state);
}
BENCHMARK(BM_UntimedClearAlone);

void BM_Ours2DFrameWhole(benchmark::State& state)
{
    Graph g;
    set_up_2d_frame(g.graph);
    for (auto _ : state) {
        TkClearWindow(g.graph);
        draw_frame(g.graph);
        TkDispatchToWindow(g.graph);
    }
}
BENCHMARK(BM_Ours2DFrameWhole);

void BM_Ours3DBoxDrawing(benchmark::State& state)
{
    Graph g;
    set_up_3d_frame(g.graph);
    for (auto _ : state) {
        clear_untimed(state, g.graph);
        draw_frame(g.graph);
    }
}
BENCHMARK(BM_Ours3DBoxDrawing);

void BM_Ours3DBoxWhole(benchmark::State& state)
{
    Graph g;
    set_up_3d_frame(g.graph);
    for (auto _ : state) {
        TkClearWindow(g.graph);
        draw_frame(g.graph);
        TkDispatchToWindow(g.graph);
    }
}
BENCHMARK(BM_Ours3DBoxWhole);

// Clearing and publishing a graph, and its floor: one memset and one memcpy of its pixels.
void BM_OursClearAndDispatch(benchmark::State& state)
{
    Graph g;
    for (auto _ : state) {
        TkClearWindow(g.graph);
        TkDispatchToWindow(g.graph);
    }
}
BENCHMARK(BM_OursClearAndDispatch);

void BM_MemsetMemcpyFloor(benchmark::State& state)
{
    std::vector<uint32_t> image(static_cast<std::size_t>(width) * height);
    std::vector<uint32_t> window(image.size());
    for (auto _ : state) {
        std::memset(image.data(), 0xFF, image.size() * sizeof(uint32_t));
        benchmark::ClobberMemory();
        std::memcpy(window.data(), image.data(), image.size() * sizeof(uint32_t));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MemsetMemcpyFloor);

// ---- The animated cube: draw it in exclusive or, publish the rectangle around it, erase it

using namespace animated_cube;

// The half extents in pixels of the rectangle the scene dispatches around the cube.
struct HalfExtents {
    int32_t u = 0;
    int32_t v = 0;
};

// Sets the scene's ranges and scales, and returns its rectangle's half extents: three units
// along x and along y in the plane view.
HalfExtents set_up_cube_ranges(TkGraph g)
{
    TkSetRanges3(g, -5, 5, -8, 5, -5, 15);
    TkSetScales(g);
    return {std::abs(TkUserToWindowX(g, 3, 0) - TkUserToWindowX(g, 0, 0)),
            std::abs(TkUserToWindowY(g, 0, 3) - TkUserToWindowY(g, 0, 0))};
}

void BM_CubeFrame(benchmark::State& state)
{
    Graph g;
    Face const face;
    auto const [u, v] = set_up_cube_ranges(g.graph);
    TkSetView3D(g.graph);
    TkSetScales(g.graph);
    TkDrawBox(g.graph);
    TkDispatchToWindow(g.graph);
    TkWritemode(g.graph, 5);
    std::vector<Cube> cubes;
    for (int step = 0; step < 600; ++step)
        cubes.emplace_back(0.01 * step);
    std::size_t i = 0;
    for (auto _ : state) {
        Cube const& cube = cubes[i++ % cubes.size()];
        draw_cube(g.graph, cube, face);
        int32_t const sx = TkUserToWindowX3(g.graph, cube.centre.x, cube.centre.y, cube.centre.z);
        int32_t const sy = TkUserToWindowY3(g.graph, cube.centre.x, cube.centre.y, cube.centre.z);
        TkDispatchToRect(g.graph, sx - u, sy - v, sx + u, sy + v);
        draw_cube(g.graph, cube, face);
    }
}
BENCHMARK(BM_CubeFrame);

// The least a frame's dispatch does: copy the pixels of the cube's rectangle, row by row,
// from one 1024 x 768 picture into another.
void BM_CubeRectangleCopyAlone(benchmark::State& state)
{
    Graph g;
    auto const [u, v] = set_up_cube_ranges(g.graph);
    std::vector<uint32_t> const image(static_cast<std::size_t>(width) * height, 0x00FFFFFF);
    std::vector<uint32_t> window(image.size());
    auto const columns = static_cast<std::size_t>(2 * u + 1);
    for (auto _ : state) {
        for (int32_t y = height / 2 - v; y <= height / 2 + v; ++y) {
            std::size_t const start = static_cast<std::size_t>(y) * width + static_cast<std::size_t>(width / 2 - u);
            std::memcpy(&window[start], &image[start], columns * sizeof(uint32_t));
        }
        benchmark::ClobberMemory();
    }
    state.counters["pixels"] = static_cast<double>(columns) * (2 * v + 1);
}
BENCHMARK(BM_CubeRectangleCopyAlone);

void BM_WholeWindowDispatch(benchmark::State& state)
{
    Graph g;
    for (auto _ : state)
        TkDispatchToWindow(g.graph);
}
BENCHMARK(BM_WholeWindowDispatch);

// ---- PLplot into its memory driver

PlplotPage& plplot()
{
    static PlplotPage page(width, height);
    return page;
}

void plplot_2d_frame()
{
    plplot().begin();
    plcol0(1);
    plvsta();
    plwind(-16, 4, 0, 70);
    // Our axes: x in steps of 2, y in steps of 10, five secondary intervals each; the
    // secondary grid (PLplot draws it only with the primary one) in short dashes first, as
    // ours is dotted, then the primary grid, box, inside ticks and numbers.
    pllsty(2);
    plbox("ghst", 2, 5, "ghst", 10, 5);
    pllsty(1);
    plbox("bcginst", 2, 5, "bcginstv", 10, 5);
    pllab("The x-axis", "The y-axis", "Kelvo Graphics");
}

void plplot_3d_box()
{
    plplot().begin();
    plcol0(1);
    plvpor(0.0, 1.0, 0.0, 0.9);
    plwind(-1.0, 1.0, -0.9, 1.1);
    plw3d(1.0, 1.0, 1.0, -20, 30, 0, 30, 20, 40, 30, 15);
    plbox3("bnstu", "", 5, 5, "bnstu", "", 5, 5, "bcdmnstuv", "", 5, 5);
    // The rest of the box that our frame draws: the top face and the two other vertical
    // edges (the three edges behind the box are left out, as ours leaves them).
    PLFLT const x[] = {-20, -20, 30, 30, -20};
    PLFLT const y[] = {0, 30, 30, 0, 0};
    PLFLT const z[] = {40, 40, 40, 40, 40};
    plline3(5, x, y, z);
    PLFLT const vx[] = {30, 30};
    PLFLT const vy[] = {30, 30};
    PLFLT const vz[] = {20, 40};
    plline3(2, vx, vy, vz);
}

void BM_Plplot2DFramePage(benchmark::State& state)
{
    for (auto _ : state)
        plplot_2d_frame();
}
BENCHMARK(BM_Plplot2DFramePage);

void BM_Plplot3DBoxPage(benchmark::State& state)
{
    for (auto _ : state)
        plplot_3d_box();
}
BENCHMARK(BM_Plplot3DBoxPage);

// A page with nothing drawn on it: the clear of its buffer and the page change.
void BM_PlplotEmptyPage(benchmark::State& state)
{
    for (auto _ : state)
        plplot().begin();
}
BENCHMARK(BM_PlplotEmptyPage);

} // namespace

BENCHMARK_MAIN();
