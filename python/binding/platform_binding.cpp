// Headless hosts and message boxes of kelvoplatform.h.

#include "python/binding/binding.h"

#include <kelvo/kelvoplatform.h>

namespace kelvo::python {

void bind_platform(py::module_& module)
{
    module.def("KpCreateHeadlessHost", &KpCreateHeadlessHost, py::arg("width"), py::arg("height"));
    module.def("KpDestroyWindow", &KpDestroyWindow, py::arg("window"));
    module.def("KpUpdate", &KpUpdate);
    module.def("KpGetPixel", &KpGetPixel, py::arg("window"), py::arg("x"), py::arg("y"));
    module.def(
        "KpGetPixels",
        [](TkWnd window, int32_t x, int32_t y, int32_t width, int32_t height, py::object colours) {
            Buffer<uint32_t> const out(colours, "colours", Access::write);
            if (width > 0 && height > 0)
                out.require(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), "colours");
            return KpGetPixels(window, x, y, width, height, out.data());
        },
        py::arg("window"), py::arg("x"), py::arg("y"), py::arg("width"), py::arg("height"), py::arg("colours"),
        "colours: a uint32 numpy array of width x height, filled in place.");
    module.def("KpSavePng", &KpSavePng, py::arg("window"), py::arg("path"));
    module.def("KpSendMouse", &KpSendMouse, py::arg("host"), py::arg("message"), py::arg("x"), py::arg("y"),
               py::arg("keys"));
    module.def("KpExpose", &KpExpose, py::arg("host"), py::arg("x1"), py::arg("y1"), py::arg("x2"), py::arg("y2"));
    module.def("KpMessageBox", &KpMessageBox, py::arg("text"), py::arg("caption"), py::arg("buttons"),
               py::arg("icon"));
}

} // namespace kelvo::python
