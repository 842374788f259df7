#pragma once

// The plot symbols as pixel shapes about a centre pixel, and the stamp of one: the pixels it
// paints, for plots of many symbols alike.

#include <cstdint>
#include <optional>

#include "lib/axes/projection.h"
#include "lib/graph/graph_record.h"
#include "lib/kelvolib.h"
#include "platform/graphics/device_context.h"
#include "platform/raster/stamp.h"

namespace kelvo {

enum class SymbolShape : int32_t {
    None = 0,
    Dot = 1,
    Plus = 2,
    Cross = 3,
    Square = 4,
    Triangle = 5,
    Circle = 6,
    FilledSquare = 7,
    FilledTriangle = 8,
    FilledCircle = 9,
};

constexpr bool is_symbol(int32_t code)
{
    return code >= 0 && code <= 9;
}

// Sizes and bar lengths in pixels never need to reach beyond twice the window limit, and
// keeping them there keeps every sum of pixel coordinates inside 32 bits.
inline constexpr int32_t longest_mark = 2 * static_cast<int32_t>(window_limit);

// The symbol with half-size h about (x, y), with the context's pen and brush; the dot is a
// pixel of its own colour, which the raster operation does not change.
void draw_symbol_shape(kp::DeviceContext& context, SymbolShape symbol, int32_t x, int32_t y, int32_t h, kp::Color dot);

// The symbol's size in pixels, and its colour: the symbol colour when the graph uses it, else
// the pen colour.
int32_t symbol_size(GraphRecord const& graph);
TkColor symbol_colour(GraphRecord const& graph);

// What one symbol of half-size h paints about its centre in a raster operation, and how the
// stamp is to be combined. Painting it at many centres paints what plotting the symbol at
// each does, in any order, provided the centres hold the symbols the order would not leave
// out: any number at one centre for operations that repaint harmlessly, and for exclusive or
// only centres reached an odd number of times. None for symbols too large to be worth it.
struct SymbolStamp {
    kp::Stamp stamp;
    kp::DeviceContext::StampOp how = kp::DeviceContext::StampOp::ByRasterOp;
};
std::optional<SymbolStamp> symbol_stamp(SymbolShape symbol, int32_t h, kp::RasterOp op);

} // namespace kelvo
