#include "lib/runtime/error_state.h"

#include <gtest/gtest.h>

#include <cmath>

#include "lib/kelvolib.h"
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

// The exported view of the error state: what a failing call left, readable and clearable by
// programs, and settable by the functions they give the library.
TEST(ErrorStateCalls, ReadTheCodeAndMessageLeftByAFailingCall)
{
    TkClearError();
    EXPECT_EQ(TkGetArray1(0, 1), 0.0);
    EXPECT_EQ(TkGetErrorCode(), 0) << "a bad handle is not an error";
    TkArray array = TkNewArray1(2);
    EXPECT_TRUE(std::isnan(TkGetArray1(array, 3)));
    TkDisposeArray(array);
    EXPECT_EQ(TkGetErrorCode(), 201);
    char message[64] = "unchanged";
    EXPECT_EQ(TkGetErrorMessage(message, sizeof message), 17);
    EXPECT_STREQ(message, "Range check error");
    EXPECT_EQ(TkGetErrorMessage(message, 6), 17) << "the whole length, also when cut";
    EXPECT_STREQ(message, "Range");
    EXPECT_EQ(TkGetErrorMessage(nullptr, 10), 17);
    TkClearError();
    EXPECT_EQ(TkGetErrorCode(), 0);
    EXPECT_EQ(TkGetErrorMessage(message, sizeof message), 17) << "clearing keeps the message readable";
}

TEST(ErrorStateCalls, SetErrorReplacesThePendingErrorAndZeroClearsIt)
{
    TkSetError(201, "first");
    TkSetError(77, std::string(300, 'm').c_str());
    EXPECT_EQ(TkGetErrorCode(), 77);
    EXPECT_EQ(TkGetErrorMessage(nullptr, 0), 255);
    TkSetError(78, nullptr);
    EXPECT_EQ(TkGetErrorMessage(nullptr, 0), 0);
    TkSetError(0, "ignored");
    EXPECT_EQ(TkGetErrorCode(), 0);
    EXPECT_EQ(error_state().flag, 0);
}

double failing_function(double x)
{
    TkSetError(99, "the caller's function failed");
    return x;
}

TEST(ErrorStateCalls, AFunctionThatReportsAnErrorEndsTheRoutineThatCalledIt)
{
    TkClearError();
    EXPECT_TRUE(std::isnan(Zeroin(failing_function, -1.0, 2.0, 1e-9)));
    EXPECT_EQ(TkGetErrorCode(), 20901);
    double estimate = 0.0;
    EXPECT_TRUE(std::isnan(Romb(4, failing_function, &estimate, 0.0, 1.0)));
    EXPECT_EQ(TkGetErrorCode(), 20901);
    TkClearError();
}

} // namespace
