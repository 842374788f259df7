#include "lib/graph/graph_recording.h"

#include "lib/graph/drawing_targets.h"
#include "platform/record/recording.h"

namespace kelvo {

kp::DeviceContext* recording_context(GraphRecord const& graph)
{
    return first_target(graph);
}

void start_new_recording(GraphRecord& graph)
{
    kp::DeviceContext* const recorder = recording_context(graph);
    for (Slot slot : {Slot::Window, Slot::RetainedImage, Slot::ShownImage}) {
        kp::DeviceContext* context = graph.context(slot);
        if (context != nullptr && context != recorder)
            context->stop_recording();
    }
    if (recorder != nullptr)
        recorder->start_recording({0, 0, graph.window_width, graph.window_height});
}

void mark_recording_cleared(GraphRecord& graph)
{
    if (kp::DeviceContext* context = recording_context(graph))
        if (kp::Recording* recording = context->recording())
            recording->mark_cleared();
}

} // namespace kelvo
