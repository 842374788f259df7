#include "platform/raster/ellipse.h"

#include <random>

#include <gtest/gtest.h>

#include "platform/raster/coverage.h"

namespace {

using kp::Coverage;
using kp::DeviceBox;
using kp::Rect;

struct Shape {
    Coverage outline;
    Coverage interior;
};

Shape rasterize(DeviceBox box, int width, Rect area)
{
    Shape shape{Coverage(area), Coverage(area)};
    kp::rasterize_ellipse(box, width, area, &shape.outline, &shape.interior);
    shape.outline.normalize();
    shape.interior.normalize();
    return shape;
}

// The set stated in ellipse.h, pixel by pixel: centres inside the ellipse through the
// outline pixels grown by half a pixel (doubled coordinates), and the middle rows and
// columns of the box.
bool in_set(DeviceBox box, int64_t x, int64_t y)
{
    if (x < box.left || x >= box.right || y < box.top || y >= box.bottom)
        return false;
    int64_t const dx = 2 * x - (box.left + box.right - 1);
    int64_t const dy = 2 * y - (box.top + box.bottom - 1);
    int64_t const sa = box.right - box.left;
    int64_t const sb = box.bottom - box.top;
    bool const middle_row = std::abs(dy) <= 1;
    bool const middle_column = std::abs(dx) <= 1;
    return middle_row || middle_column || dx * dx * sb * sb + dy * dy * sa * sa <= sa * sa * sb * sb;
}

TEST(Ellipse, OutlineAndInteriorSplitTheSetAndTheOutlineFillsTheBox)
{
    std::mt19937 random(5);
    Rect const area{-2, -2, 30, 30};
    for (int round = 0; round < 300; ++round) {
        int64_t const left = random() % 5;
        int64_t const top = random() % 5;
        int64_t const width = 1 + random() % 22;
        int64_t const height = 1 + random() % 22;
        DeviceBox const box{left, top, left + width, top + height};
        Shape const shape = rasterize(box, 1, area);
        int64_t min_x = 1000, max_x = -1000, min_y = 1000, max_y = -1000;
        for (int y = area.top(); y < area.bottom(); ++y) {
            for (int x = area.left(); x < area.right(); ++x) {
                bool const on = shape.outline.contains(x, y);
                bool const in = shape.interior.contains(x, y);
                ASSERT_FALSE(on && in);
                ASSERT_EQ(on || in, in_set(box, x, y)) << round << ": " << x << "," << y;
                if (on) {
                    min_x = std::min<int64_t>(min_x, x);
                    max_x = std::max<int64_t>(max_x, x);
                    min_y = std::min<int64_t>(min_y, y);
                    max_y = std::max<int64_t>(max_y, y);
                }
                // Interior pixels have all four neighbours in the set.
                if (in) {
                    ASSERT_TRUE(in_set(box, x - 1, y) && in_set(box, x + 1, y) && in_set(box, x, y - 1)
                                && in_set(box, x, y + 1));
                }
            }
        }
        EXPECT_EQ(min_x, box.left);
        EXPECT_EQ(max_x, box.right - 1);
        EXPECT_EQ(min_y, box.top);
        EXPECT_EQ(max_y, box.bottom - 1);
    }
}

TEST(Ellipse, WidePenRingIsThePenWideOnTheAxes)
{
    // A circle of radius 10 about (20, 20) with pens of width 2..5: on the middle row the
    // ring is `width` pixels wide on each side and centred on the one-pixel outline.
    DeviceBox const box{10, 10, 31, 31};
    Rect const area{0, 0, 41, 41};
    for (int width = 2; width <= 5; ++width) {
        Shape const shape = rasterize(box, width, area);
        int count_left = 0;
        for (int x = 0; x < 20; ++x)
            count_left += shape.outline.contains(x, 20);
        EXPECT_EQ(count_left, width) << width;
        EXPECT_TRUE(shape.outline.contains(10, 20));
        EXPECT_TRUE(shape.interior.contains(20, 20));
        int const last_of_ring = 10 + (width - 1) / 2; // even widths reach one less inwards
        EXPECT_TRUE(shape.outline.contains(last_of_ring, 20));
        EXPECT_TRUE(shape.interior.contains(last_of_ring + 1, 20));
    }
}

TEST(Ellipse, SectorsSplitTheOutlineByAngle)
{
    DeviceBox const box{0, 0, 21, 21};
    Rect const area{0, 0, 21, 21};
    // From the ray to the left, counter-clockwise, to the ray downwards: the lower-left quarter.
    kp::ArcSector const sector(box, {0, 10}, {10, 20});
    EXPECT_FALSE(sector.is_whole());
    EXPECT_TRUE(sector.contains(0, 10));
    EXPECT_TRUE(sector.contains(10, 20));
    EXPECT_TRUE(sector.contains(3, 17));
    EXPECT_FALSE(sector.contains(17, 17));
    EXPECT_FALSE(sector.contains(3, 3));
    // The complementary sector holds the rest and shares only the two rays.
    kp::ArcSector const rest(box, {10, 20}, {0, 10});
    for (int y = 0; y < 21; ++y) {
        for (int x = 0; x < 21; ++x) {
            bool const on_a_ray = (y == 10 && x <= 10) || (x == 10 && y >= 10);
            if (!on_a_ray) {
                EXPECT_NE(sector.contains(x, y), rest.contains(x, y)) << x << "," << y;
            }
        }
    }
    // Opposite rays: half the plane, counter-clockwise from the start.
    kp::ArcSector const upper(box, {20, 10}, {0, 10});
    EXPECT_TRUE(upper.contains(10, 0));
    EXPECT_FALSE(upper.contains(10, 20));
    (void)area;
}

} // namespace
