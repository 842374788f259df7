// User coordinates, ranges and margins; the 3D view; graph parameters and colours.

#include "python/binding/binding.h"

#include <kelvo/kelvolib.h>

namespace kelvo::python {

void bind_coordinates(py::module_& module)
{
    module.def("TkSetRanges", &TkSetRanges, py::arg("graph"), py::arg("xmin"), py::arg("xmax"), py::arg("ymin"),
               py::arg("ymax"));
    module.def("TkSetRanges3", &TkSetRanges3, py::arg("graph"), py::arg("xmin"), py::arg("xmax"), py::arg("ymin"),
               py::arg("ymax"), py::arg("zmin"), py::arg("zmax"));
    module.def("TkSetOrigin", &TkSetOrigin, py::arg("graph"), py::arg("x"), py::arg("y"));
    module.def("TkSetOrigin3", &TkSetOrigin3, py::arg("graph"), py::arg("x"), py::arg("y"), py::arg("z"));
    module.def("TkSetMargins", &TkSetMargins, py::arg("graph"), py::arg("left"), py::arg("top"), py::arg("right"),
               py::arg("bottom"));
    module.def("TkSetScales", &TkSetScales, py::arg("graph"));
    module.def("TkSetScalesAbs", &TkSetScalesAbs, py::arg("graph"));
    module.def("TkUserToWindowX", &TkUserToWindowX, py::arg("graph"), py::arg("x"), py::arg("y"));
    module.def("TkUserToWindowY", &TkUserToWindowY, py::arg("graph"), py::arg("x"), py::arg("y"));
    module.def("TkUserToWindowX3", &TkUserToWindowX3, py::arg("graph"), py::arg("x"), py::arg("y"), py::arg("z"));
    module.def("TkUserToWindowY3", &TkUserToWindowY3, py::arg("graph"), py::arg("x"), py::arg("y"), py::arg("z"));
    module.def("TkWindowToUserX", &TkWindowToUserX, py::arg("graph"), py::arg("ix"), py::arg("iy"));
    module.def("TkWindowToUserY", &TkWindowToUserY, py::arg("graph"), py::arg("ix"), py::arg("iy"));
    module.def("TkWindowToUserXbyVar", &written_real<&TkWindowToUserXbyVar, TkGraph, int32_t, int32_t>,
               py::arg("graph"), py::arg("ix"), py::arg("iy"));
    module.def("TkWindowToUserYbyVar", &written_real<&TkWindowToUserYbyVar, TkGraph, int32_t, int32_t>,
               py::arg("graph"), py::arg("ix"), py::arg("iy"));
    module.def("TkMoveabs", &TkMoveabs, py::arg("graph"), py::arg("x"), py::arg("y"));
    module.def("TkMoverel", &TkMoverel, py::arg("graph"), py::arg("dx"), py::arg("dy"));
    module.def("TkMoveabs3", &TkMoveabs3, py::arg("graph"), py::arg("x"), py::arg("y"), py::arg("z"));
    module.def("TkMoverel3", &TkMoverel3, py::arg("graph"), py::arg("dx"), py::arg("dy"), py::arg("dz"));
    module.def("TkDrawabs", &TkDrawabs, py::arg("graph"), py::arg("x"), py::arg("y"));
    module.def("TkDrawrel", &TkDrawrel, py::arg("graph"), py::arg("dx"), py::arg("dy"));
    module.def("TkDrawabs3", &TkDrawabs3, py::arg("graph"), py::arg("x"), py::arg("y"), py::arg("z"));
    module.def("TkDrawrel3", &TkDrawrel3, py::arg("graph"), py::arg("dx"), py::arg("dy"), py::arg("dz"));

    module.def("TkSetViewangles", &TkSetViewangles, py::arg("graph"), py::arg("theta"), py::arg("phi"));
    module.def("TkSetView2D", &TkSetView2D, py::arg("graph"));
    module.def("TkSetView3D", &TkSetView3D, py::arg("graph"));
    py::class_<TkActualZoom>(module, "TkActualZoom", "The effective ranges and view angles of the last TkSetScales().")
        .def(py::init<>())
        .def_readwrite("XMin", &TkActualZoom::XMin)
        .def_readwrite("XMax", &TkActualZoom::XMax)
        .def_readwrite("XOrigin", &TkActualZoom::XOrigin)
        .def_readwrite("YMin", &TkActualZoom::YMin)
        .def_readwrite("YMax", &TkActualZoom::YMax)
        .def_readwrite("YOrigin", &TkActualZoom::YOrigin)
        .def_readwrite("ZMin", &TkActualZoom::ZMin)
        .def_readwrite("ZMax", &TkActualZoom::ZMax)
        .def_readwrite("ZOrigin", &TkActualZoom::ZOrigin)
        .def_readwrite("Theta", &TkActualZoom::Theta)
        .def_readwrite("Phi", &TkActualZoom::Phi);
    module.def(
        "TkGetActualZoom", [](TkGraph graph) {
            TkActualZoom zoom{};
            TkGetActualZoom(graph, &zoom);
            return zoom;
        },
        py::arg("graph"), "A new record of the graph's effective ranges and view angles (all 0 for a bad graph).");

    module.def("TkSetGraphParam", &TkSetGraphParam, py::arg("graph"), py::arg("code"), py::arg("value"));
    module.def("TkGetGraphParam", &TkGetGraphParam, py::arg("graph"), py::arg("code"));
    module.def("TkSetGraphColor", &TkSetGraphColor, py::arg("graph"), py::arg("index"), py::arg("colour"));
    module.def("TkGetGraphColor", &TkGetGraphColor, py::arg("graph"), py::arg("index"));
    module.def("TkSetColors", &TkSetColors, py::arg("graph"), py::arg("axis"), py::arg("pip"), py::arg("label"),
               py::arg("pen"));
}

} // namespace kelvo::python
