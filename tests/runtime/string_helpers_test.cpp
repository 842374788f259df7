#include "lib/runtime/string_helpers.h"

#include <gtest/gtest.h>

#include "lib/kelvolib.h"

namespace {

TEST(MakePChar, WritesTheZeroAfterTheLastCharacter)
{
    unsigned char empty[4] = {0, 'x', 'x', 'x'};
    char* text = MakePChar(empty);
    EXPECT_EQ(text, reinterpret_cast<char*>(empty + 1));
    EXPECT_EQ(empty[1], 0);

    unsigned char abc[6] = {3, 'a', 'b', 'c', 'x', 'x'};
    EXPECT_STREQ(MakePChar(abc), "abc");
    EXPECT_EQ(abc[5], 'x');
    EXPECT_EQ(MakePChar(nullptr), nullptr);
}

TEST(Trim, RemovesControlCharactersAndBlanksAtBothEnds)
{
    EXPECT_EQ(kelvo::trim_text(" \t\r\n x y \x01"), "x y");
    EXPECT_EQ(kelvo::trim_text("   "), "");
    char result[8];
    EXPECT_EQ(Trim("  hello  ", result, sizeof result), 5);
    EXPECT_STREQ(result, "hello");
    EXPECT_EQ(Trim("  a long text  ", result, 4), 11);
    EXPECT_STREQ(result, "a l");
    EXPECT_EQ(Trim(nullptr, result, 8), 0);
    EXPECT_EQ(Trim("x", nullptr, 0), 1);
}

} // namespace
