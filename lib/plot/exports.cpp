// The exported functions of the plotting subsystem.

#include <string_view>

#include "lib/graph/graph_call.h"
#include "lib/graph/graph_table.h"
#include "lib/kelvolib.h"
#include "lib/plot/curves.h"
#include "lib/plot/data_arrays.h"
#include "lib/plot/data_points.h"
#include "lib/plot/histograms.h"
#include "lib/plot/contours.h"
#include "lib/plot/data_grids.h"
#include "lib/plot/plot_call.h"
#include "lib/plot/revolution.h"
#include "lib/plot/sample_histogram.h"
#include "lib/plot/sampled_plot.h"
#include "lib/plot/sampling.h"
#include "lib/plot/surfaces.h"
#include "lib/runtime/error_state.h"
#include "lib/runtime/guarded_call.h"

using namespace kelvo;

namespace {

// A null text reads as the empty text.
std::string_view text_of(char const* text)
{
    return text == nullptr ? std::string_view{} : std::string_view{text};
}

// A formula of x and y sampled on the grid (with the graph's parameters), then drawn as the
// arrays of the grid would be.
template <typename Draw>
int32_t draw_from_formula_grid(TkGraph graph, std::string_view formula, SampledInterval const& x,
                               SampledInterval const& y, Draw&& draw)
{
    SampledGrid const samples(graph, formula, x, y);
    if (samples.code() != 0)
        return samples.code();
    return draw_from_grid_arrays(graph, {samples.x(), samples.y(), samples.z(), x.count, y.count}, draw);
}

} // namespace

extern "C" {

// ---- Curves and function sampling

int32_t TkDrawCurve1(TkGraph graph, const char* formula, const char* var_name, double x1, double x2, int32_t n,
                     TkColor colour, uint8_t option)
{
    return with_graph(graph, int32_t{0}, [&](GraphRecord& g) {
        return guarded_code([&] {
            std::string_view const formulae[] = {text_of(formula)};
            return draw_formula_curve(g, formulae, text_of(var_name), {x1, x2, n, colour, option});
        });
    });
}

int32_t TkDrawCurve2(TkGraph graph, const char* formula_x, const char* formula_y, const char* var_name, double t1,
                     double t2, int32_t n, TkColor colour, uint8_t option)
{
    return with_graph(graph, int32_t{0}, [&](GraphRecord& g) {
        return guarded_code([&] {
            std::string_view const formulae[] = {text_of(formula_x), text_of(formula_y)};
            return draw_formula_curve(g, formulae, text_of(var_name), {t1, t2, n, colour, option});
        });
    });
}

int32_t TkDrawCurve3(TkGraph graph, const char* formula_x, const char* formula_y, const char* formula_z,
                     const char* var_name, double t1, double t2, int32_t n, TkColor colour, uint8_t option)
{
    return with_graph(graph, int32_t{0}, [&](GraphRecord& g) {
        return guarded_code([&] {
            std::string_view const formulae[] = {text_of(formula_x), text_of(formula_y), text_of(formula_z)};
            return draw_formula_curve(g, formulae, text_of(var_name), {t1, t2, n, colour, option});
        });
    });
}

int32_t TkDrawCurveFunc1(TkGraph graph, TkRealFunc func, double x1, double x2, int32_t n, TkColor colour,
                         uint8_t option)
{
    return with_graph(graph, int32_t{0}, [&](GraphRecord& g) {
        return guarded_code([&] { return draw_function_curve(g, func, {x1, x2, n, colour, option}); });
    });
}

int32_t TkDrawCurveFunc2(TkGraph graph, TkRealFunc func, double* x_var, double* y_var, double t1, double t2,
                         int32_t n, TkColor colour, uint8_t option)
{
    return with_graph(graph, int32_t{0}, [&](GraphRecord& g) {
        return guarded_code([&] { return draw_function_curve(g, func, x_var, y_var, {t1, t2, n, colour, option}); });
    });
}

int32_t TkDrawCurveFunc3(TkGraph graph, TkRealFunc func, double* x_var, double* y_var, double* z_var, double t1,
                         double t2, int32_t n, TkColor colour, uint8_t option)
{
    return with_graph(graph, int32_t{0}, [&](GraphRecord& g) {
        return guarded_code(
            [&] { return draw_function_curve(g, func, x_var, y_var, z_var, {t1, t2, n, colour, option}); });
    });
}

int32_t TkSampleFunction1(const char* formula, const char* x_name, double x1, double x2, TkArray x_array,
                          TkArray y_array, int32_t n)
{
    return guarded_code([&] {
        return sample_function(text_of(formula), {text_of(x_name), x1, x2, x_array, n}, y_array);
    });
}

int32_t TkSampleFunction2(const char* formula, const char* x_name, const char* y_name, double x1, double x2,
                          double y1, double y2, TkArray x_array, TkArray y_array, TkArray z_array, int32_t nx,
                          int32_t ny)
{
    return guarded_code([&] {
        return sample_function(text_of(formula), {text_of(x_name), x1, x2, x_array, nx},
                               {text_of(y_name), y1, y2, y_array, ny}, z_array);
    });
}

int32_t TkSampleFunction3(const char* formula, const char* x_name, const char* y_name, const char* z_name,
                          double x1, double x2, double y1, double y2, double z1, double z2, TkArray x_array,
                          TkArray y_array, TkArray z_array, TkArray w_array, int32_t nx, int32_t ny, int32_t nz)
{
    return guarded_code([&] {
        return sample_function(text_of(formula), {text_of(x_name), x1, x2, x_array, nx},
                               {text_of(y_name), y1, y2, y_array, ny}, {text_of(z_name), z1, z2, z_array, nz},
                               w_array);
    });
}

// ---- Arrays and histograms

int32_t TkDrawArray1(TkGraph graph, TkArray x_array, TkArray y_array, int32_t n, int32_t mark, TkColor colour,
                     uint8_t option)
{
    return with_graph(graph, int32_t{0}, [&](GraphRecord& g) {
        return guarded_code([&] { return draw_plane_points(g, x_array, y_array, n, {mark, colour, option}); });
    });
}

int32_t TkDrawArray2(TkGraph graph, TkArray x_array, TkArray y_array, TkArray z_array, int32_t nx, int32_t ny,
                     int32_t mark, TkColor colour, uint8_t option)
{
    return with_graph(graph, int32_t{0}, [&](GraphRecord& g) {
        return guarded_code(
            [&] { return draw_grid_stems(g, x_array, y_array, z_array, nx, ny, {mark, colour, option}); });
    });
}

int32_t TkDrawArray3(TkGraph graph, TkArray x_array, TkArray y_array, TkArray z_array, int32_t n, int32_t mark,
                     TkColor colour, uint8_t option)
{
    return with_graph(graph, int32_t{0}, [&](GraphRecord& g) {
        return guarded_code(
            [&] { return draw_space_points(g, x_array, y_array, z_array, n, {mark, colour, option}); });
    });
}

int32_t TkDrawHistogram1(TkGraph graph, TkArray x_array, TkArray y_array, int32_t n, double width, double offset,
                         TkColor colour, uint8_t option)
{
    return with_graph(graph, int32_t{0}, [&](GraphRecord& g) {
        return guarded_code(
            [&] { return draw_histogram(g, x_array, y_array, n, width, offset, {colour, option}); });
    });
}

int32_t TkDrawHistogram2(TkGraph graph, TkArray x_array, TkArray y_array, TkArray z_array, int32_t nx, int32_t ny,
                         double x_width, double y_width, TkColor colour, uint8_t option)
{
    return with_graph(graph, int32_t{0}, [&](GraphRecord& g) {
        return guarded_code([&] {
            return draw_histogram(g, x_array, y_array, z_array, nx, ny, x_width, y_width, {colour, option});
        });
    });
}

// ---- Data of any size

int32_t TkDrawData1(TkGraph graph, const double* x, const double* y, int64_t n, int32_t mark, TkColor colour,
                    uint8_t option)
{
    return with_graph(graph, int32_t{0}, [&](GraphRecord& g) {
        return guarded_code([&] { return draw_plane_data(g, {x, y, nullptr, n}, {mark, colour, option}); });
    });
}

int32_t TkDrawData3(TkGraph graph, const double* x, const double* y, const double* z, int64_t n, int32_t mark,
                    TkColor colour, uint8_t option)
{
    return with_graph(graph, int32_t{0}, [&](GraphRecord& g) {
        return guarded_code([&] { return draw_space_data(g, {x, y, z, n}, {mark, colour, option}); });
    });
}

int32_t TkDrawHistogramData(TkGraph graph, const double* samples, int64_t n, int32_t bins, TkColor colour,
                            uint8_t option)
{
    return with_graph(graph, int32_t{0}, [&](GraphRecord& g) {
        return guarded_code([&] { return draw_sample_histogram(g, samples, n, bins, {colour, option}); });
    });
}

int32_t TkDrawContoursData(TkGraph graph, const double* x, const double* y, const double* z, int32_t nx, int32_t ny,
                           int32_t contours, double z1, double z2, uint8_t mode, TkColor colour, uint8_t option)
{
    return with_graph(graph, int32_t{0}, [&](GraphRecord& g) {
        return guarded_code(
            [&] { return draw_data_contours(g, {x, y, z, nx, ny}, {contours, z1, z2, mode, colour, option}); });
    });
}

int32_t TkDrawSurfaceData(TkGraph graph, const double* x, const double* y, const double* z, int32_t nx, int32_t ny,
                          uint8_t style, TkColor upper_colour, TkColor lower_colour, uint8_t option)
{
    return with_graph(graph, int32_t{0}, [&](GraphRecord& g) {
        return guarded_code(
            [&] { return draw_data_surface(g, {x, y, z, nx, ny}, {style, upper_colour, lower_colour, option}); });
    });
}

// ---- Contours

int32_t TkDrawContoursArray(TkGraph graph, TkArray x_array, TkArray y_array, TkArray z_array, int32_t nx, int32_t ny,
                            int32_t contours, double z1, double z2, uint8_t mode, TkColor colour, uint8_t option)
{
    return guarded_code([&] {
        return draw_from_grid_arrays(graph, {x_array, y_array, z_array, nx, ny}, [&](GraphRecord& g, PlotGrid const& grid) {
            draw_contours(g, grid, {contours, z1, z2, mode, colour, option});
        });
    });
}

int32_t TkDrawContours(TkGraph graph, const char* formula, const char* x_name, const char* y_name, double x1,
                       double x2, double y1, double y2, int32_t nx, int32_t ny, int32_t contours, double z1,
                       double z2, uint8_t mode, TkColor colour, uint8_t option)
{
    return guarded_code([&] {
        return draw_from_formula_grid(graph, text_of(formula), {text_of(x_name), x1, x2, nx},
                                      {text_of(y_name), y1, y2, ny}, [&](GraphRecord& g, PlotGrid const& grid) {
                                          draw_contours(g, grid, {contours, z1, z2, mode, colour, option});
                                      });
    });
}

// ---- Surfaces

int32_t TkDrawSurfaceArray(TkGraph graph, TkArray x_array, TkArray y_array, TkArray z_array, int32_t nx, int32_t ny,
                           uint8_t style, TkColor upper_colour, TkColor lower_colour, uint8_t option)
{
    return guarded_code([&] {
        return draw_from_grid_arrays(graph, {x_array, y_array, z_array, nx, ny}, [&](GraphRecord& g, PlotGrid const& grid) {
            draw_surface(g, grid, {style, upper_colour, lower_colour, option});
        });
    });
}

int32_t TkDrawSurface(TkGraph graph, const char* formula, const char* x_name, const char* y_name, double x1, double x2,
                      double y1, double y2, int32_t nx, int32_t ny, uint8_t style, TkColor upper_colour,
                      TkColor lower_colour, uint8_t option)
{
    return guarded_code([&] {
        return draw_from_formula_grid(graph, text_of(formula), {text_of(x_name), x1, x2, nx},
                                      {text_of(y_name), y1, y2, ny}, [&](GraphRecord& g, PlotGrid const& grid) {
                                          draw_surface(g, grid, {style, upper_colour, lower_colour, option});
                                      });
    });
}

// ---- Surfaces of revolution

int32_t TkDrawRevolutionArray(TkGraph graph, TkArray x_array, TkArray y_array, int32_t n, int32_t angles,
                              uint8_t style, TkColor upper_colour, TkColor lower_colour, uint8_t option)
{
    return guarded_code([&] {
        return draw_from_profile_arrays(graph, x_array, y_array, n, [&](GraphRecord& g, Profile const& profile) {
            draw_revolution(g, profile, {angles, style, upper_colour, lower_colour, option});
        });
    });
}

int32_t TkDrawRevolution(TkGraph graph, const char* formula, const char* var_name, double x1, double x2, int32_t n,
                         int32_t angles, uint8_t style, TkColor upper_colour, TkColor lower_colour, uint8_t option)
{
    return guarded_code([&] {
        SampledProfile const samples(graph, text_of(formula), {text_of(var_name), x1, x2, n});
        if (samples.code() != 0)
            return samples.code();
        return draw_from_profile_arrays(graph, samples.z(), samples.radii(), n, [&](GraphRecord& g, Profile const& profile) {
            draw_revolution(g, profile, {angles, style, upper_colour, lower_colour, option});
        });
    });
}

// ---- Formulae over arrays

int32_t TkEvaluateData1(TkGraph graph, const char* formula, const char* x_name, const double* x, double* result,
                        int64_t n)
{
    return guarded_call(int32_t{heap_error_code}, [&] {
        std::string_view const names[] = {text_of(x_name)};
        double const* const arrays[] = {x};
        return evaluate_data(parameters_of(graph), text_of(formula), names, arrays, result, n);
    });
}

int32_t TkEvaluateData2(TkGraph graph, const char* formula, const char* x_name, const char* y_name, const double* x,
                        const double* y, double* result, int64_t n)
{
    return guarded_call(int32_t{heap_error_code}, [&] {
        std::string_view const names[] = {text_of(x_name), text_of(y_name)};
        double const* const arrays[] = {x, y};
        return evaluate_data(parameters_of(graph), text_of(formula), names, arrays, result, n);
    });
}

int32_t TkSampleData2(TkGraph graph, const char* formula, const char* x_name, const char* y_name, double x1,
                      double x2, double y1, double y2, int32_t nx, int32_t ny, double* z)
{
    return guarded_call(int32_t{heap_error_code}, [&] {
        return sample_data(parameters_of(graph), text_of(formula), {text_of(x_name), x1, x2, 0, nx},
                           {text_of(y_name), y1, y2, 0, ny}, z);
    });
}

} // extern "C"
