#include "lib/axes/symbol_shapes.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "lib/axes/projection.h"
#include "lib/draw/shapes.h"
#include "platform/graphics/graphics_objects.h"
#include "platform/graphics/memory_device_context.h"
#include "platform/graphics/object_guards.h"

namespace kelvo {

namespace {

// Stamps are for symbols of the sizes plots use; larger ones are drawn one by one.
constexpr int32_t largest_stamped_size = 64;

} // namespace

void draw_symbol_shape(kp::DeviceContext& context, SymbolShape symbol, int32_t x, int32_t y, int32_t h, kp::Color dot)
{
    // The triangle points up: apex, lower right, lower left, apex again.
    std::array<int32_t, 8> const triangle{x, y - h, x + h, y + h, x - h, y + h, x, y - h};
    switch (symbol) {
    case SymbolShape::None:
        break;
    case SymbolShape::Dot:
        context.set_pixel({x, y}, dot);
        break;
    case SymbolShape::Plus:
        draw_line_on(context, x - h, y, x + h, y);
        draw_line_on(context, x, y - h, x, y + h);
        break;
    case SymbolShape::Cross:
        draw_line_on(context, x + h, y + h, x - h, y - h);
        draw_line_on(context, x - h, y + h, x + h, y - h);
        break;
    case SymbolShape::Square:
        draw_rectangle_on(context, x - h, y - h, x + h, y + h, Filling::Outline);
        break;
    case SymbolShape::Triangle:
        draw_poly_on(context, 4, triangle.data(), Filling::Outline);
        break;
    case SymbolShape::Circle:
        draw_circle_on(context, x, y, h, Filling::Outline);
        break;
    case SymbolShape::FilledSquare:
        draw_rectangle_on(context, x - h, y - h, x + h, y + h, Filling::Filled);
        break;
    case SymbolShape::FilledTriangle:
        draw_poly_on(context, 4, triangle.data(), Filling::Filled);
        break;
    case SymbolShape::FilledCircle:
        draw_circle_on(context, x, y, h, Filling::Filled);
        break;
    }
}

int32_t symbol_size(GraphRecord const& graph)
{
    return std::clamp(graph.coordinates.SymbolSize, -longest_mark, longest_mark);
}

TkColor symbol_colour(GraphRecord const& graph)
{
    return graph.coordinates.UseSymbolColour ? graph.coordinates.SymbolColour : graph.pen.colour;
}

std::optional<SymbolStamp> symbol_stamp(SymbolShape symbol, int32_t h, kp::RasterOp op)
{
    if (std::abs(h) > largest_stamped_size)
        return std::nullopt;
    // The symbol drawn once in white on black, in the raster operation's kind: exclusive or
    // leaves the pixels painted an odd number of times, the others every pixel painted.
    bool const parity = op == kp::RasterOp::Xor;
    int32_t const centre = std::abs(h) + 2;
    kp::MemoryDeviceContext scratch;
    kp::OwnedObject const bitmap(kp::create_compatible_bitmap(scratch, 2 * centre + 1, 2 * centre + 1));
    kp::OwnedObject const pen(kp::create_pen(kp::PenStyle::Solid, 1, kp::colors::white));
    kp::OwnedObject const brush(kp::create_solid_brush(kp::colors::white));
    if (!bitmap || !pen || !brush)
        return std::nullopt;
    kp::ScopedSelection const with_bitmap(scratch, bitmap.get());
    kp::ScopedSelection const with_pen(scratch, pen.get());
    kp::ScopedSelection const with_brush(scratch, brush.get());
    if (!with_bitmap.selected() || !with_pen.selected() || !with_brush.selected())
        return std::nullopt;
    scratch.set_raster_op(parity ? kp::RasterOp::Xor : kp::RasterOp::Copy);
    draw_symbol_shape(scratch, symbol, centre, centre, h, kp::colors::white);
    kp::Surface const* picture = kp::bitmap_surface(bitmap.get());
    if (picture == nullptr)
        return std::nullopt;
    SymbolStamp result;
    // The corner lies beyond every shape: what the bitmap held before.
    result.stamp = kp::Stamp::of_picture(*picture, {centre, centre}, picture->at(0, 0));
    // A dot is a pixel set whatever the raster operation.
    result.how = symbol == SymbolShape::Dot ? kp::DeviceContext::StampOp::Set : kp::DeviceContext::StampOp::ByRasterOp;
    return result;
}

} // namespace kelvo
