// Scenes of the "2D Primitive" menu: pixels, lines, circles, polygons, images, fonts, text
// justification and scrolling in window pixels.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <string>

#include "demo/named_colours.h"
#include "demo/scenes/scene_helpers.h"
#include "demo/scenes/scene_table.h"

namespace kelvotour {

namespace {

constexpr double pi = std::numbers::pi;

struct IntPoint {
    int32_t x;
    int32_t y;
};

IntPoint midpoint(IntPoint a, IntPoint b)
{
    return {(a.x + b.x) / 2, (a.y + b.y) / 2};
}

// The recursive triangle pattern of scene 1: the midpoints of each side coloured, then
// the same for the middle triangle and the three corner triangles.
void triangle_pattern(TkGraph id, IntPoint p1, IntPoint p2, IntPoint p3)
{
    IntPoint const m12 = midpoint(p1, p2);
    IntPoint const m23 = midpoint(p2, p3);
    IntPoint const m13 = midpoint(p1, p3);
    int32_t const x_spread = std::abs(m12.x - m23.x) + std::abs(m23.x - m13.x) + std::abs(m12.x - m13.x);
    int32_t const y_spread = std::abs(m12.y - m23.y) + std::abs(m23.y - m13.y) + std::abs(m12.y - m13.y);
    if (x_spread < 5 || y_spread < 5)
        return;
    if (y_spread > 128)
        TkDispatchToWindow(id);
    NamedColours const& c = named_colours();
    TkGpColorPixel(id, m12.x, m12.y, c.TkYellow);
    TkGpColorPixel(id, m23.x, m23.y, c.TkRed);
    TkGpColorPixel(id, m13.x, m13.y, c.TkLightCyan);
    triangle_pattern(id, m12, m23, m13);
    triangle_pattern(id, p1, m12, m13);
    triangle_pattern(id, p2, m23, m12);
    triangle_pattern(id, p3, m13, m23);
}

// n + 1 integer points of a regular n-gon (the last repeats the first), vertex k at angle
// 2 pi k / n, coordinates truncated.
template <std::size_t Count>
std::array<int32_t, 2 * Count> polygon_points(double centre_x, double centre_y, double radius, int sides)
{
    std::array<int32_t, 2 * Count> points{};
    for (std::size_t k = 1; k <= Count; ++k) {
        double const angle = 2 * pi * static_cast<double>(k) / sides;
        points[2 * (k - 1)] = static_cast<int32_t>(centre_x + radius * std::cos(angle));
        points[2 * (k - 1) + 1] = static_cast<int32_t>(centre_y + radius * std::sin(angle));
    }
    return points;
}

} // namespace

void draw_lines_dots_and_circles(DemoState& state)
{
    TkGraph const id = state.GraphId;
    reset_graph(state, Clearing::Clear);
    set_busy(state, true);
    int32_t const w = TkWindowWidth(id);
    int32_t const h = TkWindowHeight(id);
    int32_t const cx = w / 3;
    int32_t const cy = h / 2;
    int32_t const r = std::min(w / 3, cy) - 1;
    TkGpCircle(id, cx, cy, r, 0);

    double a = 0;
    double b = 7 * pi / 9;
    double const step = pi / 16;
    do {
        auto const x1 = static_cast<int32_t>(std::lround(cx + r * std::cos(a)));
        auto const y1 = static_cast<int32_t>(std::lround(cy + r * std::sin(a)));
        auto const x2 = static_cast<int32_t>(std::lround(cx + r * std::cos(b)));
        auto const y2 = static_cast<int32_t>(std::lround(cy + r * std::sin(b)));
        TkGpLine(id, x1, y1, x2, y2);
        TkGpCircle(id, x1, y1, 4, 0);
        TkGpCircle(id, x2, y2, 4, 1);
        a += step;
        b += step;
    } while (!(a > 2 * pi + step / 2));
    TkDispatchToWindow(id);

    triangle_pattern(id, {w / 2, h}, {4 * w / 5, 0}, {w, h});
    TkDispatchToWindow(id);
    TkGpText(id, w - 300, 15, "    This is an example");
    TkGpText(id, w - 300, 35, "output using Gp_graphic_text");
    TkDispatchToWindow(id);
    set_busy(state, false);
}

void draw_bitmap(DemoState& state)
{
    TkGraph const id = state.GraphId;
    NamedColours const& c = named_colours();
    set_busy(state, true);
    TkSetMouseShape(id, 7);
    TkGraphColor(id, c.TkGreen);
    TkWritemode(id, 1);
    int32_t const w = TkWindowWidth(id);

    auto const filled = polygon_points<8>(w - 250, 90, 40, 7);
    auto const outlined = polygon_points<8>(w - 90, 90, 40, 7);
    TkGpPoly(id, 8, filled.data(), 1);
    TkGpPoly(id, 8, outlined.data(), 0);
    TkGpText(id, w - 270, 150, "fill");
    TkGpText(id, w - 110, 150, "unfill");
    auto const pentagon = polygon_points<6>(50, 70, 40, 5);
    TkDispatchToWindow(id);

    // Draw the pentagon in xor, take its picture, and xor it away again.
    TkWritemode(id, 5);
    TkGpPoly(id, 6, pentagon.data(), 1);
    TkImage const image = TkGetImage(id, 10, 30, 90, 110);
    TkGpPoly(id, 6, pentagon.data(), 1);
    for (int32_t i = 0; i <= 200; ++i) {
        TkPutImage(id, 10 + i, 30 + i, image, 5);
        TkDispatchToRect(id, 9 + i, 29 + i, 90 + i, 110 + i);
        TkPutImage(id, 10 + i, 30 + i, image, 5);
    }
    for (int32_t i = 200; i >= 0; --i) {
        TkPutImage(id, 10 + i, 30 + i, image, 5);
        TkDispatchToRect(id, 10 + i, 30 + i, 91 + i, 111 + i);
        TkPutImage(id, 10 + i, 30 + i, image, 5);
    }
    TkClearImage(image);
    TkDispatchToWindow(id);
    TkGraphColor(id, c.TkCyan);
    set_busy(state, false);
}

void draw_font_faces(DemoState& state)
{
    TkGraph const id = state.GraphId;
    NamedColours const& c = named_colours();
    reset_graph(state, Clearing::Clear);
    set_busy(state, true);
    TkTextJustified(id, 3);
    int32_t const x = TkWindowWidth(id) / 2;
    TkFont(id, 1, 3, 12);
    TkTextColor(id, c.TkGreen);
    TkGpText(id, x, 15, "Roman Italic 12 points in Green");
    for (char const* line : {"The above text is drawn by the following lines:",
                             "  TkFont(id, Roman_face, Italic_style, 12);", "  TkTextColor(id, TkGreen);",
                             "  TkGpText(id, 5, 15,'Roman Italic 12 points in Green');"})
        TkGpText(id, x, next_line(id), line);
    TkTextColor(id, c.TkRed);
    TkFont(id, 1, 4, 24);
    TkGpText(id, x, next_line(id), "Roman BoldItalic 24 points in red");
    TkFont(id, 2, 2, 13);
    TkTextColor(id, c.TkYellow);
    TkGpText(id, x, next_line(id), "Helv (Arial) Bold 13 points in yellow");
    TkFont(id, 4, 1, 14);
    TkGpText(id, x, next_line(id), "Symbol Plain 14 points in yellow");
    reset_graph(state, Clearing::Keep);
    TkTextJustified(id, 3);
    TkTextColor(id, c.TkLightBlue);
    TkGpText(id, x, 200, "Back to The default font!");
    TkDispatchToWindow(id);
    set_busy(state, false);
}

void draw_font_sizes(DemoState& state)
{
    TkGraph const id = state.GraphId;
    reset_graph(state, Clearing::Clear);
    TkGpText(id, 5, 15, "Plain Roman with variable size ...");
    TkDispatchToWindow(id);
    set_busy(state, true);
    int32_t x = 5;
    for (int32_t size = 20; size >= 0; --size) {
        TkFont(id, 1, 1, size);
        std::string const text = "Now in Roman " + integer_text(size) + " points";
        if (size == 11) {
            TkGpText(id, 300, TkCellHeight(id) + 40, text.c_str());
            x = 300;
        } else {
            TkGpText(id, x, next_line(id), text.c_str());
        }
    }
    TkDispatchToWindow(id);
    set_busy(state, false);
}

void draw_text_justification(DemoState& state)
{
    TkGraph const id = state.GraphId;
    reset_graph(state, Clearing::Clear);
    int32_t const w = TkWindowWidth(id);
    int32_t const h = TkWindowHeight(id);
    TkGpRectangle(id, 40, 60, w - 40, h - 40, 1);
    set_busy(state, true);
    TkGpText(id, 5, 15, "This demo illustrates Right-Justified mode in different orientations.");
    TkDispatchToWindow(id);
    TkTextColor(id, named_colours().TkRed);
    TkTextJustified(id, 2);
    struct Placement {
        int32_t orientation, x, y;
    };
    for (Placement const& p : {Placement{1, w - 40, 60}, Placement{2, 40, 60}, Placement{3, 40, h - 40},
                               Placement{4, w - 40, h - 40}}) {
        TkFont2(id, 1, 1, 24, p.orientation);
        TkGpText(id, p.x, p.y, "Happy Kelvoing");
    }
    TkDispatchToWindow(id);
    set_busy(state, false);
    reset_graph(state, Clearing::Keep);
}

void draw_window_scrolling(DemoState& state)
{
    TkGraph const id = state.GraphId;
    reset_graph(state, Clearing::Keep);
    set_busy(state, true);
    int32_t const w = TkWindowWidth(id);
    int32_t const h = TkWindowHeight(id);
    int32_t const x1 = w / 5;
    int32_t const x2 = w - x1;
    int32_t const y1 = h / 5;
    int32_t const y2 = h - y1;
    TkGpRectangle(id, x1, y1, x2, y2, 0);
    TkGpText(id, x1 + 2, y2 - TkCellHeight(id) - 2, "Scroll up and up and up ...");
    TkDispatchToWindow(id);
    for (int32_t step = 0; step < (y2 - y1 + 2) / 2; ++step) {
        TkScrollRect(id, x1 + 1, y1 + 1, x2 - 1, y2 - 1, 0, -2);
        TkDispatchToRect(id, x1 + 1, y1 + 1, x2 - 1, y2 - 1);
    }
    set_busy(state, false);
}

} // namespace kelvotour
