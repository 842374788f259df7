// The outline writer under memory exhaustion: FreeType's C code calls it, so running out of
// memory must end the walk with an error and reach the caller only after FreeType returned.

#include "platform/font/outline_writer.h"

#include <new>

#include <gtest/gtest.h>

#include "tests/allocation_failure.h"
#include "tests/platform/font/font_test_support.h"

namespace kp::testing {
namespace {

// Used to throw std::bad_alloc out of every callback, through FreeType's frames.
TEST(OutlineWriter, ACallbackThatCannotStoreItsStepReturnsAnErrorInsteadOfThrowing)
{
    FT_Vector const a{64, 0}, b{128, 64}, c{0, 128};
    OutlineWriter writer;
    ASSERT_EQ(OutlineWriter::move_to(&a, &writer), 0);
    // What each callback gave, or -1 when it threw; gtest is not called while allocations
    // fail, since it allocates itself.
    auto result_of = [](auto callback) {
        try {
            return callback();
        } catch (...) {
            return -1;
        }
    };
    int results[4] = {};
    int64_t refused = 0;
    {
        AllocationFailure const failure(0);
        results[0] = result_of([&] { return OutlineWriter::move_to(&b, &writer); });
        results[1] = result_of([&] { return OutlineWriter::line_to(&b, &writer); });
        results[2] = result_of([&] { return OutlineWriter::conic_to(&a, &b, &writer); });
        results[3] = result_of([&] { return OutlineWriter::cubic_to(&a, &b, &c, &writer); });
        refused = failure.refused();
    }
    EXPECT_EQ(refused, 4);
    for (int result : results)
        EXPECT_EQ(result, FT_Err_Out_Of_Memory) << "-1: the callback threw";
    EXPECT_THROW(writer.finish(FT_Err_Out_Of_Memory), std::bad_alloc) << "the kept exception comes out here";
}

TEST(OutlineWriter, WalksWithoutAFailureGiveTheOutlineClosed)
{
    FT_Vector const a{64, 0}, b{128, -64};
    OutlineWriter writer;
    ASSERT_EQ(OutlineWriter::move_to(&a, &writer), 0);
    ASSERT_EQ(OutlineWriter::line_to(&b, &writer), 0);
    GlyphOutline const outline = writer.finish(0);
    using Verb = GlyphOutline::Verb;
    EXPECT_EQ(outline.verbs, (std::vector<Verb>{Verb::Move, Verb::Line, Verb::Close}));
    ASSERT_EQ(outline.points.size(), 2u);
    EXPECT_EQ(outline.points[1].x, 2.0);
    EXPECT_EQ(outline.points[1].y, 1.0) << "y downwards";

    OutlineWriter failed_walk;
    ASSERT_EQ(OutlineWriter::move_to(&a, &failed_walk), 0);
    EXPECT_TRUE(failed_walk.finish(FT_Err_Invalid_Outline).verbs.empty());
}

// A glyph's outline taken while memory runs out fails as a whole, at every point of the
// walk, and FreeType stays usable: the next try gives the whole outline.
TEST(OutlineWriter, AGlyphOutlineThatRunsOutOfMemoryFailsWholeAndTheFaceStaysUsable)
{
    std::shared_ptr<Font const> const f = font("DejaVu Sans", -40);
    ASSERT_NE(f, nullptr);
    uint32_t const glyph = f->glyph_index(U'S');
    GlyphOutline const whole = f->glyph_outline(glyph);
    ASSERT_GT(whole.verbs.size(), 4u);
    int failed_walks = 0;
    for (int64_t allowed = 0; allowed < 40; ++allowed) {
        enum class Outcome { Whole, Partial, Failed } outcome = Outcome::Failed;
        int64_t refused = 0;
        {
            AllocationFailure const failure(allowed);
            try {
                GlyphOutline const outline = f->glyph_outline(glyph);
                outcome = outline.verbs == whole.verbs ? Outcome::Whole : Outcome::Partial;
            } catch (std::bad_alloc const&) {
            }
            refused = failure.refused();
        }
        EXPECT_NE(outcome, Outcome::Partial) << allowed << " allocations allowed";
        EXPECT_EQ(outcome == Outcome::Failed, refused > 0) << allowed << " allocations allowed";
        failed_walks += outcome == Outcome::Failed;
    }
    EXPECT_GT(failed_walks, 2) << "the failures fell inside the walk";
    EXPECT_EQ(f->glyph_outline(glyph).verbs, whole.verbs);
}

} // namespace
} // namespace kp::testing
