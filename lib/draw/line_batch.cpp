#include "lib/draw/line_batch.h"

#include <algorithm>

#include "lib/draw/attributes.h"
#include "lib/graph/drawing_targets.h"

namespace kelvo {

thread_local std::vector<kp::PaintedLine> LineBatch::spare_lines_;

LineBatch::LineBatch(GraphRecord& graph) : graph_(graph)
{
    pending_.swap(spare_lines_);
}

LineBatch::~LineBatch()
{
    try {
        flush();
    } catch (...) {
    }
    pending_.clear();
    if (pending_.capacity() > spare_lines_.capacity())
        pending_.swap(spare_lines_);
}

void LineBatch::make_room()
{
    if (pending_.size() >= flush_size)
        flush();
    else
        pending_.reserve(std::clamp<std::size_t>(2 * pending_.capacity(), 64, flush_size));
}

void LineBatch::flush()
{
    if (pending_.empty())
        return;
    for_each_target(graph_, [&](kp::DeviceContext& context, Slot) { context.draw_lines(pending_); });
    if (graph_.pen.colour != last_colour_)
        set_pen_colour(graph_, last_colour_);
    pending_.clear();
}

} // namespace kelvo
