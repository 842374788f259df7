// Library arrays and blocks. Addresses are Python integers: kelvo.Array makes numpy arrays
// of them, which knows the extents it asked for.

#include "python/binding/binding.h"

#include <kelvo/kelvolib.h>

namespace kelvo::python {

namespace {

uintptr_t address(void const* pointer)
{
    return reinterpret_cast<uintptr_t>(pointer);
}

} // namespace

void bind_arrays(py::module_& module)
{
    module.def("TkNewArray1", &TkNewArray1, py::arg("n1"));
    module.def("TkNewArray2", &TkNewArray2, py::arg("n1"), py::arg("n2"));
    module.def("TkNewArray3", &TkNewArray3, py::arg("n1"), py::arg("n2"), py::arg("n3"));
    module.def("TkDisposeArray", &TkDisposeArray, py::arg("array"));
    module.def("TkGetArray1", &TkGetArray1, py::arg("array"), py::arg("i"));
    module.def("TkGetArray2", &TkGetArray2, py::arg("array"), py::arg("i"), py::arg("j"));
    module.def("TkGetArray3", &TkGetArray3, py::arg("array"), py::arg("i"), py::arg("j"), py::arg("k"));
    module.def("TkGetArray1byVar", &written_real<&TkGetArray1byVar, TkArray, int32_t>, py::arg("array"), py::arg("i"));
    module.def("TkGetArray2byVar", &written_real<&TkGetArray2byVar, TkArray, int32_t, int32_t>, py::arg("array"),
               py::arg("i"), py::arg("j"));
    module.def("TkGetArray3byVar", &written_real<&TkGetArray3byVar, TkArray, int32_t, int32_t, int32_t>,
               py::arg("array"), py::arg("i"), py::arg("j"), py::arg("k"));
    module.def("TkSetArray1", &TkSetArray1, py::arg("array"), py::arg("i"), py::arg("value"));
    module.def("TkSetArray2", &TkSetArray2, py::arg("array"), py::arg("i"), py::arg("j"), py::arg("value"));
    module.def("TkSetArray3", &TkSetArray3, py::arg("array"), py::arg("i"), py::arg("j"), py::arg("k"),
               py::arg("value"));
    module.def(
        "TkGetArrayAddress", [](TkArray array) { return address(TkGetArrayAddress(array)); }, py::arg("array"),
        "The address of the array's data as an integer; 0 for a bad handle.");
    module.def(
        "TkNewBlock", [](uint16_t size) { return address(TkNewBlock(size)); }, py::arg("size"),
        "The address of a new block as an integer; 0 for size 0.");
    module.def(
        "TkDisposeBlock",
        [](uintptr_t block, uint16_t size) { TkDisposeBlock(reinterpret_cast<void*>(block), size); },
        py::arg("block"), py::arg("size"));
}

} // namespace kelvo::python
