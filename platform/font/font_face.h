#pragma once

// A font file opened with FreeType at one size: the engine's only contact with FreeType.
// It measures the face and renders single glyphs; Font caches what it renders.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/font/font_matcher.h"
#include "platform/font/glyph.h"
#include "platform/font/glyph_outline.h"
#include "platform/font/logical_font.h"
#include "platform/font/text_metrics.h"

namespace kp {

namespace freetype {
class Library;
class Face;
} // namespace freetype

// Sizes beyond these are drawn at these sizes: larger glyphs would take megabytes each and
// no screen shows them whole.
inline constexpr int32_t max_em_pixels = 1024;
// The em size of a logical font with height 0: 12 points at 96 pixels per inch.
inline constexpr int32_t default_em_pixels = 16;

class FontFace {
public:
    // Null when the file cannot be opened or has no scalable outlines.
    static std::unique_ptr<FontFace> open(std::shared_ptr<freetype::Library> library, FaceMatch const& match,
                                          LogicalFont const& font);
    ~FontFace();
    FontFace(FontFace const&) = delete;
    FontFace& operator=(FontFace const&) = delete;

    TextMetrics const& metrics() const { return metrics_; }
    // The em square in pixels as the outlines are scaled, before rounding: vertically and
    // horizontally (they differ for a logical font with its own width).
    double em_pixels() const { return em_pixels_; }
    double x_em_pixels() const { return x_em_pixels_; }
    // The family the font file names itself with: what a font lookup by name finds it by.
    std::string const& family_name() const { return family_name_; }

    // The glyph of a character in `encoding`; 0 when the face has none.
    uint32_t glyph_index(char32_t character, TextEncoding encoding) const;
    // The glyph with a PostScript name ("alpha"); 0 when there is none.
    uint32_t glyph_index_for_name(std::string_view name) const;

    // Renders a glyph, trimmed to its ink. A glyph that cannot be loaded comes back empty,
    // without ink and with no advance.
    Glyph render(uint32_t index) const;
    // The outline of a glyph, thickened as render() thickens it but not slanted (whoever
    // draws it slants it with the rest of the text). Empty when it cannot be loaded; throws
    // std::bad_alloc when memory runs out on the way.
    GlyphOutline outline(uint32_t index) const;

    struct Scale;
    FontFace(std::unique_ptr<freetype::Face> face, FaceMatch const& match, Scale const& scale);

private:
    std::unique_ptr<freetype::Face> face_;
    bool synthetic_bold_;
    bool synthetic_italic_;
    int32_t embolden_pixels_;
    double em_pixels_;
    double x_em_pixels_;
    std::string family_name_;
    TextMetrics metrics_;
};

} // namespace kp
