#include "platform/raster/polygon.h"

#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "platform/raster/coverage.h"
#include "platform/raster/span_painter.h"
#include "platform/raster/surface.h"
#include "platform/base/region.h"

namespace {

using kp::Coverage;
using kp::DevicePoint;
using kp::FillRule;
using kp::Rect;

// The rule stated in polygon.h, point by point: a crossing of row y at c counts for pixel x
// when c <= x, with each edge holding its top row and not its bottom one. Exact integers.
bool inside(std::vector<DevicePoint> const& polygon, FillRule rule, int64_t x, int64_t y)
{
    int crossings = 0;
    int winding = 0;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        DevicePoint a = polygon[i];
        DevicePoint b = polygon[(i + 1) % polygon.size()];
        int const direction = a.y < b.y ? 1 : -1;
        if (a.y > b.y)
            std::swap(a, b);
        if (a.y == b.y || y < a.y || y >= b.y)
            continue;
        // c <= x  <=>  a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y) <= x
        if (__int128{a.x - x} * (b.y - a.y) + __int128{y - a.y} * (b.x - a.x) <= 0) {
            ++crossings;
            winding += direction;
        }
    }
    return rule == FillRule::Alternate ? crossings % 2 == 1 : winding != 0;
}

Coverage filled(std::vector<DevicePoint> const& polygon, FillRule rule, Rect area)
{
    Coverage coverage(area);
    kp::fill_polygon(polygon, rule, area, coverage);
    coverage.normalize();
    return coverage;
}

TEST(Polygon, RandomPolygonsMatchThePointByPointRule)
{
    std::mt19937 random(99);
    Rect const area{0, 0, 24, 20};
    for (int round = 0; round < 400; ++round) {
        std::vector<DevicePoint> polygon(3 + random() % 7);
        for (DevicePoint& p : polygon)
            p = {int64_t(random() % 34) - 5, int64_t(random() % 30) - 5};
        for (FillRule rule : {FillRule::Alternate, FillRule::Winding}) {
            Coverage const coverage = filled(polygon, rule, area);
            for (int y = area.top(); y < area.bottom(); ++y)
                for (int x = area.left(); x < area.right(); ++x)
                    ASSERT_EQ(coverage.contains(x, y), inside(polygon, rule, x, y))
                        << "round " << round << " pixel " << x << "," << y;
        }
    }
}

TEST(Polygon, SharedEdgesArePaintedByOneSideOnly)
{
    // Two triangles splitting a square along its diagonal cover it exactly once.
    std::vector<DevicePoint> const upper{{0, 0}, {12, 0}, {12, 9}};
    std::vector<DevicePoint> const lower{{0, 0}, {12, 9}, {0, 9}};
    Rect const area{0, 0, 14, 11};
    Coverage const a = filled(upper, FillRule::Alternate, area);
    Coverage const b = filled(lower, FillRule::Alternate, area);
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 14; ++x)
            EXPECT_EQ(int(a.contains(x, y)) + int(b.contains(x, y)), (x < 12 && y < 9) ? 1 : 0) << x << "," << y;
}

TEST(Polygon, OnlyTheRowsAskedForAreVisited)
{
    // A polygon 2^32 rows tall costs the rows of the area, and its edges still land exactly.
    std::vector<DevicePoint> const tall{{-(int64_t{1} << 32), -(int64_t{1} << 32)}, {10, int64_t{1} << 32}, {-(int64_t{1} << 32), int64_t{1} << 32}};
    Rect const area{0, 0, 16, 8};
    Coverage const coverage = filled(tall, FillRule::Alternate, area);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(coverage.contains(x, y), inside(tall, FillRule::Alternate, x, y)) << x << "," << y;
}

TEST(Polygon, BlocksOfRowsBetweenVerticalEdgesArePaintedOnceThroughAnyClip)
{
    // Outlines of horizontal and vertical edges only (bars, steps, frames) are painted a block
    // of rows at a time. Exclusive-or paints each pixel of the outline exactly once or shows
    // where it did not; the clip has several bands and holes.
    std::mt19937 random(7);
    Rect const area{0, 0, 40, 32};
    kp::Region clip(Rect{2, 1, 30, 12});
    clip = clip.united(kp::Region(Rect{0, 15, 40, 14})).subtracted(kp::Region(Rect{10, 4, 5, 15}));
    kp::Clip const pieces(clip);
    for (int round = 0; round < 300; ++round) {
        // Corners alternate between a horizontal and a vertical move.
        std::vector<DevicePoint> polygon;
        DevicePoint p{int64_t(random() % 46) - 3, int64_t(random() % 38) - 3};
        int const turns = 2 * (2 + static_cast<int>(random() % 4));
        for (int i = 0; i < turns; ++i) {
            polygon.push_back(p);
            if (i % 2 == 0)
                p.x = i + 1 == turns ? polygon.front().x : int64_t(random() % 46) - 3;
            else
                p.y = i + 1 == turns ? polygon.front().y : int64_t(random() % 38) - 3;
        }
        for (FillRule rule : {FillRule::Alternate, FillRule::Winding}) {
            kp::Surface surface({area.width, area.height}, kp::Color::from_pixel(0x123456));
            kp::SpanPainter painter(surface, pieces, kp::RasterOp::Xor, 0x00FFFFFF);
            kp::fill_polygon(polygon, rule, area, painter);
            for (int y = area.top(); y < area.bottom(); ++y)
                for (int x = area.left(); x < area.right(); ++x) {
                    bool const painted = inside(polygon, rule, x, y) && clip.contains({x, y});
                    ASSERT_EQ(surface.at(x, y), painted ? 0x123456U ^ 0x00FFFFFFU : 0x123456U)
                        << "round " << round << " pixel " << x << "," << y;
                }
        }
    }
}

} // namespace
