#pragma once

// The clip of one drawing call: a banded region in device coordinates that lies inside the
// surface being drawn on. Device contexts build it (their visible area, narrowed by a clip
// region the caller selected); the raster helpers only ever paint what it lets through.

#include <algorithm>
#include <cstdint>
#include <span>

#include "platform/base/region.h"

namespace kp {

class Clip {
public:
    explicit Clip(Region const& region) : rects_(region.rects()), bounds_(region.bounds()) {}

    Rect bounds() const { return bounds_; }
    bool is_empty() const { return rects_.empty(); }
    std::span<Rect const> rects() const { return rects_; }

    // Calls visit(y, left, right) for every piece of the half-open span [x0, x1) of row y
    // that lies inside the clip. The span may reach anywhere in 64 bits.
    template <typename Visit>
    void clip_span(int32_t y, int64_t x0, int64_t x1, Visit&& visit) const
    {
        if (y < bounds_.top() || y >= bounds_.bottom() || x0 >= x1)
            return;
        if (rects_.size() == 1) {
            int64_t const left = std::max<int64_t>(x0, bounds_.left());
            int64_t const right = std::min<int64_t>(x1, bounds_.right());
            if (left < right)
                visit(y, static_cast<int32_t>(left), static_cast<int32_t>(right));
            return;
        }
        // Bands are sorted and do not overlap, so their bottoms increase.
        auto band = std::partition_point(rects_.begin(), rects_.end(),
                                         [y](Rect const& rect) { return rect.bottom() <= y; });
        if (band == rects_.end() || band->top() > y)
            return;
        int32_t const band_top = band->top();
        for (auto rect = band; rect != rects_.end() && rect->top() == band_top; ++rect) {
            if (rect->left() >= x1)
                break;
            int64_t const left = std::max<int64_t>(x0, rect->left());
            int64_t const right = std::min<int64_t>(x1, rect->right());
            if (left < right)
                visit(y, static_cast<int32_t>(left), static_cast<int32_t>(right));
        }
    }

    bool contains(int64_t x, int64_t y) const
    {
        if (y < bounds_.top() || y >= bounds_.bottom())
            return false;
        bool inside = false;
        clip_span(static_cast<int32_t>(y), x, x + 1, [&](int32_t, int32_t, int32_t) { inside = true; });
        return inside;
    }

private:
    std::span<Rect const> rects_;
    Rect bounds_;
};

} // namespace kp
