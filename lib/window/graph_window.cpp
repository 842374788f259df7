#include "lib/window/graph_window.h"

#include <cstring>

#include "lib/graph/graph_table.h"
#include "lib/graph/target_copies.h"
#include "lib/runtime/debug_report.h"
#include "lib/runtime/guarded_call.h"
#include "lib/window/graph_lifecycle.h"
#include "lib/window/graph_services.h"
#include "platform/box/process.h"
#include "platform/window/cursor.h"
#include "platform/window/painting.h"
#include "platform/window/window.h"
#include "platform/window/window_class.h"

namespace kelvo {

namespace {

// The extra word that holds the graph identifier.
constexpr int32_t graph_word = 0;

// Marks a graph as passing a message along its route for as long as it lives. The message
// may close the graph: the mark is cleared through the identifier, never the record.
class RouteMark {
public:
    explicit RouteMark(GraphRecord& graph) : id_(graph.id) { graph.routing = true; }
    ~RouteMark()
    {
        if (GraphRecord* graph = find_graph(id_))
            graph->routing = false;
    }
    RouteMark(RouteMark const&) = delete;
    RouteMark& operator=(RouteMark const&) = delete;

private:
    TkGraph id_;
};

// Sends a message on to the graph's route window, unless the graph was closed meanwhile (the
// parent's notification may close it) or the message has already passed through this graph
// on its way: a route that leads back to a graph, directly or through other graphs, ends
// there instead of going round for ever.
void send_along_route(TkGraph id, uint32_t message, kp::WParam word)
{
    GraphRecord* graph = find_graph(id);
    if (graph == nullptr || graph->message_route == 0 || graph->routing)
        return;
    RouteMark const passing(*graph);
    kp::send_message(graph->message_route, message, word, id);
}

kp::LResult on_paint(GraphRecord& graph, kp::WindowHandle window, kp::WParam word)
{
    kp::PaintRecord const record = kp::begin_paint(window);
    redraw_to_rect(graph, record.left, record.top, record.right, record.bottom);
    graph.paint_record = record;
    TkGraph const id = graph.id;
    kp::send_message(kp::parent_of(window), paint_notification, word, id);
    send_along_route(id, kp::message::paint, word);
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
    kp::send_message(kp::parent_of(window), message + parent_mouse_offset, word, id);
    send_along_route(id, message, word);
    return kp::default_window_procedure(window, message, word, value);
}

kp::LResult handle_message(kp::WindowHandle window, uint32_t message, kp::WParam word, kp::LParam value)
{
    GraphRecord* graph = make_current(static_cast<TkGraph>(kp::get_window_word(window, graph_word)));
    if (graph == nullptr)
        return kp::default_window_procedure(window, message, word, value);
    if (message == kp::message::destroy) {
        graph->window = 0;
        release_graph(*graph);
        return 0;
    }
    bool const routed_message = message == kp::message::paint || kp::is_mouse_message(message);
    // A message that comes back to a graph along a route cycle stops here.
    if (routed_message && graph->routing)
        return 0;
    if (message == kp::message::paint)
        return on_paint(*graph, window, word);
    if (kp::is_mouse_message(message))
        return on_mouse(*graph, window, message, word, value);
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
    // Messages arrive from the platform, which callers drive from C: no exception may leave.
    return guarded_call(kp::LResult{0}, [&] { return handle_message(window, message, word, value); });
}

} // namespace kelvo
