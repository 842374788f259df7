// Maths and string helpers, and number formatting.

#include "python/binding/binding.h"

#include <kelvo/kelvolib.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace kelvo::python {

void bind_helpers(py::module_& module)
{
    module.def("RaisePower", &RaisePower, py::arg("x"), py::arg("y"));
    module.def("Sgn", &Sgn, py::arg("x"));
    module.def("Tan", &Tan, py::arg("x"));
    module.def("Arccos", &Arccos, py::arg("x"));
    module.def("Arcsin", &Arcsin, py::arg("x"));
    module.def("Timer", &Timer);
    module.def(
        "MakePChar", [](std::string_view text) {
            ShortString buffer = short_string(text);
            return text_from_library(MakePChar(buffer.data()));
        },
        py::arg("text"), "The text of a short string made of text, as MakePChar() leaves it zero-terminated.");
    module.def(
        "Trim", [](char const* text, int32_t size) {
            std::vector<char> result(static_cast<std::size_t>(std::max(size, 1)));
            int32_t const length = Trim(text, result.data(), size);
            return py::make_tuple(length, text_from_library(result.data()));
        },
        py::arg("text"), py::arg("size") = 256, "The length of the trimmed text and the copy cut to size - 1 bytes.");

    module.def(
        "TkFormatReal", [](int32_t width, double x) {
            // Room for the widest field the call writes (254 characters and a zero); wider
            // fields are refused without writing.
            std::array<char, 256> buffer{};
            int32_t const code = TkFormatReal(width, buffer.data(), x);
            return py::make_tuple(code, text_from_library(buffer.data()));
        },
        py::arg("width"), py::arg("x"), "The code and the field; the field is empty after an error.");
    module.def(
        "RealToStr", [](int32_t decimals, double x) {
            ShortString text{};
            RealToStr(decimals, text.data(), x);
            return text_from_short_string(text);
        },
        py::arg("decimals"), py::arg("x"));
    module.def(
        "IntToShortStr", [](int32_t n) {
            ShortString text{};
            IntToShortStr(n, text.data());
            return text_from_short_string(text);
        },
        py::arg("n"));
}

} // namespace kelvo::python
