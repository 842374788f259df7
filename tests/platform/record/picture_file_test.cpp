// Pictures saved from recordings: SVG and PDF files rasterised back match the pixels they
// were saved from, whatever was drawn, and failed saves leave nothing behind.

#include <filesystem>
#include <random>

#include <gtest/gtest.h>

#include "platform/graphics/device_context_text.h"
#include "platform/graphics/graphics_objects.h"
#include "platform/record/picture_file.h"
#include "tests/platform/graphics/test_bitmap.h"
#include "tests/platform/record/picture_match.h"

namespace {

char const* format_name(kp::PictureFormat format)
{
    switch (format) {
    case kp::PictureFormat::Png:
        return "Png";
    case kp::PictureFormat::Svg:
        return "Svg";
    case kp::PictureFormat::Pdf:
        return "Pdf";
    }
    return "Unknown";
}

} // namespace

namespace kp {

void PrintTo(PictureFormat format, std::ostream* out)
{
    *out << format_name(format);
}

} // namespace kp

namespace {

namespace fs = std::filesystem;
using kp::Color;
using kp::PenStyle;
using kp::PictureFormat;
using kp::Point;
using kp::RasterOp;
using kp::Rect;
using kp::testing::TestBitmap;

fs::path scratch_folder(std::string const& name)
{
    fs::path const folder = fs::temp_directory_path() / ("kelvo-picture-file-" + name);
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

std::vector<fs::path> files_in(fs::path const& folder)
{
    std::vector<fs::path> files;
    for (auto const& entry : fs::directory_iterator(folder))
        files.push_back(entry.path().filename());
    return files;
}

class PictureOfDrawing : public ::testing::TestWithParam<PictureFormat> {
protected:
    static constexpr Rect area{0, 0, 200, 160};

    PictureOfDrawing() { bitmap.dc.start_recording(area); }

    // Saves the recording, rasterises it back and compares it with the bitmap.
    double saved_share_matching(std::string const& name)
    {
        std::string const extension = GetParam() == PictureFormat::Svg ? ".svg" : ".pdf";
        // Each format has its own folder: the cases may run side by side.
        fs::path const folder = scratch_folder(name + extension);
        std::string const path = (folder / (name + extension)).string();
        kp::FinalPixels const final_pixels{bitmap.pixels(), {0, 0}};
        if (!kp::save_picture(*bitmap.dc.recording(), final_pixels, GetParam(), path))
            return -1;
        std::optional<kp::Surface> back = kp::testing::rasterised(path, area.width, area.height);
        if (!back)
            return -2;
        return kp::testing::match_pictures(bitmap.pixels(), *back).share();
    }

    void font(int32_t height, int32_t escapement, char const* face = "")
    {
        kp::LogicalFont logical;
        logical.height = height;
        logical.escapement = escapement;
        logical.face_name = face;
        fonts.emplace_back(kp::create_font(logical));
        bitmap.dc.select_object(fonts.back().get());
    }

    TestBitmap bitmap{area.width, area.height};
    std::vector<kp::OwnedObject> fonts;
};

TEST_P(PictureOfDrawing, LinesShapesAndFillsMatchThePixels)
{
    kp::DeviceContext& dc = bitmap.dc;
    // Solid, dotted, dashed and dash-dot one-pixel pens, level, upright and slanted, with
    // transparent and opaque gaps.
    PenStyle const styles[] = {PenStyle::Solid, PenStyle::Dotted, PenStyle::Dashed, PenStyle::DashDot};
    for (int i = 0; i < 4; ++i) {
        bitmap.pen(styles[i], 1, Color::from_rgb(0, 0, 160));
        dc.set_background_mode(i % 2 == 0 ? kp::BackgroundMode::Transparent : kp::BackgroundMode::Opaque);
        dc.set_background_color(Color::from_rgb(255, 220, 0));
        dc.move_to({5, 5 + 6 * i});
        dc.line_to({95, 5 + 6 * i});
        dc.move_to({100 + 6 * i, 5});
        dc.line_to({100 + 6 * i, 60});
        dc.move_to({130, 5 + 8 * i});
        dc.line_to({195, 30 + 8 * i});
    }
    dc.set_background_mode(kp::BackgroundMode::Transparent);
    // Wide pens, a polyline, shapes with and without fills.
    bitmap.pen(PenStyle::Solid, 4, kp::testing::red);
    Point const zigzag[] = {{5, 40}, {25, 60}, {45, 40}, {65, 60}};
    dc.polyline(zigzag);
    bitmap.pen(PenStyle::Solid, 1, kp::colors::black);
    bitmap.brush(Color::from_rgb(0, 160, 0));
    dc.rectangle({5, 70, 40, 30});
    bitmap.hollow_brush();
    bitmap.pen(PenStyle::Dashed, 1, kp::colors::black);
    dc.rectangle({50, 70, 40, 30});
    bitmap.brush(Color::from_rgb(200, 100, 0));
    bitmap.pen(PenStyle::Solid, 1, kp::colors::black);
    Point const star[] = {{120, 70}, {135, 115}, {100, 88}, {140, 88}, {105, 115}};
    dc.polygon(star, kp::FillRule::Alternate);
    dc.ellipse({145, 70, 50, 30});
    bitmap.pen(PenStyle::Solid, 3, kp::testing::blue);
    dc.arc({5, 110, 60, 40}, {65, 110}, {5, 150});
    dc.set_pixel({199, 159}, kp::testing::red);
    dc.set_pixel({150, 150}, kp::testing::green);
    EXPECT_GE(saved_share_matching("shapes"), 0.99);
}

TEST_P(PictureOfDrawing, TextInEveryOrientationMatchesThePixels)
{
    kp::DeviceContext& dc = bitmap.dc;
    dc.set_text_color(Color::from_rgb(128, 0, 0));
    font(-16, 0, "Times New Roman");
    kp::draw_text(dc, {10, 10}, "Kelvo 123");
    font(-13, 900, "Arial");
    kp::draw_text(dc, {10, 150}, "upwards");
    font(-13, 1800);
    kp::draw_text(dc, {190, 150}, "upside down");
    font(-13, 2700);
    kp::draw_text(dc, {190, 10}, "downwards");
    font(-18, 0, "Symbol");
    dc.set_background_mode(kp::BackgroundMode::Opaque);
    dc.set_background_color(Color::from_rgb(220, 220, 255));
    kp::draw_text(dc, {40, 60}, "abgdp");
    EXPECT_GE(saved_share_matching("text"), 0.99);
}

TEST_P(PictureOfDrawing, ExclusiveOrScrollingAndImagesMatchThePixels)
{
    kp::DeviceContext& dc = bitmap.dc;
    bitmap.brush(Color::from_rgb(0, 120, 200));
    dc.rectangle({10, 10, 80, 60});
    dc.set_raster_op(RasterOp::Xor);
    bitmap.pen(PenStyle::Solid, 1, Color::from_rgb(255, 255, 0));
    for (int i = 0; i < 20; ++i) {
        dc.move_to({5 + 3 * i, 5});
        dc.line_to({100, 80 - 2 * i});
    }
    dc.set_raster_op(RasterOp::Copy);
    dc.scroll({0, 0, 120, 90}, 7, 5, {0, 0, 120, 90});
    TestBitmap picture(30, 20, kp::testing::green);
    picture.dc.set_pixel({3, 3}, kp::testing::red);
    dc.copy_block({150, 100, 30, 20}, picture.dc, {0, 0}, RasterOp::Copy);
    EXPECT_GE(saved_share_matching("combined"), 0.99);
}

TEST_P(PictureOfDrawing, FoldedRecordingsStillMatchThePixels)
{
    // A tiny budget makes the recording fold old steps into pixels again and again.
    bitmap.dc.start_recording(area, 16 << 10);
    std::mt19937 random(11);
    std::uniform_int_distribution<int32_t> x(-10, 210), y(-10, 170);
    for (int i = 0; i < 3000; ++i) {
        bitmap.pen(PenStyle::Solid, 1 + i % 2, Color::from_pixel(random() & 0xFFFFFF));
        bitmap.brush(Color::from_pixel(random() & 0xFFFFFF));
        bitmap.dc.set_raster_op(i % 5 == 0 ? RasterOp::Xor : RasterOp::Copy);
        if (i % 3 == 0) {
            bitmap.dc.rectangle(Rect::from_edges(x(random), y(random), x(random), y(random)).normalized());
        } else {
            bitmap.dc.move_to({x(random), y(random)});
            bitmap.dc.line_to({x(random), y(random)});
        }
    }
    EXPECT_LE(bitmap.dc.recording()->memory_bytes(), std::size_t{16} << 10);
    EXPECT_GE(saved_share_matching("folded"), 0.99);
}

INSTANTIATE_TEST_SUITE_P(Formats, PictureOfDrawing, ::testing::Values(PictureFormat::Svg, PictureFormat::Pdf),
                         [](auto const& info) { return format_name(info.param); });

TEST(PictureFile, FormatComesFromTheExtension)
{
    EXPECT_EQ(kp::picture_format_for("a.svg"), PictureFormat::Svg);
    EXPECT_EQ(kp::picture_format_for("dir.x/A.PDF"), PictureFormat::Pdf);
    EXPECT_EQ(kp::picture_format_for("b.Png"), PictureFormat::Png);
    for (char const* path : {"", "svg", "a.svgz", "a.pdf.txt", "a.jpeg", ".pdf/"})
        EXPECT_EQ(kp::picture_format_for(path), std::nullopt) << path;
}

TEST(PictureFile, FailedSavesLeaveNothingBehind)
{
    TestBitmap bitmap(20, 20);
    bitmap.dc.start_recording({0, 0, 20, 20});
    bitmap.dc.rectangle({2, 2, 10, 10});
    kp::FinalPixels const final_pixels{bitmap.pixels(), {0, 0}};
    fs::path const folder = scratch_folder("failures");
    // A missing folder, and a destination that is a folder.
    fs::create_directory(folder / "taken.svg");
    for (PictureFormat format : {PictureFormat::Svg, PictureFormat::Pdf, PictureFormat::Png}) {
        EXPECT_FALSE(kp::save_picture(*bitmap.dc.recording(), final_pixels, format, (folder / "missing" / "a.svg").string()));
        EXPECT_FALSE(kp::save_picture(*bitmap.dc.recording(), final_pixels, format, (folder / "taken.svg").string()));
    }
    EXPECT_EQ(files_in(folder), std::vector<fs::path>{"taken.svg"});
    EXPECT_TRUE(fs::is_empty(folder / "taken.svg"));
}

TEST(PictureFile, PngHoldsTheFinalPixels)
{
    TestBitmap bitmap(12, 8);
    bitmap.dc.start_recording({0, 0, 12, 8});
    bitmap.dc.set_pixel({3, 4}, kp::testing::red);
    fs::path const path = scratch_folder("png") / "p.png";
    ASSERT_TRUE(kp::save_picture(*bitmap.dc.recording(), {bitmap.pixels(), {0, 0}}, PictureFormat::Png, path.string()));
    std::optional<kp::Surface> back = kp::read_png(path.string());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->pixels().size(), bitmap.pixels().pixels().size());
    EXPECT_TRUE(std::equal(back->pixels().begin(), back->pixels().end(), bitmap.pixels().pixels().begin()));
}

} // namespace
