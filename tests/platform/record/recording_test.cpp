// What a recording keeps of a context's drawing, and how it stays small.

#include <algorithm>
#include <random>

#include <gtest/gtest.h>

#include "platform/graphics/graphics_objects.h"
#include "platform/graphics/device_context_text.h"
#include "platform/record/recording.h"
#include "tests/platform/graphics/test_bitmap.h"

namespace {

using kp::Point;
using kp::RasterOp;
using kp::Rect;
using kp::Recording;
using kp::StepKind;
using kp::testing::red;
using kp::testing::TestBitmap;

class RecordingTest : public ::testing::Test {
protected:
    RecordingTest() { bitmap.dc.start_recording(area); }

    Recording const& recording() const { return *bitmap.dc.recording(); }
    std::vector<StepKind> kinds() const
    {
        std::vector<StepKind> result;
        for (kp::RecordedStep const& step : recording().steps())
            result.push_back(step.kind);
        return result;
    }
    // A white fill over everything, as a graph is cleared.
    void clear()
    {
        bitmap.pen(kp::PenStyle::Solid, 1, kp::colors::white);
        bitmap.brush(kp::colors::white);
        bitmap.dc.rectangle(area);
        bitmap.pen(kp::PenStyle::Solid, 1, kp::colors::black);
    }

    Rect const area{0, 0, 40, 30};
    TestBitmap bitmap{40, 30};
};

TEST_F(RecordingTest, StartsWithThePresentPictureUntilAFillHidesIt)
{
    EXPECT_EQ(kinds(), std::vector{StepKind::Patch});
    clear();
    EXPECT_EQ(kinds(), std::vector{StepKind::Rectangle});
}

TEST_F(RecordingTest, LineTosThatContinueEachOtherAreOnePath)
{
    clear();
    bitmap.dc.move_to({2, 2});
    for (Point p : {Point{20, 2}, Point{20, 20}, Point{2, 20}})
        bitmap.dc.line_to(p);
    ASSERT_EQ(kinds(), (std::vector{StepKind::Rectangle, StepKind::Path}));
    EXPECT_EQ(recording().points(recording().steps()[1]).size(), 4u);
    EXPECT_EQ(recording().bounds(recording().steps()[1]), Rect::from_edges(1, 1, 22, 22))
        << "every point's pixel and the pen's reach";
    // A move elsewhere starts another path.
    bitmap.dc.move_to({5, 5});
    bitmap.dc.line_to({9, 9});
    EXPECT_EQ(kinds().size(), 3u);
}

TEST_F(RecordingTest, CombiningWriteModesKeepPixelsAndHideWhatTheyCover)
{
    clear();
    bitmap.dc.move_to({4, 4});
    bitmap.dc.line_to({10, 4});
    bitmap.dc.set_raster_op(RasterOp::Xor);
    bitmap.brush(red);
    bitmap.dc.rectangle({2, 2, 12, 6});
    // The line lies inside the exclusive-or rectangle, so only the final pixels tell it.
    EXPECT_EQ(kinds(), (std::vector{StepKind::Rectangle, StepKind::Patch}));
    EXPECT_EQ(recording().patch(recording().steps()[1]).bounds(), (Rect{2, 2, 12, 6}));
}

TEST_F(RecordingTest, APatchDropsTheEarlierStepsItCoversWhereverTheyAre)
{
    clear();
    bitmap.dc.move_to({2, 5});
    bitmap.dc.line_to({8, 5});   // scrolled over below
    bitmap.dc.move_to({2, 25});
    bitmap.dc.line_to({30, 25}); // outside the scrolled area: stays
    bitmap.dc.scroll({0, 0, 40, 10}, 0, 3, {0, 0, 40, 10});
    bitmap.dc.move_to({20, 28});
    bitmap.dc.line_to({30, 28});
    bitmap.dc.scroll({0, 0, 40, 12}, 0, 3, {0, 0, 40, 12});
    EXPECT_EQ(kinds(), (std::vector{StepKind::Rectangle, StepKind::Path, StepKind::Path, StepKind::Patch}))
        << "one patch for both scrolls, and the first line is gone";
}

TEST_F(RecordingTest, ScrollingAndReadingBackKeepPixels)
{
    clear();
    bitmap.dc.scroll({0, 0, 40, 10}, 0, 3, {0, 0, 40, 10});
    EXPECT_EQ(kinds().back(), StepKind::Patch);
    clear();
    bitmap.dc.copy_block({20, 0, 10, 10}, bitmap.dc, {0, 0}, RasterOp::Copy);
    EXPECT_EQ(kinds().back(), StepKind::Patch) << "a block of the context's own pixels";
}

TEST_F(RecordingTest, CharactersDrawnOneAfterAnotherAreOneRun)
{
    kp::LogicalFont logical;
    logical.height = -14;
    kp::OwnedObject font(kp::create_font(logical));
    uint32_t const previous = bitmap.dc.select_object(font.get());
    clear();
    Point corner{1, 1};
    for (char c : std::string_view("Kelvo")) {
        kp::draw_character(bitmap.dc, corner, static_cast<char32_t>(c));
        corner.x += kp::selected_font(bitmap.dc)->char_width(static_cast<char32_t>(c));
    }
    ASSERT_EQ(kinds(), (std::vector{StepKind::Rectangle, StepKind::Text}));
    EXPECT_EQ(recording().text(recording().steps()[1]).characters, U"Kelvo");
    bitmap.dc.select_object(previous);
}

TEST_F(RecordingTest, BatchedLinesJoinOneStepPerColour)
{
    clear();
    kp::PaintedLine const lines[] = {{{1, 1}, {9, 1}, red}, {{1, 3}, {9, 8}, red}, {{2, 2}, {2, 2}, kp::testing::blue}};
    bitmap.dc.draw_lines(lines);
    ASSERT_EQ(kinds(), (std::vector{StepKind::Rectangle, StepKind::Segments, StepKind::Segments}));
    EXPECT_EQ(recording().points(recording().steps()[1]).size(), 4u);
    EXPECT_EQ(recording().bounds(recording().steps()[1]), Rect::from_edges(0, 0, 11, 10));
    bitmap.dc.set_raster_op(RasterOp::Xor);
    bitmap.dc.draw_lines(lines);
    EXPECT_EQ(kinds().back(), StepKind::Patch) << "combined with what is there: pixels";
}

TEST_F(RecordingTest, BatchedLinesKeepTheirPointsInOrderAcrossRunsAndBatches)
{
    clear();
    kp::Color const blue = kp::testing::blue;
    kp::PaintedLine const first[] = {{{1, 1}, {4, 2}, red}, {{5, 5}, {6, 9}, red}, {{7, 1}, {8, 3}, blue}};
    kp::PaintedLine const second[] = {{{2, 6}, {3, 7}, blue}, {{9, 9}, {0, 4}, red}};
    bitmap.dc.draw_lines(first);
    bitmap.dc.draw_lines(second);
    // The second batch's blue line joins the first's last step; its red line starts another.
    ASSERT_EQ(kinds(), (std::vector{StepKind::Rectangle, StepKind::Segments, StepKind::Segments, StepKind::Segments}));
    auto points = [&](std::size_t step) {
        std::span<Point const> const p = recording().points(recording().steps()[step]);
        return std::vector<Point>(p.begin(), p.end());
    };
    EXPECT_EQ(points(1), (std::vector<Point>{{1, 1}, {4, 2}, {5, 5}, {6, 9}}));
    EXPECT_EQ(points(2), (std::vector<Point>{{7, 1}, {8, 3}, {2, 6}, {3, 7}}));
    EXPECT_EQ(points(3), (std::vector<Point>{{9, 9}, {0, 4}}));
    EXPECT_EQ(recording().steps()[2].pen.color, blue);
    EXPECT_EQ(recording().bounds(recording().steps()[2]), Rect::from_edges(1, 0, 10, 9))
        << "the box of both batches' blue lines, widened by the pen";
}

TEST_F(RecordingTest, ExclusiveOrLinesAllOverMakeOnePatchThatHoldsEveryOne)
{
    clear();
    bitmap.dc.set_raster_op(RasterOp::Xor);
    std::mt19937 random(11);
    std::uniform_int_distribution<int32_t> coordinate(0, 36);
    std::vector<Rect> drawn;
    auto patch_holds_every_line = [&] {
        kp::Region const patch = recording().patch(recording().steps()[1]);
        return std::ranges::all_of(drawn, [&](Rect const& r) { return kp::Region(r).subtracted(patch).is_empty(); });
    };
    // More lines than the patch takes in at once, so that some are merged and some wait.
    for (int i = 0; i < 300; ++i) {
        Point const from{coordinate(random), coordinate(random) * 30 / 40};
        bitmap.dc.move_to(from);
        bitmap.dc.line_to({from.x + 3, from.y + 2});
        drawn.push_back(Rect::from_edges(from.x, from.y, from.x + 3, from.y + 2));
    }
    ASSERT_EQ(kinds(), (std::vector{StepKind::Rectangle, StepKind::Patch}));
    EXPECT_TRUE(patch_holds_every_line());
    Rect all;
    for (Rect const& r : drawn)
        all.unite(r);
    EXPECT_TRUE(recording().bounds(recording().steps()[1]).contains(all));
    // A step of another kind on top keeps the patch whole.
    bitmap.dc.set_raster_op(RasterOp::Copy);
    bitmap.dc.move_to({1, 29});
    bitmap.dc.line_to({39, 29});
    ASSERT_EQ(kinds(), (std::vector{StepKind::Rectangle, StepKind::Patch, StepKind::Path}));
    EXPECT_TRUE(patch_holds_every_line());
}

TEST_F(RecordingTest, StartingAgainLeavesNothingOfWhatWasRecorded)
{
    // A graph starts its recording again every time it is cleared; over the same area the
    // recording keeps its memory but nothing of its steps, pools or state.
    std::size_t const fresh_bytes = recording().memory_bytes();
    clear();
    bitmap.dc.move_to({2, 2});
    bitmap.dc.line_to({30, 20});
    bitmap.dc.set_raster_op(RasterOp::Xor);
    bitmap.dc.line_to({5, 25});
    bitmap.dc.set_raster_op(RasterOp::Copy);
    kp::draw_text(bitmap.dc, {1, 1}, "ab");
    bitmap.dc.recording()->mark_cleared();
    ASSERT_GT(kinds().size(), 2u);

    bitmap.dc.start_recording(area);
    EXPECT_EQ(kinds(), std::vector{StepKind::Patch});
    EXPECT_EQ(recording().patch(recording().steps()[0]), kp::Region(area));
    EXPECT_EQ(recording().memory_bytes(), fresh_bytes);
    EXPECT_TRUE(recording().shows_drawing());
    // A line-to does not continue the path of before.
    bitmap.dc.line_to({10, 10});
    ASSERT_EQ(kinds(), (std::vector{StepKind::Patch, StepKind::Path}));
    EXPECT_EQ(recording().points(recording().steps()[1]).size(), 2u);

    // Another area is another recording.
    bitmap.dc.start_recording({0, 0, 20, 10});
    EXPECT_EQ(recording().area(), (Rect{0, 0, 20, 10}));
    EXPECT_EQ(recording().patch(recording().steps()[0]), kp::Region(Rect{0, 0, 20, 10}));
}

TEST_F(RecordingTest, EndlessDrawingStaysWithinTheBudget)
{
    constexpr std::size_t budget = 64 << 10;
    bitmap.dc.start_recording(area, budget);
    std::mt19937 random(7);
    std::uniform_int_distribution<int32_t> coordinate(-5, 45);
    std::size_t largest = 0;
    for (int i = 0; i < 20'000; ++i) {
        bitmap.pen(kp::PenStyle::Solid, 1 + i % 3, kp::Color::from_pixel(random() & 0xFFFFFF));
        bitmap.dc.set_raster_op(i % 7 == 0 ? RasterOp::Xor : RasterOp::Copy);
        bitmap.dc.move_to({coordinate(random), coordinate(random)});
        bitmap.dc.line_to({coordinate(random), coordinate(random)});
        largest = std::max(largest, recording().memory_bytes());
    }
    EXPECT_LE(largest, budget);
    EXPECT_FALSE(recording().steps().empty());
}

} // namespace
