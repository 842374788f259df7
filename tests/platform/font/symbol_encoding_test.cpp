#include "platform/font/symbol_encoding.h"

#include <gtest/gtest.h>

namespace {

using kp::symbol_character;

TEST(SymbolEncoding, LettersAreGreek)
{
    EXPECT_EQ(symbol_character('a')->glyph_name, "alpha");
    EXPECT_EQ(symbol_character('a')->unicode, U'\u03B1');
    EXPECT_EQ(symbol_character('p')->unicode, U'\u03C0');
    EXPECT_EQ(symbol_character('W')->unicode, U'\u03A9');
    EXPECT_EQ(symbol_character(0xA5)->glyph_name, "infinity");
    EXPECT_EQ(symbol_character(0xF2)->glyph_name, "integral");
    EXPECT_EQ(symbol_character('0')->unicode, U'0');
}

TEST(SymbolEncoding, UnassignedBytesHaveNoCharacter)
{
    for (int byte : {0x00, 0x1F, 0x7F, 0x80, 0x9F, 0xF0, 0xFF})
        EXPECT_FALSE(symbol_character(static_cast<uint8_t>(byte))) << byte;
}

TEST(SymbolEncoding, UnicodeLeadsBackToAByteOfTheSameCharacter)
{
    int assigned = 0;
    for (int byte = 0; byte < 256; ++byte) {
        auto character = symbol_character(static_cast<uint8_t>(byte));
        if (!character)
            continue;
        ++assigned;
        auto back = kp::symbol_byte_for_unicode(character->unicode);
        ASSERT_TRUE(back) << byte;
        EXPECT_EQ(symbol_character(*back)->unicode, character->unicode) << byte;
    }
    EXPECT_EQ(assigned, 189);
    EXPECT_EQ(kp::symbol_byte_for_unicode(U'\u03B1'), uint8_t{'a'});
    EXPECT_FALSE(kp::symbol_byte_for_unicode(U'\u4E00'));
}

} // namespace
