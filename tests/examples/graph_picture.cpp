// Example: one graph on a headless host with every primitive, the five faces, the four
// orientations and an image, saved as a PNG. Usage: graph_picture [picture.png]

#include <cmath>
#include <cstdio>
#include <string>

#include "lib/kelvolib.h"
#include "platform/kelvoplatform.h"

int main(int argc, char** argv)
{
    char const* path = argc > 1 ? argv[1] : "graph_picture.png";
    TkWnd host = KpCreateHeadlessHost(640, 480);
    TkGraph g = TkOpenGraph(host, 10, 10, 620, 460, 2 + 64);
    if (g == 0)
        return 1;
    TkKelvoStyle(g, 1);
    TkClearWindow(g);
    TkColor colours[16];
    TkGetColorSet(colours);

    // Primitives: pixels, lines in each pen style, rectangles, polygons, circles.
    for (int i = 0; i < 40; ++i)
        TkGpColorPixel(g, 10 + 2 * i, 10, colours[i % 16]);
    for (int style = 1; style <= 5; ++style) {
        TkPen(g, colours[style], style, 1);
        TkGpLine(g, 10, 20 + 8 * style, 150, 20 + 8 * style);
    }
    TkPen(g, colours[4], 1, 5);
    TkGpLine(g, 10, 80, 150, 110);
    TkPen(g, colours[0], 1, 1);
    TkGpRectangle(g, 170, 20, 230, 70, 0);
    TkGraphColor(g, colours[9]);
    TkGpRectangle(g, 240, 20, 300, 70, 1);
    int32_t pentagram[10];
    for (int k = 0; k < 5; ++k) {
        double const angle = -M_PI / 2 + k * 4 * M_PI / 5;
        pentagram[2 * k] = static_cast<int32_t>(std::lround(350 + 30 * std::cos(angle)));
        pentagram[2 * k + 1] = static_cast<int32_t>(std::lround(50 + 30 * std::sin(angle)));
    }
    TkGraphColor(g, colours[12]);
    TkGpPoly(g, 5, pentagram, 1);
    TkGraphColor(g, colours[2]);
    TkGpCircle(g, 430, 50, 30, 0);
    TkGpCircle(g, 500, 50, 20, 1);
    TkWritemode(g, 5);
    TkGpFill(g, 480, 30, 560, 60, colours[14], 5);
    TkWritemode(g, 1);

    // The five faces, each in its own colour.
    char const* names[] = {"Times-Roman", "Helvetica", "terminal", "Symbol (abcdef)", "Courier New"};
    for (int face = 1; face <= 5; ++face) {
        TkFont(g, face, 1, 14);
        TkTextColor(g, colours[face]);
        TkGpText(g, 10, 140 + 24 * face, names[face - 1]);
    }
    TkFont(g, 1, 4, 14);
    TkTextColor(g, colours[4]);
    TkGpText(g, 10, 290, "Times bold italic");

    // The four orientations about one point, justified at their ends.
    TkTextJustified(g, 2);
    TkTextColor(g, colours[0]);
    for (int orientation = 1; orientation <= 4; ++orientation) {
        TkFont2(g, 2, 1, 12, orientation);
        TkGpText(g, 420, 260, ("orientation " + std::to_string(orientation)).c_str());
    }
    TkGpCircle(g, 420, 260, 2, 1);
    TkTextJustified(g, 1);

    // An image: the rectangles and polygon, placed again lower down.
    TkImage image = TkGetImage(g, 170, 15, 390, 85);
    TkPutImage(g, 200, 380, image, 1);
    TkPutImage(g, 420, 380, image, 2);
    TkClearImage(image);

    TkDispatchToWindow(g);
    KpUpdate();
    int32_t const saved = KpSavePng(host, path);
    std::printf("%s %s\n", saved == 0 ? "wrote" : "could not write", path);
    TkCloseGraph(g);
    KpDestroyWindow(host);
    return saved == 0 ? 0 : 1;
}
