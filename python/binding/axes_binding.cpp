// Label settings and titles; axes, pips, grids and labels; symbols, error bars, graph
// labels, polygons and cross-wires.

#include "python/binding/binding.h"

#include <kelvo/kelvolib.h>

#include <algorithm>
#include <vector>

namespace kelvo::python {

void bind_axes(py::module_& module)
{
    py::class_<TkLabelSettings>(module, "TkLabelSettings", "The settings of one kind of text.")
        .def(py::init<>())
        .def_readwrite("AutoPlace", &TkLabelSettings::AutoPlace)
        .def_readwrite("FontFace", &TkLabelSettings::FontFace)
        .def_readwrite("FontStyle", &TkLabelSettings::FontStyle)
        .def_readwrite("FontSize", &TkLabelSettings::FontSize)
        .def_readwrite("Orientation", &TkLabelSettings::Orientation)
        .def_readwrite("Justification", &TkLabelSettings::Justification)
        .def_readwrite("TextColour", &TkLabelSettings::TextColour)
        .def_readwrite("XOffset", &TkLabelSettings::XOffset)
        .def_readwrite("YOffset", &TkLabelSettings::YOffset)
        .def_readwrite("TitleRef", &TkLabelSettings::TitleRef)
        .def_readwrite("EdgeRule", &TkLabelSettings::EdgeRule);
    module.def(
        "TkGetLabelSettings", [](TkGraph graph, int32_t kind) {
            TkLabelSettings settings{};
            TkGetLabelSettings(graph, kind, &settings);
            return settings;
        },
        py::arg("graph"), py::arg("kind"), "A new record of the settings of a kind of text.");
    // The record is the caller's: kind 8 with AutoPlace set rewrites it, as in C.
    module.def("TkSetLabelSettings", &TkSetLabelSettings, py::arg("graph"), py::arg("kind"), py::arg("settings"));
    module.def("TkSetTitleString", &TkSetTitleString, py::arg("graph"), py::arg("reference"), py::arg("text"));
    module.def(
        "TkGetTitleString", [](TkGraph graph, int32_t reference, int32_t size) {
            std::vector<char> buffer(static_cast<std::size_t>(std::max(size, 1)));
            int32_t const copied = TkGetTitleString(graph, reference, buffer.data(), size);
            return py::make_tuple(copied, text_from_library(buffer.data()));
        },
        py::arg("graph"), py::arg("reference"), py::arg("size") = 256,
        "The number of bytes copied and the title, cut to size - 1 bytes.");

    module.def("TkDrawAxes", &TkDrawAxes, py::arg("graph"));
    module.def("TkDrawBox", &TkDrawBox, py::arg("graph"));
    module.def("TkDrawGrid", &TkDrawGrid, py::arg("graph"));
    module.def("TkDrawBorder", &TkDrawBorder, py::arg("graph"));
    module.def("TkLabelAxes", &TkLabelAxes, py::arg("graph"));
    module.def("TkGraphTitle", &TkGraphTitle, py::arg("graph"), py::arg("reference"), py::arg("text"));

    module.def("TkPlotSymbol", &TkPlotSymbol, py::arg("graph"), py::arg("code"), py::arg("x"), py::arg("y"));
    module.def("TkPlotSymbol3", &TkPlotSymbol3, py::arg("graph"), py::arg("code"), py::arg("x"), py::arg("y"),
               py::arg("z"));
    module.def("TkErrorBar", &TkErrorBar, py::arg("graph"), py::arg("code"), py::arg("x"), py::arg("y"), py::arg("ex"),
               py::arg("ey"));
    module.def("TkGraphlabel", &TkGraphlabel, py::arg("graph"), py::arg("text"), py::arg("x"), py::arg("y"));
    module.def("TkGraphlabel3", &TkGraphlabel3, py::arg("graph"), py::arg("text"), py::arg("x"), py::arg("y"),
               py::arg("z"));
    module.def("TkDrawPolygon", &TkDrawPolygon, py::arg("graph"), py::arg("x"), py::arg("y"), py::arg("n"));
    module.def("TkFillPolygon", &TkFillPolygon, py::arg("graph"), py::arg("x"), py::arg("y"), py::arg("n"));
    module.def("TkDrawPolygon3", &TkDrawPolygon3, py::arg("graph"), py::arg("x"), py::arg("y"), py::arg("z"),
               py::arg("n"));
    module.def("TkFillPolygon3", &TkFillPolygon3, py::arg("graph"), py::arg("x"), py::arg("y"), py::arg("z"),
               py::arg("n"));
    module.def("TkCrossWires", &TkCrossWires, py::arg("graph"), py::arg("x"), py::arg("y"));
    module.def("TkCrossWires3", &TkCrossWires3, py::arg("graph"), py::arg("x"), py::arg("y"), py::arg("z"));
}

} // namespace kelvo::python
