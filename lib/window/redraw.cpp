#include "lib/window/redraw.h"

#include <cstdlib>

#include "lib/draw/attributes.h"
#include "lib/draw/pixel_boxes.h"
#include "lib/window/graph_services.h"
#include "platform/graphics/graphics_objects.h"
#include "platform/window/window.h"

namespace kelvo {

namespace {

// The inclusive rectangle as a half-open one; null when narrower than empty.
std::optional<kp::Rect> block(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    int64_t const width = int64_t{x2} - x1 + 1;
    int64_t const height = int64_t{y2} - y1 + 1;
    if (width < 0 || height < 0)
        return std::nullopt;
    return kp::Rect::from_edges(x1, y1, int64_t{x1} + width, int64_t{y1} + height);
}

void copy_between(GraphRecord const& graph, Slot from, Slot to, kp::Rect area)
{
    kp::DeviceContext* source = graph.context(from);
    kp::DeviceContext* destination = graph.context(to);
    if (source != nullptr && destination != nullptr && !area.is_empty())
        destination->copy_block(area, *source, area.origin(), kp::RasterOp::Copy);
}

} // namespace

void redraw_to_rect(GraphRecord& graph, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    if (graph.drawing_mode == DrawingMode::Foreground)
        return;
    Slot const source = graph.drawing_mode == DrawingMode::Background ? Slot::ShownImage : Slot::RetainedImage;
    if (std::optional<kp::Rect> area = block(x1, y1, x2, y2))
        copy_between(graph, source, Slot::Window, *area);
}

void redraw_to_window(GraphRecord& graph)
{
    redraw_to_rect(graph, 0, 0, graph.window_width - 1, graph.window_height - 1);
}

void dispatch_to_rect(GraphRecord& graph, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    if (graph.drawing_mode == DrawingMode::Foreground)
        return;
    std::optional<kp::Rect> area = block(x1, y1, x2, y2);
    if (!area)
        return;
    copy_between(graph, Slot::RetainedImage, Slot::Window, *area);
    if (graph.drawing_mode == DrawingMode::Background)
        copy_between(graph, Slot::RetainedImage, Slot::ShownImage, *area);
}

void dispatch_to_window(GraphRecord& graph)
{
    dispatch_to_rect(graph, 0, 0, graph.window_width - 1, graph.window_height - 1);
}

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
