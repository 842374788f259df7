// The exported functions of the graph window subsystem.

#include <cstring>

#include "lib/kelvolib.h"
#include "lib/runtime/guarded_call.h"
#include "lib/graph/graph_call.h"
#include "lib/window/graph_lifecycle.h"
#include "lib/window/graph_picture.h"
#include "lib/window/graph_services.h"
#include "lib/graph/target_copies.h"
#include "lib/window/mode_and_size.h"
#include "platform/box/dialog.h"
#include "platform/window/window.h"

using namespace kelvo;

extern "C" {

TkGraph TkOpenGraph(TkWnd parent, int32_t x, int32_t y, int32_t width, int32_t height, int32_t flags)
{
    return guarded_call(TkGraph{0}, [&] { return open_graph(parent, x, y, width, height, flags); });
}

uint16_t TkCloseGraph(TkGraph graph)
{
    return guarded_call(uint16_t{0}, [&] {
        make_current(graph);
        return static_cast<uint16_t>(close_graph(graph) ? 1 : 0);
    });
}

int32_t TkShowGraph(TkGraph graph)
{
    return with_found_graph(graph, int32_t{0}, [](GraphRecord& g) {
        return kp::show_window(g.window, kp::Visibility::Shown) == kp::Visibility::Shown ? 1 : 0;
    });
}

int32_t TkHideGraph(TkGraph graph)
{
    return with_found_graph(graph, int32_t{0}, [](GraphRecord& g) {
        return kp::show_window(g.window, kp::Visibility::Hidden) == kp::Visibility::Shown ? 1 : 0;
    });
}

TkWnd TkGetGraphHWnd(TkGraph graph)
{
    return with_found_graph(graph, TkWnd{0}, [](GraphRecord& g) { return g.window; });
}

int32_t TkSaveGraph(TkGraph graph, const char* path)
{
    // Saving reads the graph and leaves the current graph as it was.
    return with_found_graph(graph, save_no_graph, [&](GraphRecord& g) { return save_graph(g, path); });
}

int32_t TkWindowWidth(TkGraph graph)
{
    return with_graph(graph, int32_t{0}, [](GraphRecord& g) { return g.window_width; });
}

int32_t TkWindowHeight(TkGraph graph)
{
    return with_graph(graph, int32_t{0}, [](GraphRecord& g) { return g.window_height; });
}

void ShowAboutBox(uint32_t /*instance: dialogs come from the presenter*/, const char* template_name)
{
    guarded_call([&] {
        GraphRecord const* graph = current_graph();
        kp::show_dialog({graph == nullptr ? 0 : graph->window, template_name == nullptr ? "" : template_name});
    });
}

int32_t TkSetDrawingMode(TkGraph graph, int32_t mode)
{
    return with_graph(graph, int32_t{0}, [&](GraphRecord& g) { return set_drawing_mode(g, mode); });
}

void TkRedrawToWindow(TkGraph graph)
{
    with_graph(graph, [](GraphRecord& g) { redraw_to_window(g); });
}

void TkRedrawToRect(TkGraph graph, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    with_graph(graph, [&](GraphRecord& g) { redraw_to_rect(g, x1, y1, x2, y2); });
}

void TkDispatchToWindow(TkGraph graph)
{
    with_graph(graph, [](GraphRecord& g) { dispatch_to_window(g); });
}

void TkDispatchToRect(TkGraph graph, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    with_graph(graph, [&](GraphRecord& g) { dispatch_to_rect(g, x1, y1, x2, y2); });
}

uint8_t TkResize(TkGraph graph, int32_t x, int32_t y, int32_t width, int32_t height)
{
    return with_graph(graph, uint8_t{0}, [&](GraphRecord& g) { return resize_graph(g, x, y, width, height); });
}

void TkSetMessageRoute(TkGraph graph, TkWnd window)
{
    // The route is set without making the graph current.
    with_found_graph(graph, [&](GraphRecord& g) { g.message_route = window; });
}

uint8_t* TkGetPaintInfo(TkGraph graph, uint8_t* buffer)
{
    with_graph(graph, [&](GraphRecord& g) {
        if (buffer != nullptr)
            std::memcpy(buffer, &g.paint_record, sizeof g.paint_record);
    });
    return buffer;
}

int32_t* TkGetMousePos(TkGraph graph, int32_t* point)
{
    with_graph(graph, [&](GraphRecord& g) {
        if (point != nullptr) {
            point[0] = g.mouse_x;
            point[1] = g.mouse_y;
        }
    });
    return point;
}

int32_t TkSetMouseShape(TkGraph graph, int32_t shape)
{
    return with_graph(graph, int32_t{0}, [&](GraphRecord& g) { return set_mouse_shape(g, shape); });
}

int32_t TkSetWaiting(TkGraph graph, uint16_t waiting)
{
    return with_graph(graph, int32_t{0}, [&](GraphRecord& g) { return set_waiting(g, waiting != 0); });
}

} // extern "C"
