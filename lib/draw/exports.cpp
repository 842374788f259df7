// The exported functions of the drawing subsystem.

#include <cstring>

#include "lib/draw/attributes.h"
#include "lib/draw/colours.h"
#include "lib/draw/fonts.h"
#include "lib/draw/images.h"
#include "lib/draw/shapes.h"
#include "lib/draw/text.h"
#include "lib/graph/graph_call.h"
#include "lib/draw/number_format.h"
#include "lib/kelvolib.h"
#include "lib/runtime/guarded_call.h"
#include "lib/runtime/short_string.h"

using namespace kelvo;

extern "C" {

TkColor TkRGB(int32_t red, int32_t green, int32_t blue, int32_t match)
{
    return guarded_call(failed_result<TkColor>(), [&] { return make_colour(red, green, blue, match); });
}

void TkGetColorSet(TkColor* colours)
{
    guarded_call([&] {
        if (colours == nullptr)
            return;
        std::memcpy(colours, colour_set().data(), sizeof(ColourSet));
    });
}

void TkKelvoStyle(TkGraph graph, int32_t style)
{
    with_graph(graph, [&](GraphRecord& g) { apply_numbered_style(g, style); });
}

void TkDefaults(TkGraph graph)
{
    with_graph(graph, [](GraphRecord& g) { restore_defaults(g); });
}

void TkPen(TkGraph graph, TkColor colour, int32_t style, int32_t width)
{
    with_graph(graph, [&](GraphRecord& g) { set_pen(g, colour, style, width); });
}

void TkGraphColor(TkGraph graph, TkColor colour)
{
    with_graph(graph, [&](GraphRecord& g) { set_pen_colour(g, colour); });
}

void TkBackColor(TkGraph graph, TkColor colour)
{
    with_graph(graph, [&](GraphRecord& g) { set_back_colour_and_write_mode(g, colour, g.write_mode); });
}

void TkWritemode(TkGraph graph, int32_t mode)
{
    with_graph(graph, [&](GraphRecord& g) { set_back_colour_and_write_mode(g, g.back_colour, mode); });
}

void TkClearWindow(TkGraph graph)
{
    with_graph(graph, [](GraphRecord& g) { clear_window(g); });
}

void TkGpFill(TkGraph graph, int32_t x1, int32_t y1, int32_t x2, int32_t y2, TkColor colour, int32_t mode)
{
    with_graph(graph, [&](GraphRecord& g) { fill_rectangle(g, x1, y1, x2, y2, colour, mode); });
}

void TkGpPixel(TkGraph graph, int32_t x, int32_t y)
{
    with_graph(graph, [&](GraphRecord& g) { draw_pixel(g, x, y); });
}

void TkGpColorPixel(TkGraph graph, int32_t x, int32_t y, TkColor colour)
{
    with_graph(graph, [&](GraphRecord& g) { draw_colour_pixel(g, x, y, colour); });
}

void TkGpLine(TkGraph graph, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    with_graph(graph, [&](GraphRecord& g) { draw_line(g, x1, y1, x2, y2); });
}

void TkGpRectangle(TkGraph graph, int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint8_t filled)
{
    with_graph(graph, [&](GraphRecord& g) {
        draw_rectangle(g, x1, y1, x2, y2, filled ? Filling::Filled : Filling::Outline);
    });
}

void TkGpPoly(TkGraph graph, int32_t count, const int32_t* points, uint8_t filled)
{
    with_graph(graph, [&](GraphRecord& g) { draw_poly(g, count, points, filled ? Filling::Filled : Filling::Outline); });
}

void TkGpCircle(TkGraph graph, int32_t x, int32_t y, int32_t radius, uint8_t filled)
{
    with_graph(graph, [&](GraphRecord& g) { draw_circle(g, x, y, radius, filled ? Filling::Filled : Filling::Outline); });
}

void TkFont(TkGraph graph, int32_t face, int32_t style, int32_t size)
{
    with_graph(graph, [&](GraphRecord& g) { set_font(g, {face, style, size, 1}); });
}

void TkFont2(TkGraph graph, int32_t face, int32_t style, int32_t size, int32_t orientation)
{
    with_graph(graph, [&](GraphRecord& g) { set_font(g, {face, style, size, orientation}); });
}

void TkTextColor(TkGraph graph, TkColor colour)
{
    with_graph(graph, [&](GraphRecord& g) { set_text_colour(g, colour); });
}

int32_t TkTextJustified(TkGraph graph, int32_t justification)
{
    return with_graph(graph, int32_t{0}, [&](GraphRecord& g) { return set_justification(g, justification); });
}

void TkGpText(TkGraph graph, int32_t x, int32_t y, const char* text)
{
    with_graph(graph, [&](GraphRecord& g) { draw_text(g, x, y, text == nullptr ? "" : text); });
}

int32_t TkEndTextX(TkGraph graph)
{
    return with_graph(graph, int32_t{0}, [](GraphRecord& g) { return g.end_text_x; });
}

int32_t TkEndTextY(TkGraph graph)
{
    return with_graph(graph, int32_t{0}, [](GraphRecord& g) { return g.end_text_y; });
}

int32_t TkCellWidth(TkGraph graph)
{
    return with_graph(graph, int32_t{0}, [](GraphRecord& g) {
        ensure_metrics(g);
        return g.cell_width;
    });
}

int32_t TkCellHeight(TkGraph graph)
{
    return with_graph(graph, int32_t{0}, [](GraphRecord& g) {
        ensure_metrics(g);
        return g.cell_height;
    });
}

TkImage TkGetImage(TkGraph graph, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    return with_graph(graph, TkImage{0}, [&](GraphRecord& g) { return get_image(g, x1, y1, x2, y2); });
}

void TkPutImage(TkGraph graph, int32_t x, int32_t y, TkImage image, int32_t mode)
{
    with_graph(graph, [&](GraphRecord& g) { put_image(g, x, y, image, mode); });
}

int32_t TkClearImage(TkImage image)
{
    return guarded_call(failed_result<int32_t>(), [&] { return clear_image(image) ? 1 : 0; });
}

void TkScrollRect(TkGraph graph, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t dx, int32_t dy)
{
    with_graph(graph, [&](GraphRecord& g) { scroll_rect(g, x1, y1, x2, y2, dx, dy); });
}

void TkScrollWindow(TkGraph graph, int32_t dx, int32_t dy)
{
    with_graph(graph, [&](GraphRecord& g) { scroll_window(g, dx, dy); });
}

int32_t TkFormatReal(int32_t width, char* buffer, double x)
{
    return guarded_call(int32_t{format_no_fit_code}, [&] {
        std::string text;
        int32_t code = format_real(width, x, text);
        if (code == 0 && buffer != nullptr) {
            std::memcpy(buffer, text.data(), text.size());
            buffer[text.size()] = '\0';
        }
        return code;
    });
}

void RealToStr(int32_t decimals, unsigned char* text, double x)
{
    guarded_call([&] { write_short_string(text, real_to_text(decimals, x)); });
}

void IntToShortStr(int32_t n, unsigned char* text)
{
    guarded_call([&] { write_short_string(text, std::to_string(n)); });
}

} // extern "C"
