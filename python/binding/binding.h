#pragma once

// The binding of kelvolib.h and kelvoplatform.h as the Python module kelvo.lib: one Python
// function per exported C function, under its name and with its parameters. Numbers are
// Python numbers and texts are str (UTF-8). A pointer the C function writes a result
// through becomes part of the Python result; a buffer the library reads or writes in place
// is a numpy array of exactly the element type, used without a copy. Arguments that the C
// function could not take safely (a buffer too short for its count, a wrong element type)
// raise TypeError or ValueError before the library is called; nothing else is decided here.

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kelvo::python {

namespace py = pybind11;

// The groups of the headers, each bound in its own file.
void bind_frame(py::module_& module);
void bind_arrays(py::module_& module);
void bind_helpers(py::module_& module);
void bind_graphs(py::module_& module);
void bind_drawing(py::module_& module);
void bind_coordinates(py::module_& module);
void bind_axes(py::module_& module);
void bind_plotting(py::module_& module);
void bind_data(py::module_& module);
void bind_formulae(py::module_& module);
void bind_numerics(py::module_& module);
void bind_platform(py::module_& module);

// A text the library wrote, as str: UTF-8, with anything else (a text cut inside a
// character) replaced rather than refused.
py::str text_from_library(std::string_view text);

// Short strings (Debug, MakePChar, RealToStr, IntToShortStr): a length byte, then at most
// 255 bytes, in a buffer with room for a terminating zero after them.
using ShortString = std::array<unsigned char, 257>;
// The UTF-8 bytes of text as a short string, cut to 255 bytes.
ShortString short_string(std::string_view text);
py::str text_from_short_string(ShortString const& text);

// A C function that writes one real through its last parameter, as a function that returns
// it: 0 where the C function writes nothing (a bad handle).
template <auto function, typename... Arguments>
double written_real(Arguments... arguments)
{
    double result = 0.0;
    function(arguments..., &result);
    return result;
}

// What the library does with a buffer.
enum class Access { read, write };

// A numpy array of Element used in place: C-contiguous, of exactly that element type, and
// writeable when the library writes it. Anything else raises TypeError naming the
// parameter, since a converted copy would hide what the library wrote or cost a copy the
// caller did not ask for.
template <typename Element>
class Buffer {
public:
    Buffer(py::handle object, char const* parameter, Access access)
    {
        if (!py::array_t<Element, py::array::c_style>::check_(object))
            throw py::type_error(std::string(parameter) + " must be a C-contiguous numpy array of " +
                                 py::str(py::dtype::of<Element>()).cast<std::string>());
        array_ = py::reinterpret_borrow<py::array>(object);
        if (access == Access::write && !array_.writeable())
            throw py::value_error(std::string(parameter) + " must be writeable");
    }

    Element* data() const { return static_cast<Element*>(const_cast<void*>(array_.data())); }
    std::size_t size() const { return static_cast<std::size_t>(array_.size()); }

    // Raises ValueError unless the buffer holds at least count elements.
    void require(std::size_t count, char const* parameter) const
    {
        if (size() < count)
            throw py::value_error(std::string(parameter) + " holds " + std::to_string(size()) +
                                  " elements, fewer than the " + std::to_string(count) + " the call uses");
    }

private:
    py::array array_;
};

// The data of a numpy array that the library reads, as Buffer takes it, checked to hold
// count elements where count is positive; NULL for None. The pointer lives as long as the
// object, an argument of the bound call.
template <typename Element>
Element const* data_or_null(py::handle object, char const* parameter, int64_t count)
{
    if (object.is_none())
        return nullptr;
    Buffer<Element> const buffer(object, parameter, Access::read);
    if (count > 0)
        buffer.require(static_cast<std::size_t>(count), parameter);
    return buffer.data();
}

// The same for a numpy array the library writes into.
template <typename Element>
Element* writable_data_or_null(py::handle object, char const* parameter, int64_t count)
{
    if (object.is_none())
        return nullptr;
    Buffer<Element> const buffer(object, parameter, Access::write);
    if (count > 0)
        buffer.require(static_cast<std::size_t>(count), parameter);
    return buffer.data();
}

} // namespace kelvo::python
