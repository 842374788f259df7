#include "lib/window/graph_window.h"

#include <cstring>

#include "lib/runtime/debug_report.h"
#include "lib/window/graph_lifecycle.h"
#include "lib/window/graph_services.h"
#include "lib/window/graph_table.h"
#include "lib/window/redraw.h"
#include "platform/box/process.h"
#include "platform/window/cursor.h"
#include "platform/window/painting.h"
#include "platform/window/window.h"
#include "platform/window/window_class.h"

namespace kelvo {

namespace {

// The extra word that holds the graph identifier.
constexpr int32_t graph_word = 0;

kp::LResult on_paint(GraphRecord& graph, kp::WindowHandle window, kp::WParam word)
{
    kp::PaintRecord const record = kp::begin_paint(window);
    redraw_to_rect(graph, record.left, record.top, record.right, record.bottom);
    graph.paint_record = record;
    TkGraph const id = graph.id;
    TkWnd const route = graph.message_route;
    kp::send_message(kp::parent_of(window), paint_notification, word, id);
    if (route != 0)
        kp::send_message(route, kp::message::paint, word, id);
    kp::end_paint(window);
    return 0;
}

kp::LResult on_mouse(GraphRecord& graph, kp::WindowHandle window, uint32_t message, kp::WParam word,
                     kp::LParam value)
{
    if (message == kp::message::mouse_move)
        kp::set_cursor(cursor_of_shape(graph, graph.cursor_shape));
    graph.mouse_x = static_cast<int32_t>(value & 0xFFFF);
    graph.mouse_y = static_cast<int32_t>(value >> 16);
    // The notifications may close the graph: keep what the later steps need.
    TkGraph const id = graph.id;
    TkWnd const route = graph.message_route;
    kp::send_message(kp::parent_of(window), message + parent_mouse_offset, word, id);
    if (route != 0 && find_graph(id) != nullptr)
        kp::send_message(route, message, word, id);
    return kp::default_window_procedure(window, message, word, value);
}

} // namespace

void register_graph_window_class()
{
    if (kp::find_class(graph_window_class))
        return;
    kp::WindowClass window_class;
    window_class.name = graph_window_class;
    window_class.procedure = graph_window_procedure;
    window_class.extra_bytes = 4;
    window_class.styles = kp::ClassStyle::OwnDeviceContext | kp::ClassStyle::DoubleClicks;
    window_class.icon = graph_window_icon;
    if (!kp::register_class(std::move(window_class)))
        kp::end_process(debug_stop_exit_code);
}


void store_graph_in_window(kp::WindowHandle window, TkGraph id)
{
    kp::set_window_word(window, graph_word, static_cast<int32_t>(id));
}

kp::LResult graph_window_procedure(kp::WindowHandle window, uint32_t message, kp::WParam word, kp::LParam value)
{
    GraphRecord* graph = make_current(static_cast<TkGraph>(kp::get_window_word(window, graph_word)));
    if (graph == nullptr)
        return kp::default_window_procedure(window, message, word, value);
    if (message == kp::message::destroy) {
        graph->window = 0;
        release_graph(*graph);
        return 0;
    }
    if (message == kp::message::paint)
        return on_paint(*graph, window, word);
    if (kp::is_mouse_message(message))
        return on_mouse(*graph, window, message, word, value);
    return kp::default_window_procedure(window, message, word, value);
}

} // namespace kelvo
