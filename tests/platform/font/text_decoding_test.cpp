#include "platform/font/text_decoding.h"

#include <gtest/gtest.h>

namespace {

using kp::decode_text;
using kp::TextEncoding;

TEST(TextDecoding, ValidUtf8IsReadAsUtf8)
{
    EXPECT_EQ(decode_text("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", TextEncoding::Unicode),
              (std::u32string{U'a', U'\u00E9', U'\u20AC', U'\U0001F600'}));
    EXPECT_EQ(decode_text("", TextEncoding::Unicode), U"");
}

TEST(TextDecoding, AnyInvalidSequenceMakesTheWholeTextWindows1252)
{
    // The valid "é" before the stray byte is read as two Windows-1252 characters too.
    EXPECT_EQ(decode_text("\xC3\xA9\xFF", TextEncoding::Unicode), (std::u32string{U'\u00C3', U'\u00A9', U'\u00FF'}));
    EXPECT_EQ(decode_text("caf\xE9", TextEncoding::Unicode), U"caf\u00E9");
    EXPECT_EQ(decode_text("\x80\x99\x81\x9F", TextEncoding::Unicode),
              (std::u32string{U'\u20AC', U'\u2122', U'\u0081', U'\u0178'}));
}

TEST(TextDecoding, MalformedUtf8IsNotValid)
{
    EXPECT_TRUE(kp::is_valid_utf8("plain \x7F ascii"));
    EXPECT_FALSE(kp::is_valid_utf8("\xC0\xAF"));         // overlong slash
    EXPECT_FALSE(kp::is_valid_utf8("\xE0\x80\xAF"));     // overlong, three bytes
    EXPECT_FALSE(kp::is_valid_utf8("\xED\xA0\x80"));     // surrogate
    EXPECT_FALSE(kp::is_valid_utf8("\xF4\x90\x80\x80")); // beyond U+10FFFF
    EXPECT_FALSE(kp::is_valid_utf8("\xE2\x82"));         // cut short at the end
    EXPECT_FALSE(kp::is_valid_utf8("\x80"));             // lone continuation byte
}

TEST(TextDecoding, SymbolTextIsOneCharacterPerByte)
{
    EXPECT_EQ(decode_text("a\xCE\xB1", TextEncoding::Symbol), (std::u32string{U'a', 0xCE, 0xB1}));
}

TEST(TextDecoding, BytesOutsideTheHighBlockAreLatin1)
{
    for (int byte = 0; byte < 256; ++byte) {
        if (byte < 0x80 || byte > 0x9F) {
            EXPECT_EQ(kp::windows_1252_character(static_cast<uint8_t>(byte)), static_cast<char32_t>(byte));
        }
    }
}

} // namespace
