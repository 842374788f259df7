// Saving graphs as pictures: every drawing mode saves what the graph shows, bad requests
// give their code and write nothing.

#include "graph_test_fixture.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "lib/graph/graph_recording.h"
#include "lib/window/graph_picture.h"
#include "platform/record/recording.h"
#include "tests/platform/record/picture_match.h"
#include "tests/platform/record/svg_reader.h"

namespace kelvo::testing {
namespace {

namespace fs = std::filesystem;

class GraphPictureTest : public GraphTest {
protected:
    void SetUp() override
    {
        GraphTest::SetUp();
        folder = fs::temp_directory_path() / ("kelvo-graph-picture-" + std::string(
            ::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }

    std::string file(std::string const& name) const { return (folder / name).string(); }

    // A little of everything: a filled box, a dashed line, text, and a line in exclusive or.
    static void draw_scene(TkGraph graph)
    {
        TkGpFill(graph, 10, 10, 60, 40, 0x0000A000, 1);
        TkPen(graph, 0x00800000, 3, 1);
        TkGpLine(graph, 5, 70, 150, 90);
        TkTextColor(graph, 0x000000C0);
        TkFont(graph, 2, 1, 12);
        TkGpText(graph, 20, 100, "Hello Kelvo");
        TkWritemode(graph, 5);
        TkPen(graph, 0x00FFFF00, 1, 3);
        TkGpLine(graph, 0, 0, 120, 60);
        TkWritemode(graph, 1);
    }

    // What the graph's window shows, as a surface.
    kp::Surface window_pixels(TkGraph graph)
    {
        std::string const path = file("window.png");
        EXPECT_EQ(KpSavePng(TkGetGraphHWnd(graph), path.c_str()), 0);
        return kp::read_png(path).value_or(kp::Surface());
    }

    // The saved SVG document read back; fails the test when it is not well-formed XML.
    kp::testing::XmlElement saved_svg(TkGraph graph, std::string const& name)
    {
        std::string const path = file(name);
        EXPECT_EQ(TkSaveGraph(graph, path.c_str()), 0);
        std::stringstream document;
        document << std::ifstream(path).rdbuf();
        std::optional<kp::testing::XmlElement> root = kp::testing::XmlReader::read(document.str());
        EXPECT_TRUE(root) << "not well-formed: " << path;
        if (has_xmllint()) {
            std::string const command = "xmllint --noout '" + path + "'";
            EXPECT_EQ(std::system(command.c_str()), 0) << path;
        }
        return root.value_or(kp::testing::XmlElement{});
    }

    static bool has_xmllint() { return std::system("command -v xmllint > /dev/null 2>&1") == 0; }

    // The <text> elements of a document, by their text.
    static std::map<std::string, kp::testing::XmlElement const*> texts_of(kp::testing::XmlElement const& root)
    {
        std::vector<kp::testing::XmlElement const*> found;
        root.find_all("text", found);
        std::map<std::string, kp::testing::XmlElement const*> texts;
        for (kp::testing::XmlElement const* text : found)
            texts.emplace(text->all_text, text);
        return texts;
    }

    fs::path folder;
};

TEST_F(GraphPictureTest, EveryDrawingModeSavesWhatTheGraphShows)
{
    for (int32_t mode : {1, 2, 3, 4}) {
        TkGraph graph = open(160, 120, mode);
        draw_scene(graph);
        TkDispatchToWindow(graph);
        KpUpdate();
        kp::Surface const shown = window_pixels(graph);
        for (char const* extension : {".svg", ".pdf"}) {
            std::string const path = file("mode" + std::to_string(mode) + extension);
            ASSERT_EQ(TkSaveGraph(graph, path.c_str()), 0) << path;
            std::optional<kp::Surface> back = kp::testing::rasterised(path, 160, 120);
            ASSERT_TRUE(back) << path;
            kp::testing::PictureMatch const match = kp::testing::match_pictures(shown, *back);
            EXPECT_GE(match.share(), 0.99) << path;
            EXPECT_GE(match.ink_share(), 0.9) << path;
        }
        std::string const png = file("mode" + std::to_string(mode) + ".png");
        ASSERT_EQ(TkSaveGraph(graph, png.c_str()), 0);
        std::optional<kp::Surface> const saved = kp::read_png(png);
        ASSERT_TRUE(saved);
        EXPECT_TRUE(std::ranges::equal(saved->pixels(), shown.pixels())) << "mode " << mode;
        TkCloseGraph(graph);
    }
}

TEST_F(GraphPictureTest, AnEndlessAnimationInExclusiveOrKeepsTheRecordingSmall)
{
    TkGraph graph = open(160, 120, 2);
    TkFont(graph, 2, 1, 10);
    TkGpText(graph, 5, 5, "Frame");
    TkWritemode(graph, 5);
    for (int frame = 0; frame < 3000; ++frame) {
        int32_t const x = 10 + (frame * 7) % 130, y = 20 + (frame * 3) % 90;
        for (int twice = 0; twice < 2; ++twice) {
            TkGpRectangle(graph, x, y, x + 15, y + 10, 0);
            TkGpLine(graph, x, y, x + 15, y + 10);
        }
    }
    TkWritemode(graph, 1);
    kp::Recording const* recording = recording_context(*find_graph(graph))->recording();
    EXPECT_LT(recording->memory_bytes(), std::size_t{64} << 10);
    kp::Surface const shown = window_pixels(graph);
    std::string const path = file("animation.svg");
    ASSERT_EQ(TkSaveGraph(graph, path.c_str()), 0);
    std::optional<kp::Surface> back = kp::testing::rasterised(path, 160, 120);
    ASSERT_TRUE(back);
    EXPECT_GE(kp::testing::match_pictures(shown, *back).share(), 0.99);
}

TEST_F(GraphPictureTest, TextInAPdfIsText)
{
    TkGraph graph = open(200, 120, 2);
    TkFont2(graph, 1, 3, 10, 2);
    TkGpText(graph, 30, 115, "Upwards italic");
    TkFont2(graph, 2, 2, 12, 1);
    TkGpText(graph, 60, 20, "Bold label");
    std::string const path = file("text.pdf");
    ASSERT_EQ(TkSaveGraph(graph, path.c_str()), 0);
    std::string const command = "pdftotext '" + path + "' '" + path + ".txt'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::stringstream text;
    text << std::ifstream(path + ".txt").rdbuf();
    EXPECT_NE(text.str().find("Bold label"), std::string::npos) << text.str();
    EXPECT_NE(text.str().find("Upwards italic"), std::string::npos) << text.str();
}

TEST_F(GraphPictureTest, TextInAnSvgIsTextInItsFaceStyleTurnAndColour)
{
    TkGraph graph = open(300, 240, 2);
    TkSetGraphParam(graph, 131, 3);
    TkSetTitleString(graph, 4, "Time (s)");
    TkSetTitleString(graph, 5, "Amplitude");
    TkSetTitleString(graph, 7, "Damped oscillation");
    TkSetGraphParam(graph, 143, 1); // room for the titles
    TkSetScales(graph);
    TkDrawAxes(graph);
    TkLabelAxes(graph);
    TkTextColor(graph, 0x00FF0080); // 0x00BBGGRR
    TkFont2(graph, 1, 4, 12, 1);
    TkGpText(graph, 60, 80, "Bold italic");
    TkFont2(graph, 4, 1, 14, 1);
    TkGpText(graph, 60, 110, "abgp");
    TkFont2(graph, 4, 3, 14, 1);
    TkGpText(graph, 60, 140, "w");
    kp::testing::XmlElement const svg = saved_svg(graph, "axes.svg");
    auto const texts = texts_of(svg);

    for (char const* title : {"Time (s)", "Amplitude", "Damped oscillation"})
        ASSERT_TRUE(texts.contains(title)) << title;
    EXPECT_NE(texts.at("Amplitude")->attribute("transform").find("rotate(-90)"), std::string::npos)
        << "the y title runs upwards";
    EXPECT_EQ(texts.at("Time (s)")->attribute("transform"), "") << "upright text sits on the page";
    for (auto const& [content, text] : texts)
        EXPECT_EQ(text->attribute("xml:space"), "preserve") << content;
    // The axes' end labels (crowded axes show only their ends).
    EXPECT_TRUE(texts.contains("-10"));
    EXPECT_TRUE(texts.contains("10"));

    ASSERT_TRUE(texts.contains("Bold italic"));
    kp::testing::XmlElement const& styled = *texts.at("Bold italic");
    EXPECT_EQ(styled.attribute("font-weight"), "700");
    EXPECT_EQ(styled.attribute("font-style"), "italic");
    EXPECT_EQ(styled.attribute("fill"), "#8000ff");
    EXPECT_EQ(styled.attribute("font-size"), "16px") << "12 points at 96 pixels per inch";
    EXPECT_NE(styled.attribute("font-family"), "");

    // Symbol bytes are the Greek letters they show; the symbol face has no italic, so the
    // screen slants it and so does the picture.
    ASSERT_TRUE(texts.contains("\u03b1\u03b2\u03b3\u03c0")) << "alpha beta gamma pi";
    ASSERT_TRUE(texts.contains("\u03c9")) << "omega";
    kp::testing::XmlElement const& slanted = *texts.at("\u03c9");
    EXPECT_NE(slanted.attribute("transform").find("skewX(-11.3"), std::string::npos) << slanted.attribute("transform");
    EXPECT_EQ(slanted.attribute("font-style"), "normal") << "slanted once, not again by the renderer";
}

TEST_F(GraphPictureTest, SvgTextOfAnyBytesIsWellFormed)
{
    TkGraph graph = open(300, 120, 2);
    TkFont(graph, 2, 1, 10);
    // Markup characters, UTF-8 beyond Latin, and bytes that are not UTF-8 (read as
    // Windows-1252) or not characters at all.
    TkGpText(graph, 5, 20, "a<b && \"c\" > d' \xC3\xA9\xE2\x88\x9E\xE6\xB8\xA9");
    TkGpText(graph, 5, 50, "caf\xE9 \x80 ]]> <!-- -->");
    TkGpText(graph, 5, 80, "bell\x07 tab\t end");
    kp::testing::XmlElement const svg = saved_svg(graph, "escaped.svg");
    auto const texts = texts_of(svg);
    EXPECT_TRUE(texts.contains("a<b && \"c\" > d' \u00e9\u221e\u6e29"));
    EXPECT_TRUE(texts.contains("caf\u00e9 \u20ac ]]> <!-- -->"));
    bool bell_replaced = false;
    for (auto const& [content, text] : texts)
        bell_replaced = bell_replaced || (content.starts_with("bell\uFFFD") && content.ends_with(" end"));
    EXPECT_TRUE(bell_replaced) << "control characters become the replacement character";
}

TEST_F(GraphPictureTest, BadRequestsGiveTheirCodeAndWriteNothing)
{
    TkGraph graph = open(100, 80, 2);
    EXPECT_EQ(TkSaveGraph(graph, file("blank.svg").c_str()), save_nothing_drawn) << "never drawn";
    TkGpLine(graph, 0, 0, 50, 50);
    fs::create_directory(folder / "taken.pdf");
    EXPECT_EQ(TkSaveGraph(graph, nullptr), save_cannot_write);
    EXPECT_EQ(TkSaveGraph(graph, ""), save_cannot_write);
    EXPECT_EQ(TkSaveGraph(graph, file("picture.jpeg").c_str()), save_unknown_format);
    EXPECT_EQ(TkSaveGraph(graph, file("missing/picture.svg").c_str()), save_cannot_write);
    EXPECT_EQ(TkSaveGraph(graph, file("taken.pdf").c_str()), save_cannot_write);
    EXPECT_EQ(TkSaveGraph(0, file("none.svg").c_str()), save_no_graph);
    EXPECT_EQ(TkSaveGraph(graph + 1000, file("none.svg").c_str()), save_no_graph);
    TkClearWindow(graph);
    EXPECT_EQ(TkSaveGraph(graph, file("cleared.svg").c_str()), save_nothing_drawn) << "cleared since";
    TkCloseGraph(graph);
    EXPECT_EQ(TkSaveGraph(graph, file("closed.svg").c_str()), save_no_graph);

    std::vector<fs::path> left;
    for (auto const& entry : fs::directory_iterator(folder))
        left.push_back(entry.path().filename());
    EXPECT_EQ(left, std::vector<fs::path>{"taken.pdf"});
}

// Used to ask for 408 GB of pixels for the PNG file (and to write SVG and PDF pages a
// billion pixels wide); a graph without off-screen images may have a window of any size.
TEST_F(GraphPictureTest, AWindowLargerThanAnyPictureIsRefusedBeforeAnythingIsMade)
{
    for (auto [width, height] : {std::pair{INT32_MAX, 95}, {65537, 10}, {65536, 4097}}) {
        SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
        TkGraph graph = open(width, height, 1);
        TkGpLine(graph, 0, 0, 50, 50);
        for (char const* name : {"huge.png", "huge.svg", "huge.pdf"})
            EXPECT_EQ(TkSaveGraph(graph, file(name).c_str()), save_too_large) << name;
        TkCloseGraph(graph);
    }
    EXPECT_TRUE(fs::is_empty(folder)) << "no file, not even a temporary one";

    TkGraph at_the_bound = open(65536, 4096, 1);
    TkGpLine(at_the_bound, 0, 0, 50, 50);
    EXPECT_EQ(TkSaveGraph(at_the_bound, file("largest.svg").c_str()), 0);
}

TEST_F(GraphPictureTest, SavingLeavesTheCurrentGraphAlone)
{
    TkGraph first = open(100, 80, 2);
    TkGpLine(first, 0, 0, 50, 50);
    TkGraph second = open(100, 80, 2);
    ASSERT_EQ(current_graph(), find_graph(second));
    EXPECT_EQ(TkSaveGraph(first, file("first.svg").c_str()), 0);
    EXPECT_EQ(current_graph(), find_graph(second));
}

} // namespace
} // namespace kelvo::testing
