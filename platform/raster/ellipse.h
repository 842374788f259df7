#pragma once

// Ellipses and arcs in half-open boxes: the box (left, top, right, bottom) puts the
// leftmost outline pixel in column left and the rightmost in right - 1, and likewise for
// rows, so a circle of radius r about (x, y) has the box (x - r, y - r, x + r + 1, y + r + 1).
//
// The shape is the set of pixels whose centres lie inside the ellipse through the outline
// pixels grown by half a pixel, and always reaches the four sides of its box. Its one-pixel
// outline is that set's border (the pixels with a
// neighbour above, below, left or right outside the set), which is thin and without gaps;
// the rest is the interior the brush fills. Wider pens paint the ring between the same
// ellipse grown and shrunk by half the pen width, and the brush fills what lies inside it.
// All of this is done row by row with exact integer arithmetic.

#include <cstdint>
#include <optional>

#include "platform/base/rect.h"
#include "platform/base/device_geometry.h"
#include "platform/raster/span_sink.h"

namespace kp {

// Paints the outline of a pen of `pen_width` into `outline` and the inside into `interior`
// (either may be null), on rows [rows.top(), rows.bottom()) only.
void rasterize_ellipse(DeviceBox const& box, int32_t pen_width, Rect const& rows, SpanSink* outline,
                       SpanSink* interior);

// The part of the plane swept counter-clockwise (as seen on the screen) from the ray through
// `start` to the ray through `end`, both rays leaving the centre of `box`. When the rays
// coincide the sector is the whole plane.
class ArcSector {
public:
    ArcSector(DeviceBox const& box, DevicePoint start, DevicePoint end);
    bool contains(int64_t x, int64_t y) const;
    bool is_whole() const { return kind_ == Kind::Whole; }
    // Angle of pixel (x, y) counter-clockwise from the start ray, in [0, 2 pi).
    double angle_from_start(int64_t x, int64_t y) const;
    // Where the start and end rays meet the ellipse through the outline pixels.
    std::pair<double, double> start_point() const;
    std::pair<double, double> end_point() const;

private:
    struct Vector {
        int64_t x;
        int64_t y;
    };
    Vector from_centre(int64_t x, int64_t y) const;
    std::pair<double, double> on_ellipse(Vector direction) const;

    int64_t centre_x2_; // centre, doubled so that it is an integer
    int64_t centre_y2_;
    int64_t semi_x2_; // doubled semi-axes of the outline ellipse
    int64_t semi_y2_;
    Vector start_;
    Vector end_;
    enum class Kind { Whole, Narrow, Wide, Half } kind_;
};

// Passes on the parts of spans inside an arc sector, testing only the columns of `limit`
// (the clip), so that a span across a huge ellipse costs no more than its visible part.
class SectorFilter final : public SpanSink {
public:
    SectorFilter(ArcSector const& sector, Rect const& limit, SpanSink& next)
        : sector_(sector), limit_(limit), next_(next)
    {
    }
    void span(int32_t y, int64_t x0, int64_t x1) override;

private:
    ArcSector const& sector_;
    Rect limit_;
    SpanSink& next_;
};

} // namespace kp
