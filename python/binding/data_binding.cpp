// Data of any size: numpy arrays of float64 read where they lie, of any length. None stands
// for the NULL that the C functions take for x (0, 1, ..., n - 1), and elsewhere gives the
// library's own error.

#include "python/binding/binding.h"

#include <kelvo/kelvolib.h>

namespace kelvo::python {

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
}

} // namespace kelvo::python
