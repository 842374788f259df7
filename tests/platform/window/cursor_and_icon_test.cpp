#include "platform/window/cursor.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "platform/window/icon.h"

namespace kp {
namespace {

bool has_opaque_pixels(std::vector<uint32_t> const& argb)
{
    return std::any_of(argb.begin(), argb.end(), [](uint32_t pixel) { return (pixel >> 24) == 0xFF; });
}

TEST(Cursors, SystemShapesAndOurPicturesLoadOnceEach)
{
    uint32_t const arrow = load_system_cursor(SystemCursor::Arrow);
    EXPECT_EQ(load_system_cursor(SystemCursor::Arrow), arrow);
    EXPECT_NE(load_system_cursor(SystemCursor::IBeam), arrow);
    EXPECT_EQ(find_cursor(load_system_cursor(SystemCursor::Cross))->shape, CursorShape::Cross);
    for (char const* name : {"TkHand", "TkDot"}) {
        Cursor const* cursor = find_cursor(load_named_cursor(name));
        ASSERT_NE(cursor, nullptr) << name;
        EXPECT_EQ(cursor->shape, CursorShape::Picture);
        EXPECT_EQ(cursor->argb.size(), static_cast<std::size_t>(cursor->size.area()));
        EXPECT_TRUE(has_opaque_pixels(cursor->argb));
        EXPECT_LT(cursor->hotspot.x, cursor->size.width);
    }
    EXPECT_EQ(load_named_cursor("NoSuchCursor"), 0u);
}

TEST(Cursors, SettingReturnsThePreviousAndRefusesUnknownHandles)
{
    uint32_t const cross = load_system_cursor(SystemCursor::Cross);
    set_cursor(cross);
    EXPECT_EQ(set_cursor(0x12345), cross);
    EXPECT_EQ(current_cursor(), 0u) << "an unknown cursor shows none";
}

TEST(Icons, TheKelvoIconIsAPicture)
{
    uint32_t const icon = load_named_icon("Kelvo");
    ASSERT_NE(icon, 0u);
    EXPECT_EQ(load_named_icon("Kelvo"), icon);
    EXPECT_EQ(find_icon(icon)->size, (Size{32, 32}));
    EXPECT_TRUE(has_opaque_pixels(find_icon(icon)->argb));
    EXPECT_EQ(load_named_icon("Other"), 0u);
    EXPECT_EQ(find_icon(0), nullptr);
}

} // namespace
} // namespace kp
