// Contours and hidden-line surfaces in a 1024 x 768 graph against PLplot drawing the same
// data into its in-memory raster driver at the same size: the contour plot of Rosenbrock's
// function (48 x 58 grid, 20 levels, boxed and labelled axes), the hidden-line surface of
// |sin(x + iy)| (32 x 32, with its title), and grids of 50 to 400 points a side to show how
// the cost grows.
//
// Per plot three figures: our drawing alone (the plot calls onto a cleared picture, the
// clearing left out of the time), our whole frame (clear, plot calls, dispatch), and PLplot's page, from which its
// empty page (the clear of its buffer and the page change, measured beside it) is taken off.
//
// Library arrays stop at 1,000,000 bytes, 353 x 353 reals, so the larger grids are drawn
// through the library's own routines on a plain grid, as the array calls draw their copy.

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include <benchmark/benchmark.h>
#include <plplot.h>

#include "bench/formula_plots.h"
#include "bench/headless_graph.h"
#include "bench/plplot_page.h"
#include "lib/graph/graph_table.h"
#include "lib/kelvolib.h"
#include "lib/plot/contours.h"
#include "lib/plot/surfaces.h"
#include "lib/runtime/error_state.h"
#include "platform/kelvoplatform.h"

namespace {

constexpr int32_t width = 1024;
constexpr int32_t height = 768;
constexpr int32_t delay_redraw = 4; // drawing goes to the image, dispatch publishes it
using namespace formula_plots;

double rosenbrock_at(double x, double y)
{
    return 10 * (y - x * x) * (y - x * x) + (1 - x) * (1 - x);
}

double sine_modulus_at(double x, double y)
{
    double const a = std::sin(x) * std::cosh(y);
    double const b = std::cos(x) * std::sinh(y);
    return std::sqrt(a * a + b * b);
}

// A function sampled on an even grid, kept in both layouts: rows of constant y for our
// routines, a row pointer per x for PLplot.
struct SampledGrid {
    SampledGrid(int32_t nx_, int32_t ny_, double x1, double x2, double y1, double y2, double (*f)(double, double))
        : nx(nx_), ny(ny_), x(static_cast<std::size_t>(nx_)), y(static_cast<std::size_t>(ny_)),
          rows(static_cast<std::size_t>(nx_) * static_cast<std::size_t>(ny_)),
          columns(rows.size()), column_starts(static_cast<std::size_t>(nx_))
    {
        for (int32_t i = 0; i < nx; ++i)
            x[static_cast<std::size_t>(i)] = x1 + (x2 - x1) * i / (nx - 1);
        for (int32_t j = 0; j < ny; ++j)
            y[static_cast<std::size_t>(j)] = y1 + (y2 - y1) * j / (ny - 1);
        for (int32_t i = 0; i < nx; ++i)
            for (int32_t j = 0; j < ny; ++j) {
                double const v = f(x[static_cast<std::size_t>(i)], y[static_cast<std::size_t>(j)]);
                rows[static_cast<std::size_t>(j) * static_cast<std::size_t>(nx) + static_cast<std::size_t>(i)] = v;
                columns[static_cast<std::size_t>(i) * static_cast<std::size_t>(ny) + static_cast<std::size_t>(j)] = v;
            }
        for (int32_t i = 0; i < nx; ++i)
            column_starts[static_cast<std::size_t>(i)] = &columns[static_cast<std::size_t>(i) * static_cast<std::size_t>(ny)];
    }

    kelvo::PlotGrid plot_grid() const { return {x.data(), y.data(), rows.data(), nx, ny, nx}; }

    int32_t nx, ny;
    std::vector<double> x, y, rows, columns;
    std::vector<double const*> column_starts;
};

// The same grid as library arrays, for the exported array calls.
struct GridArrays {
    explicit GridArrays(SampledGrid const& grid)
        : x(TkNewArray1(grid.nx)), y(TkNewArray1(grid.ny)), z(TkNewArray2(grid.nx, grid.ny))
    {
        for (int32_t i = 1; i <= grid.nx; ++i)
            TkSetArray1(x, i, grid.x[static_cast<std::size_t>(i - 1)]);
        for (int32_t j = 1; j <= grid.ny; ++j)
            TkSetArray1(y, j, grid.y[static_cast<std::size_t>(j - 1)]);
        for (int32_t i = 1; i <= grid.nx; ++i)
            for (int32_t j = 1; j <= grid.ny; ++j)
                TkSetArray2(z, i, j, grid.columns[static_cast<std::size_t>(i - 1) * static_cast<std::size_t>(grid.ny) +
                                                  static_cast<std::size_t>(j - 1)]);
    }
    ~GridArrays()
    {
        TkDisposeArray(x);
        TkDisposeArray(y);
        TkDisposeArray(z);
    }
    GridArrays(GridArrays const&) = delete;
    GridArrays& operator=(GridArrays const&) = delete;
    TkArray x, y, z;
};

SampledGrid const& rosenbrock_grid()
{
    static SampledGrid const grid(48, 58, -2, 2, -1, 3, rosenbrock_at);
    return grid;
}

SampledGrid const& sine_modulus_grid()
{
    static SampledGrid const grid(32, 32, -pi, pi, -1, 1, sine_modulus_at);
    return grid;
}

// ---- Our graphs

struct Graph : HeadlessGraph {
    Graph() : HeadlessGraph(width, height, delay_redraw) {}
    kelvo::GraphRecord& record() const { return *kelvo::find_graph(graph); }
};

volatile int32_t sink = 0;

void draw_contour_plot_from_arrays(TkGraph g, GridArrays const& a)
{
    sink = TkDrawContoursArray(g, a.x, a.y, a.z, 48, 58, 20, 0, 20, 1, 0x00808000, 3);
}

void draw_surface_plot_from_arrays(TkGraph g, GridArrays const& a)
{
    TkGraphTitle(g, 7, surface_title);
    sink = TkDrawSurfaceArray(g, a.x, a.y, a.z, 32, 32, 4, 0x00808000, 0x00FF8080, 0);
}

void BM_OursContourPlotDrawing(benchmark::State& state)
{
    Graph g;
    set_up_contour_plot(g.graph);
    GridArrays const arrays(rosenbrock_grid());
    for (auto _ : state) {
        clear_untimed(state, g.graph);
        draw_contour_plot_from_arrays(g.graph, arrays);
    }
}
BENCHMARK(BM_OursContourPlotDrawing);

void BM_UntimedClearAlone(benchmark::State& state)
{
    untimed_clear_alone(state);
}
BENCHMARK(BM_UntimedClearAlone);

void BM_OursContourPlotFromFormulaDrawing(benchmark::State& state)
{
    Graph g;
    set_up_contour_plot(g.graph);
    for (auto _ : state) {
        clear_untimed(state, g.graph);
        sink = draw_contour_plot_from_formula(g.graph);
    }
}
BENCHMARK(BM_OursContourPlotFromFormulaDrawing);

void BM_OursContourPlotWhole(benchmark::State& state)
{
    Graph g;
    set_up_contour_plot(g.graph);
    GridArrays const arrays(rosenbrock_grid());
    for (auto _ : state) {
        TkClearWindow(g.graph);
        draw_contour_plot_from_arrays(g.graph, arrays);
        TkDispatchToWindow(g.graph);
    }
}
BENCHMARK(BM_OursContourPlotWhole);

void BM_OursSurfacePlotDrawing(benchmark::State& state)
{
    Graph g;
    set_up_surface_plot(g.graph);
    GridArrays const arrays(sine_modulus_grid());
    for (auto _ : state) {
        clear_untimed(state, g.graph);
        draw_surface_plot_from_arrays(g.graph, arrays);
    }
}
BENCHMARK(BM_OursSurfacePlotDrawing);

void BM_OursSurfacePlotFromFormulaDrawing(benchmark::State& state)
{
    Graph g;
    set_up_surface_plot(g.graph);
    for (auto _ : state) {
        clear_untimed(state, g.graph);
        sink = draw_surface_plot_from_formula(g.graph);
    }
}
BENCHMARK(BM_OursSurfacePlotFromFormulaDrawing);

void BM_OursSurfacePlotWhole(benchmark::State& state)
{
    Graph g;
    set_up_surface_plot(g.graph);
    GridArrays const arrays(sine_modulus_grid());
    for (auto _ : state) {
        TkClearWindow(g.graph);
        draw_surface_plot_from_arrays(g.graph, arrays);
        TkDispatchToWindow(g.graph);
    }
}
BENCHMARK(BM_OursSurfacePlotWhole);

// The parts of the surface scene: its title alone, and the hidden-line drawing of the grid
// without the array checks and the transposed copy.
void BM_OursSurfaceTitleAlone(benchmark::State& state)
{
    Graph g;
    set_up_surface_plot(g.graph);
    for (auto _ : state)
        TkGraphTitle(g.graph, 7, "Surface plot of |Sin(x + I y)| where |x| < Pi, |y| < 1");
}
BENCHMARK(BM_OursSurfaceTitleAlone);

void BM_OursSurfaceSweepAlone(benchmark::State& state)
{
    Graph g;
    set_up_surface_plot(g.graph);
    kelvo::PlotGrid const grid = sine_modulus_grid().plot_grid();
    for (auto _ : state) {
        kelvo::clear_error();
        kelvo::draw_surface(g.record(), grid, {4, 0x00808000, 0x00FF8080, 0});
    }
}
BENCHMARK(BM_OursSurfaceSweepAlone);

// ---- Growth with the grid: n x n points, 20 contour levels or a hidden-line surface, in
// ranges set once.

SampledGrid const& growth_grid(int32_t n, bool contours)
{
    static std::vector<std::unique_ptr<SampledGrid>> grids;
    for (auto const& grid : grids)
        if (grid->nx == n && (grid->x.front() == -2) == contours)
            return *grid;
    grids.push_back(contours ? std::make_unique<SampledGrid>(n, n, -2, 2, -1, 3, rosenbrock_at)
                             : std::make_unique<SampledGrid>(n, n, -pi, pi, -1, 1, sine_modulus_at));
    return *grids.back();
}

void draw_growth_contours(Graph const& g, SampledGrid const& grid)
{
    kelvo::clear_error();
    kelvo::draw_contours(g.record(), grid.plot_grid(), {20, 0, 20, 0, 0x00808000, 0});
}

void draw_growth_surface(Graph const& g, SampledGrid const& grid)
{
    kelvo::clear_error();
    kelvo::draw_surface(g.record(), grid.plot_grid(), {4, 0x00808000, 0x00FF8080, 0});
}

void BM_OursContoursGrowthDrawing(benchmark::State& state)
{
    Graph g;
    TkSetRanges(g.graph, -2, 2, -1, 3);
    TkSetScales(g.graph);
    SampledGrid const& grid = growth_grid(static_cast<int32_t>(state.range(0)), true);
    for (auto _ : state) {
        clear_untimed(state, g.graph);
        draw_growth_contours(g, grid);
    }
}
BENCHMARK(BM_OursContoursGrowthDrawing)->Arg(50)->Arg(100)->Arg(200)->Arg(400);

void BM_OursContoursGrowthWhole(benchmark::State& state)
{
    Graph g;
    TkSetRanges(g.graph, -2, 2, -1, 3);
    TkSetScales(g.graph);
    SampledGrid const& grid = growth_grid(static_cast<int32_t>(state.range(0)), true);
    for (auto _ : state) {
        TkClearWindow(g.graph);
        draw_growth_contours(g, grid);
        TkDispatchToWindow(g.graph);
    }
}
BENCHMARK(BM_OursContoursGrowthWhole)->Arg(50)->Arg(100)->Arg(200)->Arg(400);

void BM_OursSurfaceGrowthDrawing(benchmark::State& state)
{
    Graph g;
    set_up_surface_plot(g.graph);
    SampledGrid const& grid = growth_grid(static_cast<int32_t>(state.range(0)), false);
    for (auto _ : state) {
        clear_untimed(state, g.graph);
        draw_growth_surface(g, grid);
    }
}
BENCHMARK(BM_OursSurfaceGrowthDrawing)->Arg(50)->Arg(100)->Arg(200)->Arg(400);

void BM_OursSurfaceGrowthWhole(benchmark::State& state)
{
    Graph g;
    set_up_surface_plot(g.graph);
    SampledGrid const& grid = growth_grid(static_cast<int32_t>(state.range(0)), false);
    for (auto _ : state) {
        TkClearWindow(g.graph);
        draw_growth_surface(g, grid);
        TkDispatchToWindow(g.graph);
    }
}
BENCHMARK(BM_OursSurfaceGrowthWhole)->Arg(50)->Arg(100)->Arg(200)->Arg(400);

// ---- PLplot into its memory driver

PlplotPage& plplot()
{
    static PlplotPage page(width, height, {{2, 0, 128, 128}, {3, 128, 128, 255}});
    return page;
}

std::vector<double> const& contour_levels()
{
    static std::vector<double> const levels = [] {
        std::vector<double> l;
        for (int k = 1; k <= 20; ++k)
            l.push_back(20.0 * k / 21);
        return l;
    }();
    return levels;
}

void plplot_contours(SampledGrid const& grid)
{
    // Grid indices to coordinates, as our x and y arrays do.
    PLcGrid coordinates{const_cast<double*>(grid.x.data()), const_cast<double*>(grid.y.data()), nullptr, grid.nx,
                        grid.ny, 0};
    plcol0(2);
    plcont(grid.column_starts.data(), grid.nx, grid.ny, 1, grid.nx, 1, grid.ny, contour_levels().data(),
           static_cast<PLINT>(contour_levels().size()), pltr1, &coordinates);
}

void plplot_contour_plot()
{
    plplot().begin();
    plcol0(1);
    plvsta();
    plwind(-2, 2, -1, 3);
    plbox("bcinst", 0.5, 5, "bcinstv", 0.5, 5);
    plplot_contours(rosenbrock_grid());
}

// The surface seen as our default 3D view sees it: 30 degrees above the plane, turned 15
// degrees from the front.
void plplot_surface(SampledGrid const& grid)
{
    plcol0(1);
    plvpor(0.0, 1.0, 0.0, 0.9);
    plwind(-1.0, 1.0, -0.9, 1.1);
    plw3d(1.0, 0.5, 0.4, -pi, pi, -1, 1, 0, 2, 30, -15);
    plcol0(2);
    plot3d(grid.x.data(), grid.y.data(), grid.column_starts.data(), grid.nx, grid.ny, DRAW_LINEXY, 0);
}

void plplot_surface_plot()
{
    plplot().begin();
    plcol0(1);
    plmtex("t", 1.0, 0.5, 0.5, "Surface plot of |Sin(x + I y)| where |x| < Pi, |y| < 1");
    plplot_surface(sine_modulus_grid());
}

void BM_PlplotContourPlotPage(benchmark::State& state)
{
    for (auto _ : state)
        plplot_contour_plot();
}
BENCHMARK(BM_PlplotContourPlotPage);

void BM_PlplotSurfacePlotPage(benchmark::State& state)
{
    for (auto _ : state)
        plplot_surface_plot();
}
BENCHMARK(BM_PlplotSurfacePlotPage);

void BM_PlplotContoursGrowthPage(benchmark::State& state)
{
    SampledGrid const& grid = growth_grid(static_cast<int32_t>(state.range(0)), true);
    for (auto _ : state) {
        plplot().begin();
        plvsta();
        plwind(-2, 2, -1, 3);
        plplot_contours(grid);
    }
}
BENCHMARK(BM_PlplotContoursGrowthPage)->Arg(50)->Arg(100)->Arg(200)->Arg(400);

void BM_PlplotSurfaceGrowthPage(benchmark::State& state)
{
    SampledGrid const& grid = growth_grid(static_cast<int32_t>(state.range(0)), false);
    for (auto _ : state) {
        plplot().begin();
        plplot_surface(grid);
    }
}
BENCHMARK(BM_PlplotSurfaceGrowthPage)->Arg(50)->Arg(100)->Arg(200)->Arg(400);

// A page with nothing drawn on it: the clear of its buffer and the page change.
void BM_PlplotEmptyPage(benchmark::State& state)
{
    for (auto _ : state)
        plplot().begin();
}
BENCHMARK(BM_PlplotEmptyPage);

} // namespace

BENCHMARK_MAIN();
