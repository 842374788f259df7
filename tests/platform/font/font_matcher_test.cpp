#include "platform/font/font_matcher.h"

#include <gtest/gtest.h>

#include "font_test_support.h"

namespace {

using kp::FaceOrigin;
using kp::testing::font;
using kp::testing::Slant;

struct FaceCase {
    char const* requested;
    char const* family;
    FaceOrigin origin;
};

std::ostream& operator<<(std::ostream& out, FaceCase const& c)
{
    return out << '"' << c.requested << '"';
}

class FaceResolution : public ::testing::TestWithParam<FaceCase> {};

// The families come from the packages scripts/setup installs.
TEST_P(FaceResolution, ResolvesToTheIntendedFamily)
{
    auto resolved = font(GetParam().requested);
    ASSERT_TRUE(resolved);
    EXPECT_EQ(resolved->face().family, GetParam().family);
    EXPECT_EQ(resolved->face().origin, GetParam().origin);
    EXPECT_FALSE(resolved->face().file.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Faces, FaceResolution,
    ::testing::Values(FaceCase{"Times-Roman", "Liberation Serif", FaceOrigin::Pinned},
                      FaceCase{"Helvetica", "Liberation Sans", FaceOrigin::Pinned},
                      FaceCase{"terminal", "DejaVu Sans Mono", FaceOrigin::Pinned},
                      FaceCase{"Symbol", "Standard Symbols PS", FaceOrigin::Pinned},
                      FaceCase{"Courier New", "Nimbus Mono PS", FaceOrigin::Pinned},
                      FaceCase{"HELVETICA", "Liberation Sans", FaceOrigin::Pinned},
                      FaceCase{"courier", "Nimbus Mono PS", FaceOrigin::Pinned},
                      FaceCase{"Nimbus Sans", "Nimbus Sans", FaceOrigin::Installed},
                      FaceCase{"dejavu serif", "DejaVu Serif", FaceOrigin::Installed},
                      FaceCase{"No Such Face 12", "DejaVu Sans", FaceOrigin::Fallback},
                      FaceCase{"", "DejaVu Sans", FaceOrigin::Fallback}),
    [](auto const& info) {
        std::string name;
        for (char c : std::string(info.param.requested))
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return "Face" + std::to_string(info.index) + "_" + name;
    });

TEST(FaceResolution, UnknownNamesFallBackByWhatTheCallerDescribes)
{
    kp::FontEngine* engine = kp::FontEngine::shared();
    ASSERT_TRUE(engine);
    kp::LogicalFont logical;
    logical.face_name = "Imaginary Roman";
    logical.family = kp::FontFamily::Roman;
    EXPECT_EQ(engine->realize(logical)->face().family, "Liberation Serif");
    logical.family = kp::FontFamily::Modern;
    EXPECT_EQ(engine->realize(logical)->face().family, "Nimbus Mono PS");
    logical.charset = kp::FontCharset::Symbol;
    auto symbol = engine->realize(logical);
    EXPECT_EQ(symbol->face().family, "Standard Symbols PS");
    EXPECT_EQ(symbol->encoding(), kp::TextEncoding::Symbol);
}

TEST(FaceResolution, FixedPitchFacesAreFixedAndTheOthersAreNot)
{
    for (char const* face : {"terminal", "Courier New"}) {
        auto f = font(face);
        for (char c = ' '; c < 127; ++c)
            EXPECT_EQ(f->char_width(c), f->char_width('M')) << face << " '" << c << "'";
    }
    for (char const* face : {"Times-Roman", "Helvetica"}) {
        auto f = font(face);
        EXPECT_LT(f->char_width('i'), f->char_width('W')) << face;
    }
}

TEST(FaceResolution, BoldAndItalicUseRealFacesWhereTheFamilyHasThem)
{
    for (char const* face : {"Times-Roman", "Helvetica", "terminal", "Courier New"}) {
        auto bold = font(face, -13, kp::font_weight_bold);
        EXPECT_FALSE(bold->face().synthetic_bold) << face;
        EXPECT_NE(bold->face().file, font(face)->face().file) << face;
        EXPECT_EQ(bold->metrics().weight, kp::font_weight_bold) << face;
        // DejaVu Sans Mono has real obliques only where fonts-dejavu-extra is installed.
        auto bold_italic = font(face, -13, kp::font_weight_bold, Slant::Italic);
        EXPECT_TRUE(bold_italic->metrics().italic) << face;
        EXPECT_EQ(bold_italic->metrics().weight, kp::font_weight_bold) << face;
    }
    for (char const* face : {"Times-Roman", "Helvetica", "Courier New"}) {
        auto italic = font(face, -13, kp::font_weight_normal, Slant::Italic);
        EXPECT_FALSE(italic->face().synthetic_italic) << face;
        EXPECT_NE(italic->face().file, font(face)->face().file) << face;
    }
    // The symbol font has one face only: bold and italic are made from it.
    auto symbol = font("Symbol", -13, kp::font_weight_bold, Slant::Italic);
    EXPECT_TRUE(symbol->face().synthetic_bold);
    EXPECT_TRUE(symbol->face().synthetic_italic);
    EXPECT_EQ(symbol->metrics().weight, kp::font_weight_bold);
    EXPECT_TRUE(symbol->metrics().italic);
}

TEST(FaceResolution, KnowsWhichFamiliesAreInstalled)
{
    kp::FontEngine* engine = kp::FontEngine::shared();
    ASSERT_TRUE(engine);
    EXPECT_TRUE(engine->matcher().has_family("Liberation Sans"));
    EXPECT_TRUE(engine->matcher().has_family("liberation sans"));
    EXPECT_FALSE(engine->matcher().has_family("Liberation"));
    EXPECT_FALSE(engine->matcher().has_family(""));
}

} // namespace
