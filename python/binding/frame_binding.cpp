// Library frame and error state.

#include "python/binding/binding.h"

#include <kelvo/kelvolib.h>

#include <algorithm>
#include <vector>

namespace kelvo::python {

void bind_frame(py::module_& module)
{
    module.def("TkGetVersion", &TkGetVersion);
    module.def("TkLowMemory", &TkLowMemory);
    module.def(
        "Debug", [](std::string_view message) {
            ShortString text = short_string(message);
            Debug(text.data());
        },
        py::arg("message"));
    module.def("SetDebugMode", &SetDebugMode, py::arg("on"));

    module.def("TkGetErrorCode", &TkGetErrorCode);
    module.def(
        "TkGetErrorMessage", [](int32_t size) {
            std::vector<char> buffer(static_cast<std::size_t>(std::max(size, 1)));
            int32_t const length = TkGetErrorMessage(buffer.data(), size);
            return py::make_tuple(length, text_from_library(buffer.data()));
        },
        py::arg("size") = 256, "The length of the error state's message and the message, cut to size - 1 bytes.");
    module.def("TkClearError", &TkClearError);
    module.def("TkSetError", &TkSetError, py::arg("code"), py::arg("message"));
}

} // namespace kelvo::python
