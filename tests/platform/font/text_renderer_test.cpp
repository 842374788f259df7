#include "platform/font/text_renderer.h"

#include <climits>
#include <string>

#include <gtest/gtest.h>

#include "font_test_support.h"

namespace {

using kp::Color;
using kp::Point;
using kp::Rect;
using kp::Region;
using kp::Surface;
using kp::TextBackground;
using kp::TextPaint;
using kp::testing::bounds_of;
using kp::testing::changed_pixels;
using kp::testing::draw;
using kp::testing::font;
using kp::testing::Slant;

Color const white = kp::colors::white;
Color const black = kp::colors::black;
Color const blue = Color::from_rgb(0, 0, 255);

TextPaint opaque(Color text, Color background)
{
    return {text, background, TextBackground::Opaque};
}

TextPaint transparent(Color text)
{
    return {text, white, TextBackground::Transparent};
}

void expect_all_changes_inside(Surface const& before, Surface const& after, Rect reported)
{
    for (Point p : changed_pixels(before, after))
        EXPECT_TRUE(reported.contains(p)) << p.x << "," << p.y;
}

// Where a character's cell lands for each text orientation, as the library places it:
// reference point (x, y) on the baseline, extent w (the advance), height h and ascent a.
// The box is inclusive; the character is drawn with its cell corner at the given point.
struct Placement {
    int left, top, right, bottom;
    Point corner;
};

Placement library_placement(int orientation, int x, int y, int w, int h, int a)
{
    Placement p{};
    switch (orientation) {
    case 1:
        p.left = x, p.top = y - a, p.right = p.left + w - 1, p.bottom = p.top + h - 1;
        p.corner = {p.left, p.top};
        break;
    case 2:
        p.left = x - a, p.bottom = y, p.top = p.bottom - w + 1, p.right = p.left + h - 1;
        p.corner = {p.left, p.bottom + 1};
        break;
    case 3:
        p.right = x, p.bottom = y + a, p.left = p.right - w + 1, p.top = p.bottom - h + 1;
        p.corner = {p.right + 1, p.bottom + 1};
        break;
    case 4:
        p.right = x + a, p.top = y, p.left = p.right - h + 1, p.bottom = p.top + w - 1;
        p.corner = {p.right + 1, p.top};
        break;
    }
    return p;
}

// An opaque "0" fills exactly its cell, so the changed pixels show where the cell went.
TEST(TextPlacement, OpaqueCellLandsInTheLibrarysBoxForEachEscapement)
{
    for (int orientation = 1; orientation <= 4; ++orientation) {
        auto f = font("Helvetica", -13, kp::font_weight_normal, Slant::Upright, (orientation - 1) * 900);
        int const w = f->char_width('0');
        int const h = f->metrics().height + f->metrics().external_leading;
        Placement const p = library_placement(orientation, 40, 40, w, h, f->metrics().ascent);
        Surface const before({80, 80}, white);
        Surface after = before;
        Rect const reported = draw(after, *f, p.corner, '0', opaque(black, blue));

        Rect const box = Rect::from_edges(p.left, p.top, p.right + 1, p.bottom + 1);
        EXPECT_EQ(reported, box) << orientation;
        EXPECT_EQ(bounds_of(changed_pixels(before, after)), box) << orientation;
        EXPECT_EQ(static_cast<int64_t>(changed_pixels(before, after).size()), box.area()) << orientation;
        // The ink is inside: the digit's pixels are darker than the background, not outside it.
        int inked = 0;
        for (Point q : changed_pixels(before, after))
            inked += after.pixel(q) != blue;
        EXPECT_GT(inked, 10) << orientation;
    }
}

TEST(TextPlacement, TurnedCharactersAreTheUprightCharacterTurned)
{
    Point const corner{30, 30};
    Surface upright({60, 60}, black);
    auto straight = font("Times-Roman", -20);
    draw(upright, *straight, corner, 'g', transparent(white));
    for (int turn = 1; turn < 4; ++turn) {
        auto turned_font = font("Times-Roman", -20, kp::font_weight_normal, Slant::Upright, turn * 900);
        Surface turned({60, 60}, black);
        draw(turned, *turned_font, corner, 'g', transparent(white));
        for (int gy = -30; gy < 30; ++gy) {
            for (int gx = -30; gx < 30; ++gx) {
                // Cell pixel (gx, gy) turned counter-clockwise about the corner's pixel corner.
                Point const q = turn == 1 ? Point{corner.x + gy, corner.y - 1 - gx}
                              : turn == 2 ? Point{corner.x - 1 - gx, corner.y - 1 - gy}
                                          : Point{corner.x - 1 - gy, corner.y + gx};
                ASSERT_EQ(turned.pixel(q), upright.pixel({corner.x + gx, corner.y + gy}))
                    << "turn " << turn << " at " << gx << "," << gy;
            }
        }
    }
}

TEST(TextPlacement, AbcWidthsAndAscentMatchTheDrawnInk)
{
    for (char const* face : {"Times-Roman", "Helvetica", "terminal", "Symbol", "Courier New"}) {
        for (Slant slant : {Slant::Upright, Slant::Italic}) {
            auto f = font(face, -13, kp::font_weight_normal, slant);
            for (char32_t c = '!'; c < 127; ++c) {
                Surface const before({60, 40}, black);
                Surface after = before;
                Rect const reported = draw(after, *f, {20, 10}, c, transparent(white));
                std::vector<Point> const ink = changed_pixels(before, after);
                if (ink.empty())
                    continue;
                Rect const ink_box = bounds_of(ink);
                kp::AbcWidths const abc = f->abc_widths(c);
                EXPECT_EQ(ink_box.left() - 20, abc.a) << face << " " << static_cast<char>(c);
                EXPECT_EQ(ink_box.width, abc.b) << face << " " << static_cast<char>(c);
                EXPECT_EQ(abc.a + abc.b + abc.c, f->char_width(c));
                EXPECT_EQ(10 + f->metrics().ascent - ink_box.top(), f->glyph(c)->top) << face;
                EXPECT_EQ(reported, ink_box) << face << " " << static_cast<char>(c);
            }
        }
    }
}

TEST(TextBlending, GreyCoverageBlendsTheTextColourOverThePixels)
{
    auto f = font("Helvetica", -40);
    // White on black leaves the coverage itself in every channel.
    Surface coverage({60, 60}, black);
    draw(coverage, *f, {10, 5}, 'O', transparent(white));
    int partial = 0, full = 0;
    for (uint32_t pixel : coverage.pixels()) {
        uint32_t const a = pixel & 0xFF;
        EXPECT_EQ(pixel, a << 16 | a << 8 | a);
        partial += a > 0 && a < 255;
        full += a == 255;
    }
    EXPECT_GT(partial, 20);
    EXPECT_GT(full, 20);

    Color const under = Color::from_rgb(0, 50, 250);
    Color const text = Color::from_rgb(200, 100, 0);
    Surface blended({60, 60}, under);
    draw(blended, *f, {10, 5}, 'O', transparent(text));
    auto expect_channel = [](int got, int over, int base, int a) {
        EXPECT_EQ(got, (over * a + base * (255 - a) + 127) / 255) << "coverage " << a;
    };
    for (int32_t y = 0; y < 60; ++y) {
        for (int32_t x = 0; x < 60; ++x) {
            int const a = coverage.pixel({x, y}).blue();
            Color const got = blended.pixel({x, y});
            expect_channel(got.red(), text.red(), under.red(), a);
            expect_channel(got.green(), text.green(), under.green(), a);
            expect_channel(got.blue(), text.blue(), under.blue(), a);
        }
    }
}

TEST(TextBlending, EveryPixelOfARowIsBlendedOnItsOwnWhateverLiesUnderIt)
{
    // Pixels are blended several at a time: every start column (so every split of a glyph row
    // into groups and a remainder), glyphs narrow and wide, and a different pixel under each
    // one, some with their unused high byte set, which only untouched pixels keep.
    auto f = font("Helvetica", -30);
    Color const text = Color::from_rgb(30, 220, 140);
    uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1664525 + 1013904223;
        return seed;
    };
    for (char32_t character : {U'i', U'W', U'@'}) {
        for (int32_t x = 3; x < 7; ++x) {
            Surface coverage({50, 40}, black);
            draw(coverage, *f, {x, 2}, character, transparent(white));
            Surface blended({50, 40}, black);
            for (uint32_t& pixel : blended.pixels())
                pixel = next();
            Surface const under = blended;
            draw(blended, *f, {x, 2}, character, transparent(text));
            for (int32_t y = 0; y < 40; ++y) {
                for (int32_t column = 0; column < 50; ++column) {
                    uint32_t const a = coverage.at(column, y) & 0xFF;
                    uint32_t const before = under.at(column, y);
                    uint32_t expected = 0;
                    if (a == 0)
                        expected = before;
                    else
                        for (int shift : {0, 8, 16}) {
                            uint32_t const over = (text.pixel() >> shift) & 0xFF;
                            uint32_t const base = (before >> shift) & 0xFF;
                            expected |= (over * a + base * (255 - a) + 127) / 255 << shift;
                        }
                    ASSERT_EQ(blended.at(column, y), expected)
                        << "character " << static_cast<char>(character) << " at " << x << ", pixel " << column << ","
                        << y << ", coverage " << a;
                }
            }
        }
    }
}

TEST(TextBlending, BackgroundModeDecidesWhetherTheCellIsFilled)
{
    auto f = font("Helvetica");
    Surface const before({30, 30}, white);
    Surface after = before;
    EXPECT_TRUE(draw(after, *f, {5, 5}, ' ', transparent(black)).is_empty());
    EXPECT_TRUE(changed_pixels(before, after).empty());
    Rect const cell = draw(after, *f, {5, 5}, ' ', opaque(black, blue));
    EXPECT_EQ(cell, (Rect{5, 5, f->char_width(' '), f->metrics().height}));
    EXPECT_EQ(bounds_of(changed_pixels(before, after)), cell);
}

TEST(TextTargets, ClipRegionKeepsEverythingElseUntouched)
{
    auto f = font("Helvetica", -20);
    Surface const before({100, 40}, white);
    Surface reference = before;
    Region const whole(reference.bounds());
    kp::draw_text({reference, {}, whole}, *f, {4, 6}, "Clip me", opaque(black, blue));

    Rect const pieces[] = {{0, 0, 30, 15}, {40, 10, 20, 30}};
    Region const clip = Region::from_rects(pieces);
    Surface clipped = before;
    Rect const reported = kp::draw_text({clipped, {}, clip}, *f, {4, 6}, "Clip me", opaque(black, blue));
    for (int32_t y = 0; y < 40; ++y) {
        for (int32_t x = 0; x < 100; ++x) {
            Color const expected = clip.contains({x, y}) ? reference.pixel({x, y}) : before.pixel({x, y});
            ASSERT_EQ(clipped.pixel({x, y}), expected) << x << "," << y;
        }
    }
    EXPECT_FALSE(changed_pixels(before, clipped).empty());
    EXPECT_TRUE(clip.bounds().contains(reported));
    expect_all_changes_inside(before, clipped, reported);

    Surface untouched = before;
    EXPECT_TRUE(kp::draw_text({untouched, {}, Region()}, *f, {4, 6}, "Clip me", opaque(black, blue)).is_empty());
    EXPECT_TRUE(changed_pixels(before, untouched).empty());
}

TEST(TextTargets, OriginMovesTheCallersCoordinatesOntoTheSurface)
{
    for (int32_t escapement : {0, 900, 1800, 2700}) {
        auto f = font("Courier New", -16, kp::font_weight_bold, Slant::Upright, escapement);
        Region const clip(Rect{10, 10, 60, 60}); // surface coordinates, like a window's visible region
        Surface moved({80, 80}, white);
        Surface direct = moved;
        Rect const a = kp::draw_text({moved, {20, 30}, clip}, *f, {20, 15}, "Wq", opaque(black, blue));
        Rect const b = kp::draw_text({direct, {}, clip}, *f, {40, 45}, "Wq", opaque(black, blue));
        EXPECT_EQ(a, b) << escapement;
        EXPECT_FALSE(a.is_empty()) << escapement;
        EXPECT_TRUE(changed_pixels(moved, direct).empty()) << escapement;
    }
}

TEST(TextTargets, TextIsItsCharactersCellAfterCell)
{
    for (int32_t escapement : {0, 900, 1800, 2700}) {
        auto f = font("Times-Roman", -15, kp::font_weight_normal, Slant::Italic, escapement);
        Surface whole({90, 90}, white);
        Surface pieces = whole;
        Region const clip(whole.bounds());
        Rect const reported = kp::draw_text({whole, {}, clip}, *f, {45, 45}, "AVf", transparent(black));
        Point corner{45, 45};
        Rect expected;
        for (char c : std::string("AVf")) {
            expected.unite(draw(pieces, *f, corner, c, transparent(black)));
            corner = kp::advanced_corner(corner, f->char_width(c), f->rotation());
        }
        EXPECT_EQ(reported, expected) << escapement;
        EXPECT_TRUE(changed_pixels(whole, pieces).empty()) << escapement;
    }
}

TEST(TextStyles, BoldAndItalicDrawDifferently)
{
    auto ink_box = [](kp::Font const& f, char32_t c) {
        Surface const before({80, 80}, white);
        Surface after = before;
        draw(after, f, {20, 10}, c, transparent(black));
        return changed_pixels(before, after);
    };
    // Bold strokes are wider; italic ones lean to the right as they rise.
    auto lean = [](std::vector<Point> const& ink) {
        Rect const box = bounds_of(ink);
        int top_sum = 0, top_count = 0, bottom_sum = 0, bottom_count = 0;
        for (Point p : ink) {
            if (p.y == box.top())
                top_sum += p.x, ++top_count;
            if (p.y == box.bottom() - 1)
                bottom_sum += p.x, ++bottom_count;
        }
        return double(top_sum) / top_count - double(bottom_sum) / bottom_count;
    };
    for (auto [face, stroke] : {std::pair{"Helvetica", U'l'}, std::pair{"Symbol", U'|'}}) {
        auto regular = ink_box(*font(face, -40), stroke);
        auto bold = ink_box(*font(face, -40, kp::font_weight_bold), stroke);
        auto italic = ink_box(*font(face, -40, kp::font_weight_normal, Slant::Italic), stroke);
        EXPECT_GT(bounds_of(bold).width, bounds_of(regular).width) << face;
        EXPECT_LT(std::abs(lean(regular)), 1.0) << face;
        EXPECT_GT(lean(italic), 4.0) << face;
    }
}

TEST(TextStyles, UnderlineAndStrikeOutRunAlongTheWholeCell)
{
    for (int32_t escapement : {0, 900}) {
        kp::LogicalFont logical;
        logical.face_name = "Helvetica";
        logical.height = -20;
        logical.escapement = escapement;
        logical.underline = true;
        logical.strike_out = true;
        auto f = kp::FontEngine::shared()->realize(logical);
        kp::TextMetrics const& m = f->metrics();
        ASSERT_GT(m.underline_offset, 0);
        ASSERT_LT(m.underline_offset + m.underline_thickness, m.descent + 1);
        ASSERT_GT(m.strikeout_offset, 0);

        // A space has no ink: what changes are exactly the two lines.
        Surface const before({60, 60}, white);
        Surface after = before;
        Point const corner{20, 40};
        Rect const reported = draw(after, *f, corner, ' ', transparent(black));
        int32_t const advance = f->char_width(' ');
        Rect const under = kp::rotated_cell_rect({0, m.ascent + m.underline_offset, advance, m.underline_thickness},
                                                 corner, f->rotation());
        Rect const through = kp::rotated_cell_rect(
            {0, m.ascent - m.strikeout_offset, advance, m.strikeout_thickness}, corner, f->rotation());
        for (int32_t y = 0; y < 60; ++y) {
            for (int32_t x = 0; x < 60; ++x) {
                bool const lined = under.contains(Point{x, y}) || through.contains(Point{x, y});
                ASSERT_EQ(after.pixel({x, y}), lined ? black : white) << escapement << ": " << x << "," << y;
            }
        }
        EXPECT_EQ(reported, under.united(through));
    }
}

TEST(TextHostileInput, FarPointsEmptyTargetsAndOddBytesDoNoHarm)
{
    auto f = font("Helvetica");
    Surface const before({40, 20}, white);
    Region const clip(before.bounds());
    std::string const long_text(10000, 'W');
    struct Far {
        Point corner, origin;
    };
    for (Far far : {Far{{INT_MIN, INT_MIN}, {}}, Far{{INT_MAX, INT_MAX}, {}}, Far{{INT_MAX, 0}, {}},
                    Far{{0, INT_MIN}, {}}, Far{{INT_MIN, INT_MIN}, {INT_MIN, INT_MIN}},
                    Far{{INT_MAX, INT_MAX}, {INT_MAX, INT_MAX}}, Far{{INT_MAX, 3}, {INT_MAX, 0}}}) {
        Surface s = before;
        EXPECT_TRUE(kp::draw_text({s, far.origin, clip}, *f, far.corner, long_text, opaque(black, blue)).is_empty());
        EXPECT_TRUE(changed_pixels(before, s).empty());
    }
    // Far points and origins that cancel out land where their sum says, without wrapping.
    for (int32_t escapement : {0, 900}) {
        auto turned = font("Helvetica", -13, kp::font_weight_normal, Slant::Upright, escapement);
        Surface summed = before;
        Surface near = before;
        Rect const a = kp::draw_text({summed, {INT_MAX, INT_MAX}, clip}, *turned, {INT_MIN + 5, INT_MIN + 12}, "Wy",
                                     opaque(black, blue));
        Rect const b = kp::draw_text({near, {}, clip}, *turned, {4, 11}, "Wy", opaque(black, blue));
        EXPECT_FALSE(b.is_empty());
        EXPECT_EQ(a, b);
        EXPECT_TRUE(changed_pixels(summed, near).empty());
        EXPECT_EQ(kp::draw_character({summed, {INT_MAX, INT_MAX}, clip}, *turned, {INT_MIN + 5, INT_MIN + 12}, 'W',
                                     opaque(black, blue)),
                  kp::draw_character({near, {}, clip}, *turned, {4, 11}, 'W', opaque(black, blue)));
    }
    // A long text that starts far to the left runs onto the surface.
    Surface s = before;
    int32_t const start = -(9990 * f->char_width('W'));
    EXPECT_FALSE(kp::draw_text({s, {}, clip}, *f, {start, 2}, long_text, transparent(black)).is_empty());

    Surface empty;
    Region const nothing;
    EXPECT_TRUE(kp::draw_text({empty, {}, clip}, *f, {0, 0}, "text", opaque(black, blue)).is_empty());
    EXPECT_TRUE(kp::draw_text({s, {}, nothing}, *f, {0, 0}, "text", opaque(black, blue)).is_empty());
    EXPECT_TRUE(kp::draw_text({s, {}, clip}, *f, {0, 0}, "", opaque(black, blue)).is_empty());

    // Invalid UTF-8, control bytes and unassigned Windows-1252 bytes are drawn as characters.
    for (std::string odd : {"\xC3\x28\xFF\xFE", "\x01\x02\x1F\x7F", "\x81\x8D\x8F\x90\x9D", "\xF4\x90\x80\x80"}) {
        Surface t = before;
        Rect const reported = kp::draw_text({t, {}, clip}, *f, {1, 1}, odd, opaque(black, blue));
        EXPECT_EQ(reported.width, std::min(f->text_extent(odd).width, 39));
        expect_all_changes_inside(before, t, reported);
    }

    // The largest font draws its part of a glyph into a small surface.
    auto huge = font("Times-Roman", INT_MIN);
    Surface t = before;
    Rect const reported = draw(t, *huge, {-300, -200}, 'W', transparent(black));
    EXPECT_TRUE(before.bounds().contains(reported));
    expect_all_changes_inside(before, t, reported);
}

} // namespace
