#include "lib/runtime/error_state.h"

#include <gtest/gtest.h>

#include "lib/runtime/text_limits.h"

namespace {

using namespace kelvo;

TEST(ErrorState, SetErrorCutsTheMessageTo255BytesWithoutSplittingACharacter)
{
    std::string message(254, 'a');
    message += "\xC3\xA9\xC3\xA9"; // two two-byte characters crossing byte 255
    set_error(42, message);
    EXPECT_EQ(error_state().flag, 1);
    EXPECT_EQ(error_state().code, 42);
    EXPECT_EQ(error_state().message, std::string(254, 'a'));
}

TEST(ErrorState, NonUtf8TextIsCutByBytes)
{
    std::string message(254, 'a');
    message += "\xE9\xE9"; // Windows-1252 accents: one byte each
    set_error(7, message);
    EXPECT_EQ(error_state().message.size(), 255u);
}

TEST(ErrorState, ClearKeepsTheMessageAndResetRestoresTheLoadState)
{
    set_error_by_code(heap_error_code);
    clear_error();
    EXPECT_EQ(error_state().flag, 0);
    EXPECT_EQ(error_state().code, 0);
    EXPECT_EQ(error_state().message, "Not enough memory on heap");
    reset_error_state();
    EXPECT_EQ(error_state().message, "");
}

TEST(TextLimits, RejectsBrokenUtf8)
{
    EXPECT_TRUE(is_valid_utf8("plain \xE2\x82\xAC euro"));
    EXPECT_FALSE(is_valid_utf8("\xC0\xAF"));         // overlong
    EXPECT_FALSE(is_valid_utf8("\xED\xA0\x80"));     // surrogate
    EXPECT_FALSE(is_valid_utf8("\xE2\x82"));         // cut short
    EXPECT_EQ(cut_text("\xE2\x82\xAC\xE2\x82\xAC", 4), "\xE2\x82\xAC");
}

} // namespace
