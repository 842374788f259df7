#include "platform/font/font.h"

#include <climits>
#include <cmath>

#include <gtest/gtest.h>

#include "font_test_support.h"
#include "platform/font/font_face.h"
#include "platform/font/symbol_encoding.h"

namespace {

using kp::testing::font;
using kp::testing::Slant;

constexpr char const* five_faces[] = {"Times-Roman", "Helvetica", "terminal", "Symbol", "Courier New"};

// The library asks for a point size as height -h with h = |size x 96 / 72| rounded half to
// even, then uses the width of "0" as its cell width and height + external leading as its
// cell height.
TEST(FontMetrics, HelveticaTenPointCell)
{
    double const h = std::nearbyint(std::abs(10.0 * kp::pixels_per_logical_inch / 72));
    ASSERT_EQ(h, 13);
    auto helvetica = font("Helvetica", -static_cast<int32_t>(h));
    ASSERT_TRUE(helvetica);
    kp::TextMetrics const& m = helvetica->metrics();
    EXPECT_EQ(helvetica->text_extent("0").width, 7);
    EXPECT_EQ(m.height + m.external_leading, 15);
    EXPECT_EQ(m.ascent, 12);
    EXPECT_EQ(m.descent, 3);
    EXPECT_EQ(m.internal_leading, 2);
    EXPECT_EQ(m.external_leading, 0);
    EXPECT_EQ(m.em_size, 13);
}

TEST(FontMetrics, NegativeHeightIsTheEmSize)
{
    for (char const* face : five_faces) {
        for (int32_t em : {13, 40}) {
            auto f = font(face, -em);
            kp::TextMetrics const& m = f->metrics();
            EXPECT_EQ(m.em_size, em) << face;
            EXPECT_EQ(m.height, m.ascent + m.descent) << face;
            EXPECT_EQ(m.internal_leading, std::max(0, m.height - em)) << face;
            EXPECT_GE(m.height, em - 1) << face;
            EXPECT_GT(m.average_char_width, 0) << face;
            EXPECT_GE(m.max_char_width, f->char_width('0')) << face;
        }
    }
    // The glyphs follow the em, not just the numbers: Helvetica's capitals are 0.72 em tall.
    auto big = font("Helvetica", -40);
    EXPECT_NEAR(big->glyph('H')->size.height, 0.716 * 40, 1.0);
    EXPECT_EQ(big->glyph('H')->top, big->glyph('H')->size.height); // standing on the baseline
}

TEST(FontMetrics, PositiveHeightIsTheCellHeight)
{
    for (char const* face : five_faces) {
        for (int32_t cell : {9, 20, 33}) {
            auto f = font(face, cell);
            EXPECT_EQ(f->metrics().height, cell) << face;
            EXPECT_LE(f->metrics().em_size, cell) << face;
        }
    }
}

TEST(FontMetrics, ZeroHeightIsTheDefaultSize)
{
    EXPECT_EQ(font("Helvetica", 0)->metrics().em_size, kp::default_em_pixels);
}

TEST(FontMetrics, WidthAsksForAnAverageCharacterWidth)
{
    kp::LogicalFont logical;
    logical.face_name = "Helvetica";
    logical.height = -13;
    logical.width = 12;
    auto wide = kp::FontEngine::shared()->realize(logical);
    EXPECT_EQ(wide->metrics().average_char_width, 12);
    EXPECT_EQ(wide->metrics().em_size, 13);
    EXPECT_GT(wide->char_width('0'), font("Helvetica")->char_width('0'));
}

TEST(FontMetrics, HostileSizesStillGiveUsableFonts)
{
    struct Request {
        int32_t height, width, escapement, weight;
    };
    for (Request r : {Request{INT_MIN, 0, 0, 400}, Request{INT_MAX, 0, 0, 400}, Request{-1, 0, 0, 400},
                      Request{1, 0, 0, 400}, Request{-13, INT_MIN, INT_MIN, -5}, Request{-13, INT_MAX, INT_MAX, 100000},
                      Request{-2000, 1, 0, 0}}) {
        kp::LogicalFont logical;
        logical.face_name = "Times-Roman";
        logical.height = r.height;
        logical.width = r.width;
        logical.escapement = r.escapement;
        logical.weight = r.weight;
        auto f = kp::FontEngine::shared()->realize(logical);
        ASSERT_TRUE(f) << r.height;
        EXPECT_GE(f->metrics().em_size, 1) << r.height;
        EXPECT_LE(f->metrics().em_size, kp::max_em_pixels) << r.height;
        EXPECT_GT(f->metrics().height, 0) << r.height;
        EXPECT_EQ(f->abc_widths('W').advance(), f->char_width('W')) << r.height;
    }
    EXPECT_EQ(font("Times-Roman", INT_MIN)->metrics().em_size, kp::max_em_pixels);
}

TEST(FontMetrics, AbcWidthsAddUpToTheAdvance)
{
    for (char const* face : five_faces) {
        for (Slant slant : {Slant::Upright, Slant::Italic}) {
            auto f = font(face, -13, kp::font_weight_normal, slant);
            for (char32_t c = ' '; c < 127; ++c) {
                kp::AbcWidths abc = f->abc_widths(c);
                EXPECT_EQ(abc.advance(), f->char_width(c)) << face << " " << static_cast<char>(c);
                EXPECT_GE(abc.b, 0);
            }
            EXPECT_EQ(f->abc_widths(' '), (kp::AbcWidths{0, 0, f->char_width(' ')})) << face;
        }
    }
    // Italics lean out of their cells.
    auto italic = font("Times-Roman", -40, kp::font_weight_normal, Slant::Italic);
    EXPECT_LT(italic->abc_widths('f').a + italic->abc_widths('f').c, 0);
}

TEST(FontMetrics, ExtentIsTheSumOfTheDecodedCharactersAdvances)
{
    auto f = font("Helvetica");
    EXPECT_EQ(f->text_extent("Hello").width,
              f->char_width('H') + f->char_width('e') + 2 * f->char_width('l') + f->char_width('o'));
    EXPECT_EQ(f->text_extent("Hello").height, f->metrics().height);
    EXPECT_EQ(f->text_extent(""), (kp::Size{0, f->metrics().height}));
    // "é" in UTF-8 and in Windows-1252 is one character; with a stray byte UTF-8 gives way.
    EXPECT_EQ(f->text_extent("\xC3\xA9").width, f->char_width(U'\u00E9'));
    EXPECT_EQ(f->text_extent("\xE9").width, f->char_width(U'\u00E9'));
    EXPECT_EQ(f->text_extent("\xC3\xA9\xFF").width,
              f->char_width(U'\u00C3') + f->char_width(U'\u00A9') + f->char_width(U'\u00FF'));
    EXPECT_EQ(f->text_extent("\x80").width, f->char_width(U'\u20AC'));
}

TEST(SymbolFont, ByteAIsTheFontsAlpha)
{
    auto symbol = font("Symbol");
    ASSERT_EQ(symbol->encoding(), kp::TextEncoding::Symbol);
    uint32_t const alpha = symbol->glyph_index_for_name("alpha");
    ASSERT_NE(alpha, 0u);
    EXPECT_EQ(symbol->glyph_index('a'), alpha);
    EXPECT_EQ(symbol->glyph('a')->coverage, symbol->glyph(U'\u03B1')->coverage);
    EXPECT_NE(symbol->glyph_index('a'), symbol->glyph_index_for_name("a"));
    // A text font draws Latin a for 'a'.
    auto helvetica = font("Helvetica");
    EXPECT_NE(helvetica->glyph('a')->coverage, helvetica->glyph(U'\u03B1')->coverage);
}

TEST(SymbolFont, EveryByteOfTheEncodingHasAGlyph)
{
    auto symbol = font("Symbol");
    for (int byte = 0; byte < 256; ++byte) {
        auto character = kp::symbol_character(static_cast<uint8_t>(byte));
        if (!character)
            continue;
        EXPECT_NE(symbol->glyph_index(static_cast<char32_t>(byte)), 0u) << character->glyph_name;
        // The private-use form of the byte finds the same glyph.
        EXPECT_EQ(symbol->glyph_index(0xF000 + static_cast<char32_t>(byte)),
                  symbol->glyph_index(static_cast<char32_t>(byte)));
    }
    EXPECT_EQ(symbol->glyph_index_for_name("infinity"), symbol->glyph_index(0xA5));
}

TEST(SymbolFont, TextsAreBytesNotUtf8)
{
    auto symbol = font("Symbol");
    // UTF-8 alpha is two bytes: "element of" and "plus-minus" in the symbol encoding.
    EXPECT_EQ(symbol->text_extent("\xCE\xB1").width, symbol->char_width(0xCE) + symbol->char_width(0xB1));
    EXPECT_EQ(symbol->glyph_index(0xCE), symbol->glyph_index_for_name("element"));
}

} // namespace
