// The exported functions of the plotting subsystem.

#include <string_view>

#include "lib/kelvolib.h"
#include "lib/plot/sampling.h"
#include "lib/runtime/guarded_call.h"

using namespace kelvo;

namespace {

// A null text reads as the empty text.
std::string_view text_of(char const* text)
{
    return text == nullptr ? std::string_view{} : std::string_view{text};
}

} // namespace

extern "C" {

// ---- Curves and function sampling

int32_t TkSampleFunction1(const char* formula, const char* x_name, double x1, double x2, TkArray x_array,
                          TkArray y_array, int32_t n)
{
    return guarded_call(int32_t{heap_error_code}, [&] {
        return sample_function(text_of(formula), {text_of(x_name), x1, x2, x_array, n}, y_array);
    });
}

int32_t TkSampleFunction2(const char* formula, const char* x_name, const char* y_name, double x1, double x2,
                          double y1, double y2, TkArray x_array, TkArray y_array, TkArray z_array, int32_t nx,
                          int32_t ny)
{
    return guarded_call(int32_t{heap_error_code}, [&] {
        return sample_function(text_of(formula), {text_of(x_name), x1, x2, x_array, nx},
                               {text_of(y_name), y1, y2, y_array, ny}, z_array);
    });
}

int32_t TkSampleFunction3(const char* formula, const char* x_name, const char* y_name, const char* z_name,
                          double x1, double x2, double y1, double y2, double z1, double z2, TkArray x_array,
                          TkArray y_array, TkArray z_array, TkArray w_array, int32_t nx, int32_t ny, int32_t nz)
{
    return guarded_call(int32_t{heap_error_code}, [&] {
        return sample_function(text_of(formula), {text_of(x_name), x1, x2, x_array, nx},
                               {text_of(y_name), y1, y2, y_array, ny}, {text_of(z_name), z1, z2, z_array, nz},
                               w_array);
    });
}

// ---- Arrays and histograms

// ---- Contours

// ---- Surfaces

// ---- Surfaces of revolution

} // extern "C"
