// Parameter lists and formula evaluation. A result that the C call writes through a
// pointer comes back beside the code: (code, result), the result NaN where the call left it
// untouched (a compile error).

#include "python/binding/binding.h"

#include <kelvo/kelvolib.h>

#include <limits>

namespace kelvo::python {

namespace {
constexpr double untouched = std::numeric_limits<double>::quiet_NaN();
}

void bind_formulae(py::module_& module)
{
    module.def("TkClearParaList", &TkClearParaList, py::arg("graph"));
    module.def("TkAddParaList", &TkAddParaList, py::arg("graph"), py::arg("name"), py::arg("value"));
    module.def("TkSetParaValue", &TkSetParaValue, py::arg("graph"), py::arg("name"), py::arg("value"));
    module.def("TkCompileParaList", &TkCompileParaList, py::arg("graph"));
    module.def("TkCompileEx0", &TkCompileEx0, py::arg("graph"), py::arg("formula"));
    module.def(
        "TkEvaluateEx0ByVar", [](TkGraph graph, char const* formula) {
            double result = untouched;
            int32_t const code = TkEvaluateEx0ByVar(graph, formula, &result);
            return py::make_tuple(code, result);
        },
        py::arg("graph"), py::arg("formula"), "(code, result)");
    module.def(
        "TkEvaluate1ByVar", [](char const* formula, char const* x_name, double x) {
            double result = untouched;
            int32_t const code = TkEvaluate1ByVar(formula, x_name, &result, x);
            return py::make_tuple(code, result);
        },
        py::arg("formula"), py::arg("x_name"), py::arg("x"), "(code, result)");
    module.def(
        "TkEvaluate2ByVar", [](char const* formula, char const* x_name, char const* y_name, double x, double y) {
            double result = untouched;
            int32_t const code = TkEvaluate2ByVar(formula, x_name, y_name, x, y, &result);
            return py::make_tuple(code, result);
        },
        py::arg("formula"), py::arg("x_name"), py::arg("y_name"), py::arg("x"), py::arg("y"), "(code, result)");
    module.def(
        "TkEvaluate3ByVar",
        [](char const* formula, char const* x_name, char const* y_name, char const* z_name, double x, double y,
           double z) {
            double result = untouched;
            int32_t const code = TkEvaluate3ByVar(formula, x_name, y_name, z_name, x, y, z, &result);
            return py::make_tuple(code, result);
        },
        py::arg("formula"), py::arg("x_name"), py::arg("y_name"), py::arg("z_name"), py::arg("x"), py::arg("y"),
        py::arg("z"), "(code, result)");
}

} // namespace kelvo::python
