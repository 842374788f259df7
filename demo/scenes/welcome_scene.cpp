#include "demo/scenes/scene_helpers.h"
#include "demo/scenes/scene_table.h"

namespace kelvotour {

void draw_welcome(DemoState& state)
{
    TkGraph const id = state.GraphId;
    TkClearWindow(id);
    TkGpText(id, 5, 15, "Hello world!                          22 May 00 Testing");
    TkGpText(id, 5, next_line(id), "");
    for (char const* line : {"You can test out various Toolkit functions by selecting",
                             "appropiate meun items. Automatic redrawing is supported",
                             "so that the window will redraw itself.  Simulations can be",
                             "done in DelayRedraw mode to minimize flicking. Resizing",
                             "is supported in the sense that graph can change size",
                             "without losing its properties, but the user needs to redraw", "the picture."})
        TkGpText(id, 5, next_line(id), line);
    int32_t const ch = TkCellHeight(id);
    TkGpText(id, 5, TkEndTextY(id) + 3 * ch / 2,
             "KelvoLib began as a toolkit for scientific pictures in desktop windows;");
    TkGpText(id, 5, next_line(id), "this tour now runs on Linux, on our own window system and raster engine.");
    TkGpText(id, 5, TkEndTextY(id) + 3 * ch / 2, ("DLL version number: " + integer_text(TkGetVersion())).c_str());
    TkDispatchToWindow(id);
}

} // namespace kelvotour
