#include "lib/graph/graph_record.h"

namespace kelvo {

kp::DeviceContext* GraphRecord::context(Slot slot) const
{
    if (slot == Slot::Window)
        return window_context;
    return image_contexts[slot_index(slot) - 1].get();
}

} // namespace kelvo
