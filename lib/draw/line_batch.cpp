#include "lib/draw/line_batch.h"

#include <algorithm>
#include <optional>

#include "lib/draw/attributes.h"
#include "lib/draw/shapes.h"
#include "lib/graph/drawing_targets.h"
#include "platform/raster/line.h"

namespace kelvo {

namespace {

// A one-pixel solid pen paints each line's pixels in the line's colour with the context's
// raster operation, as the context itself would, but through one canvas for all of them:
// the line from A to B, then its end B (the one-pixel line from B to B + 1).
void paint_solid_lines(kp::DeviceContext& context, std::span<kp::PaintedLine const> lines)
{
    std::optional<kp::DeviceContext::Canvas> canvas = context.canvas();
    if (!canvas)
        return;
    kp::RasterOp const op = context.raster_op();
    std::span<kp::Rect const> const rects = canvas->clip.rects();
    kp::Surface& surface = canvas->surface;
    kp::DeviceBox const damage = kp::line_ends_device_box(lines, canvas->origin);
    kp::with_raster_op(op, [&](auto operation) {
        // The clip rectangle that held the last line whole: consecutive lines of a drawing
        // lie close together, so it mostly holds the next one too.
        kp::Rect const* near = &rects.front();
        // Every end inside one clip rectangle (the whole window, most often): no line needs a
        // test of its own.
        bool const all_inside = std::ranges::any_of(rects, [&damage](kp::Rect const& rect) {
            return damage.left >= rect.left() && damage.top >= rect.top() && damage.right <= rect.right()
                   && damage.bottom <= rect.bottom();
        });
        for (kp::PaintedLine const& line : lines) {
            kp::DevicePoint const a = kp::DevicePoint::from(line.from, canvas->origin);
            kp::DevicePoint const b = kp::DevicePoint::from(line.to, canvas->origin);
            uint32_t const value = line.color.pixel();
            // draw_line's end step from B to B + 1 is empty at the largest x.
            bool const paints_end = line.to.x != INT32_MAX;
            if (all_inside && paints_end) {
                kp::paint_line_and_end(surface, a, b, value, operation);
                continue;
            }
            // A line with both ends in one rectangle lies in it and in no other.
            if (paints_end && kp::paint_line_and_end_inside(surface, a, b, *near, value, operation))
                continue;
            for (kp::Rect const& rect : rects) {
                if (paints_end && &rect != near && kp::paint_line_and_end_inside(surface, a, b, rect, value, operation)) {
                    near = &rect;
                    break;
                }
                if (std::optional<kp::LineStretch> const stretch = kp::clip_line(a, b, rect))
                    kp::paint_line(surface, *stretch, value, op);
                // The end, which the line leaves out: the one-pixel line from B to B + 1.
                if (paints_end && b.x >= rect.left() && b.x < rect.right() && b.y >= rect.top() && b.y < rect.bottom()) {
                    uint32_t& pixel = surface.at(static_cast<int32_t>(b.x), static_cast<int32_t>(b.y));
                    pixel = operation(pixel, value);
                }
            }
        }
    });
    // Taken before the recording looks at the context again, which renews the canvas's clip.
    kp::Rect const changed = damage.within(canvas->clip.bounds());
    if (context.recording() != nullptr)
        context.record_painted_lines(lines, damage);
    if (!changed.is_empty())
        context.report_damage(changed, kp::DeviceContext::Recorded::Yes);
}

bool draws_solid_one_pixel_lines(kp::DeviceContext const& context)
{
    kp::Pen const& pen = context.pen();
    return pen.is_visible() && !pen.is_wide() && pen.pattern().is_solid();
}

} // namespace

thread_local std::vector<kp::PaintedLine> LineBatch::spare_lines_;
thread_local std::vector<LineBatch::ColourRun> LineBatch::spare_runs_;

LineBatch::LineBatch(GraphRecord& graph) : graph_(graph)
{
    pending_.swap(spare_lines_);
    runs_.swap(spare_runs_);
}

LineBatch::~LineBatch()
{
    try {
        flush();
    } catch (...) {
    }
    pending_.clear();
    runs_.clear();
    if (pending_.capacity() > spare_lines_.capacity())
        pending_.swap(spare_lines_);
    if (runs_.capacity() > spare_runs_.capacity())
        runs_.swap(spare_runs_);
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
    TkColor const last = runs_.back().colour;
    bool fast = true;
    for_each_target(graph_, [&](kp::DeviceContext& context, Slot) { fast = fast && draws_solid_one_pixel_lines(context); });
    if (fast) {
        for_each_target(graph_, [&](kp::DeviceContext& context, Slot) { paint_solid_lines(context, pending_); });
        if (graph_.pen.colour != last)
            set_pen_colour(graph_, last);
    } else {
        // Wide, patterned or invisible pens: line by line through the pen.
        for (std::size_t r = 0; r < runs_.size(); ++r) {
            if (graph_.pen.colour != runs_[r].colour)
                set_pen_colour(graph_, runs_[r].colour);
            std::size_t const end = r + 1 < runs_.size() ? runs_[r + 1].first : pending_.size();
            for (std::size_t i = runs_[r].first; i < end; ++i) {
                kp::PaintedLine const& line = pending_[i];
                draw_line(graph_, line.from.x, line.from.y, line.to.x, line.to.y);
            }
        }
    }
    pending_.clear();
    runs_.clear();
}

} // namespace kelvo
