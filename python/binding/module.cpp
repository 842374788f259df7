// kelvo.lib: every function of kelvolib.h and kelvoplatform.h, one binding each.

#include "python/binding/binding.h"

PYBIND11_MODULE(lib, module)
{
    using namespace kelvo::python;
    module.doc() = "The C functions of KelvoLib (kelvolib.h) and of its headless hosts (kelvoplatform.h), "
                   "under their own names and parameters. The reference manual describes each; kelvo's "
                   "Graph, Formula and numerical functions are the Pythonic layer over them.";
    bind_frame(module);
    bind_arrays(module);
    bind_helpers(module);
    bind_graphs(module);
    bind_drawing(module);
    bind_coordinates(module);
    bind_axes(module);
    bind_plotting(module);
    bind_data(module);
    bind_formulae(module);
    bind_numerics(module);
    bind_platform(module);
}
