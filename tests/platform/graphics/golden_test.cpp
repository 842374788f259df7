// Many random drawing operations of every kind into one small bitmap, hashed. The hash was
// recorded after looking at the picture; any change to a pixel rule changes it, and then
// the picture (written when KELVO_TEST_PICTURES names a folder) must be looked at again.

#include <cstdlib>
#include <filesystem>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "platform/raster/png_file.h"
#include "tests/platform/graphics/test_bitmap.h"

namespace {

using kp::Color;
using kp::Point;
using kp::Rect;

// Only the generator's raw output is used: its sequence is fixed by the standard, unlike
// the library's distributions.
class Dice {
public:
    explicit Dice(uint32_t seed) : engine_(seed) {}
    int32_t below(uint32_t n) { return static_cast<int32_t>(engine_() % n); }
    int32_t between(int32_t low, int32_t high) { return low + below(static_cast<uint32_t>(high - low + 1)); }
    Point point() { return {between(-12, 107), between(-12, 83)}; }
    Rect box()
    {
        int32_t const x = between(-8, 90);
        int32_t const y = between(-8, 66);
        return {x, y, between(0, 40), between(0, 30)};
    }
    Color colour() { return Color::from_pixel(engine_() & 0x00FFFFFF); }

private:
    std::mt19937 engine_;
};

uint64_t fnv1a(std::span<uint32_t const> pixels)
{
    uint64_t hash = 0xcbf29ce484222325;
    for (uint32_t pixel : pixels) {
        for (int shift = 0; shift < 32; shift += 8) {
            hash ^= (pixel >> shift) & 0xFF;
            hash *= 0x100000001b3;
        }
    }
    return hash;
}

TEST(Golden, ManyRandomOperationsGiveTheRecordedPicture)
{
    kp::testing::TestBitmap t(96, 72);
    kp::testing::TestBitmap other(40, 30, Color::from_rgb(30, 60, 90));
    Dice dice(20240607);
    for (int i = 0; i < 200; ++i) {
        switch (dice.below(6)) { // a new pen, brush or state now and then
        case 0:
            t.pen(static_cast<kp::PenStyle>(dice.between(1, 5)), dice.below(4) == 0 ? dice.between(2, 6) : 1,
                  dice.colour());
            break;
        case 1:
            if (dice.below(5) == 0)
                t.hollow_brush();
            else
                t.brush(dice.colour());
            break;
        case 2:
            t.dc.set_raster_op(static_cast<kp::RasterOp>(dice.between(1, 5)));
            t.dc.set_background_mode(dice.below(2) ? kp::BackgroundMode::Opaque : kp::BackgroundMode::Transparent);
            t.dc.set_background_color(dice.colour());
            break;
        default:
            break;
        }
        switch (dice.below(12)) {
        case 0:
            t.dc.move_to(dice.point());
            [[fallthrough]];
        case 1:
            t.dc.line_to(dice.point());
            break;
        case 2:
            t.dc.rectangle(dice.box());
            break;
        case 3:
            t.dc.ellipse(dice.box());
            break;
        case 4:
            t.dc.arc(dice.box(), dice.point(), dice.point());
            break;
        case 5:
        case 6: {
            std::vector<Point> points(static_cast<std::size_t>(dice.between(2, 8)));
            for (Point& p : points)
                p = dice.point();
            if (dice.below(3) == 0)
                t.dc.polyline(points);
            else
                t.dc.polygon(points, dice.below(2) ? kp::FillRule::Alternate : kp::FillRule::Winding);
            break;
        }
        case 7:
            t.dc.set_pixel(dice.point(), dice.colour());
            break;
        case 8:
            t.dc.paint_region(kp::Region(dice.box()).united(kp::Region(dice.box())));
            break;
        case 9:
            t.dc.copy_block(dice.box(), dice.below(2) ? t.dc : other.dc, dice.point(),
                            static_cast<kp::RasterOp>(dice.between(1, 5)));
            break;
        case 10: {
            Rect const area = dice.box();
            (void)t.dc.scroll(area, dice.between(-20, 20), dice.between(-20, 20), dice.below(2) ? area : dice.box());
            break;
        }
        case 11:
            other.dc.copy_block(dice.box(), t.dc, dice.point(), kp::RasterOp::Xor);
            break;
        }
    }
    if (char const* folder = std::getenv("KELVO_TEST_PICTURES")) {
        kp::write_png(t.pixels(), (std::filesystem::path(folder) / "golden.png").string());
        kp::write_png(other.pixels(), (std::filesystem::path(folder) / "golden_other.png").string());
    }
    EXPECT_EQ(fnv1a(t.pixels().pixels()), 9598947406817385901ull);
    EXPECT_EQ(fnv1a(other.pixels().pixels()), 8454312053998029015ull);
}

} // namespace
