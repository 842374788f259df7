// "Large Data": a random walk of ten million points and a contour map of a million heights,
// side by side, drawn from the program's own memory by the data calls, each with the time
// its drawing took written under it (in the gallery, the counts instead, so that its
// pictures stay the same from run to run).

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "demo/named_colours.h"
#include "demo/scenes/scene_table.h"

namespace kelvotour {

namespace {

constexpr int64_t walk_points = 10'000'000;
constexpr int32_t grid_side = 1000;
constexpr int32_t contour_levels = 20;
constexpr uint8_t frame_only = 2;
constexpr int32_t axisType_gp = 131;
constexpr int32_t boxed_axes = 3;

// The walk's heights (its x are the point numbers), made once: ten million normal steps take
// longer than drawing them.
std::vector<double> const& random_walk()
{
    static std::vector<double> const heights = [] {
        std::vector<double> y(static_cast<std::size_t>(walk_points));
        std::mt19937_64 random(2026);
        std::normal_distribution<double> step(0, 1);
        double sum = 0;
        for (double& v : y)
            v = sum += step(random);
        return y;
    }();
    return heights;
}

// |sin(x + iy)| over |x| <= pi, |y| <= 1: z[i * ny + j] at (x_i, y_j).
struct SineGrid {
    std::vector<double> x, y, z;
};

SineGrid const& sine_grid()
{
    static SineGrid const grid = [] {
        SineGrid g;
        double const pi = std::numbers::pi;
        for (int32_t k = 0; k < grid_side; ++k) {
            g.x.push_back(-pi + 2 * pi * k / (grid_side - 1));
            g.y.push_back(-1 + 2.0 * k / (grid_side - 1));
        }
        g.z.reserve(static_cast<std::size_t>(grid_side) * grid_side);
        for (double u : g.x)
            for (double v : g.y)
                g.z.push_back(std::hypot(std::sin(u) * std::cosh(v), std::cos(u) * std::sinh(v)));
        return g;
    }();
    return grid;
}

template <typename Draw>
double milliseconds_of(Draw&& draw)
{
    auto const start = std::chrono::steady_clock::now();
    draw();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

std::string caption(char const* what, double milliseconds, Timings timings)
{
    char text[96];
    if (timings == Timings::Shown)
        std::snprintf(text, sizeof text, "%s: %.0f ms", what, milliseconds);
    else
        std::snprintf(text, sizeof text, "%s", what);
    return text;
}

} // namespace

void draw_large_data(DemoState& state)
{
    TkGraph const id = state.GraphId;
    set_busy(state, true);
    reset_graph(state, Clearing::Clear);
    std::vector<double> const& walk = random_walk();
    SineGrid const& grid = sine_grid();
    int32_t const width = TkWindowWidth(id);
    int32_t const cw = TkCellWidth(id);
    int32_t const ch = TkCellHeight(id);
    int32_t const half = width / 2;
    // Each picture in its half of the window, in a box with room for its labels and a caption
    // below.
    TkSetGraphParam(id, axisType_gp, boxed_axes);
    TkSetMargins(id, 6 * cw, ch, width - half + cw, 4 * ch);
    double const walk_ms = milliseconds_of([&] {
        TkDrawData1(id, nullptr, walk.data(), walk_points, 10, named_colours().TkBlue, 3);
    });
    TkSetMargins(id, half + 6 * cw, ch, cw, 4 * ch);
    TkSetRanges(id, grid.x.front(), grid.x.back(), grid.y.front(), grid.y.back());
    TkSetScales(id);
    double const contour_ms = milliseconds_of([&] {
        TkDrawContoursData(id, grid.x.data(), grid.y.data(), grid.z.data(), grid_side, grid_side, contour_levels, 0,
                           1.6, 0, named_colours().TkRed, frame_only);
    });
    int32_t const line = TkWindowHeight(id) - ch - ch / 2;
    TkGpText(id, cw, line, caption("10,000,000 points", walk_ms, state.timings).c_str());
    TkGpText(id, half + cw, line, caption("1000 x 1000 heights", contour_ms, state.timings).c_str());
    TkDispatchToWindow(id);
    set_busy(state, false);
}

} // namespace kelvotour
