/*
 * A picture without any window system: a graph on a headless host, drawn in user
 * coordinates and saved as a PNG file.
 *
 * Usage: headless_picture [picture.png]
 */
#include <math.h>
#include <stdio.h>

#include <kelvo/kelvolib.h>
#include <kelvo/kelvoplatform.h>

enum { width = 480, height = 320, points = 200 };

/* Draws y = amplitude * sin(frequency * x) over 0 .. 2 pi with the graph's pen. */
static void draw_wave(TkGraph graph, double amplitude, double frequency)
{
    const double two_pi = 6.283185307179586;
    for (int i = 0; i <= points; ++i) {
        double x = two_pi * i / points;
        double y = amplitude * sin(frequency * x);
        if (i == 0)
            TkMoveabs(graph, x, y);
        else
            TkDrawabs(graph, x, y);
    }
}

int main(int argc, char** argv)
{
    const char* path = argc > 1 ? argv[1] : "headless_picture.png";

    /* The host stands in for a window: a graph opens in it like in any parent window. */
    TkWnd host = KpCreateHeadlessHost(width, height);
    TkGraph graph = TkOpenGraph(host, 0, 0, width, height, 2); /* drawing mode 2, "Auto Redraw" */
    if (graph == 0) {
        fprintf(stderr, "headless_picture: could not open a graph\n");
        return 1;
    }
    TkKelvoStyle(graph, 1); /* black on white, Helvetica */
    TkClearWindow(graph);

    /* User coordinates: x from 0 to 2 pi, y from -1.2 to 1.2, with the default margins. */
    TkSetRanges(graph, 0.0, 6.3, -1.2, 1.2);
    TkSetScales(graph);

    /* The zero line and the frame of the ranges, thin and grey. */
    TkPen(graph, TkRGB(160, 160, 160, 0), 1, 1);
    TkMoveabs(graph, 0.0, 0.0);
    TkDrawabs(graph, 6.3, 0.0);

    /* Two waves in two pens. */
    TkPen(graph, TkRGB(0, 0, 200, 0), 1, 2);
    draw_wave(graph, 1.0, 1.0);
    TkPen(graph, TkRGB(200, 0, 0, 0), 3, 1);
    draw_wave(graph, 0.5, 3.0);

    /* A title in window pixels, centred. */
    TkFont(graph, 2, 2, 12);
    TkTextJustified(graph, 3);
    TkGpText(graph, width / 2, 24, "sin(x) and sin(3x) / 2");

    /* Paint messages are delivered by KpUpdate, as an event loop would. */
    KpUpdate();
    int32_t saved = KpSavePng(host, path);
    if (saved == 0)
        printf("headless_picture: wrote %s\n", path);
    else
        fprintf(stderr, "headless_picture: could not write %s\n", path);

    TkCloseGraph(graph);
    KpDestroyWindow(host);
    return saved == 0 ? 0 : 1;
}
