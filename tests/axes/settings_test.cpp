// Graph parameters, graph colours, label settings and title strings; the style resets; bad
// identifiers and values that are not finite on every coordinate call.

#include <cmath>
#include <cstring>

#include "tests/window/graph_test_fixture.h"

namespace kelvo::testing {
namespace {

class Settings : public GraphTest {
protected:
    void SetUp() override
    {
        GraphTest::SetUp();
        graph = open(300, 240, 2);
    }
    TkGraph graph = 0;
};

TEST_F(Settings, EveryParameterReadsBackAndFlagsReadAsOneOrZero)
{
    int32_t const codes[] = {1,   2,   3,   101, 102, 103, 4,   5,   6,   7,   11,  12,  13,  14,  15,  16,
                             17,  18,  19,  20,  21,  119, 120, 121, 130, 131, 133, 135, 136, 137, 140, 141,
                             142, 144, 145, 146, 147, 149};
    for (int32_t code : codes) {
        TkSetGraphParam(graph, code, 1000 + code);
        EXPECT_EQ(TkGetGraphParam(graph, code), 1000 + code) << code;
    }
    for (int32_t flag : {132, 134, 143, 148}) {
        TkSetGraphParam(graph, flag, 5);
        EXPECT_EQ(TkGetGraphParam(graph, flag), 1) << flag;
        TkSetGraphParam(graph, flag, 0);
        EXPECT_EQ(TkGetGraphParam(graph, flag), 0) << flag;
    }
    TkSetGraphParam(graph, 999, 5);
    EXPECT_EQ(TkGetGraphParam(graph, 999), 0) << "an unknown code is ignored and reads 0";
}

TEST_F(Settings, TheDefaultsOfTheParameterTable)
{
    struct Default {
        int32_t code, value;
    };
    for (Default d : {Default{1, 7}, Default{103, 5}, Default{13, 5}, Default{16, 2}, Default{19, 50},
                      Default{119, 25}, Default{130, 4}, Default{131, 1}, Default{132, 1}, Default{133, 100},
                      Default{134, 1}, Default{135, 50}, Default{140, 0}, Default{141, 1}, Default{142, 2},
                      Default{143, 0}, Default{144, 1}, Default{148, 0}, Default{149, 0}})
        EXPECT_EQ(TkGetGraphParam(graph, d.code), d.value) << d.code;
    EXPECT_EQ(TkGetGraphParam(graph, 11), 3 * TkCellWidth(graph) / 2);
}

TEST_F(Settings, GraphColoursByIndex)
{
    TkSetGraphColor(graph, 5, 0x112233);
    for (int32_t index : {16, 17, 18})
        EXPECT_EQ(TkGetGraphColor(graph, index), 0x112233u) << "colour 5 colours every title";
    TkSetGraphColor(graph, 16, 0x445566);
    EXPECT_EQ(TkGetGraphColor(graph, 5), 0x112233u) << "but reads the graph title's";

    EXPECT_EQ(TkGetGraphParam(graph, 148), 0);
    TkSetGraphColor(graph, 14, 0x0000FF);
    EXPECT_EQ(TkGetGraphParam(graph, 148), 1) << "the symbol colour turns itself on";
    EXPECT_EQ(TkGetGraphColor(graph, 14), 0x0000FFu);

    TkSetGraphColor(graph, 19, 0x00AA00);
    EXPECT_EQ(TkGetGraphColor(graph, 1), 0x00AA00u);
    EXPECT_EQ(TkGetGraphColor(graph, 2), 0x00AA00u);
    TkSetGraphColor(graph, 7, 0x0000AA);
    EXPECT_EQ(find_graph(graph)->pen.colour, 0x0000AAu) << "colour 7 is the pen";

    TkSetColors(graph, 1, 2, 3, 4);
    EXPECT_EQ(TkGetGraphColor(graph, 1), 1u);
    EXPECT_EQ(TkGetGraphColor(graph, 2), 2u);
    EXPECT_EQ(TkGetGraphColor(graph, 3), 3u);
    EXPECT_EQ(TkGetGraphColor(graph, 7), 4u);

    ScriptedBoxes boxes(kp::MessageBoxAnswer::Yes);
    TkSetGraphColor(graph, 20, 5);
    EXPECT_EQ(TkGetGraphColor(graph, 20), 0u);
    ASSERT_EQ(boxes.texts.size(), 2u);
    EXPECT_EQ(boxes.texts[0], "set graph color index out of range");
}

TEST_F(Settings, LabelSettingsRoundTrip)
{
    TkLabelSettings written{0, 2, 3, 14, 2, 1, 0xABCDEF, -20, 40, 3, 2};
    TkSetLabelSettings(graph, 2, &written);
    TkLabelSettings read{};
    TkGetLabelSettings(graph, 2, &read);
    EXPECT_EQ(std::memcmp(&read, &written, sizeof read), 0);

    TkLabelSettings untouched{};
    std::memset(&untouched, 0x5A, sizeof untouched);
    TkLabelSettings copy = untouched;
    TkGetLabelSettings(graph, 9, &copy);
    EXPECT_EQ(std::memcmp(&copy, &untouched, sizeof copy), 0) << "an unknown kind copies nothing";
}

TEST_F(Settings, GraphLabelSettingsAreTheGraphsFontAndOffsets)
{
    TkLabelSettings labels{1, 1, 1, 12, 4, 1, 0x00FF00, 7, 7, 0, 0};
    TkSetLabelSettings(graph, 8, &labels);
    EXPECT_EQ(labels.Orientation, 1) << "AutoPlace rewrites the caller's record";
    EXPECT_EQ(labels.Justification, 3);
    EXPECT_EQ(labels.XOffset, 0);
    EXPECT_EQ(labels.YOffset, -12);
    TkLabelSettings read{};
    TkGetLabelSettings(graph, 8, &read);
    EXPECT_EQ(read.FontSize, 12);
    EXPECT_EQ(read.YOffset, -12);
    EXPECT_EQ(read.AutoPlace, 0);
    EXPECT_EQ(read.TextColour, 0x00FF00u);
    EXPECT_EQ(TkGetGraphParam(graph, 12), -12);
}

TEST_F(Settings, TitleStrings)
{
    TkSetTitleString(graph, 7, "Seventh");
    char buffer[16];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(TkGetTitleString(graph, 7, buffer, 4), 3);
    EXPECT_STREQ(buffer, "Sev");
    EXPECT_EQ(TkGetTitleString(graph, 7, buffer, sizeof buffer), 7);
    EXPECT_STREQ(buffer, "Seventh");
    TkSetTitleString(graph, 7, "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(TkGetTitleString(graph, 7, buffer, 3), 2) << "never ends inside a UTF-8 character";
    TkSetTitleString(graph, 7, "");
    EXPECT_EQ(TkGetTitleString(graph, 7, buffer, sizeof buffer), 0);
    TkSetTitleString(graph, 5, "y");
    TkSetTitleString(graph, 5, nullptr);
    EXPECT_EQ(TkGetTitleString(graph, 5, buffer, sizeof buffer), 0);
    TkSetTitleString(graph, 3, "not a title");
    EXPECT_EQ(TkGetTitleString(graph, 3, buffer, sizeof buffer), 0);
    EXPECT_EQ(TkGetTitleString(graph, 7, nullptr, 10), 0);
    EXPECT_EQ(TkGetTitleString(graph, 7, buffer, 0), 0);
}

TEST_F(Settings, StylesResetTheWholeBlock)
{
    TkSetRanges(graph, 1, 2, 3, 4);
    TkSetGraphParam(graph, 131, 3);
    TkSetGraphParam(graph, 143, 1);
    TkSetTitleString(graph, 7, "title");
    TkSetView3D(graph);
    TkDefaults(graph);
    CoordinateSettings const& c = find_graph(graph)->coordinates;
    EXPECT_EQ(c.UserMin[0], -10);
    EXPECT_EQ(TkGetGraphParam(graph, 131), 1);
    EXPECT_EQ(TkGetGraphParam(graph, 143), 0);
    EXPECT_FALSE(c.Is3D);
    char buffer[8];
    EXPECT_EQ(TkGetTitleString(graph, 7, buffer, sizeof buffer), 0);

    TkSetGraphParam(graph, 1, 3);
    TkKelvoStyle(graph, 1);
    EXPECT_EQ(TkGetGraphParam(graph, 1), 7);
    EXPECT_EQ(TkGetGraphColor(graph, 1), 0u) << "style 1 draws its axes in black";
    EXPECT_EQ(TkGetGraphParam(graph, 4), 4 * TkCellWidth(graph)) << "margins follow the style's font";
}

// Every coordinate call with graph 0, a closed graph and one never issued does nothing.
TEST_F(Settings, BadIdentifiersDoNothing)
{
    TkGraph closed = open(50, 50, 1);
    TkCloseGraph(closed);
    for (TkGraph bad : {TkGraph{0}, closed, TkGraph{0x7777}}) {
        TkSetRanges(bad, 0, 1, 0, 1);
        TkSetRanges3(bad, 0, 1, 0, 1, 0, 1);
        TkSetOrigin(bad, 1, 1);
        TkSetOrigin3(bad, 1, 1, 1);
        TkSetMargins(bad, 1, 1, 1, 1);
        EXPECT_EQ(TkSetScales(bad), 0);
        EXPECT_EQ(TkSetScalesAbs(bad), 0);
        EXPECT_EQ(TkUserToWindowX(bad, 1, 1), 0);
        EXPECT_EQ(TkUserToWindowY3(bad, 1, 1, 1), 0);
        EXPECT_TRUE(std::isnan(TkWindowToUserX(bad, 1, 1)));
        double value = 42;
        TkWindowToUserXbyVar(bad, 1, 1, &value);
        EXPECT_EQ(value, 42);
        TkMoveabs(bad, 1, 1);
        TkDrawabs3(bad, 2, 2, 2);
        TkDrawrel(bad, 1, 1);
        TkSetViewangles(bad, 1, 1);
        TkSetView3D(bad);
        TkActualZoom zoom{};
        zoom.XMin = 42;
        TkGetActualZoom(bad, &zoom);
        EXPECT_EQ(zoom.XMin, 42);
        TkSetGraphParam(bad, 1, 3);
        EXPECT_EQ(TkGetGraphParam(bad, 1), 0);
        TkSetGraphColor(bad, 1, 3);
        EXPECT_EQ(TkGetGraphColor(bad, 1), 0u);
        TkSetColors(bad, 1, 2, 3, 4);
        TkLabelSettings settings{};
        TkGetLabelSettings(bad, 1, &settings);
        TkSetLabelSettings(bad, 8, &settings);
        TkSetTitleString(bad, 7, "x");
        char buffer[4] = "abc";
        EXPECT_EQ(TkGetTitleString(bad, 7, buffer, 4), 0);
    }
    EXPECT_EQ(find_graph(graph)->coordinates.UserMin[0], -10) << "the open graph was never touched";
    TkGetActualZoom(graph, nullptr);
    TkGetLabelSettings(graph, 1, nullptr);
    TkSetLabelSettings(graph, 8, nullptr);
    TkWindowToUserYbyVar(graph, 0, 0, nullptr);
}

// Ranges, origins and points that are not finite give finite scales and no stray pixels.
TEST_F(Settings, ValuesThatAreNotFiniteGiveSoundScales)
{
    double const nan = std::nan("");
    for (double bad : {nan, HUGE_VAL, -HUGE_VAL, 1e308}) {
        TkSetRanges3(graph, -bad, bad, bad, 1, 0, bad);
        TkSetOrigin3(graph, bad, bad, bad);
        int32_t const code = TkSetScales(graph);
        EXPECT_EQ(code, 10603) << bad;
        EffectiveScales const& s = find_graph(graph)->scales;
        for (std::size_t axis = 0; axis < 3; ++axis) {
            EXPECT_TRUE(std::isfinite(s.Scale[axis])) << bad;
            EXPECT_TRUE(std::isfinite(s.AxisOrigin[axis])) << bad;
        }
        EXPECT_TRUE(std::isfinite(s.OffsetX) && std::isfinite(s.OffsetY)) << bad;
    }
    TkSetView3D(graph);
    TkSetViewangles(graph, nan, HUGE_VAL);
    TkSetScales(graph);
    TkClearWindow(graph);
    TkMoveabs3(graph, 0, 0, 0);
    TkDrawabs3(graph, 1, 1, 1);
    EXPECT_GT(count_shown(graph, 0x00787800), 0) << "angles that are not finite leave the view as it was";
    TkClearWindow(graph);
    TkDrawabs3(graph, nan, 1, 1);
    TkDrawabs3(graph, 0, 0, 0);
    EXPECT_EQ(count_shown(graph, 0x00787800), 0);
}

} // namespace
} // namespace kelvo::testing
