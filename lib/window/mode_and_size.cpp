#include "lib/window/mode_and_size.h"

#include <cstdlib>

#include "lib/draw/attributes.h"
#include "lib/graph/pixel_boxes.h"
#include "lib/graph/target_copies.h"
#include "lib/window/graph_services.h"
#include "platform/graphics/graphics_objects.h"
#include "platform/window/window.h"

namespace kelvo {

int32_t set_drawing_mode(GraphRecord& graph, int32_t mode)
{
    DrawingMode const opened = static_cast<DrawingMode>(graph.style.drawing_mode);
    if (is_valid_mode(mode) && image_count(static_cast<DrawingMode>(mode)) <= image_count(opened))
        graph.drawing_mode = static_cast<DrawingMode>(mode);
    apply_style(graph, graph.style);
    clear_window(graph);
    dispatch_to_window(graph);
    return static_cast<int32_t>(graph.drawing_mode);
}

uint8_t resize_graph(GraphRecord& graph, int32_t x, int32_t y, int32_t width, int32_t height)
{
    kp::move_window(graph.window, {x, y, absolute_size(width), absolute_size(height)}, kp::Repaint::Yes);
    kp::Rect const client = kp::client_rect(graph.window);
    graph.window_width = client.width;
    graph.window_height = client.height;

    bool failed = false;
    kp::Size const window{graph.window_width, graph.window_height};
    if (images_need_rebuild({graph.image_width, graph.image_height}, window)) {
        kp::Size const size = image_size_for(window, image_slack_at_rebuild);
        for (std::unique_ptr<kp::MemoryDeviceContext>& context : graph.image_contexts) {
            if (!context || failed)
                continue;
            set_waiting(graph, true);
            uint32_t const bitmap = kp::create_compatible_bitmap(*context, size.width, size.height);
            if (bitmap != 0)
                kp::delete_object(context->select_object(bitmap));
            else
                failed = true;
            set_waiting(graph, false);
        }
        if (!failed) {
            graph.image_width = size.width;
            graph.image_height = size.height;
        }
    }
    clear_window(graph);
    dispatch_to_window(graph);
    return failed ? 0 : 1;
}

} // namespace kelvo
