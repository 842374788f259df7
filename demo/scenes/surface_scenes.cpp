// Scenes of the "Plot" menu that draw surfaces: a surface of revolution, contours of
// Rosenbrock's function, a wire frame of the Laplace relaxation on a disk and a hidden-line
// surface.

#include <cmath>
#include <numbers>

#include "demo/named_colours.h"
#include "demo/scenes/scene_helpers.h"
#include "demo/scenes/scene_table.h"

namespace kelvotour {

namespace {

constexpr double pi = std::numbers::pi;

// Graph parameters.
constexpr int32_t xPipMode_gp = 16;
constexpr int32_t yPipMode_gp = 17;
constexpr int32_t axisType_gp = 131;

constexpr int32_t disk_nx = 41;
constexpr int32_t disk_ny = 26;

// A library array the scene disposes of however it ends.
class SceneArray {
public:
    explicit SceneArray(TkArray handle) : handle_(handle) {}
    ~SceneArray()
    {
        if (handle_ != 0)
            TkDisposeArray(handle_);
    }
    SceneArray(SceneArray const&) = delete;
    SceneArray& operator=(SceneArray const&) = delete;
    operator TkArray() const { return handle_; }

private:
    TkArray handle_;
};

bool inside_disk(double x, double y)
{
    return x * x + y * y < pi * pi;
}

// The disk's heating at the start: cold on the left, hot on the right.
double initial_height(double x)
{
    return 3 * Sgn(x) * RaisePower(std::fabs(x / pi), 1.0 / 6);
}

// One stage of the relaxation, with its axes, the grid points outside the disk and the
// surface as a wire frame.
void show_disk(TkGraph id, TkArray x, TkArray y, TkArray z, char const* stage)
{
    NamedColours const& c = named_colours();
    int32_t const ch = TkCellHeight(id);
    TkClearWindow(id);
    TkGpText(id, 5, 15, "Solving Laplace equation on a disk with different heating");
    TkGpText(id, 5, ch + 15, "  (the disk is cooled on the left, heated on the right).");
    TkGpText(id, 5, 3 * ch + 15, stage);
    TkDispatchToWindow(id);
    TkGraphColor(id, c.TkWhite);
    TkSetView3D(id);
    TkSetScales(id);
    TkDrawAxes(id);
    TkLabelAxes(id);
    TkGraphColor(id, c.TkYellow);
    for (int32_t i = 1; i <= disk_nx; ++i)
        for (int32_t j = 1; j <= disk_ny; ++j)
            if (!inside_disk(TkGetArray1(x, i), TkGetArray1(y, j)))
                TkPlotSymbol(id, 2, TkGetArray1(x, i), TkGetArray1(y, j));
    TkDrawSurfaceArray(id, x, y, z, disk_nx, disk_ny, 3, c.TkLightCyan, c.TkLightBlue, 0);
    TkDispatchToWindow(id);
}

// 100 sweeps in place, each inside point becoming the mean of its four neighbours. The
// grid is read and written through the array's storage: element (i, j) of an n1 by n2
// array is real number (i - 1) n2 + j.
void relax_disk(TkArray x, TkArray y, TkArray z)
{
    double* const heights = TkGetArrayAddress(z);
    auto at = [heights](int32_t i, int32_t j) -> double& { return heights[(i - 1) * disk_ny + (j - 1)]; };
    for (int sweep = 0; sweep < 100; ++sweep)
        for (int32_t i = 2; i <= disk_nx - 1; ++i)
            for (int32_t j = 2; j <= disk_ny - 1; ++j)
                if (inside_disk(TkGetArray1(x, i), TkGetArray1(y, j)))
                    at(i, j) = (at(i + 1, j) + at(i - 1, j) + at(i, j - 1) + at(i, j + 1)) / 4;
}

} // namespace

void draw_revolution(DemoState& state)
{
    TkGraph const id = state.GraphId;
    set_busy(state, true);
    reset_graph(state, Clearing::Clear);
    int32_t const cw = TkCellWidth(id);
    int32_t const ch = TkCellHeight(id);
    TkSetMargins(id, cw, 2 * ch, cw, cw);
    TkSetGraphParam(id, axisType_gp, 3);
    TkGpText(id, 5, 15, "Revolution of f(x) = 2 + sin(x)");
    TkDispatchToWindow(id);
    NamedColours const& c = named_colours();
    TkDrawRevolution(id, "2 + sin(x)", "x", -pi, pi, 16, 32, 4, c.TkCyan, c.TkBlue, 3);
    TkDispatchToWindow(id);
    set_busy(state, false);
}

void draw_contours(DemoState& state)
{
    TkGraph const id = state.GraphId;
    set_busy(state, true);
    reset_graph(state, Clearing::Clear);
    int32_t const cw = TkCellWidth(id);
    int32_t const ch = TkCellHeight(id);
    TkSetMargins(id, 3 * cw, 3 * ch, 3 * cw, 3 * ch);
    TkSetGraphParam(id, axisType_gp, 3);
    TkSetGraphParam(id, xPipMode_gp, 1);
    TkSetGraphParam(id, yPipMode_gp, 1);
    TkGpText(id, 5, 15, "Contour of Rosenbrock's function");
    TkGpText(id, 5, ch + 15, "  f(x) = 10 * (y - x^2)^2 + (1 - x)^2");
    TkDispatchToWindow(id);
    TkDrawContours(id, "10 * (y - x^2)^2 + (1 - x)^2", "x", "y", -2, 2, -1, 3, 48, 58, 20, 0, 20, 1,
                   named_colours().TkCyan, 3);
    TkDispatchToWindow(id);
    set_busy(state, false);
}

void draw_wire_frame(DemoState& state)
{
    TkGraph const id = state.GraphId;
    set_busy(state, true);
    reset_graph(state, Clearing::Clear);
    SceneArray const x(TkNewArray1(disk_nx));
    SceneArray const y(TkNewArray1(disk_ny));
    SceneArray const z(TkNewArray2(disk_nx, disk_ny));
    if (x != 0 && y != 0 && z != 0) {
        int32_t const cw = TkCellWidth(id);
        int32_t const ch = TkCellHeight(id);
        TkSetRanges3(id, -pi, pi, -pi, pi, -3, 3);
        TkSetOrigin(id, -pi, -pi);
        TkSetMargins(id, cw, 3 * ch, cw, cw);
        for (int32_t i = 1; i <= disk_nx; ++i)
            TkSetArray1(x, i, (i - 1) * pi / 20 - pi);
        for (int32_t j = 1; j <= disk_ny; ++j)
            TkSetArray1(y, j, (j - 1) * 2 * pi / 25 - pi);
        TkSetScales(id);
        for (int32_t i = 1; i <= disk_nx; ++i)
            for (int32_t j = 1; j <= disk_ny; ++j)
                TkSetArray2(z, i, j, initial_height(TkGetArray1(x, i)));
        show_disk(id, x, y, z, "  Initial ...");
        relax_disk(x, y, z);
        show_disk(id, x, y, z, "  Final ...");
    }
    set_busy(state, false);
}

void draw_surface(DemoState& state)
{
    TkGraph const id = state.GraphId;
    set_busy(state, true);
    reset_graph(state, Clearing::Clear);
    TkClearWindow(id);
    TkGraphTitle(id, 7, "Surface plot of |Sin(x + I y)| where |x| < Pi, |y| < 1");
    TkDispatchToWindow(id);
    TkSetRanges3(id, -pi, pi, -1, 1, 0, 2);
    TkSetView3D(id);
    TkSetScales(id);
    NamedColours const& c = named_colours();
    TkDrawSurface(id, "sqrt( (sin(x) * (exp(y) + exp(-y)) / 2)^2 + (cos(x) * (exp(y) - exp(-y)) / 2)^2)", "x", "y",
                  -pi, pi, -1, 1, 32, 32, 4, c.TkCyan, c.TkLightBlue, 0);
    TkDispatchToWindow(id);
    set_busy(state, false);
}

} // namespace kelvotour
