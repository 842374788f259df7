#include "platform/font/font.h"

#include "platform/font/font_face.h"

namespace kp {

Font::Font(LogicalFont logical, FaceMatch match, std::unique_ptr<FontFace> face)
    : logical_(std::move(logical))
    , match_(std::move(match))
    , face_(std::move(face))
    , metrics_(face_->metrics())
    , rotation_(rotation_for_escapement(logical_.escapement))
{
}

Font::~Font() = default;

double Font::em_pixels() const
{
    return face_->em_pixels();
}

double Font::x_em_pixels() const
{
    return face_->x_em_pixels();
}

std::string const& Font::family_name() const
{
    return face_->family_name();
}

uint32_t Font::glyph_index(char32_t character) const
{
    return face_->glyph_index(character, encoding());
}

GlyphOutline Font::glyph_outline(uint32_t index) const
{
    return face_->outline(index);
}

uint32_t Font::glyph_index_for_name(std::string_view name) const
{
    return face_->glyph_index_for_name(name);
}

std::shared_ptr<Glyph const> Font::glyph(char32_t character) const
{
    bool const first = character < first_glyphs_.size();
    if (first && first_glyphs_[character])
        return first_glyphs_[character];
    uint32_t const index = glyph_index(character);
    std::shared_ptr<Glyph const> found = glyphs_.find(index);
    if (!found)
        found = glyphs_.insert(face_->render(index));
    if (first)
        first_glyphs_[character] = found;
    return found;
}

Glyph const& Font::glyph_for(char32_t character) const
{
    if (character < first_glyphs_.size() && first_glyphs_[character])
        return *first_glyphs_[character];
    // Held by the cache (or the table) until the next glyph is rendered.
    return *glyph(character);
}

AbcWidths Font::abc_widths(char32_t character) const
{
    return glyph_for(character).abc_widths();
}

int32_t Font::char_width(char32_t character) const
{
    return glyph_for(character).advance;
}

Size Font::text_extent(std::string_view text) const
{
    int64_t width = 0;
    for (char32_t character : decode(text))
        width += char_width(character);
    return {static_cast<int32_t>(std::min<int64_t>(width, INT32_MAX)), metrics_.height};
}

} // namespace kp
