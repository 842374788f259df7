#pragma once

// A memory context on a small white bitmap, for tests that draw and read pixels back.

#include <map>
#include <string>

#include "platform/graphics/graphics_objects.h"
#include "platform/graphics/memory_device_context.h"
#include "platform/graphics/object_guards.h"
#include "tests/platform/pixel_picture.h"

namespace kp::testing {

inline constexpr Color red = Color::from_rgb(255, 0, 0);
inline constexpr Color green = Color::from_rgb(0, 255, 0);
inline constexpr Color blue = Color::from_rgb(0, 0, 255);

class TestBitmap {
public:
    TestBitmap(int32_t width, int32_t height, Color background = colors::white)
        : bitmap_(create_compatible_bitmap(dc, width, height))
        , background_(background)
    {
        previous_bitmap_ = dc.select_object(bitmap_.get());
        bitmap_surface(bitmap_.get())->fill(background);
        dc.set_background_mode(BackgroundMode::Transparent);
    }
    ~TestBitmap()
    {
        dc.select_object(previous_bitmap_);
        dc.select_object(stock_object(StockObject::BlackPen));
        dc.select_object(stock_object(StockObject::WhiteBrush));
    }

    void pen(PenStyle style, int32_t width, Color color) { use(pen_, create_pen(style, width, color)); }
    void brush(Color color) { use(brush_, create_solid_brush(color)); }
    void hollow_brush() { dc.select_object(stock_object(StockObject::NullBrush)); }

    uint32_t bitmap() const { return bitmap_.get(); }
    Surface& pixels() const { return *bitmap_surface(bitmap_.get()); }
    Color at(int32_t x, int32_t y) const { return pixels().pixel({x, y}); }
    // Background '.', black '#', red 'r', green 'g', blue 'b', anything else '?'.
    std::string picture() const
    {
        return kp::testing::picture(pixels(), background_,
                                    {{colors::black.pixel(), '#'}, {red.pixel(), 'r'}, {green.pixel(), 'g'},
                                     {blue.pixel(), 'b'}, {colors::white.pixel(), 'w'}},
                                    '?');
    }

    MemoryDeviceContext dc;

private:
    void use(OwnedObject& slot, uint32_t handle)
    {
        dc.select_object(handle);
        slot = OwnedObject(handle); // the replaced object is no longer selected, so it can go
    }

    OwnedObject bitmap_;
    OwnedObject pen_;
    OwnedObject brush_;
    uint32_t previous_bitmap_ = 0;
    Color background_;
};

} // namespace kp::testing
