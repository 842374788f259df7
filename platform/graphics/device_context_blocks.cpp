// Block copies and scrolling of device contexts.

#include <algorithm>

#include "platform/graphics/device_context.h"
#include "platform/raster/block_copy.h"
#include "platform/record/recording.h"

namespace kp {

namespace {

// Copies every rectangle of `pieces` (destination device coordinates) from the source pixels
// `shift` away. When source and destination are one surface and there are several pieces,
// one piece could overwrite what another still has to read, so the source is saved first.
void copy_pieces(Surface& destination, Region const& pieces, Surface const& source, Point shift, RasterOp op)
{
    if (pieces.is_empty())
        return;
    if (&destination == &source && pieces.rects().size() > 1) {
        Rect const read = pieces.bounds().translated(shift.x, shift.y);
        Surface saved(read.size());
        copy_block(saved, {0, 0}, source, read, RasterOp::Copy);
        for (Rect const& piece : pieces.rects())
            copy_block(destination, piece.origin(), saved, piece.translated(shift.x - read.x, shift.y - read.y), op);
        return;
    }
    for (Rect const& piece : pieces.rects())
        copy_block(destination, piece.origin(), source, piece.translated(shift.x, shift.y), op);
}

Rect device_rect(Rect logical, Point origin)
{
    logical = logical.normalized();
    return Rect::from_edges(int64_t{logical.left()} + origin.x, int64_t{logical.top()} + origin.y,
                            int64_t{logical.right()} + origin.x, int64_t{logical.bottom()} + origin.y);
}

} // namespace

void DeviceContext::copy_block(Rect area, DeviceContext& source, Point from, RasterOp op)
{
    area = area.normalized();
    if (area.is_empty() || !is_raster_op(static_cast<int32_t>(op)))
        return;
    std::optional<Frame> destination = frame();
    if (!destination)
        return;
    // One frame per context: a second frame of this context would replace the first's clip.
    std::optional<Frame> const other = &source != this ? source.frame() : std::nullopt;
    if (&source != this && !other)
        return;
    Frame const& src = other ? *other : *destination;

    // Source pixel of destination pixel p: p + shift. Narrow everything in 64 bits first;
    // once the blocks overlap at all, the shift is no larger than the surfaces.
    int64_t const left = int64_t{area.left()} + destination->origin.x;
    int64_t const top = int64_t{area.top()} + destination->origin.y;
    int64_t const shift_x = int64_t{from.x} + src.origin.x - left;
    int64_t const shift_y = int64_t{from.y} + src.origin.y - top;
    Rect const d = destination->clip.bounds();
    Rect const s = src.clip.bounds();
    int64_t const x0 = std::max({left, int64_t{d.left()}, int64_t{s.left()} - shift_x});
    int64_t const y0 = std::max({top, int64_t{d.top()}, int64_t{s.top()} - shift_y});
    int64_t const x1 = std::min({left + area.width, int64_t{d.right()}, int64_t{s.right()} - shift_x});
    int64_t const y1 = std::min({top + area.height, int64_t{d.bottom()}, int64_t{s.bottom()} - shift_y});
    if (x0 >= x1 || y0 >= y1)
        return;
    Rect const block = Rect::from_edges(x0, y0, x1, y1);
    Point const shift{static_cast<int32_t>(shift_x), static_cast<int32_t>(shift_y)};
    // An off-screen picture copied as it is; combining an image into what is there draws.
    bool const shows_picture = op == RasterOp::Copy && source.holds_bitmaps();
    if (recording_) {
        // A picture from another context is an image; anything else reads pixels back.
        DrawingCall const call{destination->region, destination->origin, op, block};
        if (shows_picture && &source != this) {
            Surface pixels(block.size());
            kp::copy_block(pixels, {0, 0}, src.surface, block.translated(shift.x, shift.y), RasterOp::Copy);
            Point const at{block.x - destination->origin.x, block.y - destination->origin.y};
            recording_->image(call, at, std::move(pixels));
        } else {
            recording_->patch(call);
        }
    }

    if (destination->clip.rects().size() == 1 && src.clip.rects().size() == 1) {
        kp::copy_block(destination->surface, block.origin(), src.surface, block.translated(shift.x, shift.y), op);
        report_damage(block, Recorded::Yes);
        if (shows_picture)
            picture_copied_in(block);
        return;
    }
    Region const pieces
        = Region(block).intersected(destination->region).intersected(src.region.translated(-shift.x, -shift.y));
    copy_pieces(destination->surface, pieces, src.surface, shift, op);
    report_damage(pieces.bounds(), Recorded::Yes);
    if (shows_picture && !pieces.is_empty())
        picture_copied_in(pieces.bounds());
}

Region DeviceContext::scroll(Rect area, int32_t dx, int32_t dy, Rect clip)
{
    std::optional<Frame> f = frame();
    if (!f)
        return {};
    Point const o = f->origin;
    Rect const a = device_rect(area, o);
    Rect const c = device_rect(clip, o);
    // Offsets beyond the surface move everything out of sight.
    dx = std::clamp(dx, -f->surface.width(), f->surface.width());
    dy = std::clamp(dy, -f->surface.height(), f->surface.height());

    Region const source = Region(a).intersected(f->region);
    Region const moved = source.translated(dx, dy).intersected(Region(c)).intersected(f->region);
    copy_pieces(f->surface, moved, f->surface, {-dx, -dy}, RasterOp::Copy);
    if (recording_)
        recording_->patch(moved, o);
    report_damage(moved.bounds(), Recorded::Yes);

    Region const uncovered = Region(a.intersected(c)).intersected(f->region).subtracted(moved);
    return uncovered.translated(o.negated());
}

} // namespace kp
