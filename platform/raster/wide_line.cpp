#include "platform/raster/wide_line.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kp {

namespace {

// Closed interval of x; empty when low > high.
struct Interval {
    double low = std::numeric_limits<double>::infinity();
    double high = -std::numeric_limits<double>::infinity();
    bool is_empty() const { return low > high; }
};

// Ties (a pixel centre at exactly half the width) count as covered.
constexpr double tolerance = 1e-9;

Interval disk_row(double cx, double cy, double radius, double y)
{
    double const d = y - cy;
    double const rest = radius * radius - d * d;
    if (rest < -tolerance)
        return {};
    double const half = std::sqrt(std::max(rest, 0.0));
    return {cx - half, cx + half};
}

// The x where slope * x + offset lies in [low, high].
Interval solve(double slope, double offset, double low, double high)
{
    if (slope == 0) {
        if (offset >= low - tolerance && offset <= high + tolerance)
            return {-std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity()};
        return {};
    }
    double x1 = (low - offset) / slope;
    double x2 = (high - offset) / slope;
    if (x1 > x2)
        std::swap(x1, x2);
    return {x1, x2};
}

// Row y of the capsule of radius r around the segment a-b (a convex shape, so one interval).
Interval capsule_row(double ax, double ay, double bx, double by, double radius, double y)
{
    Interval result = disk_row(ax, ay, radius, y);
    Interval const end = disk_row(bx, by, radius, y);
    result.low = std::min(result.low, end.low);
    result.high = std::max(result.high, end.high);

    double const dx = bx - ax;
    double const dy = by - ay;
    double const length = std::hypot(dx, dy);
    if (length == 0)
        return result;
    double const ux = dx / length;
    double const uy = dy / length;
    // Along the segment: 0 <= (p - a) . u <= length; across it: |(p - a) x u| <= radius.
    Interval const along = solve(ux, (y - ay) * uy - ax * ux, 0, length);
    Interval const across = solve(uy, -(y - ay) * ux - ax * uy, -radius, radius);
    Interval const body{std::max(along.low, across.low), std::min(along.high, across.high)};
    if (!body.is_empty()) {
        result.low = std::min(result.low, body.low);
        result.high = std::max(result.high, body.high);
    }
    return result;
}

void add_rows(Coverage& coverage, double top, double bottom, auto&& row_interval)
{
    Rect const bounds = coverage.bounds();
    double const first = std::max(std::ceil(top - tolerance), static_cast<double>(bounds.top()));
    double const last = std::min(std::floor(bottom + tolerance), static_cast<double>(bounds.bottom()) - 1);
    for (double y = first; y <= last; ++y) {
        Interval const row = row_interval(y);
        if (row.is_empty())
            continue;
        double const left = std::max(std::ceil(row.low - tolerance), static_cast<double>(bounds.left()));
        double const right = std::min(std::floor(row.high + tolerance), static_cast<double>(bounds.right()) - 1);
        if (left <= right)
            coverage.span(static_cast<int32_t>(y), static_cast<int64_t>(left), static_cast<int64_t>(right) + 1);
    }
}

} // namespace

void add_wide_segment(Coverage& coverage, DevicePoint a, DevicePoint b, int32_t width)
{
    double const radius = std::max(width, 1) / 2.0;
    double const shift = (width % 2 == 0) ? 0.5 : 0.0;
    double const ax = static_cast<double>(a.x) + shift;
    double const ay = static_cast<double>(a.y) + shift;
    double const bx = static_cast<double>(b.x) + shift;
    double const by = static_cast<double>(b.y) + shift;
    add_rows(coverage, std::min(ay, by) - radius, std::max(ay, by) + radius,
             [&](double y) { return capsule_row(ax, ay, bx, by, radius, y); });
}

void add_wide_dot(Coverage& coverage, double x, double y, int32_t width)
{
    double const radius = std::max(width, 1) / 2.0;
    double const shift = (width % 2 == 0) ? 0.5 : 0.0;
    add_rows(coverage, y + shift - radius, y + shift + radius,
             [&](double row) { return disk_row(x + shift, y + shift, radius, row); });
}

} // namespace kp
