// SVG documents written from recordings: binary data encoded right, final pixels embedded
// where the recording keeps them, clipped to their region, and clips as clip paths.

#include <algorithm>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "platform/graphics/device_context_text.h"
#include "platform/raster/png_file.h"
#include "platform/record/base64.h"
#include "platform/record/svg_document.h"
#include "tests/platform/graphics/test_bitmap.h"
#include "tests/platform/record/svg_reader.h"

namespace {

namespace fs = std::filesystem;
using kp::testing::TestBitmap;
using kp::testing::XmlElement;

struct Base64Case {
    char const* bytes;
    std::size_t size;
    char const* encoded;
};

TEST(Base64, EncodesTheStandardVectorsAndEveryByte)
{
    // The test vectors of the standard, a padded tail of each length, and the top bytes.
    Base64Case const cases[] = {{"", 0, ""},
                                {"f", 1, "Zg=="},
                                {"fo", 2, "Zm8="},
                                {"foo", 3, "Zm9v"},
                                {"foob", 4, "Zm9vYg=="},
                                {"fooba", 5, "Zm9vYmE="},
                                {"foobar", 6, "Zm9vYmFy"},
                                {"\xFF\xFE\xFD", 3, "//79"},
                                {"\x00\x10\x83", 3, "ABCD"}};
    for (Base64Case const& c : cases)
        EXPECT_EQ(kp::base64({c.bytes, c.size}), c.encoded) << c.encoded;
}

// The bytes of a base64 text (the test's own decoder, the inverse of the standard alphabet).
std::string decoded(std::string_view text)
{
    std::string const alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string bytes;
    uint32_t group = 0;
    int bits = 0;
    for (char c : text) {
        std::size_t const value = alphabet.find(c);
        if (value == std::string::npos)
            break;
        group = group << 6 | static_cast<uint32_t>(value);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            bytes += static_cast<char>((group >> bits) & 0xFF);
        }
    }
    return bytes;
}

class SvgDocument : public ::testing::Test {
protected:
    XmlElement document()
    {
        std::optional<XmlElement> root
            = kp::testing::XmlReader::read(kp::svg_document(*bitmap.dc.recording(), {bitmap.pixels(), {0, 0}}));
        EXPECT_TRUE(root);
        return root.value_or(XmlElement{});
    }

    // The clip path a clip-path attribute names.
    static XmlElement const* clip_named(XmlElement const& root, std::string const& reference)
    {
        std::vector<XmlElement const*> clips;
        root.find_all("clipPath", clips);
        for (XmlElement const* clip : clips)
            if ("url(#" + clip->attribute("id") + ")" == reference)
                return clip;
        return nullptr;
    }

    TestBitmap bitmap{60, 40};
};

TEST_F(SvgDocument, FinalPixelsAreEmbeddedAsPngClippedToTheirRegion)
{
    bitmap.dc.start_recording({0, 0, 60, 40});
    bitmap.brush(kp::Color::from_rgb(0, 120, 200));
    bitmap.dc.rectangle({0, 0, 60, 40});
    // Exclusive or combines with what is there: the recording keeps its final pixels.
    bitmap.dc.set_raster_op(kp::RasterOp::Xor);
    bitmap.pen(kp::PenStyle::Solid, 1, kp::Color::from_rgb(255, 255, 0));
    bitmap.dc.move_to({5, 5});
    bitmap.dc.line_to({20, 12});
    bitmap.dc.move_to({40, 25});
    bitmap.dc.line_to({55, 35});
    bitmap.dc.set_raster_op(kp::RasterOp::Copy);
    bitmap.dc.set_pixel({45, 30}, kp::testing::red);

    XmlElement const root = document();
    std::vector<XmlElement const*> images;
    root.find_all("image", images);
    // The final pixels; the red pixel after them, alone, is a rectangle of its own.
    ASSERT_EQ(images.size(), 1u);
    std::vector<XmlElement const*> rects;
    root.find_all("rect", rects);
    EXPECT_TRUE(std::any_of(rects.begin(), rects.end(), [](XmlElement const* r) {
        return r->attribute("x") == "45" && r->attribute("y") == "30" && r->attribute("width") == "1"
            && r->attribute("height") == "1" && r->attribute("fill") == "#ff0000";
    }));
    XmlElement const& image = *images.front();
    std::string const href = image.attribute("xlink:href");
    std::string const prefix = "data:image/png;base64,";
    ASSERT_TRUE(href.starts_with(prefix));
    fs::path const png = fs::temp_directory_path() / "kelvo-svg-document-patch.png";
    std::ofstream(png, std::ios::binary) << decoded(std::string_view(href).substr(prefix.size()));
    std::optional<kp::Surface> const pixels = kp::read_png(png.string());
    fs::remove(png);
    ASSERT_TRUE(pixels);

    // The image holds the final pixels of its box, the red pixel drawn after the lines too.
    int32_t const x = std::stoi(image.attribute("x")), y = std::stoi(image.attribute("y"));
    ASSERT_EQ(std::stoi(image.attribute("width")), pixels->width());
    ASSERT_EQ(std::stoi(image.attribute("height")), pixels->height());
    for (int32_t row = 0; row < pixels->height(); ++row)
        for (int32_t column = 0; column < pixels->width(); ++column)
            ASSERT_EQ(pixels->at(column, row), bitmap.pixels().at(x + column, y + row)) << column << ", " << row;

    // It shows only where the lines changed pixels: its clip path covers the lines' ends and
    // not the room between them.
    std::vector<XmlElement const*> groups;
    root.find_all("g", groups);
    XmlElement const* clip = nullptr;
    for (XmlElement const* group : groups)
        for (XmlElement const& child : group->children)
            if (&child == &image)
                clip = clip_named(root, group->attribute("clip-path"));
    ASSERT_NE(clip, nullptr) << "the image lies in a clipped group";
    auto covers = [&](int32_t px, int32_t py) {
        for (XmlElement const& rect : clip->children) {
            int32_t const left = std::stoi(rect.attribute("x")), top = std::stoi(rect.attribute("y"));
            if (px >= left && py >= top && px < left + std::stoi(rect.attribute("width"))
                && py < top + std::stoi(rect.attribute("height")))
                return true;
        }
        return false;
    };
    EXPECT_TRUE(covers(5, 5));
    EXPECT_TRUE(covers(54, 34));
    EXPECT_FALSE(covers(30, 18));
    EXPECT_FALSE(covers(54, 5));
}

// What later opaque painting covers wholly is left out of the saved picture: text painted
// over is neither drawn nor found in the file, while text beside the cover stays.
TEST_F(SvgDocument, StepsThatLaterOpaquePaintingCoversAreLeftOut)
{
    kp::LogicalFont logical;
    logical.height = -8;
    kp::OwnedObject font(kp::create_font(logical));
    kp::ScopedSelection const selected(bitmap.dc, font.get());
    bitmap.dc.start_recording({0, 0, 60, 40});
    kp::draw_text(bitmap.dc, {10, 9}, "Hidden");
    kp::draw_text(bitmap.dc, {2, 30}, "Shown");
    bitmap.dc.move_to({0, 8});
    bitmap.dc.line_to({59, 8}); // under the cover as well
    bitmap.dc.select_object(kp::stock_object(kp::StockObject::NullPen));
    bitmap.brush(kp::testing::blue);
    bitmap.dc.rectangle({0, 0, 60, 29});

    XmlElement const root = document();
    std::vector<XmlElement const*> texts;
    root.find_all("text", texts);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts.front()->all_text, "Shown");
    std::vector<XmlElement const*> paths;
    root.find_all("path", paths);
    for (XmlElement const* path : paths)
        EXPECT_EQ(path->attribute("d").find("M0.5 8.5"), std::string::npos) << "the covered line is left out";
}

TEST_F(SvgDocument, ReaderRefusesWhatIsNotWellFormed)
{
    // The checks of the text tests rely on this reader noticing broken documents.
    for (char const* broken : {"<a><b></a></b>", "<a x=1/>", "<a x=\"1\" x=\"2\"/>", "<a>1 < 2</a>", "<a>&</a>",
                               "<a>&nbsp;</a>", "<a>\x01</a>", "<a></a><b/>", "<a>\xC3</a>"})
        EXPECT_FALSE(kp::testing::XmlReader::read(broken)) << broken;
    std::optional<XmlElement> const good = kp::testing::XmlReader::read(
        "<?xml version=\"1.0\"?>\n<a k='v&amp;w'>x<b>&lt;&#x3B1;&#946;</b>y</a>");
    ASSERT_TRUE(good);
    EXPECT_EQ(good->attribute("k"), "v&w");
    EXPECT_EQ(good->all_text, "x<\u03b1\u03b2y");
}

} // namespace
