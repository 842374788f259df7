// Axis labels (their shared decimal layout, placement and thinning) and titles, read back
// from the headless host against texts drawn directly.

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "lib/axes/label_layout.h"
#include "lib/graph/graph_table.h"
#include "lib/runtime/error_state.h"
#include "tests/axes/axes_test_fixture.h"
#include "tests/case_name.h"

namespace kelvo::testing {
namespace {

struct LayoutCase {
    char const* name;
    double lo, hi, step;
    int32_t label_width;
    std::vector<char const*> texts; // lo, lo + step, ..., hi with the power of ten on the last
};

void PrintTo(LayoutCase const& c, std::ostream* out)
{
    *out << c.lo << " to " << c.hi << " by " << c.step << " in labels " << c.label_width << " wide";
}

class LabelLayoutCases : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(LabelLayoutCases, TextsOfEveryPip)
{
    LayoutCase const& c = GetParam();
    LabelLayout const layout = label_layout(c.lo, c.hi, c.step, c.label_width);
    std::vector<std::string> texts;
    double v = c.lo;
    for (std::size_t k = 0; k < c.texts.size(); ++k, v += c.step)
        texts.push_back(label_text(layout, v) + (k + 1 == c.texts.size() ? exponent_suffix(layout) : ""));
    EXPECT_EQ(texts, std::vector<std::string>(c.texts.begin(), c.texts.end()));
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, LabelLayoutCases,
    ::testing::Values(
        LayoutCase{"hundred_thousands", 0, 700000, 100000, 5, {"0", "1", "2", "3", "4", "5", "6", "7E5"}},
        LayoutCase{"ten_thousandths", 0, 0.0007, 0.0001, 5, {"0", "1", "2", "3", "4", "5", "6", "7E-4"}},
        LayoutCase{"signed_whole", -16, 4, 2, 5, {"-16", "-14", "-12", "-10", "-8", "-6", "-4", "-2", "0", "2", "4"}},
        LayoutCase{"tenths", -1, 1, 0.5, 5, {"-1.0", "-0.5", "0.0", "0.5", "1.0"}},
        LayoutCase{"thousandths_fit", 0, 0.003, 0.001, 5, {"0.0", "0.001", "0.002", "0.003"}},
        LayoutCase{"wide_labels_keep_digits", 0, 700000, 100000, 6, {"0", "100000", "200000", "300000", "400000",
                                                                      "500000", "600000", "700000"}},
        LayoutCase{"negative_powers", -700000, 700000, 700000, 5, {"-7", "0", "7E5"}},
        LayoutCase{"twelve_ten_thousands", 0, 120000, 20000, 5, {"0", "2", "4", "6", "8", "10", "12E4"}}),
    case_name::FromMember());

TEST(LabelLayout, NoRangeOrStepStillGivesALayout)
{
    for (double bad : {0.0, -1.0, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        LabelLayout const layout = label_layout(0, bad, bad, 5);
        EXPECT_LE(std::abs(layout.exponent), 400);
        (void)label_text(layout, 1);
    }
}

class Labels : public AxesTest {
protected:
    void SetUp() override
    {
        AxesTest::SetUp();
        reference_host = KpCreateHeadlessHost(width, height);
        reference = TkOpenGraph(reference_host, 0, 0, width, height, 2);
        ASSERT_NE(reference, 0u);
        TkKelvoStyle(reference, 1);
    }
    void TearDown() override
    {
        KpDestroyWindow(reference_host);
        AxesTest::TearDown();
    }

    // The text drawn directly, in the style's font, with its reference point at (x, y).
    // Compared with the graph over the text's box widened by two pixels.
    ::testing::AssertionResult shows_text(int32_t x, int32_t y, int32_t justification, char const* text)
    {
        TkKelvoStyle(reference, 1);
        TkGpText(reference, 0, 100, text);
        int32_t const w = TkEndTextX(reference);
        int32_t const ascent = find_graph(reference)->ascent;
        int32_t const descent = TkCellHeight(reference) - ascent;
        TkClearWindow(reference);
        TkTextJustified(reference, justification);
        TkGpText(reference, x, y, text);
        int32_t const left = justification == 1 ? x : justification == 2 ? x - w : x - w / 2;
        int differences = 0;
        int ink = 0;
        for (int32_t py = y - ascent; py <= y + descent; ++py) {
            for (int32_t px = left - 2; px <= left + w + 2; ++px) {
                differences += shown(graph, px, py) != shown(reference, px, py);
                ink += shown(reference, px, py) != white;
            }
        }
        if (ink == 0)
            return ::testing::AssertionFailure() << "\"" << text << "\" drew nothing";
        if (differences > 0)
            return ::testing::AssertionFailure() << differences << " pixels differ from \"" << text << "\"";
        return ::testing::AssertionSuccess();
    }

    int32_t cell_width() const { return TkCellWidth(reference); }
    int32_t cell_height() const { return TkCellHeight(reference); }
    int32_t percent(int32_t p, int32_t cell) const { return static_cast<int32_t>(std::nearbyint(p * 0.01 * cell)); }

    TkWnd reference_host = 0;
    TkGraph reference = 0;
};

TEST_F(Labels, ACommonPowerOfTenOnTheLastLabel)
{
    TkSetMargins(graph, 8 * TkCellWidth(graph), 30, 30, 40);
    TkSetRanges(graph, 0, 700000, 0, 0.0007);
    TkSetScales(graph);
    TkDrawAxes(graph);
    TkLabelAxes(graph);
    int32_t const x_row = TkUserToWindowY(graph, 0, 0) + percent(120, cell_height());
    for (int k = 1; k <= 7; ++k) {
        std::string const text = k == 7 ? "7E5" : std::to_string(k);
        EXPECT_TRUE(shows_text(TkUserToWindowX(graph, k * 100000.0, 0), x_row, 3, text.c_str()));
    }
    int32_t const y_column = TkUserToWindowX(graph, 0, 0) - cell_width();
    for (int k = 1; k <= 7; ++k) {
        std::string const text = k == 7 ? "7E-4" : std::to_string(k);
        EXPECT_TRUE(shows_text(y_column, TkUserToWindowY(graph, 0, k * 0.0001) + percent(20, cell_height()), 2,
                               text.c_str()));
    }
}

TEST_F(Labels, EndLabelsAtTheAxesMoveClearOfThem)
{
    TkSetMargins(graph, 15, 15, 15, 15);
    TkSetRanges(graph, -10000, 100000, -10, 10);
    TkSetScales(graph);
    TkDrawAxes(graph);
    int32_t const x0 = TkUserToWindowX(graph, 0, 0);
    int32_t const y0 = TkUserToWindowY(graph, 0, 0);
    int const before = count_inked(x0 + 2, y0 + 6, x0 + 20, y0 + 18);
    TkLabelAxes(graph);
    EXPECT_GT(count_inked(x0 + 2, y0 + 6, x0 + 20, y0 + 18), before) << "the x label 0 right of the y axis";
    EXPECT_EQ(count_inked(x0 - 6, y0 + 6, x0 - 5, y0 + 18), 0) << "and not across it (beside the y pips)";

    TkLabelSettings settings{};
    TkGetLabelSettings(graph, 1, &settings);
    settings.EdgeRule = 2;
    TkSetLabelSettings(graph, 1, &settings);
    TkClearWindow(graph);
    TkDrawAxes(graph);
    TkLabelAxes(graph);
    EXPECT_EQ(count_inked(x0 + 2, y0 + 6, x0 + 20, y0 + 18), before) << "moved labels left out";
}

TEST_F(Labels, ANegativeLabelWidthRemovesLabelsButKeepsPips)
{
    TkSetRanges(graph, -10, 10, -10, 10);
    TkSetScales(graph);
    TkSetGraphParam(graph, 14, -1);
    TkDrawAxes(graph);
    int const axes_only = count_inked();
    int32_t const y_axis = TkUserToWindowX(graph, 0, 0);
    TkLabelAxes(graph);
    EXPECT_EQ(count_inked(0, 0, y_axis - 5, TkUserToWindowY(graph, 0, 0) - 5), 0) << "no y labels";
    EXPECT_GT(count_inked(), axes_only) << "x labels";
    EXPECT_TRUE(inked(y_axis - 4, TkUserToWindowY(graph, 0, 6))) << "y pips";
}

TEST_F(Labels, AWindowNarrowerThanFifteenCellsHasNoLabels)
{
    TkGraph narrow = open(15 * TkCellWidth(graph) - 1, 200, 2);
    TkKelvoStyle(narrow, 1);
    TkClearWindow(narrow);
    TkSetMargins(narrow, 5, 5, 5, 5);
    TkSetScales(narrow);
    TkDrawAxes(narrow);
    int const axes_only = count_shown(narrow, black);
    TkLabelAxes(narrow);
    EXPECT_EQ(count_shown(narrow, black), axes_only);
    TkSetGraphParam(narrow, 13, 3);
    TkLabelAxes(narrow);
    EXPECT_GT(count_shown(narrow, black), axes_only) << "labels of 3 characters fit";
}

TEST_F(Labels, CrowdedAxesShowOnlyTheirEnds)
{
    TkSetGraphParam(graph, 132, 0);
    TkSetGraphParam(graph, 1, 40);
    TkSetRanges(graph, 0, 1000, -10, 10);
    TkSetScales(graph);
    TkSetGraphParam(graph, 14, -1);
    TkLabelAxes(graph);
    int32_t const y0 = TkUserToWindowY(graph, 0, 0);
    int32_t const middle = TkUserToWindowX(graph, 500, 0);
    EXPECT_EQ(count_inked(middle - 60, y0, middle + 60, height - 1), 0);
    EXPECT_GT(count_inked(TkUserToWindowX(graph, 1000, 0) - 20, y0, width - 1, height - 1), 0);
}

TEST_F(Labels, AutoPlacementIsStoredAndTheTextSettingsRestored)
{
    TkSetScales(graph);
    TkFont(graph, 5, 2, 14);
    TkTextJustified(graph, 2);
    TkTextColor(graph, 0x123456);
    TkLabelAxes(graph);
    GraphRecord const* record = find_graph(graph);
    EXPECT_EQ(record->font.face, 5);
    EXPECT_EQ(record->font.size, 14);
    EXPECT_EQ(record->justification, 2);
    EXPECT_EQ(record->text_colour, 0x123456u);
    TkLabelSettings x{};
    TkLabelSettings y{};
    TkGetLabelSettings(graph, 1, &x);
    TkGetLabelSettings(graph, 2, &y);
    EXPECT_EQ(x.Justification, 3);
    EXPECT_EQ(x.YOffset, 120);
    EXPECT_EQ(y.Justification, 2);
    EXPECT_EQ(y.XOffset, -100);
    EXPECT_EQ(y.YOffset, 20);
}

TEST_F(Labels, TheGraphTitleIsCentredAtTheTop)
{
    TkSetScales(graph);
    TkGraphTitle(graph, 7, "Kelvo Graphics");
    EXPECT_TRUE(shows_text(width / 2, percent(120, cell_height()), 3, "Kelvo Graphics"));
    EXPECT_EQ(count_inked(0, percent(120, cell_height()) + 4, width - 1, height - 1), 0);
    TkLabelSettings stored{};
    TkGetLabelSettings(graph, 7, &stored);
    EXPECT_EQ(stored.YOffset, 0) << "placement applies to the drawing only";

    TkClearWindow(graph);
    stored.AutoPlace = 0;
    stored.TitleRef = 1;
    stored.Justification = 1;
    stored.YOffset = 100;
    TkSetLabelSettings(graph, 7, &stored);
    TkGraphTitle(graph, 7, "left");
    EXPECT_TRUE(shows_text(0, cell_height(), 1, "left"));
}

TEST_F(Labels, AxisTitlesBelowAndBesideTheAxes)
{
    TkSetGraphParam(graph, 131, 3);
    TkSetTitleString(graph, 4, "x title");
    TkSetTitleString(graph, 5, "y title");
    TkSetTitleString(graph, 6, "z title");
    TkSetGraphParam(graph, 143, 1);
    TkSetScales(graph);
    TkDrawAxes(graph);
    int32_t const middle = (TkUserToWindowX(graph, -10, 0) + TkUserToWindowX(graph, 10, 0)) / 2;
    EXPECT_TRUE(shows_text(middle, TkUserToWindowY(graph, 0, -10) + percent(260, cell_height()), 3, "x title"));
    int32_t const y_title_x = TkUserToWindowX(graph, -10, 0) - percent(100 * (5 + 2), cell_width());
    EXPECT_GT(count_inked(y_title_x - cell_height(), 0, y_title_x, height - 1), 0) << "the y title, turned";
    EXPECT_EQ(count_inked(0, 0, y_title_x - cell_height() - 1, height - 1), 0);

    TkClearWindow(graph);
    TkSetTitleString(graph, 5, "");
    TkDrawAxes(graph);
    EXPECT_EQ(count_inked(0, 0, y_title_x, height - 1), 0) << "an empty title removes it";
}

TEST_F(Labels, TitleRoomWidensTheMargins)
{
    int32_t const cw = TkCellWidth(graph);
    int32_t const ch = TkCellHeight(graph);
    TkSetGraphParam(graph, 131, 3);
    TkSetGraphParam(graph, 143, 1);
    TkSetScales(graph);
    EXPECT_EQ(TkGetGraphParam(graph, 4), 7 * cw);
    EXPECT_EQ(TkGetGraphParam(graph, 6), ch + 8);
    int32_t const bare_left = TkUserToWindowX(graph, -10, 0);
    TkSetTitleString(graph, 7, "graph");
    TkSetTitleString(graph, 4, "x");
    TkSetTitleString(graph, 5, "y");
    TkSetScales(graph);
    EXPECT_EQ(TkGetGraphParam(graph, 4), 7 * cw + 3 * ch / 2);
    EXPECT_EQ(TkGetGraphParam(graph, 5), 2 * cw);
    EXPECT_EQ(TkGetGraphParam(graph, 6), ch + 8 + 3 * ch / 2);
    EXPECT_EQ(TkGetGraphParam(graph, 7), 2 * ch);
    EXPECT_GT(TkUserToWindowX(graph, -10, 0), bare_left) << "the plot moves right";
}

TEST_F(Labels, ThreeDimensionalAxesAreLabelledAlongTheirBoxEdges)
{
    TkSetView3D(graph);
    TkSetGraphParam(graph, 131, 3);
    TkSetRanges3(graph, -18, 28, 0, 30, 20, 40);
    TkSetScales(graph);
    TkDrawAxes(graph);
    int const frame = count_inked();
    TkLabelAxes(graph);
    EXPECT_GT(count_inked(), frame);
    TkLabelSettings z{};
    TkGetLabelSettings(graph, 3, &z);
    EXPECT_EQ(z.XOffset, -100);
    EXPECT_EQ(z.YOffset, 30);
}

TEST_F(Labels, HostileArguments)
{
    TkGraph closed = open(30, 30, 1);
    TkCloseGraph(closed);
    for (TkGraph bad : {TkGraph{0}, closed, TkGraph{0x7777}}) {
        TkLabelAxes(bad);
        TkGraphTitle(bad, 7, "x");
    }
    TkSetScales(graph);
    TkGraphTitle(graph, 7, nullptr);
    TkGraphTitle(graph, 3, "not a title");
    TkGraphTitle(graph, 8, "not a title");
    std::string const long_title(10000, 'W');
    TkGraphTitle(graph, 7, long_title.c_str());
    double const nan = std::numeric_limits<double>::quiet_NaN();
    for (int32_t widthSetting : {std::numeric_limits<int32_t>::max(), 300, 254, 1, 0}) {
        TkSetGraphParam(graph, 13, widthSetting);
        TkSetGraphParam(graph, 14, widthSetting);
        for (double end : {nan, 1e308, -1e-308, 0.0}) {
            TkSetRanges(graph, -end, end, end, 1e300);
            TkSetScales(graph);
            TkLabelAxes(graph);
            TkDrawAxes(graph);
            TkGraphTitle(graph, 4, "x");
            TkGraphTitle(graph, 5, "y");
            TkSetView3D(graph);
            TkSetScales(graph);
            TkLabelAxes(graph);
            TkSetView2D(graph);
        }
    }
    TkLabelSettings settings{};
    TkGetLabelSettings(graph, 1, &settings);
    settings.Orientation = 99;
    settings.FontSize = 100000;
    settings.Justification = -3;
    settings.TitleRef = 12;
    settings.AutoPlace = 0;
    settings.XOffset = std::numeric_limits<int32_t>::max();
    settings.YOffset = std::numeric_limits<int32_t>::min();
    TkSetLabelSettings(graph, 1, &settings);
    TkSetLabelSettings(graph, 4, &settings);
    TkSetLabelSettings(graph, 7, &settings);
    TkSetScales(graph);
    TkLabelAxes(graph);
    TkGraphTitle(graph, 4, "x");
    TkGraphTitle(graph, 7, "graph");

    // Numbers of 255 digits do not fit any field; the labels are left out without a report.
    TkSetGraphParam(graph, 13, 255);
    TkSetRanges(graph, 0, 1e254, 0, 1);
    TkSetScales(graph);
    clear_error();
    TkLabelAxes(graph);
    EXPECT_EQ(error_state().code, 0);
}

} // namespace
} // namespace kelvo::testing
