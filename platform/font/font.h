#pragma once

// A realized font: a logical font matched to an installed face at its pixel size, ready to
// measure and draw text. Made by FontEngine; shared by whoever selects it.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/base/size.h"
#include "platform/font/font_matcher.h"
#include "platform/font/glyph.h"
#include "platform/font/glyph_cache.h"
#include "platform/font/glyph_outline.h"
#include "platform/font/logical_font.h"
#include "platform/font/text_decoding.h"
#include "platform/font/text_metrics.h"
#include "platform/font/text_rotation.h"

namespace kp {

class FontFace;

class Font {
public:
    Font(LogicalFont logical, FaceMatch match, std::unique_ptr<FontFace> face);
    ~Font();
    Font(Font const&) = delete;
    Font& operator=(Font const&) = delete;

    LogicalFont const& logical_font() const { return logical_; }
    // The installed face it resolved to (family, style, file, what was synthesized).
    FaceMatch const& face() const { return match_; }
    TextMetrics const& metrics() const { return metrics_; }
    TextRotation rotation() const { return rotation_; }
    TextEncoding encoding() const { return match_.encoding; }
    // The em square of the outlines in pixels, vertically and horizontally, unrounded: the
    // size at which vector output sets the same face.
    double em_pixels() const;
    double x_em_pixels() const;
    // The family name the face's file gives itself (empty when it gives none).
    std::string const& family_name() const;

    // The characters of a text as this font reads them (see text_decoding.h).
    std::u32string decode(std::string_view text) const { return decode_text(text, encoding()); }

    // A character's rendered glyph. Characters are code points, or for a symbol font
    // bytes of the symbol encoding (a code point above 0xFF is looked up as Unicode).
    std::shared_ptr<Glyph const> glyph(char32_t character) const;
    // The same glyph without a share of it: held by the font, valid until the font renders
    // another glyph. For drawing one character at a time without the cost of sharing.
    Glyph const& glyph_for(char32_t character) const;
    AbcWidths abc_widths(char32_t character) const;
    // The advance: how far the next character starts after this one.
    int32_t char_width(char32_t character) const;
    // The sum of the advances of a text's characters, and the cell height.
    Size text_extent(std::string_view text) const;

    // The face's glyph number for a character (0 when the face lacks it) or for a
    // PostScript glyph name.
    uint32_t glyph_index(char32_t character) const;
    uint32_t glyph_index_for_name(std::string_view name) const;
    // A glyph's outline at this font's size (see glyph_outline.h and FontFace::outline).
    GlyphOutline glyph_outline(uint32_t index) const;

private:

    LogicalFont logical_;
    FaceMatch match_;
    std::unique_ptr<FontFace> face_;
    TextMetrics metrics_;
    TextRotation rotation_;
    // Filled as characters are drawn or measured; a cache, so const methods fill it.
    mutable GlyphCache glyphs_;
    // The first 256 characters straight by their number: numbers and labels are measured and
    // drawn from these over and over, and the face's character map is slow to ask.
    mutable std::array<std::shared_ptr<Glyph const>, 256> first_glyphs_;
};

} // namespace kp
