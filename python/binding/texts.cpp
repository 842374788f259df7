#include "python/binding/binding.h"

#include <algorithm>

namespace kelvo::python {

py::str text_from_library(std::string_view text)
{
    PyObject* decoded = PyUnicode_DecodeUTF8(text.data(), static_cast<Py_ssize_t>(text.size()), "replace");
    if (decoded == nullptr)
        throw py::error_already_set();
    return py::reinterpret_steal<py::str>(decoded);
}

ShortString short_string(std::string_view text)
{
    ShortString result{};
    std::size_t const length = std::min<std::size_t>(text.size(), 255);
    result[0] = static_cast<unsigned char>(length);
    std::copy_n(text.begin(), length, result.begin() + 1);
    return result;
}

py::str text_from_short_string(ShortString const& text)
{
    return text_from_library({reinterpret_cast<char const*>(text.data() + 1), text[0]});
}

} // namespace kelvo::python
