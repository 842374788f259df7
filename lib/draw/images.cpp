#include "lib/draw/images.h"

#include "lib/draw/colours.h"
#include "lib/graph/drawing_targets.h"
#include "lib/graph/graph_table.h"
#include "platform/graphics/graphics_objects.h"
#include "platform/graphics/memory_device_context.h"
#include "platform/graphics/object_guards.h"
#include "platform/window/painting.h"

namespace kelvo {

TkImage get_image(GraphRecord& graph, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    if (x1 > x2 || y2 < y1)
        return 0;
    kp::DeviceContext* source = first_target(graph);
    if (source == nullptr)
        return 0;
    int64_t const width = int64_t{x2} - x1 + 1;
    int64_t const height = int64_t{y2} - y1 + 1;
    if (width > kp::max_bitmap_side || height > kp::max_bitmap_side)
        return 0;
    uint32_t const image =
        kp::create_discardable_bitmap(*source, static_cast<int32_t>(width), static_cast<int32_t>(height));
    if (image == 0)
        return 0;
    kp::MemoryDeviceContext copier(*source);
    kp::ScopedSelection const with_image(copier, image);
    copier.copy_block({0, 0, static_cast<int32_t>(width), static_cast<int32_t>(height)}, *source, {x1, y1},
                      kp::RasterOp::Copy);
    return image;
}

void put_image(GraphRecord& graph, int32_t x, int32_t y, TkImage image, int32_t mode)
{
    if (!kp::is_raster_op(mode) || image == 0)
        return;
    std::optional<kp::Size> const size = kp::bitmap_size(image);
    kp::DeviceContext* first = first_target(graph);
    if (!size || first == nullptr)
        return;
    kp::MemoryDeviceContext source(*first);
    kp::ScopedSelection const with_image(source, image);
    if (!with_image.selected())
        return;
    kp::Rect const area = kp::Rect::from_edges(x, y, int64_t{x} + size->width, int64_t{y} + size->height);
    for_each_target(graph, [&](kp::DeviceContext& context, Slot) {
        context.copy_block(area, source, {0, 0}, static_cast<kp::RasterOp>(mode));
    });
}

bool clear_image(TkImage image)
{
    // Only bitmaps: an image handle must not delete a caller's pen or a graph's image.
    if (kp::object_kind(image) != kp::ObjectKind::Bitmap)
        return false;
    return kp::delete_object(image);
}

void scroll_rect(GraphRecord& graph, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t dx, int32_t dy)
{
    if (x2 < x1 || y2 < y1)
        return;
    // The pending paint tells the parent, which may close the graph meanwhile.
    TkGraph const id = graph.id;
    kp::update_window(graph.window);
    if (find_graph(id) == nullptr)
        return;
    kp::Rect const area = kp::Rect::from_edges(x1, y1, int64_t{x2} + 1, int64_t{y2} + 1);
    kp::OwnedObject brush(kp::create_solid_brush(to_color(graph.back_colour)));
    for_each_target(graph, [&](kp::DeviceContext& context, Slot) {
        kp::Region const uncovered = context.scroll(area, dx, dy, area);
        kp::ScopedSelection const with_brush(context, brush.get());
        kp::ScopedRasterOp const with_copy(context, kp::RasterOp::Copy);
        context.paint_region(uncovered);
    });
}

void scroll_window(GraphRecord& graph, int32_t dx, int32_t dy)
{
    scroll_rect(graph, 0, 0, graph.window_width - 1, graph.window_height - 1, dx, dy);
}

} // namespace kelvo
