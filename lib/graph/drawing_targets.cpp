#include "lib/graph/drawing_targets.h"

#include <utility>

#include "platform/graphics/graphics_objects.h"

namespace kelvo {

namespace {

uint32_t& saved_object(GraphRecord& graph, Slot slot, kp::ObjectKind kind)
{
    SavedObjects& saved = graph.saved_objects[slot_index(slot)];
    switch (kind) {
    case kp::ObjectKind::Pen:
        return saved.pen;
    case kp::ObjectKind::Brush:
        return saved.brush;
    default:
        return saved.font;
    }
}

} // namespace

int target_count(GraphRecord const& graph)
{
    return graph.drawing_mode == DrawingMode::AutoRedraw ? 2 : 1;
}

Slot target_slot(GraphRecord const& graph, int i)
{
    return i == 2 || graph.drawing_mode == DrawingMode::Foreground ? Slot::Window : Slot::RetainedImage;
}

kp::DeviceContext* target(GraphRecord const& graph, int i)
{
    return graph.context(target_slot(graph, i));
}

kp::DeviceContext* first_target(GraphRecord const& graph)
{
    return target(graph, 1);
}

bool select_library_object(GraphRecord& graph, Slot slot, kp::ObjectKind kind, uint32_t handle)
{
    kp::DeviceContext* context = graph.context(slot);
    if (context == nullptr)
        return false;
    uint32_t const displaced = context->select_object(handle);
    if (displaced == 0)
        return false;
    uint32_t& saved = saved_object(graph, slot, kind);
    if (saved == 0)
        saved = displaced;
    else
        kp::delete_object(displaced);
    return true;
}

void restore_saved_objects(GraphRecord& graph)
{
    for (Slot slot : {Slot::Window, Slot::RetainedImage, Slot::ShownImage}) {
        kp::DeviceContext* context = graph.context(slot);
        if (context == nullptr)
            continue;
        for (kp::ObjectKind kind : {kp::ObjectKind::Pen, kp::ObjectKind::Brush, kp::ObjectKind::Font}) {
            uint32_t& saved = saved_object(graph, slot, kind);
            if (saved != 0)
                kp::delete_object(context->select_object(std::exchange(saved, 0)));
        }
    }
}

} // namespace kelvo
