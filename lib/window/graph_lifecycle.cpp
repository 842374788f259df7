#include "lib/window/graph_lifecycle.h"

#include <cstdlib>
#include <utility>
#include <string>

#include "lib/draw/attributes.h"
#include "lib/graph/pixel_boxes.h"
#include "lib/kelvolib.h"
#include "lib/runtime/calls_under_way.h"
#include "lib/graph/drawing_targets.h"
#include "lib/window/graph_services.h"
#include "lib/graph/graph_table.h"
#include "lib/window/graph_window.h"
#include "lib/graph/scale_routine.h"
#include "lib/graph/target_copies.h"
#include "lib/window/mode_and_size.h"
#include "platform/box/message_box.h"
#include "platform/graphics/graphics_objects.h"
#include "platform/window/window.h"
#include "platform/window/window_device_context.h"

namespace kelvo {

namespace {

void report_window_failure()
{
    kp::MessageBoxRequest request;
    request.text = "Fail to create graph window (" + std::to_string(kp::last_error()) + ")";
    request.buttons = kp::MessageBoxButtons::Ok;
    kp::show_message_box(request);
}

// Steps 7 to 10 of opening: the off-screen images the opened mode needs.
bool create_images(GraphRecord& graph)
{
    int const needed = image_count(static_cast<DrawingMode>(graph.style.drawing_mode));
    kp::Size const size = image_size_for({graph.window_width, graph.window_height}, image_slack_at_open);
    for (int i = 0; i < needed; ++i) {
        auto context = std::make_unique<kp::MemoryDeviceContext>(*graph.window_context);
        uint32_t const bitmap = kp::create_compatible_bitmap(*graph.window_context, size.width, size.height);
        if (bitmap == 0 || TkLowMemory() != 0) {
            kp::delete_object(bitmap);
            return false;
        }
        graph.saved_bitmaps[static_cast<std::size_t>(i)] = context->select_object(bitmap);
        graph.image_contexts[static_cast<std::size_t>(i)] = std::move(context);
    }
    graph.image_width = size.width;
    graph.image_height = size.height;
    return true;
}

} // namespace

TkGraph open_graph(TkWnd parent, int32_t x, int32_t y, int32_t width, int32_t height, int32_t flags)
{
    StyleRecord style = build_style_record(0);
    style.drawing_mode = static_cast<int32_t>(opened_mode_from_flags(flags));

    auto record = std::make_unique<GraphRecord>();
    GraphRecord& graph = *record;
    graph.style = style;
    graph.window_width = absolute_size(width);
    graph.window_height = absolute_size(height);
    graph.drawing_mode = static_cast<DrawingMode>(style.drawing_mode);

    kp::WindowStyle styles = kp::WindowStyle::ClipSiblings | kp::WindowStyle::ClipChildren;
    if (flags & open_flag_border)
        styles = styles | kp::WindowStyle::Border;
    kp::WindowHandle const window =
        kp::create_window({graph_window_class, parent, {x, y, graph.window_width, graph.window_height}, styles});
    if (window == 0) {
        report_window_failure();
        return 0;
    }
    TkGraph const id = graph_table().graphs.insert(std::move(record));
    graph.id = id;
    graph.window = window;
    // The window system keeps windows within its coordinate range: record what it made.
    kp::Rect const client = kp::client_rect(window);
    graph.window_width = client.width;
    graph.window_height = client.height;
    store_graph_in_window(window, id);
    graph.window_context = kp::window_device_context(window);

    if (!create_images(graph)) {
        kp::destroy_window(window); // its destroy handling frees everything
        return 0;
    }

    current_graph_record = &graph;
    graph.metrics_valid = false;
    graph.message_route = 0;
    graph.cursor_handles = {};
    graph.cursor_shape = 1;
    set_mouse_shape(graph, 6);
    restore_defaults(graph);
    kp::bring_to_top(window);
    if (!(flags & open_flag_hidden))
        kp::show_window(window, kp::Visibility::Shown);
    clear_window(graph);
    dispatch_to_window(graph);
    compute_scales(graph);
    return id;
}

bool close_graph(TkGraph id)
{
    GraphRecord* graph = find_graph(id);
    if (graph == nullptr)
        return false;
    kp::destroy_window(graph->window);
    return true;
}

void release_graph(GraphRecord& graph)
{
    restore_saved_objects(graph);
    for (std::size_t i = 0; i < graph.image_contexts.size(); ++i) {
        std::unique_ptr<kp::MemoryDeviceContext>& context = graph.image_contexts[i];
        if (context && graph.saved_bitmaps[i] != 0)
            kp::delete_object(context->select_object(graph.saved_bitmaps[i]));
        context.reset();
    }
    // The window's own context goes with the window.
    graph.window_context = nullptr;
    if (graph.window != 0)
        kp::destroy_window(std::exchange(graph.window, 0));
    if (current_graph_record == &graph)
        current_graph_record = nullptr;
    // A call under way may still be working on the record: it draws into nothing from now on.
    release_when_calls_end(graph_table().graphs.remove(graph.id));
}

} // namespace kelvo
