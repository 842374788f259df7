/* A C program that returns from main with graphs in every drawing mode, an image, arrays, an
 * ODE set and a block still open, and with or without its host window destroyed first. It
 * must end cleanly: the library releases what is left when the process exits. */
#include <stdio.h>
#include <string.h>

#include "lib/kelvolib.h"
#include "platform/kelvoplatform.h"

int main(int argc, char** argv)
{
    int const destroy_host = argc > 1 && strcmp(argv[1], "destroy-host") == 0;
    TkWnd const host = KpCreateHeadlessHost(320, 200);
    if (host == 0)
        return 1;
    TkGraph graphs[4];
    for (int32_t mode = 1; mode <= 4; ++mode) {
        graphs[mode - 1] = TkOpenGraph(host, (mode - 1) * 80, 0, 80, 200, mode);
        if (graphs[mode - 1] == 0)
            return 2;
        TkGpLine(graphs[mode - 1], 0, 0, 79, 199);
        TkGpText(graphs[mode - 1], 5, 20, "open at exit");
        TkDispatchToWindow(graphs[mode - 1]);
    }
    TkSetMessageRoute(graphs[0], TkGetGraphHWnd(graphs[1]));
    TkImage const image = TkGetImage(graphs[1], 0, 0, 30, 30);
    TkPutImage(graphs[2], 10, 10, image, 5);

    TkArray const grid = TkNewArray2(20, 30);
    TkSetArray2(grid, 3, 4, 1.5);
    TkNewArray1(100);
    TkAddParaList(graphs[2], "a", 2.0);

    TkODE const set = TkNewODE(1, "t", 1e-6, 1e-6);
    TkSetODELine(set, 1, "y", "-a * y");
    TkSetODEValue(set, 1, 1.0);
    TkSetODEValue(set, -3, 1e-9);
    TkODESolve(set);

    TkNewBlock(1000);
    KpUpdate();
    if (destroy_host)
        KpDestroyWindow(host);
    printf("leaving with everything open\n");
    return 0;
}
