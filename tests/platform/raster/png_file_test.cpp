#include "platform/raster/png_file.h"

#include <filesystem>

#include <gtest/gtest.h>

namespace {

TEST(PngFile, WrittenPicturesReadBackPixelForPixel)
{
    kp::Surface surface({5, 3});
    for (int32_t y = 0; y < 3; ++y)
        for (int32_t x = 0; x < 5; ++x)
            surface.set_pixel({x, y}, kp::Color::from_rgb(uint8_t(40 * x), uint8_t(90 * y), uint8_t(x * y * 17 + 3)));
    auto const path = (std::filesystem::temp_directory_path() / "kelvo_png_file_test.png").string();
    ASSERT_TRUE(kp::write_png(surface, path));
    std::optional<kp::Surface> const back = kp::read_png(path);
    std::filesystem::remove(path);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->size(), surface.size());
    EXPECT_TRUE(std::ranges::equal(back->pixels(), surface.pixels()));
}

TEST(PngFile, FailuresAreReportedNotThrown)
{
    EXPECT_FALSE(kp::write_png(kp::Surface({0, 0}), "/tmp/kelvo_empty.png"));
    EXPECT_FALSE(kp::write_png(kp::Surface({2, 2}), "/nonexistent-directory/picture.png"));
    EXPECT_FALSE(kp::read_png("/nonexistent-directory/picture.png"));
}

} // namespace
