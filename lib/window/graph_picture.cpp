#include "lib/window/graph_picture.h"

#include <optional>
#include <string>

#include "lib/graph/graph_recording.h"
#include "platform/raster/pixel_limits.h"
#include "platform/record/picture_file.h"

namespace kelvo {

int32_t save_graph(GraphRecord const& graph, char const* path)
{
    if (path == nullptr || *path == '\0')
        return save_cannot_write;
    std::string const destination(path);
    std::optional<kp::PictureFormat> const format = kp::picture_format_for(destination);
    if (!format)
        return save_unknown_format;
    kp::DeviceContext* context = recording_context(graph);
    kp::Recording const* recording = context != nullptr ? context->recording() : nullptr;
    if (recording == nullptr || !recording->shows_drawing())
        return save_nothing_drawn;
    // Refused before the file or any pixels are made: a PNG file keeps every pixel.
    if (!kp::within_pixel_limits(recording->area().size()))
        return save_too_large;
    // Patches show the final pixels of the surface the recording's context draws on.
    std::optional<kp::DeviceContext::Canvas> canvas = context->canvas();
    if (!canvas)
        return save_nothing_drawn;
    kp::FinalPixels const final_pixels{canvas->surface, canvas->origin};
    return kp::save_picture(*recording, final_pixels, *format, destination) ? 0 : save_cannot_write;
}

} // namespace kelvo
