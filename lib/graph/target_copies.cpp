#include "lib/graph/target_copies.h"

#include <optional>

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

} // namespace kelvo
