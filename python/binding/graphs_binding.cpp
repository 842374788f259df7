// Colours, graph windows, drawing modes and redraw.

#include "python/binding/binding.h"

#include <pybind11/stl.h>

#include <kelvo/kelvolib.h>

#include <array>

namespace kelvo::python {

void bind_graphs(py::module_& module)
{
    module.def("TkRGB", &TkRGB, py::arg("red"), py::arg("green"), py::arg("blue"), py::arg("match"));
    module.def(
        "TkGetColorSet", [] {
            std::array<TkColor, 16> colours{};
            TkGetColorSet(colours.data());
            return colours;
        },
        "The library's 16 colours, in the order of the colour set.");

    module.def("TkOpenGraph", &TkOpenGraph, py::arg("parent"), py::arg("x"), py::arg("y"), py::arg("width"),
               py::arg("height"), py::arg("flags"));
    module.def("TkCloseGraph", &TkCloseGraph, py::arg("graph"));
    module.def("TkShowGraph", &TkShowGraph, py::arg("graph"));
    module.def("TkHideGraph", &TkHideGraph, py::arg("graph"));
    module.def("TkGetGraphHWnd", &TkGetGraphHWnd, py::arg("graph"));
    module.def("TkWindowWidth", &TkWindowWidth, py::arg("graph"));
    module.def("TkWindowHeight", &TkWindowHeight, py::arg("graph"));
    module.def("TkSaveGraph", &TkSaveGraph, py::arg("graph"), py::arg("path"));
    module.def("ShowAboutBox", &ShowAboutBox, py::arg("instance"), py::arg("template_name"));

    module.def("TkSetDrawingMode", &TkSetDrawingMode, py::arg("graph"), py::arg("mode"));
    module.def("TkRedrawToWindow", &TkRedrawToWindow, py::arg("graph"));
    module.def("TkRedrawToRect", &TkRedrawToRect, py::arg("graph"), py::arg("x1"), py::arg("y1"), py::arg("x2"),
               py::arg("y2"));
    module.def("TkDispatchToWindow", &TkDispatchToWindow, py::arg("graph"));
    module.def("TkDispatchToRect", &TkDispatchToRect, py::arg("graph"), py::arg("x1"), py::arg("y1"), py::arg("x2"),
               py::arg("y2"));
    module.def("TkResize", &TkResize, py::arg("graph"), py::arg("x"), py::arg("y"), py::arg("width"),
               py::arg("height"));
    module.def("TkSetMessageRoute", &TkSetMessageRoute, py::arg("graph"), py::arg("window"));
    module.def(
        "TkGetPaintInfo", [](TkGraph graph) {
            std::array<uint8_t, 64> record{};
            TkGetPaintInfo(graph, record.data());
            return py::bytes(reinterpret_cast<char const*>(record.data()), record.size());
        },
        py::arg("graph"), "The 64-byte paint record of the last paint message.");
    module.def(
        "TkGetMousePos", [](TkGraph graph) {
            std::array<int32_t, 2> point{};
            TkGetMousePos(graph, point.data());
            return py::make_tuple(point[0], point[1]);
        },
        py::arg("graph"), "The window pixel (x, y) of the last mouse message.");
    module.def("TkSetMouseShape", &TkSetMouseShape, py::arg("graph"), py::arg("shape"));
    module.def("TkSetWaiting", &TkSetWaiting, py::arg("graph"), py::arg("waiting"));
}

} // namespace kelvo::python
