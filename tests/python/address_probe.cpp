// Preloaded (LD_PRELOAD) into the interpreter of the data-address suite, this library stands
// between kelvo.lib and KelvoLib for the data calls: each notes the addresses of the data it
// is given, then calls KelvoLib's own function with the same arguments. The suite reads the
// addresses with ctypes and compares them with those of the numpy arrays it passed, so that
// what is checked is the pointer the library itself receives.

#include <kelvo/kelvolib.h>

#include <dlfcn.h>

extern "C" {

// The data pointers of the last data call, in the order of its parameters; null past the
// last one it has, and where it was given NULL.
__attribute__((visibility("default"))) void const* kelvo_probe_received[3];

} // extern "C"

namespace {

void receive(void const* first, void const* second, void const* third = nullptr)
{
    kelvo_probe_received[0] = first;
    kelvo_probe_received[1] = second;
    kelvo_probe_received[2] = third;
}

// KelvoLib's own definition of function. KelvoLib came in with kelvo.lib, loaded without
// RTLD_GLOBAL, so that RTLD_NEXT would not find it: it is looked up in KelvoLib itself.
template <auto function>
auto library(char const* name)
{
    static void* const kelvolib = dlopen(KELVOLIB_SONAME, RTLD_NOW | RTLD_NOLOAD);
    static auto* const next = reinterpret_cast<decltype(function)>(kelvolib ? dlsym(kelvolib, name) : nullptr);
    return next;
}

// Where KelvoLib is not there, the calls give a code that no library call gives.
constexpr int32_t no_library = -1;

} // namespace

extern "C" {

KELVO_API int32_t TkDrawData1(TkGraph graph, const double* x, const double* y, int64_t n, int32_t mark,
                              TkColor colour, uint8_t option)
{
    receive(x, y);
    auto* const draw = library<&TkDrawData1>("TkDrawData1");
    return draw ? draw(graph, x, y, n, mark, colour, option) : no_library;
}

KELVO_API int32_t TkDrawData3(TkGraph graph, const double* x, const double* y, const double* z, int64_t n,
                              int32_t mark, TkColor colour, uint8_t option)
{
    receive(x, y, z);
    auto* const draw = library<&TkDrawData3>("TkDrawData3");
    return draw ? draw(graph, x, y, z, n, mark, colour, option) : no_library;
}

KELVO_API int32_t TkDrawHistogramData(TkGraph graph, const double* samples, int64_t n, int32_t bins, TkColor colour,
                                      uint8_t option)
{
    receive(samples, nullptr);
    auto* const draw = library<&TkDrawHistogramData>("TkDrawHistogramData");
    return draw ? draw(graph, samples, n, bins, colour, option) : no_library;
}

KELVO_API int32_t TkDrawContoursData(TkGraph graph, const double* x, const double* y, const double* z, int32_t nx,
                                     int32_t ny, int32_t contours, double z1, double z2, uint8_t mode,
                                     TkColor colour, uint8_t option)
{
    receive(x, y, z);
    auto* const draw = library<&TkDrawContoursData>("TkDrawContoursData");
    return draw ? draw(graph, x, y, z, nx, ny, contours, z1, z2, mode, colour, option) : no_library;
}

KELVO_API int32_t TkDrawSurfaceData(TkGraph graph, const double* x, const double* y, const double* z, int32_t nx,
                                    int32_t ny, uint8_t style, TkColor upper_colour, TkColor lower_colour,
                                    uint8_t option)
{
    receive(x, y, z);
    auto* const draw = library<&TkDrawSurfaceData>("TkDrawSurfaceData");
    return draw ? draw(graph, x, y, z, nx, ny, style, upper_colour, lower_colour, option) : no_library;
}

} // extern "C"
