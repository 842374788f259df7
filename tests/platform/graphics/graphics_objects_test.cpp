// Handles of graphics objects: creation, kinds, and the rules for deleting them.

#include <gtest/gtest.h>

#include "platform/graphics/graphics_objects.h"
#include "platform/graphics/memory_device_context.h"
#include "platform/graphics/object_guards.h"

namespace {

using kp::ObjectKind;
using kp::PenStyle;

TEST(GraphicsObjects, EachCreatorMakesItsKind)
{
    kp::MemoryDeviceContext dc;
    kp::OwnedObject pen(kp::create_pen(PenStyle::Dashed, 1, kp::colors::black));
    kp::OwnedObject brush(kp::create_solid_brush(kp::colors::white));
    kp::OwnedObject font(kp::create_font(kp::LogicalFont{.height = -13, .face_name = "Helvetica"}));
    kp::OwnedObject bitmap(kp::create_compatible_bitmap(dc, 3, 2));
    kp::OwnedObject discardable(kp::create_discardable_bitmap(dc, 1, 1));
    kp::OwnedObject region(kp::create_rect_region({1, 2, 3, 4}));
    EXPECT_EQ(kp::object_kind(pen.get()), ObjectKind::Pen);
    EXPECT_EQ(kp::object_kind(brush.get()), ObjectKind::Brush);
    EXPECT_EQ(kp::object_kind(font.get()), ObjectKind::Font);
    EXPECT_EQ(kp::object_kind(bitmap.get()), ObjectKind::Bitmap);
    EXPECT_EQ(kp::object_kind(region.get()), ObjectKind::Region);
    EXPECT_EQ(kp::bitmap_size(bitmap.get()), (kp::Size{3, 2}));
    EXPECT_EQ(kp::bitmap_size(discardable.get()), (kp::Size{1, 1}));
    EXPECT_EQ(kp::font_of(font.get())->face_name, "Helvetica");
    EXPECT_EQ(*kp::region_of(region.get()), kp::Region(kp::Rect{1, 2, 3, 4}));
    EXPECT_EQ(kp::pen_of(pen.get())->style, PenStyle::Dashed);
    EXPECT_FALSE(kp::pen_of(brush.get())) << "a brush handle is not a pen";
}

TEST(GraphicsObjects, WidePensDrawSolidAndWidthsBelowOneDrawOnePixel)
{
    kp::OwnedObject wide(kp::create_pen(PenStyle::Dotted, 3, kp::colors::black));
    EXPECT_EQ(kp::pen_of(wide.get())->style, PenStyle::Solid);
    kp::OwnedObject invisible(kp::create_pen(PenStyle::Invisible, 3, kp::colors::black));
    EXPECT_EQ(kp::pen_of(invisible.get())->style, PenStyle::Invisible);
    kp::OwnedObject thin(kp::create_pen(PenStyle::Dotted, -4, kp::colors::black));
    EXPECT_EQ(kp::pen_of(thin.get())->width, 1);
    EXPECT_EQ(kp::create_pen(static_cast<PenStyle>(6), 1, kp::colors::black), 0u);
}

TEST(GraphicsObjects, BadHandlesAreRecognised)
{
    uint32_t const stale = kp::create_solid_brush(kp::colors::white);
    ASSERT_TRUE(kp::delete_object(stale));
    for (uint32_t handle : {0u, stale, 0xFFFFFFFFu, 12345u}) {
        EXPECT_FALSE(kp::delete_object(handle));
        EXPECT_FALSE(kp::object_kind(handle));
        EXPECT_FALSE(kp::bitmap_size(handle));
        EXPECT_EQ(kp::bitmap_surface(handle), nullptr);
        EXPECT_FALSE(kp::set_region(handle, kp::Region()));
    }
}

TEST(GraphicsObjects, ObjectSelectedSomewhereIsNotFreed)
{
    kp::MemoryDeviceContext dc;
    uint32_t const pen = kp::create_pen(PenStyle::Solid, 1, kp::colors::white);
    uint32_t const stock = dc.select_object(pen);
    EXPECT_FALSE(kp::delete_object(pen)) << "still selected";
    EXPECT_EQ(dc.pen().color, kp::colors::white);
    dc.select_object(stock);
    EXPECT_TRUE(kp::delete_object(pen));

    // A context that goes away lets go of its objects.
    uint32_t const brush = kp::create_solid_brush(kp::colors::black);
    {
        kp::MemoryDeviceContext other;
        other.select_object(brush);
        EXPECT_FALSE(kp::delete_object(brush));
    }
    EXPECT_TRUE(kp::delete_object(brush));
}

TEST(GraphicsObjects, StockObjectsSurviveDeletion)
{
    uint32_t const black_pen = kp::stock_object(kp::StockObject::BlackPen);
    EXPECT_TRUE(kp::delete_object(black_pen));
    EXPECT_EQ(kp::object_kind(black_pen), ObjectKind::Pen);
    kp::MemoryDeviceContext dc;
    EXPECT_EQ(dc.selected_object(ObjectKind::Pen), black_pen);
    EXPECT_EQ(dc.selected_object(ObjectKind::Brush), kp::stock_object(kp::StockObject::WhiteBrush));
    EXPECT_EQ(dc.selected_object(ObjectKind::Font), kp::stock_object(kp::StockObject::DefaultFont));
    EXPECT_EQ(dc.selected_object(ObjectKind::Bitmap), kp::stock_object(kp::StockObject::DefaultBitmap));
}

TEST(GraphicsObjects, BitmapSizesOutOfRangeGiveNoBitmap)
{
    kp::MemoryDeviceContext dc;
    EXPECT_EQ(kp::create_compatible_bitmap(dc, -1, 5), 0u);
    EXPECT_EQ(kp::create_compatible_bitmap(dc, 5, -1), 0u);
    EXPECT_EQ(kp::create_compatible_bitmap(dc, INT32_MAX, INT32_MAX), 0u);
    EXPECT_EQ(kp::create_discardable_bitmap(dc, 1 << 15, 1 << 15), 0u) << "a gigabyte of pixels";
    kp::OwnedObject empty(kp::create_compatible_bitmap(dc, 0, 7));
    ASSERT_TRUE(empty);
    EXPECT_EQ(kp::bitmap_size(empty.get()), (kp::Size{0, 0})) << "a surface without pixels has no height either";
}

} // namespace
