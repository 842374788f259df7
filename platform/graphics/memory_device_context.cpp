#include "platform/graphics/memory_device_context.h"

namespace kp {

DrawingTarget MemoryDeviceContext::target()
{
    Surface* surface = selected_bitmap_surface();
    if (surface->size() != visible_size_) {
        visible_ = Region(surface->bounds());
        visible_size_ = surface->size();
    }
    return {surface, {}, &visible_};
}

} // namespace kp
