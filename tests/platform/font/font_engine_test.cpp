#include "platform/font/font_engine.h"

#include <gtest/gtest.h>

#include "font_test_support.h"

namespace {

using kp::testing::font;
using kp::testing::Slant;

TEST(FontEngine, RealizedFontsAreSharedWhileCached)
{
    kp::FontEngine* engine = kp::FontEngine::shared();
    auto first = font("Helvetica", -21);
    EXPECT_EQ(font("Helvetica", -21), first);
    EXPECT_NE(font("Helvetica", -22), first);
    EXPECT_NE(font("Helvetica", -21, kp::font_weight_bold), first);
    // Pushed out of the cache, a font that is still held keeps working.
    for (int32_t size = 1; size <= static_cast<int32_t>(kp::FontEngine::cache_capacity) + 5; ++size)
        font("Helvetica", -100 - size);
    EXPECT_LE(engine->cached_font_count(), kp::FontEngine::cache_capacity);
    EXPECT_NE(font("Helvetica", -21), first);
    EXPECT_EQ(first->char_width('0'), font("Helvetica", -21)->char_width('0'));
}

TEST(FontEngine, EscapementSetsTheRotation)
{
    auto turned = [](int32_t escapement) {
        return font("Helvetica", -13, kp::font_weight_normal, Slant::Upright, escapement);
    };
    EXPECT_EQ(turned(900)->rotation(), kp::TextRotation::Degrees90);
    EXPECT_EQ(turned(2700)->rotation(), kp::TextRotation::Degrees270);
    EXPECT_EQ(turned(-900)->rotation(), kp::TextRotation::Degrees270);
    // Turning does not change the measurements.
    EXPECT_EQ(turned(1800)->metrics(), font("Helvetica")->metrics());
}

} // namespace
