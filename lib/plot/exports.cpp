// The exported functions of the plotting subsystem.

#include "lib/kelvolib.h"
#include "lib/plot/contours.h"
#include "lib/plot/plot_call.h"
#include "lib/plot/revolution.h"
#include "lib/plot/surfaces.h"
#include "lib/runtime/error_state.h"
#include "lib/runtime/guarded_call.h"

using namespace kelvo;

extern "C" {

// ---- Curves and function sampling

// ---- Arrays and histograms

// ---- Contours

int32_t TkDrawContoursArray(TkGraph graph, TkArray x_array, TkArray y_array, TkArray z_array, int32_t nx, int32_t ny,
                            int32_t contours, double z1, double z2, uint8_t mode, TkColor colour, uint8_t option)
{
    return guarded_call(heap_error_code, [&] {
        GridArguments const call(graph, {x_array, y_array, z_array, nx, ny});
        if (GraphRecord* g = call.graph())
            draw_contours(*g, call.grid(), {contours, z1, z2, mode, colour, option});
        return error_state().code;
    });
}

// ---- Surfaces

int32_t TkDrawSurfaceArray(TkGraph graph, TkArray x_array, TkArray y_array, TkArray z_array, int32_t nx, int32_t ny,
                           uint8_t style, TkColor upper_colour, TkColor lower_colour, uint8_t option)
{
    return guarded_call(heap_error_code, [&] {
        GridArguments const call(graph, {x_array, y_array, z_array, nx, ny});
        if (GraphRecord* g = call.graph())
            draw_surface(*g, call.grid(), {style, upper_colour, lower_colour, option});
        return error_state().code;
    });
}

// ---- Surfaces of revolution

int32_t TkDrawRevolutionArray(TkGraph graph, TkArray x_array, TkArray y_array, int32_t n, int32_t angles,
                              uint8_t style, TkColor upper_colour, TkColor lower_colour, uint8_t option)
{
    return guarded_call(heap_error_code, [&] {
        ProfileArguments const call(graph, x_array, y_array, n);
        if (GraphRecord* g = call.graph())
            draw_revolution(*g, call.profile(), {angles, style, upper_colour, lower_colour, option});
        return error_state().code;
    });
}

} // extern "C"
