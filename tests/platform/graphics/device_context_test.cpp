// Device contexts: selection, attributes, clipping, and a context that draws like a
// window's: into a larger framebuffer at an origin, clipped to a visible region, reporting
// what it changed.

#include <vector>

#include <gtest/gtest.h>

#include "tests/platform/graphics/test_bitmap.h"

namespace {

using kp::ObjectKind;
using kp::Point;
using kp::Rect;
using kp::Region;
using kp::Surface;
using kp::testing::blue;
using kp::testing::red;
using kp::testing::rows;
using kp::testing::TestBitmap;

TEST(DeviceContext, SelectReturnsTheObjectItReplaces)
{
    kp::MemoryDeviceContext dc;
    kp::OwnedObject first(kp::create_pen(kp::PenStyle::Dotted, 1, red));
    kp::OwnedObject second(kp::create_pen(kp::PenStyle::Solid, 2, blue));
    uint32_t const stock = dc.select_object(first.get());
    EXPECT_EQ(stock, kp::stock_object(kp::StockObject::BlackPen));
    EXPECT_EQ(dc.select_object(second.get()), first.get());
    EXPECT_EQ(dc.pen().width, 2);
    EXPECT_EQ(dc.select_object(stock), second.get());
    EXPECT_EQ(dc.selected_object(ObjectKind::Pen), stock);

    kp::OwnedObject font(kp::create_font(kp::LogicalFont{.height = -13, .escapement = 900, .face_name = "terminal"}));
    dc.select_object(font.get());
    EXPECT_EQ(dc.font().escapement, 900);
    dc.select_object(kp::stock_object(kp::StockObject::DefaultFont));
}

TEST(DeviceContext, SelectRefusesWhatTheContextCannotHold)
{
    kp::MemoryDeviceContext dc;
    kp::MemoryDeviceContext other;
    kp::OwnedObject bitmap(kp::create_compatible_bitmap(dc, 2, 2));
    kp::OwnedObject region(kp::create_rect_region({0, 0, 1, 1}));
    EXPECT_EQ(dc.select_object(0), 0u);
    EXPECT_EQ(dc.select_object(region.get()), 0u) << "regions clip, they are not selected";
    uint32_t const empty = dc.select_object(bitmap.get());
    EXPECT_EQ(empty, kp::stock_object(kp::StockObject::DefaultBitmap));
    EXPECT_EQ(other.select_object(bitmap.get()), 0u) << "a bitmap is drawn on by one context at a time";
    EXPECT_EQ(dc.select_object(bitmap.get()), bitmap.get()) << "selecting it again where it is changes nothing";
    dc.select_object(empty);
    EXPECT_EQ(other.select_object(bitmap.get()), empty);
    other.select_object(empty);
}

TEST(DeviceContext, SettersReturnThePreviousValue)
{
    kp::MemoryDeviceContext dc;
    EXPECT_EQ(dc.set_raster_op(kp::RasterOp::Xor), kp::RasterOp::Copy);
    EXPECT_EQ(dc.set_raster_op(static_cast<kp::RasterOp>(9)), kp::RasterOp::Xor) << "and keeps it";
    EXPECT_EQ(dc.raster_op(), kp::RasterOp::Xor);
    EXPECT_EQ(dc.set_background_color(red), kp::colors::white);
    EXPECT_EQ(dc.set_background_mode(kp::BackgroundMode::Transparent), kp::BackgroundMode::Opaque);
    EXPECT_EQ(dc.set_text_color(blue), kp::colors::black);
    EXPECT_EQ(dc.text_color(), blue);
    EXPECT_EQ(dc.move_to({3, 4}), (Point{0, 0}));
    EXPECT_EQ(dc.current_position(), (Point{3, 4}));
}

TEST(DeviceContext, ClipRegionNarrowsDrawingAndIsACopy)
{
    TestBitmap t(6, 4);
    uint32_t const region = kp::create_rect_region({1, 1, 3, 2});
    ASSERT_TRUE(t.dc.select_clip_region(region));
    EXPECT_TRUE(kp::delete_object(region)) << "the context keeps its own copy";
    t.dc.select_object(kp::stock_object(kp::StockObject::NullPen));
    t.brush(red);
    t.dc.rectangle({0, 0, 6, 4});
    EXPECT_FALSE(t.dc.pixel({0, 0})) << "outside the clip";
    EXPECT_EQ(t.picture(), rows(R"(
......
.rrr..
.rrr..
......
)"));
    EXPECT_FALSE(t.dc.select_clip_region(region)) << "deleted";
    t.dc.select_clip_region(0);
    EXPECT_EQ(t.dc.pixel({0, 0}), kp::colors::white);
}

// Draws like a window's context will: into a shared framebuffer, offset to the window's
// position, clipped to its visible region, telling its owner each changed rectangle.
class FramebufferContext final : public kp::DeviceContext {
public:
    FramebufferContext(Surface& framebuffer, Point origin, Region visible)
        : framebuffer_(framebuffer), origin_(origin), visible_(std::move(visible))
    {
    }
    std::vector<Rect> damage;

protected:
    kp::DrawingTarget target() override { return {&framebuffer_, origin_, &visible_}; }
    void damaged(Rect const& rect) override { damage.push_back(rect); }

private:
    Surface& framebuffer_;
    Point origin_;
    Region visible_;
};

TEST(DeviceContext, WindowLikeContextDrawsAtItsOriginInsideItsVisibleRegion)
{
    Surface framebuffer({10, 6}, kp::colors::white);
    // A window at (2, 1) of 6 x 4 pixels whose top-right corner is covered by a sibling.
    Region const visible = Region(Rect{2, 1, 6, 4}).subtracted(Region(Rect{6, 1, 2, 2}));
    FramebufferContext dc(framebuffer, {2, 1}, visible);
    kp::OwnedObject brush(kp::create_solid_brush(red));
    kp::ScopedSelection selected(dc, brush.get());
    dc.rectangle({0, 0, 6, 4});
    EXPECT_EQ(kp::testing::picture(framebuffer, kp::colors::white, {{red.pixel(), 'r'}}), rows(R"(
..........
..####....
..#rrr....
..#rrrr#..
..######..
..........
)"));
    dc.rectangle({-5, -5, 100, 100});
    ASSERT_EQ(dc.damage.size(), 2u);
    EXPECT_EQ(dc.damage[0], (Rect{2, 1, 6, 4})) << "device coordinates";
    EXPECT_EQ(dc.damage[1], (Rect{2, 1, 6, 4})) << "clipped";

    dc.set_pixel({0, 0}, blue);
    EXPECT_EQ(framebuffer.pixel({2, 1}), blue);
    EXPECT_EQ(dc.pixel({0, 0}), blue);
    EXPECT_FALSE(dc.pixel({5, 0})) << "covered by the sibling";
    dc.set_pixel({5, 0}, blue);
    EXPECT_EQ(framebuffer.pixel({7, 1}), kp::colors::white);
    EXPECT_EQ(dc.damage.size(), 3u) << "nothing changed, nothing reported";

    // Text drawing will paint through the canvas and report its own damage.
    auto canvas = dc.canvas();
    ASSERT_TRUE(canvas);
    EXPECT_EQ(canvas->origin, (Point{2, 1}));
    EXPECT_EQ(canvas->clip, visible);
}

TEST(DeviceContext, ScrollingAWindowUncoversWhatCameFromHiddenParts)
{
    Surface framebuffer({8, 4}, kp::colors::white);
    framebuffer.set_pixel({1, 1}, red);
    framebuffer.set_pixel({5, 1}, red); // inside the window but hidden by a sibling
    Region const visible = Region(Rect{0, 0, 8, 4}).subtracted(Region(Rect{4, 0, 4, 4}));
    FramebufferContext dc(framebuffer, {0, 0}, visible);
    Region const uncovered = dc.scroll({0, 0, 8, 4}, -2, 0, {0, 0, 8, 4});
    // Columns 2 and 3 would receive hidden pixels: they are uncovered, not copied.
    EXPECT_EQ(uncovered, Region(Rect{2, 0, 2, 4}));
    EXPECT_EQ(framebuffer.pixel({1, 1}), kp::colors::white) << "column 1 got column 3's pixel";
    EXPECT_EQ(framebuffer.pixel({5, 1}), red) << "hidden pixels are not touched";
}

TEST(DeviceContext, ScrollingAroundAHoleReadsEveryPixelBeforeOverwritingIt)
{
    // The visible region is several rectangles of one surface; copying them one by one
    // in place would overwrite pixels a later rectangle still has to read.
    Surface framebuffer({9, 7});
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 9; ++x)
            framebuffer.at(x, y) = uint32_t(16 * y + x + 1);
    Surface const before = framebuffer;
    Region const hole(Rect{4, 3, 2, 2});
    Region const visible = Region(Rect{0, 0, 9, 7}).subtracted(hole);
    FramebufferContext dc(framebuffer, {0, 0}, visible);
    Region const uncovered = dc.scroll({0, 0, 9, 7}, 1, 1, {0, 0, 9, 7});
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 9; ++x) {
            Point const p{x, y};
            bool const source_visible = visible.contains({x - 1, y - 1});
            if (!visible.contains(p))
                EXPECT_EQ(framebuffer.at(x, y), before.at(x, y)) << "hidden " << x << "," << y;
            else if (source_visible)
                EXPECT_EQ(framebuffer.at(x, y), before.at(x - 1, y - 1)) << x << "," << y;
            else
                EXPECT_TRUE(uncovered.contains(p)) << x << "," << y;
        }
    }
}

TEST(DeviceContext, BlockCopyBetweenContextsWithComplexVisibleRegions)
{
    Surface framebuffer({8, 3}, kp::colors::white);
    Region const visible = Region(Rect{0, 0, 8, 3}).subtracted(Region(Rect{3, 1, 2, 1}));
    FramebufferContext window(framebuffer, {0, 0}, visible);
    TestBitmap image(8, 3, red);
    window.copy_block({0, 0, 8, 3}, image.dc, {0, 0}, kp::RasterOp::Copy);
    EXPECT_EQ(kp::testing::picture(framebuffer, kp::colors::white, {{red.pixel(), 'r'}}), rows(R"(
rrrrrrrr
rrr..rrr
rrrrrrrr
)"));
    // And from the window back into a bitmap: the hidden pixels are not read.
    TestBitmap copy(8, 3, blue);
    copy.dc.copy_block({0, 0, 8, 3}, window, {0, 0}, kp::RasterOp::Copy);
    EXPECT_EQ(copy.at(3, 1), blue);
    EXPECT_EQ(copy.at(2, 1), red);
}

TEST(DeviceContext, MemoryContextWithoutBitmapDrawsNothing)
{
    kp::MemoryDeviceContext dc;
    dc.rectangle({0, 0, 10, 10});
    dc.move_to({0, 0});
    dc.line_to({5, 5});
    EXPECT_EQ(dc.current_position(), (Point{5, 5}));
    EXPECT_FALSE(dc.pixel({0, 0}));
    EXPECT_FALSE(dc.canvas());
    EXPECT_TRUE(dc.scroll({0, 0, 5, 5}, 1, 1, {0, 0, 5, 5}).is_empty());
}

} // namespace
