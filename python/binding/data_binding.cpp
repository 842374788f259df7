// Data of any size: numpy arrays of float64 read where they lie, of any length. None stands
// for the NULL that the C functions take for x (0, 1, ..., n - 1), and elsewhere gives the
// library's own error.

#include "python/binding/binding.h"

#include <string>

#include <kelvo/kelvolib.h>

namespace kelvo::python {

namespace {

// The heights of an nx by ny grid that its buffer must hold; none when a count is below 1,
// which the library refuses itself.
int64_t grid_heights(int32_t nx, int32_t ny)
{
    return nx > 0 && ny > 0 ? int64_t{nx} * ny : 0;
}

} // namespace

void bind_data(py::module_& module)
{
    module.def(
        "TkDrawData1",
        [](TkGraph graph, py::object x, py::object y, int64_t n, int32_t mark, TkColor colour, uint8_t option) {
            return TkDrawData1(graph, data_or_null<double>(x, "x", n), data_or_null<double>(y, "y", n), n, mark,
                               colour, option);
        },
        py::arg("graph"), py::arg("x"), py::arg("y"), py::arg("n"), py::arg("mark"), py::arg("colour"),
        py::arg("option"), "x, y: C-contiguous float64 numpy arrays of at least n elements, or None.");
    module.def(
        "TkDrawData3",
        [](TkGraph graph, py::object x, py::object y, py::object z, int64_t n, int32_t mark, TkColor colour,
           uint8_t option) {
            return TkDrawData3(graph, data_or_null<double>(x, "x", n), data_or_null<double>(y, "y", n),
                               data_or_null<double>(z, "z", n), n, mark, colour, option);
        },
        py::arg("graph"), py::arg("x"), py::arg("y"), py::arg("z"), py::arg("n"), py::arg("mark"), py::arg("colour"),
        py::arg("option"), "x, y, z: C-contiguous float64 numpy arrays of at least n elements, or None.");
    module.def(
        "TkDrawHistogramData",
        [](TkGraph graph, py::object samples, int64_t n, int32_t bins, TkColor colour, uint8_t option) {
            return TkDrawHistogramData(graph, data_or_null<double>(samples, "samples", n), n, bins, colour, option);
        },
        py::arg("graph"), py::arg("samples"), py::arg("n"), py::arg("bins"), py::arg("colour"), py::arg("option"),
        "samples: a C-contiguous float64 numpy array of at least n elements.");
    module.def(
        "TkDrawContoursData",
        [](TkGraph graph, py::object x, py::object y, py::object z, int32_t nx, int32_t ny, int32_t contours,
           double z1, double z2, uint8_t mode, TkColor colour, uint8_t option) {
            return TkDrawContoursData(graph, data_or_null<double>(x, "x", nx), data_or_null<double>(y, "y", ny),
                                      data_or_null<double>(z, "z", grid_heights(nx, ny)), nx, ny, contours, z1, z2,
                                      mode, colour, option);
        },
        py::arg("graph"), py::arg("x"), py::arg("y"), py::arg("z"), py::arg("nx"), py::arg("ny"), py::arg("contours"),
        py::arg("z1"), py::arg("z2"), py::arg("mode"), py::arg("colour"), py::arg("option"),
        "x, y: C-contiguous float64 numpy arrays of at least nx and ny elements, or None; z: one of at least "
        "nx * ny elements, z[i * ny + j] at (x_i, y_j).");
    module.def(
        "TkDrawSurfaceData",
        [](TkGraph graph, py::object x, py::object y, py::object z, int32_t nx, int32_t ny, uint8_t style,
           TkColor upper_colour, TkColor lower_colour, uint8_t option) {
            return TkDrawSurfaceData(graph, data_or_null<double>(x, "x", nx), data_or_null<double>(y, "y", ny),
                                     data_or_null<double>(z, "z", grid_heights(nx, ny)), nx, ny, style, upper_colour,
                                     lower_colour, option);
        },
        py::arg("graph"), py::arg("x"), py::arg("y"), py::arg("z"), py::arg("nx"), py::arg("ny"), py::arg("style"),
        py::arg("upper_colour"), py::arg("lower_colour"), py::arg("option"),
        "x, y, z: as for TkDrawContoursData.");
    module.def(
        "TkEvaluateData1",
        [](TkGraph graph, std::string const& formula, std::string const& x_name, py::object x, py::object result,
           int64_t n) {
            return TkEvaluateData1(graph, formula.c_str(), x_name.c_str(), data_or_null<double>(x, "x", n),
                                   writable_data_or_null<double>(result, "result", n), n);
        },
        py::arg("graph"), py::arg("formula"), py::arg("x_name"), py::arg("x"), py::arg("result"), py::arg("n"),
        "x: a C-contiguous float64 numpy array of at least n elements; result: a writeable one.");
    module.def(
        "TkEvaluateData2",
        [](TkGraph graph, std::string const& formula, std::string const& x_name, std::string const& y_name,
           py::object x, py::object y, py::object result, int64_t n) {
            return TkEvaluateData2(graph, formula.c_str(), x_name.c_str(), y_name.c_str(),
                                   data_or_null<double>(x, "x", n), data_or_null<double>(y, "y", n),
                                   writable_data_or_null<double>(result, "result", n), n);
        },
        py::arg("graph"), py::arg("formula"), py::arg("x_name"), py::arg("y_name"), py::arg("x"), py::arg("y"),
        py::arg("result"), py::arg("n"),
        "x, y: C-contiguous float64 numpy arrays of at least n elements; result: a writeable one.");
    module.def(
        "TkSampleData2",
        [](TkGraph graph, std::string const& formula, std::string const& x_name, std::string const& y_name, double x1,
           double x2, double y1, double y2, int32_t nx, int32_t ny, py::object z) {
            return TkSampleData2(graph, formula.c_str(), x_name.c_str(), y_name.c_str(), x1, x2, y1, y2, nx, ny,
                                 writable_data_or_null<double>(z, "z", grid_heights(nx, ny)));
        },
        py::arg("graph"), py::arg("formula"), py::arg("x_name"), py::arg("y_name"), py::arg("x1"), py::arg("x2"),
        py::arg("y1"), py::arg("y2"), py::arg("nx"), py::arg("ny"), py::arg("z"),
        "z: a writeable C-contiguous float64 numpy array of at least nx * ny elements, z[i * ny + j] = f(x_i, y_j).");
}

} // namespace kelvo::python
