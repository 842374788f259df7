/*
 * A C caller that draws into a headless host and returns from main without closing
 * anything: the graph, its window and the host are still alive while the process exits.
 * With "destroy-host" the host goes first, taking the graph's window with it, and the
 * graph is never closed. Whatever order the libraries' own teardown runs in, exit must not
 * touch freed memory; the sanitizer build is what watches.
 *
 * Usage: exit_with_open_windows [keep-host | destroy-host] [picture.png]
 */

#include <stdio.h>
#include <string.h>

#include "lib/kelvolib.h"
#include "platform/kelvoplatform.h"

int main(int argc, char** argv)
{
    int const destroy_host = argc > 1 && strcmp(argv[1], "destroy-host") == 0;
    TkWnd const host = KpCreateHeadlessHost(120, 90);
    if (host == 0) {
        fprintf(stderr, "no host\n");
        return 1;
    }
    TkGraph const graph = TkOpenGraph(host, 10, 10, 100, 70, 2 + 64);
    if (graph == 0) {
        fprintf(stderr, "no graph\n");
        return 1;
    }

    /* A thick red line and some text: pen, brush and font end up selected into the graph
     * window's own device context, which is exactly what must survive the exit. */
    TkColor const red = 0x000000FF;
    TkPen(graph, red, 1, 3);
    TkGpLine(graph, 5, 45, 90, 45);
    TkFont(graph, 2, 1, 12);
    TkTextColor(graph, red);
    TkGpText(graph, 5, 25, "still open");
    TkDispatchToWindow(graph);
    KpUpdate();

    /* The line crosses graph x = 40 at y = 45: host (10 + 1 + 40, 10 + 1 + 45) with the border. */
    uint32_t const drawn = KpGetPixel(host, 51, 56);
    if (drawn != red) {
        fprintf(stderr, "expected the red line at (51, 56), found 0x%08X\n", (unsigned)drawn);
        return 1;
    }
    if (argc > 2 && KpSavePng(host, argv[2]) != 0) {
        fprintf(stderr, "could not write %s\n", argv[2]);
        return 1;
    }
    if (destroy_host) {
        KpDestroyWindow(host);
        if (KpGetPixel(host, 51, 56) != 0xFFFFFFFFu) {
            fprintf(stderr, "the destroyed host still answers\n");
            return 1;
        }
    }
    return 0;
}
