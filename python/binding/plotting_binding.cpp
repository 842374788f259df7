// Curves and function sampling; data arrays and histograms; contours; surfaces; surfaces
// of revolution.

#include "python/binding/binding.h"
#include "python/binding/callbacks.h"

#include <kelvo/kelvolib.h>

namespace kelvo::python {

void bind_plotting(py::module_& module)
{
    module.def("TkDrawCurve1", &TkDrawCurve1, py::arg("graph"), py::arg("formula"), py::arg("var_name"),
               py::arg("x1"), py::arg("x2"), py::arg("n"), py::arg("colour"), py::arg("option"));
    module.def("TkDrawCurve2", &TkDrawCurve2, py::arg("graph"), py::arg("formula_x"), py::arg("formula_y"),
               py::arg("var_name"), py::arg("t1"), py::arg("t2"), py::arg("n"), py::arg("colour"), py::arg("option"));
    module.def("TkDrawCurve3", &TkDrawCurve3, py::arg("graph"), py::arg("formula_x"), py::arg("formula_y"),
               py::arg("formula_z"), py::arg("var_name"), py::arg("t1"), py::arg("t2"), py::arg("n"),
               py::arg("colour"), py::arg("option"));
    module.def(
        "TkDrawCurveFunc1",
        [](TkGraph graph, py::function func, double x1, double x2, int32_t n, TkColor colour, uint8_t option) {
            return call_with(std::move(func), CallbackKind::real_function, [&](CallbackScope& scope) {
                return TkDrawCurveFunc1(graph, scope.real_function(), x1, x2, n, colour, option);
            });
        },
        py::arg("graph"), py::arg("func"), py::arg("x1"), py::arg("x2"), py::arg("n"), py::arg("colour"),
        py::arg("option"), "func(x) -> float.");
    module.def(
        "TkDrawCurveFunc2",
        [](TkGraph graph, py::function func, double t1, double t2, int32_t n, TkColor colour, uint8_t option) {
            return call_with(std::move(func), CallbackKind::plane_point, [&](CallbackScope& scope) {
                return TkDrawCurveFunc2(graph, scope.real_function(), scope.variable(0), scope.variable(1), t1, t2, n,
                                        colour, option);
            });
        },
        py::arg("graph"), py::arg("func"), py::arg("t1"), py::arg("t2"), py::arg("n"), py::arg("colour"),
        py::arg("option"),
        "func(t) -> (x, y), or None where the curve has no point; it stands for the C function and the "
        "variables x_var and y_var it fills.");
    module.def(
        "TkDrawCurveFunc3",
        [](TkGraph graph, py::function func, double t1, double t2, int32_t n, TkColor colour, uint8_t option) {
            return call_with(std::move(func), CallbackKind::space_point, [&](CallbackScope& scope) {
                return TkDrawCurveFunc3(graph, scope.real_function(), scope.variable(0), scope.variable(1),
                                        scope.variable(2), t1, t2, n, colour, option);
            });
        },
        py::arg("graph"), py::arg("func"), py::arg("t1"), py::arg("t2"), py::arg("n"), py::arg("colour"),
        py::arg("option"),
        "func(t) -> (x, y, z), or None where the curve has no point; it stands for the C function and the "
        "variables x_var, y_var and z_var it fills.");
    module.def("TkSampleFunction1", &TkSampleFunction1, py::arg("formula"), py::arg("x_name"), py::arg("x1"),
               py::arg("x2"), py::arg("x_array"), py::arg("y_array"), py::arg("n"));
    module.def("TkSampleFunction2", &TkSampleFunction2, py::arg("formula"), py::arg("x_name"), py::arg("y_name"),
               py::arg("x1"), py::arg("x2"), py::arg("y1"), py::arg("y2"), py::arg("x_array"), py::arg("y_array"),
               py::arg("z_array"), py::arg("nx"), py::arg("ny"));
    module.def("TkSampleFunction3", &TkSampleFunction3, py::arg("formula"), py::arg("x_name"), py::arg("y_name"),
               py::arg("z_name"), py::arg("x1"), py::arg("x2"), py::arg("y1"), py::arg("y2"), py::arg("z1"),
               py::arg("z2"), py::arg("x_array"), py::arg("y_array"), py::arg("z_array"), py::arg("w_array"),
               py::arg("nx"), py::arg("ny"), py::arg("nz"));

    module.def("TkDrawArray1", &TkDrawArray1, py::arg("graph"), py::arg("x_array"), py::arg("y_array"), py::arg("n"),
               py::arg("mark"), py::arg("colour"), py::arg("option"));
    module.def("TkDrawArray2", &TkDrawArray2, py::arg("graph"), py::arg("x_array"), py::arg("y_array"),
               py::arg("z_array"), py::arg("nx"), py::arg("ny"), py::arg("mark"), py::arg("colour"), py::arg("option"));
    module.def("TkDrawArray3", &TkDrawArray3, py::arg("graph"), py::arg("x_array"), py::arg("y_array"),
               py::arg("z_array"), py::arg("n"), py::arg("mark"), py::arg("colour"), py::arg("option"));
    module.def("TkDrawHistogram1", &TkDrawHistogram1, py::arg("graph"), py::arg("x_array"), py::arg("y_array"),
               py::arg("n"), py::arg("width"), py::arg("offset"), py::arg("colour"), py::arg("option"));
    module.def("TkDrawHistogram2", &TkDrawHistogram2, py::arg("graph"), py::arg("x_array"), py::arg("y_array"),
               py::arg("z_array"), py::arg("nx"), py::arg("ny"), py::arg("x_width"), py::arg("y_width"),
               py::arg("colour"), py::arg("option"));

    module.def("TkDrawContoursArray", &TkDrawContoursArray, py::arg("graph"), py::arg("x_array"), py::arg("y_array"),
               py::arg("z_array"), py::arg("nx"), py::arg("ny"), py::arg("contours"), py::arg("z1"), py::arg("z2"),
               py::arg("mode"), py::arg("colour"), py::arg("option"));
    module.def("TkDrawContours", &TkDrawContours, py::arg("graph"), py::arg("formula"), py::arg("x_name"),
               py::arg("y_name"), py::arg("x1"), py::arg("x2"), py::arg("y1"), py::arg("y2"), py::arg("nx"),
               py::arg("ny"), py::arg("contours"), py::arg("z1"), py::arg("z2"), py::arg("mode"), py::arg("colour"),
               py::arg("option"));

    module.def("TkDrawSurfaceArray", &TkDrawSurfaceArray, py::arg("graph"), py::arg("x_array"), py::arg("y_array"),
               py::arg("z_array"), py::arg("nx"), py::arg("ny"), py::arg("style"), py::arg("upper_colour"),
               py::arg("lower_colour"), py::arg("option"));
    module.def("TkDrawSurface", &TkDrawSurface, py::arg("graph"), py::arg("formula"), py::arg("x_name"),
               py::arg("y_name"), py::arg("x1"), py::arg("x2"), py::arg("y1"), py::arg("y2"), py::arg("nx"),
               py::arg("ny"), py::arg("style"), py::arg("upper_colour"), py::arg("lower_colour"), py::arg("option"));

    module.def("TkDrawRevolutionArray", &TkDrawRevolutionArray, py::arg("graph"), py::arg("x_array"),
               py::arg("y_array"), py::arg("n"), py::arg("angles"), py::arg("style"), py::arg("upper_colour"),
               py::arg("lower_colour"), py::arg("option"));
    module.def("TkDrawRevolution", &TkDrawRevolution, py::arg("graph"), py::arg("formula"), py::arg("var_name"),
               py::arg("x1"), py::arg("x2"), py::arg("n"), py::arg("angles"), py::arg("style"),
               py::arg("upper_colour"), py::arg("lower_colour"), py::arg("option"));
}

} // namespace kelvo::python
