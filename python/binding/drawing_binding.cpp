// Primitives, pens and styles; fonts and text; images and scrolling.

#include "python/binding/binding.h"

#include <kelvo/kelvolib.h>

namespace kelvo::python {

void bind_drawing(py::module_& module)
{
    module.def("TkKelvoStyle", &TkKelvoStyle, py::arg("graph"), py::arg("style"));
    module.def("TkDefaults", &TkDefaults, py::arg("graph"));
    module.def("TkPen", &TkPen, py::arg("graph"), py::arg("colour"), py::arg("style"), py::arg("width"));
    module.def("TkGraphColor", &TkGraphColor, py::arg("graph"), py::arg("colour"));
    module.def("TkBackColor", &TkBackColor, py::arg("graph"), py::arg("colour"));
    module.def("TkWritemode", &TkWritemode, py::arg("graph"), py::arg("mode"));
    module.def("TkClearWindow", &TkClearWindow, py::arg("graph"));
    module.def("TkGpFill", &TkGpFill, py::arg("graph"), py::arg("x1"), py::arg("y1"), py::arg("x2"), py::arg("y2"),
               py::arg("colour"), py::arg("mode"));
    module.def("TkGpPixel", &TkGpPixel, py::arg("graph"), py::arg("x"), py::arg("y"));
    module.def("TkGpColorPixel", &TkGpColorPixel, py::arg("graph"), py::arg("x"), py::arg("y"), py::arg("colour"));
    module.def("TkGpLine", &TkGpLine, py::arg("graph"), py::arg("x1"), py::arg("y1"), py::arg("x2"), py::arg("y2"));
    module.def("TkGpRectangle", &TkGpRectangle, py::arg("graph"), py::arg("x1"), py::arg("y1"), py::arg("x2"),
               py::arg("y2"), py::arg("filled"));
    module.def(
        "TkGpPoly",
        [](TkGraph graph, int32_t count, py::object points, uint8_t filled) {
            TkGpPoly(graph, count, data_or_null<int32_t>(points, "points", 2 * int64_t{count}), filled);
        },
        py::arg("graph"), py::arg("count"), py::arg("points"), py::arg("filled"),
        "points: an int32 numpy array of count (x, y) pairs, or None.");
    module.def("TkGpCircle", &TkGpCircle, py::arg("graph"), py::arg("x"), py::arg("y"), py::arg("radius"),
               py::arg("filled"));

    module.def("TkFont", &TkFont, py::arg("graph"), py::arg("face"), py::arg("style"), py::arg("size"));
    module.def("TkFont2", &TkFont2, py::arg("graph"), py::arg("face"), py::arg("style"), py::arg("size"),
               py::arg("orientation"));
    module.def("TkTextColor", &TkTextColor, py::arg("graph"), py::arg("colour"));
    module.def("TkTextJustified", &TkTextJustified, py::arg("graph"), py::arg("justification"));
    module.def("TkGpText", &TkGpText, py::arg("graph"), py::arg("x"), py::arg("y"), py::arg("text"));
    module.def("TkEndTextX", &TkEndTextX, py::arg("graph"));
    module.def("TkEndTextY", &TkEndTextY, py::arg("graph"));
    module.def("TkCellWidth", &TkCellWidth, py::arg("graph"));
    module.def("TkCellHeight", &TkCellHeight, py::arg("graph"));

    module.def("TkGetImage", &TkGetImage, py::arg("graph"), py::arg("x1"), py::arg("y1"), py::arg("x2"),
               py::arg("y2"));
    module.def("TkPutImage", &TkPutImage, py::arg("graph"), py::arg("x"), py::arg("y"), py::arg("image"),
               py::arg("mode"));
    module.def("TkClearImage", &TkClearImage, py::arg("image"));
    module.def("TkScrollRect", &TkScrollRect, py::arg("graph"), py::arg("x1"), py::arg("y1"), py::arg("x2"),
               py::arg("y2"), py::arg("dx"), py::arg("dy"));
    module.def("TkScrollWindow", &TkScrollWindow, py::arg("graph"), py::arg("dx"), py::arg("dy"));
}

} // namespace kelvo::python
