#include "platform/raster/stamp.h"

#include <algorithm>

namespace kp {

Stamp Stamp::of_picture(Surface const& picture, Point centre, uint32_t blank)
{
    Stamp stamp;
    bool first = true;
    for (int32_t y = 0; y < picture.height(); ++y) {
        uint32_t const* row = picture.row(y);
        for (int32_t x = 0; x < picture.width();) {
            if (row[x] == blank) {
                ++x;
                continue;
            }
            int32_t const start = x;
            while (x < picture.width() && row[x] != blank)
                ++x;
            StampSpan const span{y - centre.y, start - centre.x, x - centre.x};
            stamp.spans.push_back(span);
            DeviceBox const covered{span.x0, span.dy, span.x1, span.dy + 1};
            stamp.box = first ? covered
                              : DeviceBox{std::min(stamp.box.left, covered.left), std::min(stamp.box.top, covered.top),
                                          std::max(stamp.box.right, covered.right),
                                          std::max(stamp.box.bottom, covered.bottom)};
            first = false;
        }
    }
    return stamp;
}

void paint_stamps(Surface& surface, Clip const& clip, Stamp const& stamp, std::span<DevicePoint const> centres,
                  RasterOp op, uint32_t value)
{
    if (clip.is_empty() || stamp.is_empty())
        return;
    DeviceBox const inside = DeviceBox::from(clip.bounds());
    bool const one_rect = clip.rects().size() == 1;
    with_raster_op(op, [&](auto operation) {
        for (DevicePoint const centre : centres) {
            DeviceBox const reach = stamp.box.translated(centre.x, centre.y);
            if (!reach.intersects(inside))
                continue;
            if (one_rect && inside.contains(reach)) {
                // Wholly inside: no span needs clipping.
                for (StampSpan const& span : stamp.spans) {
                    uint32_t* row = surface.row(static_cast<int32_t>(centre.y + span.dy));
                    for (int64_t x = centre.x + span.x0; x < centre.x + span.x1; ++x)
                        row[x] = operation(row[x], value);
                }
                continue;
            }
            for (StampSpan const& span : stamp.spans)
                clip.clip_span(static_cast<int32_t>(centre.y + span.dy), centre.x + span.x0, centre.x + span.x1,
                               [&](int32_t y, int32_t left, int32_t right) {
                                   uint32_t* row = surface.row(y);
                                   for (int32_t x = left; x < right; ++x)
                                       row[x] = operation(row[x], value);
                               });
        }
    });
}

} // namespace kp
