// Scenes of the "2D Basic" and "3D Basic" menus: open, corner and boxed axes, margins, pips,
// nice values, symbols, titles, snowflake curves, a log-log plot, 3D boxes seen from
// changing angles and a cube that runs along a closed curve.

#include <cmath>
#include <numbers>

#include "demo/named_colours.h"
#include "demo/scenes/scene_helpers.h"
#include "demo/scenes/scene_table.h"

namespace kelvotour {

namespace {

constexpr double pi = std::numbers::pi;

// Graph parameter codes.
constexpr int32_t nSubxi_gp = 101;
constexpr int32_t nSubyi_gp = 102;
constexpr int32_t xPipMode_gp = 16;
constexpr int32_t yPipMode_gp = 17;
constexpr int32_t scaleType_gp = 149;
constexpr int32_t axisType_gp = 131;
constexpr int32_t niceValues_gp = 132;
constexpr int32_t fit3D_gp = 134;
constexpr int32_t grid_gp = 140;
constexpr int32_t gridStyle_gp = 141;
constexpr int32_t subGridStyle_gp = 142;
constexpr int32_t titleRoom_gp = 143;
// Graph colour indexes.
constexpr int32_t grid_colour = 12;
constexpr int32_t sub_grid_colour = 13;

constexpr int32_t open_axes = 1;
constexpr int32_t corner_axes = 2;
constexpr int32_t boxed_axes = 3;

// The cube's edge, and the parameter step that gives the direction of its path.
constexpr double cube_edge = 3.0;
constexpr double tangent_step = 0.0001;

void axes_and_labels(TkGraph id)
{
    TkDrawAxes(id);
    TkLabelAxes(id);
}

// ---- Snowflake curves

// Draws the sides of one snowflake from a current point of its own, in user coordinates.
class Snowflake {
public:
    Snowflake(TkGraph id, double smallest_side) : id_(id), smallest_(smallest_side) {}

    // A snowflake of size `size` starting at angle theta0, turning one way (d = -1) or the
    // other (d = +1).
    void draw(double size, double theta0, int d)
    {
        x_ = size / std::sqrt(3.0) * std::cos(theta0 - pi / 6);
        y_ = size / std::sqrt(3.0) * std::sin(theta0 - pi / 6);
        for (double turn : {2 * pi / 3, 4 * pi / 3, 2 * pi})
            side(size, theta0 + turn, d);
    }

private:
    void side(double length, double theta, int d)
    {
        if (length >= smallest_) {
            double const third = length / 3;
            side(third, theta, d);
            side(third, theta - d * pi / 3, d);
            side(third, theta + d * pi / 3, d);
            side(third, theta, d);
            return;
        }
        TkMoveabs(id_, x_, y_);
        x_ += length * std::cos(theta);
        y_ += length * std::sin(theta);
        TkDrawabs(id_, x_, y_);
    }

    TkGraph id_;
    double smallest_;
    double x_ = 0;
    double y_ = 0;
};

// ---- The cube

Vector3 operator+(Vector3 a, Vector3 b)
{
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}

Vector3 operator-(Vector3 a, Vector3 b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

Vector3 operator*(double f, Vector3 a)
{
    return {f * a.x, f * a.y, f * a.z};
}

// The vector in the same direction with the cube's edge length; a zero vector stays zero.
Vector3 edge_along(Vector3 a)
{
    double const length = std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z);
    return length > 0 ? (cube_edge / length) * a : a;
}

// The closed curve that the cube's centre follows.
Vector3 cube_path(double t)
{
    return {(std::cos(3 * t) + 3) * std::cos(2 * t), (std::sin(3 * t) + 3) * std::cos(2 * t), 3 * std::sin(2 * t)};
}

void move_cube(DemoState& state)
{
    double const t = state.CubeAngle;
    state.cube_centre = cube_path(t);
    Vector3 const e1 = edge_along(cube_path(t + tangent_step) - state.cube_centre);
    Vector3 const e2 = edge_along({e1.y, -e1.x, 0});
    Vector3 const e3 = edge_along({-e1.z * e2.y, e1.z * e2.x, e1.x * e2.y - e1.y * e2.x});
    state.tangent_edge = e1;
    state.normal_edge = e2;
    state.binormal_edge = e3;
}

void draw_cube(DemoState const& state)
{
    TkGraph const id = state.GraphId;
    Vector3 const e1 = state.tangent_edge;
    Vector3 const e2 = state.normal_edge;
    Vector3 const e3 = state.binormal_edge;
    Vector3 const c0 = state.cube_centre + 0.5 * (e1 + e2 + e3);
    TkMoveabs3(id, c0.x, c0.y, c0.z);
    auto draw = [id](Vector3 d) { TkDrawrel3(id, d.x, d.y, d.z); };
    auto move = [id](Vector3 d) { TkMoverel3(id, d.x, d.y, d.z); };
    Vector3 const zero{};
    // The first face, then the edges back from it and the far face.
    draw(zero - e1);
    draw(zero - e2);
    draw(e1);
    draw(e2);
    draw(zero - e3);
    draw(zero - e1);
    draw(e3);
    move(zero - e3);
    draw(zero - e2);
    draw(e3);
    move(zero - e3);
    draw(e1);
    draw(e3);
    move(zero - e3);
    draw(e2);
    Vector3 const face[4] = {c0 - e1, c0 - e1 - e2, c0 - e2, c0};
    for (int32_t i = 0; i < 4; ++i) {
        TkSetArray1(state.FaceX, i + 1, face[i].x);
        TkSetArray1(state.FaceY, i + 1, face[i].y);
        TkSetArray1(state.FaceZ, i + 1, face[i].z);
    }
    TkFillPolygon3(id, state.FaceX, state.FaceY, state.FaceZ, 4);
}

void set_cube_ranges(TkGraph id)
{
    TkSetRanges3(id, -5, 5, -8, 5, -5, 15);
}

} // namespace

void draw_open_axes(DemoState& state)
{
    TkGraph const id = state.GraphId;
    reset_graph(state, Clearing::Clear);
    TkSetMargins(id, 15, 15, 15, 15);
    TkSetRanges(id, -10000, 100000, -10, 10);
    TkSetScales(id);
    axes_and_labels(id);
    TkDispatchToWindow(id);
}

void draw_corner_axes(DemoState& state)
{
    TkGraph const id = state.GraphId;
    reset_graph(state, Clearing::Clear);
    TkSetGraphParam(id, axisType_gp, corner_axes);
    TkSetTitleString(id, 4, "X-axis shown here");
    TkSetTitleString(id, 5, "Y-axis shown here");
    TkSetGraphParam(id, titleRoom_gp, 1);
    TkSetRanges(id, -107.55, 657.63, -888.76, -38.65);
    TkSetScales(id);
    axes_and_labels(id);
    TkDispatchToWindow(id);
}

void draw_boxed_axes(DemoState& state)
{
    TkGraph const id = state.GraphId;
    NamedColours const& c = named_colours();
    reset_graph(state, Clearing::Clear);
    TkSetGraphParam(id, axisType_gp, boxed_axes);
    TkSetMargins(id, 50, 20, 20, 30);
    TkSetRanges(id, -15, 3, 7, 65);
    TkSetScales(id);
    TkSetGraphParam(id, xPipMode_gp, 1);
    TkSetGraphParam(id, yPipMode_gp, 1);
    TkSetGraphParam(id, grid_gp, 2);
    TkSetGraphColor(id, grid_colour, c.TkGreen);
    TkSetGraphColor(id, sub_grid_colour, c.TkGreen);
    TkSetGraphParam(id, gridStyle_gp, 1);
    TkSetGraphParam(id, subGridStyle_gp, 2);
    axes_and_labels(id);
    TkDispatchToWindow(id);
}

void draw_no_margins(DemoState& state)
{
    TkGraph const id = state.GraphId;
    reset_graph(state, Clearing::Clear);
    TkSetGraphParam(id, axisType_gp, boxed_axes);
    TkSetMargins(id, 0, 0, 0, 0);
    TkSetRanges(id, -15, 3, 7, 65);
    TkSetScales(id);
    TkSetGraphParam(id, xPipMode_gp, 1);
    TkSetGraphParam(id, yPipMode_gp, 1);
    TkDrawAxes(id);
    TkGpText(id, 55, 55, "TkSetMargins(id, 0, 0, 0, 0)");
    // Published like every other scene, so that the picture shows in the modes that hold
    // drawing back.
    TkDispatchToWindow(id);
}

void draw_no_secondary_pips(DemoState& state)
{
    TkGraph const id = state.GraphId;
    reset_graph(state, Clearing::Clear);
    TkSetGraphParam(id, axisType_gp, corner_axes);
    TkSetMargins(id, 50, 40, 20, 30);
    TkSetRanges(id, -107.55, 657.63, -888.76, -38.65);
    TkSetScales(id);
    TkSetGraphParam(id, nSubxi_gp, 0);
    TkSetGraphParam(id, nSubyi_gp, 0);
    TkGpText(id, 105, 15, "TkSetGraphParam(id, nSubyi_gp, 0)");
    axes_and_labels(id);
    TkDispatchToWindow(id);
}

void draw_no_nice_values(DemoState& state)
{
    TkGraph const id = state.GraphId;
    reset_graph(state, Clearing::Clear);
    TkSetGraphParam(id, axisType_gp, open_axes);
    TkSetMargins(id, 20, 0, 20, 30);
    TkSetGraphParam(id, niceValues_gp, 0);
    TkLabelSettings y_labels{};
    TkGetLabelSettings(id, 2, &y_labels);
    y_labels.EdgeRule = 2;
    TkSetLabelSettings(id, 2, &y_labels);
    TkSetRanges(id, -1067.55, 657.63, -99.76, -27);
    TkSetScales(id);
    axes_and_labels(id);
    TkGpText(id, 5, 15, "TkSetRanges(id, -1067.55, +657.63, -99.76, -27)");
    TkDispatchToWindow(id);
}

void draw_symbols_and_error_bars(DemoState& state)
{
    TkGraph const id = state.GraphId;
    reset_graph(state, Clearing::Clear);
    TkSetGraphParam(id, axisType_gp, boxed_axes);
    TkSetMargins(id, 52, 14, 20, 28);
    TkSetRanges(id, -107.55, 657.63, -888.76, -38.65);
    TkSetScales(id);
    axes_and_labels(id);
    for (int32_t i = 1; i <= 8; ++i)
        TkPlotSymbol(id, i, 100.0 * i - 180, 100.0 * i - 850);
    TkErrorBar(id, 7, 100, -200, 0, 100);
    TkGraphlabel(id, "5 = Triangle", 350, -350);
    TkLabelSettings graph_labels{};
    TkGetLabelSettings(id, 8, &graph_labels);
    graph_labels.AutoPlace = (graph_labels.AutoPlace & ~0xFFFF) | 1;
    TkSetLabelSettings(id, 8, &graph_labels);
    TkGraphlabel(id, "7 = Filled square", 550, -150);
    TkDispatchToWindow(id);
}

void draw_titles(DemoState& state)
{
    TkGraph const id = state.GraphId;
    reset_graph(state, Clearing::Clear);
    TkSetGraphParam(id, axisType_gp, boxed_axes);
    TkSetGraphParam(id, xPipMode_gp, 1);
    TkSetGraphParam(id, yPipMode_gp, 1);
    TkSetMargins(id, 80, 40, 20, 60);
    TkSetRanges(id, -108, 309, -833, 556);
    TkSetScales(id);
    axes_and_labels(id);
    TkGraphTitle(id, 7, "Kelvo Graphics DLL");
    TkGraphTitle(id, 4, "The x-axis");
    TkGraphTitle(id, 5, "The y-axis");
    TkDispatchToWindow(id);
}

void draw_fractal_curves(DemoState& state)
{
    TkGraph const id = state.GraphId;
    NamedColours const& c = named_colours();
    reset_graph(state, Clearing::Clear);
    set_busy(state, true);
    TkSetRanges(id, -1.5, 1.5, -1.5, 1.5);
    TkSetScales(id);
    axes_and_labels(id);
    Snowflake flake(id, 27.0 / TkWindowWidth(id));
    TkGraphColor(id, c.TkCyan);
    flake.draw(2, 0, -1);
    TkGraphColor(id, c.TkLightRed);
    flake.draw(2, pi / 3, +1);
    TkDispatchToWindow(id);
    set_busy(state, false);
}

void draw_log_log_plot(DemoState& state)
{
    TkGraph const id = state.GraphId;
    reset_graph(state, Clearing::Clear);
    TkSetGraphParam(id, scaleType_gp, 5);
    TkSetGraphParam(id, axisType_gp, boxed_axes);
    TkSetGraphParam(id, titleRoom_gp, 1);
    TkSetGraphParam(id, grid_gp, 1);
    TkSetRanges(id, 10, 100, 100, 10000);
    TkSetScales(id);
    axes_and_labels(id);
    TkDispatchToWindow(id);
    for (int32_t i = 1; i <= 8; ++i)
        TkPlotSymbol(id, i, 10.0 * i, 100.0 * i * i);
    TkMoveabs(id, 10, 100);
    for (int32_t i = 2; i <= 8; ++i)
        TkDrawabs(id, 10.0 * i, 100.0 * i * i);
    TkDispatchToWindow(id);
}

void draw_boxed_axes_3d(DemoState& state)
{
    TkGraph const id = state.GraphId;
    reset_graph(state, Clearing::Clear);
    TkSetView3D(id);
    TkSetGraphParam(id, axisType_gp, boxed_axes);
    TkSetRanges3(id, -18, 28, 0, 30, 20, 40);
    TkSetScales(id);
    axes_and_labels(id);
    TkDispatchToWindow(id);
}

void draw_random_view_angle(DemoState& state)
{
    TkGraph const id = state.GraphId;
    NamedColours const& c = named_colours();
    reset_graph(state, Clearing::Clear);
    set_busy(state, true);
    set_cube_ranges(id);
    TkSetGraphParam(id, axisType_gp, boxed_axes);
    TkSetGraphParam(id, fit3D_gp, state.BoxOnly ? 0 : 1);
    TkSetView3D(id);
    TkSetViewangles(id, state.ViewTheta, state.ViewPhi);
    for (int frame = 0; frame < 100; ++frame) {
        state.ViewTheta += 0.03;
        state.ViewPhi += 0.03;
        TkSetViewangles(id, state.ViewTheta, state.ViewPhi);
        TkSetScales(id);
        TkClearWindow(id);
        TkGraphColor(id, c.TkLightGray);
        if (state.BoxOnly)
            TkDrawBox(id);
        else
            axes_and_labels(id);
        TkGraphColor(id, c.TkCyan);
        draw_cube(state);
        TkDispatchToWindow(id);
    }
    set_busy(state, false);
}

void draw_random_view_angle_2(DemoState& state)
{
    state.BoxOnly = true;
    draw_random_view_angle(state);
    state.BoxOnly = false;
}

void draw_animate_cube(DemoState& state)
{
    TkGraph const id = state.GraphId;
    NamedColours const& c = named_colours();
    reset_graph(state, Clearing::Clear);
    set_busy(state, true);
    set_cube_ranges(id);
    TkSetView2D(id);
    TkSetScales(id);
    // The cube's extent on the window, for the rectangle published after each step.
    int32_t const u = std::abs(TkUserToWindowX(id, cube_edge, 0) - TkUserToWindowX(id, 0, 0));
    int32_t const v = std::abs(TkUserToWindowY(id, 0, cube_edge) - TkUserToWindowY(id, 0, 0));
    TkSetView3D(id);
    TkSetViewangles(id, state.ViewTheta, state.ViewPhi);
    TkSetScales(id);
    TkGraphColor(id, c.TkLightGray);
    TkDrawBox(id);
    TkDispatchToWindow(id);
    // Exclusive or: drawing the cube a second time takes it away again.
    TkWritemode(id, 5);
    TkGraphColor(id, c.TkCyan);
    for (int step = 0; step < 600; ++step) {
        draw_cube(state);
        Vector3 const& centre = state.cube_centre;
        int32_t const sx = TkUserToWindowX3(id, centre.x, centre.y, centre.z);
        int32_t const sy = TkUserToWindowY3(id, centre.x, centre.y, centre.z);
        TkDispatchToRect(id, sx - u, sy - v, sx + u, sy + v);
        draw_cube(state);
        state.CubeAngle += 0.01;
        if (state.CubeAngle > 2 * pi)
            state.CubeAngle -= 2 * pi;
        move_cube(state);
    }
    TkWritemode(id, 1);
    draw_cube(state);
    TkDispatchToWindow(id);
    set_busy(state, false);
}

} // namespace kelvotour
