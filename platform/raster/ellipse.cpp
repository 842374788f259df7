#include "platform/raster/ellipse.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kp {

namespace {

using Wide = __int128;

// The pixels of one ellipse set, row by row. Coordinates are doubled so that the centre of
// any box is an integer: a pixel (x, y) sits at (2x - cx, 2y - cy) from the centre, and the
// set holds it when (2x - cx)^2 / sa^2 + (2y - cy)^2 / sb^2 <= 1, with sa and sb the doubled
// semi-axes grown by one (half a pixel before doubling).
//
// A box of even width or height has no pixel on its centre line, and for thin boxes no pixel
// centre of the extreme rows (or columns) lies inside: the shape would fall short of its box.
// The shape of the box itself (`Reach::BoxEdges`) therefore also holds its middle row or rows
// across the whole width and its middle column or columns down the whole height; for every
// other box this adds nothing.
class EllipseRows {
public:
    enum class Reach { Growth, BoxEdges };

    EllipseRows(DeviceBox const& box, int64_t grow, Reach reach = Reach::Growth)
        : cx_(box.left + box.right - 1)
        , cy_(box.top + box.bottom - 1)
        , sa_(box.right - box.left + grow)
        , sb_(box.bottom - box.top + grow)
        , box_a_(box.right - box.left - 1)
        , box_b_(box.bottom - box.top - 1)
        , reach_box_edges_(reach == Reach::BoxEdges)
    {
        constexpr int64_t exact_limit = int64_t{1} << 31;
        exact_ = sa_ <= exact_limit && sb_ <= exact_limit;
    }

    bool is_empty() const { return sa_ <= 0 || sb_ <= 0; }

    // Rows that can hold pixels: |2y - cy| <= sb.
    int64_t first_row() const { return floor_half(cy_ - sb_ + 1); }
    int64_t last_row() const { return floor_half(cy_ + sb_); }

    // The first and last pixel of row y, if the row has any.
    std::optional<std::pair<int64_t, int64_t>> extent(int64_t y) const
    {
        if (is_empty())
            return std::nullopt;
        Wide dy = Wide{2} * y - cy_;
        if (dy < 0)
            dy = -dy;
        if (dy > sb_)
            return std::nullopt;
        int64_t half = -1;
        if (exact_) {
            // The largest k with k^2 * sb^2 <= sa^2 * (sb^2 - dy^2).
            Wide const q = Wide{sb_} * sb_;
            Wide const p = Wide{sa_} * sa_ * (q - dy * dy);
            Wide k = static_cast<Wide>(std::sqrt(static_cast<long double>(p) / static_cast<long double>(q)));
            while (k > 0 && k * k * q > p)
                --k;
            while ((k + 1) * (k + 1) * q <= p)
                ++k;
            half = static_cast<int64_t>(k);
        } else {
            // Boxes beyond 2^31 pixels only arise from absurd coordinates; near enough will do.
            long double const ratio = static_cast<long double>(dy) / static_cast<long double>(sb_);
            half = static_cast<int64_t>(std::floor(static_cast<long double>(sa_) * std::sqrt(std::max(0.0L, 1 - ratio * ratio))));
        }
        // Pixel offsets have the parity of the centre.
        if (((half ^ cx_) & 1) != 0)
            --half;
        if (reach_box_edges_ && dy <= box_b_) {
            if (dy == (box_b_ & 1))
                half = box_a_; // a middle row
            half = std::max(half, box_a_ & 1); // the middle columns
        }
        if (half < 0)
            return std::nullopt;
        return std::pair{(cx_ - half) / 2, (cx_ + half) / 2};
    }

private:
    static int64_t floor_half(int64_t v) { return v >= 0 ? v / 2 : -((-v + 1) / 2); }

    int64_t cx_;
    int64_t cy_;
    int64_t sa_;
    int64_t sb_;
    int64_t box_a_; // doubled semi-axes of the box's own outline
    int64_t box_b_;
    bool reach_box_edges_;
    bool exact_ = true;
};

void emit(SpanSink* sink, int64_t y, int64_t first, int64_t last)
{
    if (sink && first <= last)
        sink->span(static_cast<int32_t>(y), first, last + 1);
}

} // namespace

void rasterize_ellipse(DeviceBox const& box, int32_t pen_width, Rect const& rows, SpanSink* outline,
                       SpanSink* interior)
{
    if (box.is_empty() || rows.is_empty())
        return;
    int64_t const width = std::max(pen_width, 1);

    if (width == 1) {
        EllipseRows const set(box, 0, EllipseRows::Reach::BoxEdges);
        int64_t const first = std::max<int64_t>(set.first_row(), rows.top());
        int64_t const last = std::min<int64_t>(set.last_row(), int64_t{rows.bottom()} - 1);
        for (int64_t y = first; y <= last; ++y) {
            auto const row = set.extent(y);
            if (!row)
                continue;
            auto const above = set.extent(y - 1);
            auto const below = set.extent(y + 1);
            // Inside pixels have all four neighbours in the set; rows of the set are intervals.
            int64_t inner_first = row->first + 1;
            int64_t inner_last = row->second - 1;
            if (above && below) {
                inner_first = std::max({inner_first, above->first, below->first});
                inner_last = std::min({inner_last, above->second, below->second});
            } else {
                inner_last = inner_first - 1;
            }
            if (inner_first > inner_last) {
                emit(outline, y, row->first, row->second);
                continue;
            }
            emit(outline, y, row->first, inner_first - 1);
            emit(interior, y, inner_first, inner_last);
            emit(outline, y, inner_last + 1, row->second);
        }
        return;
    }

    // The ring between the ellipse grown and shrunk by half the pen width: radii a + w/2 and
    // a - w/2, where the set of growth g has the radius a + (g + 1) / 2.
    EllipseRows const outer(box, width - 1);
    EllipseRows const inner(box, -width - 1);
    int64_t const first = std::max<int64_t>(outer.first_row(), rows.top());
    int64_t const last = std::min<int64_t>(outer.last_row(), int64_t{rows.bottom()} - 1);
    for (int64_t y = first; y <= last; ++y) {
        auto const row = outer.extent(y);
        if (!row)
            continue;
        auto const hole = inner.extent(y);
        if (!hole) {
            emit(outline, y, row->first, row->second);
            continue;
        }
        emit(outline, y, row->first, hole->first - 1);
        emit(interior, y, hole->first, hole->second);
        emit(outline, y, hole->second + 1, row->second);
    }
}

ArcSector::ArcSector(DeviceBox const& box, DevicePoint start, DevicePoint end)
    : centre_x2_(box.left + box.right - 1)
    , centre_y2_(box.top + box.bottom - 1)
    , semi_x2_(box.right - box.left - 1)
    , semi_y2_(box.bottom - box.top - 1)
{
    start_ = from_centre(start.x, start.y);
    end_ = from_centre(end.x, end.y);
    auto const cross = Wide{start_.x} * end_.y - Wide{start_.y} * end_.x;
    auto const dot = Wide{start_.x} * end_.x + Wide{start_.y} * end_.y;
    bool const undefined = (start_.x == 0 && start_.y == 0) || (end_.x == 0 && end_.y == 0);
    if (undefined || (cross == 0 && dot > 0))
        kind_ = Kind::Whole;
    else if (cross == 0)
        kind_ = Kind::Half;
    else
        kind_ = cross > 0 ? Kind::Narrow : Kind::Wide;
}

ArcSector::Vector ArcSector::from_centre(int64_t x, int64_t y) const
{
    // Doubled, and with y pointing up so that counter-clockwise means what it does on screen.
    return {2 * x - centre_x2_, centre_y2_ - 2 * y};
}

bool ArcSector::contains(int64_t x, int64_t y) const
{
    Vector const v = from_centre(x, y);
    if (kind_ == Kind::Whole || (v.x == 0 && v.y == 0))
        return true;
    auto cross = [](Vector p, Vector q) { return Wide{p.x} * q.y - Wide{p.y} * q.x; };
    switch (kind_) {
    case Kind::Narrow:
        return cross(start_, v) >= 0 && cross(v, end_) >= 0;
    case Kind::Wide:
        return !(cross(end_, v) > 0 && cross(v, start_) > 0);
    case Kind::Half:
        return cross(start_, v) >= 0;
    case Kind::Whole:
        break;
    }
    return true;
}

double ArcSector::angle_from_start(int64_t x, int64_t y) const
{
    Vector const v = from_centre(x, y);
    double angle = std::atan2(static_cast<double>(v.y), static_cast<double>(v.x))
        - std::atan2(static_cast<double>(start_.y), static_cast<double>(start_.x));
    while (angle < 0)
        angle += 2 * std::numbers::pi;
    while (angle >= 2 * std::numbers::pi)
        angle -= 2 * std::numbers::pi;
    return angle;
}

std::pair<double, double> ArcSector::on_ellipse(Vector direction) const
{
    auto term = [](double v, double semi) { return v == 0 ? 0.0 : (v / semi) * (v / semi); };
    double const sum = term(static_cast<double>(direction.x), static_cast<double>(semi_x2_))
        + term(static_cast<double>(direction.y), static_cast<double>(semi_y2_));
    double const scale = sum > 0 ? 1 / std::sqrt(sum) : 0;
    return {(static_cast<double>(centre_x2_) + scale * static_cast<double>(direction.x)) / 2,
            (static_cast<double>(centre_y2_) - scale * static_cast<double>(direction.y)) / 2};
}

std::pair<double, double> ArcSector::start_point() const { return on_ellipse(start_); }
std::pair<double, double> ArcSector::end_point() const { return on_ellipse(end_); }

void SectorFilter::span(int32_t y, int64_t x0, int64_t x1)
{
    x0 = std::max<int64_t>(x0, limit_.left());
    x1 = std::min<int64_t>(x1, limit_.right());
    int64_t run_start = x0;
    for (int64_t x = x0; x < x1; ++x) {
        if (sector_.contains(x, y))
            continue;
        if (run_start < x)
            next_.span(y, run_start, x);
        run_start = x + 1;
    }
    if (run_start < x1)
        next_.span(y, run_start, x1);
}

} // namespace kp
