// The exported functions of the coordinates and axes subsystem.

#include <string_view>

#include "lib/axes/axis_labels.h"
#include "lib/axes/axis_titles.h"
#include "lib/axes/current_point.h"
#include "lib/axes/frame.h"
#include "lib/axes/graph_parameters.h"
#include "lib/axes/label_settings.h"
#include "lib/axes/marks.h"
#include "lib/axes/polygons.h"
#include "lib/axes/projection.h"
#include "lib/axes/scales.h"
#include "lib/axes/view.h"
#include "lib/graph/graph_call.h"
#include "lib/runtime/text_limits.h"
#include "lib/kelvolib.h"

using namespace kelvo;

namespace {

constexpr std::size_t graph_title_limit = 255; // bytes

void set_range(CoordinateSettings& c, int axis, double min, double max)
{
    c.UserMin[static_cast<std::size_t>(axis)] = min;
    c.UserMax[static_cast<std::size_t>(axis)] = max;
}

} // namespace

extern "C" {

void TkSetRanges(TkGraph graph, double xmin, double xmax, double ymin, double ymax)
{
    with_graph(graph, [&](GraphRecord& g) {
        set_range(g.coordinates, axis_x, xmin, xmax);
        set_range(g.coordinates, axis_y, ymin, ymax);
    });
}

void TkSetRanges3(TkGraph graph, double xmin, double xmax, double ymin, double ymax, double zmin, double zmax)
{
    with_graph(graph, [&](GraphRecord& g) {
        set_range(g.coordinates, axis_x, xmin, xmax);
        set_range(g.coordinates, axis_y, ymin, ymax);
        set_range(g.coordinates, axis_z, zmin, zmax);
    });
}

void TkSetOrigin(TkGraph graph, double x, double y)
{
    with_graph(graph, [&](GraphRecord& g) {
        g.coordinates.UserOrigin[axis_x] = x;
        g.coordinates.UserOrigin[axis_y] = y;
    });
}

void TkSetOrigin3(TkGraph graph, double x, double y, double z)
{
    with_graph(graph, [&](GraphRecord& g) { g.coordinates.UserOrigin = {x, y, z}; });
}

void TkSetMargins(TkGraph graph, int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    with_graph(graph, [&](GraphRecord& g) {
        g.coordinates.LeftMargin = left;
        g.coordinates.TopMargin = top;
        g.coordinates.RightMargin = right;
        g.coordinates.BottomMargin = bottom;
    });
}

int32_t TkSetScales(TkGraph graph)
{
    return with_graph(graph, int32_t{0}, [](GraphRecord& g) { return set_scales(g); });
}

int32_t TkSetScalesAbs(TkGraph graph)
{
    return with_graph(graph, int32_t{0}, [](GraphRecord& g) {
        g.coordinates.ScaleMode = 2;
        return set_scales(g);
    });
}

int32_t TkUserToWindowX(TkGraph graph, double x, double y)
{
    return with_graph(graph, int32_t{0}, [&](GraphRecord& g) {
        return window_pixel(project(g.scales, x, y, g.coordinates.ZPlane).x);
    });
}

int32_t TkUserToWindowY(TkGraph graph, double x, double y)
{
    return with_graph(graph, int32_t{0}, [&](GraphRecord& g) {
        return window_pixel(project(g.scales, x, y, g.coordinates.ZPlane).y);
    });
}

int32_t TkUserToWindowX3(TkGraph graph, double x, double y, double z)
{
    return with_graph(graph, int32_t{0}, [&](GraphRecord& g) { return window_pixel(project(g.scales, x, y, z).x); });
}

int32_t TkUserToWindowY3(TkGraph graph, double x, double y, double z)
{
    return with_graph(graph, int32_t{0}, [&](GraphRecord& g) { return window_pixel(project(g.scales, x, y, z).y); });
}

double TkWindowToUserX(TkGraph graph, int32_t ix, int32_t iy)
{
    return with_found_graph(graph, failed_result<double>(),
                            [&](GraphRecord& g) { return window_to_user_x(g.scales, ix, iy); });
}

double TkWindowToUserY(TkGraph graph, int32_t ix, int32_t iy)
{
    return with_found_graph(graph, failed_result<double>(),
                            [&](GraphRecord& g) { return window_to_user_y(g.scales, ix, iy); });
}

void TkWindowToUserXbyVar(TkGraph graph, int32_t ix, int32_t iy, double* result)
{
    with_found_graph(graph, [&](GraphRecord& g) {
        if (result != nullptr)
            *result = window_to_user_x(g.scales, ix, iy);
    });
}

void TkWindowToUserYbyVar(TkGraph graph, int32_t ix, int32_t iy, double* result)
{
    with_found_graph(graph, [&](GraphRecord& g) {
        if (result != nullptr)
            *result = window_to_user_y(g.scales, ix, iy);
    });
}

void TkMoveabs(TkGraph graph, double x, double y)
{
    with_graph(graph, [&](GraphRecord& g) { move_to(g, x, y); });
}

void TkMoverel(TkGraph graph, double dx, double dy)
{
    with_graph(graph, [&](GraphRecord& g) { move_by(g, dx, dy, 0); });
}

void TkMoveabs3(TkGraph graph, double x, double y, double z)
{
    with_graph(graph, [&](GraphRecord& g) { move_to(g, x, y, z); });
}

void TkMoverel3(TkGraph graph, double dx, double dy, double dz)
{
    with_graph(graph, [&](GraphRecord& g) { move_by(g, dx, dy, dz); });
}

void TkDrawabs(TkGraph graph, double x, double y)
{
    with_graph(graph, [&](GraphRecord& g) { draw_to(g, x, y); });
}

void TkDrawrel(TkGraph graph, double dx, double dy)
{
    with_graph(graph, [&](GraphRecord& g) { draw_by(g, dx, dy, 0); });
}

void TkDrawabs3(TkGraph graph, double x, double y, double z)
{
    with_graph(graph, [&](GraphRecord& g) { draw_to(g, x, y, z); });
}

void TkDrawrel3(TkGraph graph, double dx, double dy, double dz)
{
    with_graph(graph, [&](GraphRecord& g) { draw_by(g, dx, dy, dz); });
}

void TkSetViewangles(TkGraph graph, double theta, double phi)
{
    with_graph(graph, [&](GraphRecord& g) { set_view_angles(g, theta, phi); });
}

void TkSetView2D(TkGraph graph)
{
    with_graph(graph, [](GraphRecord& g) { set_view_2d(g); });
}

void TkSetView3D(TkGraph graph)
{
    with_graph(graph, [](GraphRecord& g) { set_view_3d(g); });
}

void TkGetActualZoom(TkGraph graph, TkActualZoom* zoom)
{
    with_found_graph(graph, [&](GraphRecord& g) {
        if (zoom != nullptr)
            *zoom = actual_zoom(g);
    });
}

void TkSetGraphParam(TkGraph graph, int32_t code, int32_t value)
{
    with_graph(graph, [&](GraphRecord& g) { set_graph_parameter(g, code, value); });
}

int32_t TkGetGraphParam(TkGraph graph, int32_t code)
{
    return with_graph(graph, int32_t{0}, [&](GraphRecord& g) { return get_graph_parameter(g, code); });
}

void TkSetGraphColor(TkGraph graph, int32_t index, TkColor colour)
{
    with_graph(graph, [&](GraphRecord& g) { set_graph_colour(g, index, colour); });
}

TkColor TkGetGraphColor(TkGraph graph, int32_t index)
{
    return with_graph(graph, TkColor{0}, [&](GraphRecord& g) { return get_graph_colour(g, index); });
}

void TkSetColors(TkGraph graph, TkColor axis, TkColor pip, TkColor label, TkColor pen)
{
    with_graph(graph, [&](GraphRecord& g) { set_colours(g, axis, pip, label, pen); });
}

void TkGetLabelSettings(TkGraph graph, int32_t kind, TkLabelSettings* settings)
{
    with_graph(graph, [&](GraphRecord& g) {
        if (settings != nullptr)
            get_label_settings(g, kind, *settings);
    });
}

void TkSetLabelSettings(TkGraph graph, int32_t kind, TkLabelSettings* settings)
{
    with_graph(graph, [&](GraphRecord& g) {
        if (settings != nullptr)
            set_label_settings(g, kind, *settings);
    });
}

void TkSetTitleString(TkGraph graph, int32_t reference, const char* text)
{
    with_graph(graph, [&](GraphRecord& g) {
        set_title_string(g, reference, text == nullptr ? std::string_view{} : std::string_view{text});
    });
}

int32_t TkGetTitleString(TkGraph graph, int32_t reference, char* buffer, int32_t size)
{
    return with_graph(graph, int32_t{0}, [&](GraphRecord& g) { return get_title_string(g, reference, buffer, size); });
}

// ---- Axes, pips, grids, labels and titles

void TkDrawAxes(TkGraph graph)
{
    with_graph(graph, [](GraphRecord& g) { draw_axes(g); });
}

void TkDrawBox(TkGraph graph)
{
    with_graph(graph, [](GraphRecord& g) { draw_box(g); });
}

void TkDrawGrid(TkGraph graph)
{
    with_graph(graph, [](GraphRecord& g) { draw_grid(g); });
}

void TkDrawBorder(TkGraph graph)
{
    with_graph(graph, [](GraphRecord& g) { draw_border(g); });
}

void TkLabelAxes(TkGraph graph)
{
    with_graph(graph, [](GraphRecord& g) { label_axes(g); });
}

void TkGraphTitle(TkGraph graph, int32_t reference, const char* text)
{
    with_graph(graph, [&](GraphRecord& g) {
        std::string_view const title = text == nullptr ? std::string_view{} : std::string_view{text};
        draw_title(g, reference, cut_text(title, graph_title_limit));
    });
}

// ---- Symbols, error bars, graph labels, polygons and cross-wires

void TkPlotSymbol(TkGraph graph, int32_t code, double x, double y)
{
    with_graph(graph, [&](GraphRecord& g) { plot_symbol(g, code, x, y, g.coordinates.ZPlane); });
}

void TkPlotSymbol3(TkGraph graph, int32_t code, double x, double y, double z)
{
    with_graph(graph, [&](GraphRecord& g) { plot_symbol(g, code, x, y, z); });
}

void TkErrorBar(TkGraph graph, int32_t code, double x, double y, double ex, double ey)
{
    with_graph(graph, [&](GraphRecord& g) { draw_error_bar(g, code, x, y, ex, ey); });
}

void TkGraphlabel(TkGraph graph, const char* text, double x, double y)
{
    with_graph(graph, [&](GraphRecord& g) {
        draw_graph_label(g, text == nullptr ? std::string_view{} : std::string_view{text}, x, y, g.coordinates.ZPlane);
    });
}

void TkGraphlabel3(TkGraph graph, const char* text, double x, double y, double z)
{
    with_graph(graph, [&](GraphRecord& g) {
        draw_graph_label(g, text == nullptr ? std::string_view{} : std::string_view{text}, x, y, z);
    });
}

int32_t TkDrawPolygon(TkGraph graph, TkArray x, TkArray y, int32_t n)
{
    return guarded_call(int32_t{0}, [&] { return draw_array_polygon(graph, x, y, n, Filling::Outline); });
}

int32_t TkFillPolygon(TkGraph graph, TkArray x, TkArray y, int32_t n)
{
    return guarded_call(int32_t{0}, [&] { return draw_array_polygon(graph, x, y, n, Filling::Filled); });
}

int32_t TkDrawPolygon3(TkGraph graph, TkArray x, TkArray y, TkArray z, int32_t n)
{
    return guarded_call(int32_t{0}, [&] { return draw_array_polygon(graph, x, y, z, n, Filling::Outline); });
}

int32_t TkFillPolygon3(TkGraph graph, TkArray x, TkArray y, TkArray z, int32_t n)
{
    return guarded_call(int32_t{0}, [&] { return draw_array_polygon(graph, x, y, z, n, Filling::Filled); });
}

void TkCrossWires(TkGraph graph, double x, double y)
{
    with_graph(graph, [&](GraphRecord& g) { draw_cross_wires(g, x, y); });
}

void TkCrossWires3(TkGraph graph, double x, double y, double z)
{
    with_graph(graph, [&](GraphRecord& g) { draw_cross_wires(g, x, y, z); });
}

} // extern "C"
