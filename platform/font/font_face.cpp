#include "platform/font/font_face.h"

#include <algorithm>
#include <cmath>
#include <string>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include "platform/font/freetype_handles.h"
#include "platform/font/outline_writer.h"
#include "platform/font/symbol_encoding.h"

namespace kp {

// The size a face is set to: the em in pixels vertically and horizontally, and the cell
// height the caller asked for (0 when it asked for an em size).
struct FontFace::Scale {
    double em = default_em_pixels;
    double x_em = default_em_pixels;
    int32_t cell_height = 0;
};

namespace {

// The metrics the font's designer gave, in font units.
struct DesignMetrics {
    double units_per_em = 1000;
    double ascent = 0;
    double descent = 0;
    double external_leading = 0;
    double average_width = 0; // 0 when the font does not say
    double underline_center = 0;  // below the baseline
    double underline_thickness = 0;
    double strikeout_top = 0;     // above the baseline
    double strikeout_thickness = 0;
};

DesignMetrics design_metrics(FT_Face face)
{
    DesignMetrics design;
    if (face->units_per_EM > 0)
        design.units_per_em = face->units_per_EM;
    auto const* os2 = static_cast<TT_OS2 const*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    auto const* hhea = static_cast<TT_HoriHeader const*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
    if (os2 != nullptr && os2->version == 0xFFFF)
        os2 = nullptr;

    // The Windows ascent and descent enclose every glyph the designer expects to be drawn
    // whole, accents on capitals included; the classic desktop built its cells from them.
    if (os2 != nullptr && os2->usWinAscent + os2->usWinDescent > 0) {
        design.ascent = os2->usWinAscent;
        design.descent = os2->usWinDescent;
    } else if (face->ascender - face->descender > 0) {
        design.ascent = face->ascender;
        design.descent = -face->descender;
    } else if (face->bbox.yMax - face->bbox.yMin > 0) {
        design.ascent = face->bbox.yMax;
        design.descent = -face->bbox.yMin;
    } else {
        design.ascent = 0.8 * design.units_per_em;
        design.descent = 0.2 * design.units_per_em;
    }
    // Line spacing is the typographic line height (hhea) when that exceeds the cell; the
    // surplus is the external leading.
    if (hhea != nullptr) {
        double const line = static_cast<double>(hhea->Ascender) - hhea->Descender + hhea->Line_Gap;
        design.external_leading = std::max(0.0, line - (design.ascent + design.descent));
    }
    if (os2 != nullptr && os2->xAvgCharWidth > 0)
        design.average_width = os2->xAvgCharWidth;

    // Where the font gives no lines, a twentieth of the em under the baseline and a stroke
    // through the middle of the lower-case letters.
    double const em = design.units_per_em;
    design.underline_thickness = face->underline_thickness > 0 ? face->underline_thickness : em / 20;
    design.underline_center = face->underline_position < 0 ? -face->underline_position : em / 10;
    design.strikeout_thickness = os2 != nullptr && os2->yStrikeoutSize > 0 ? os2->yStrikeoutSize
                                                                           : design.underline_thickness;
    design.strikeout_top = os2 != nullptr && os2->yStrikeoutPosition > 0 ? os2->yStrikeoutPosition : em * 0.3;
    return design;
}

FontFace::Scale scale_for(LogicalFont const& font, DesignMetrics const& design)
{
    FontFace::Scale scale;
    double const cell_per_em = (design.ascent + design.descent) / design.units_per_em;
    if (font.height < 0) {
        scale.em = static_cast<double>(std::min<int64_t>(-int64_t{font.height}, max_em_pixels));
    } else if (font.height > 0) {
        scale.em = font.height / cell_per_em;
        if (scale.em <= max_em_pixels && scale.em >= 1)
            scale.cell_height = font.height;
    }
    scale.em = std::clamp(scale.em, 1.0, double{max_em_pixels});

    scale.x_em = scale.em;
    if (font.width != 0) {
        // The width asks for an average character width: stretch the em to match it.
        double const width = std::abs(static_cast<double>(font.width));
        double const average = design.average_width > 0 ? design.average_width : design.units_per_em / 2;
        scale.x_em = std::clamp(width * design.units_per_em / average, 1.0, double{max_em_pixels});
    }
    return scale;
}

int32_t rounded(double value)
{
    return static_cast<int32_t>(std::lround(value));
}

// The face's weight on the 100..900 scale.
int32_t face_weight(FT_Face face)
{
    auto const* os2 = static_cast<TT_OS2 const*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 != nullptr && os2->version != 0xFFFF && os2->usWeightClass >= 1 && os2->usWeightClass <= 1000)
        return os2->usWeightClass;
    return (face->style_flags & FT_STYLE_FLAG_BOLD) != 0 ? font_weight_bold : font_weight_normal;
}

// Looks a character up in one of the face's maps, leaving the face's current map as it was.
uint32_t index_in_charmap(FT_Face face, FT_Encoding encoding, char32_t character)
{
    FT_CharMap current = face->charmap;
    if (FT_Select_Charmap(face, encoding) != 0)
        return 0;
    uint32_t index = FT_Get_Char_Index(face, character);
    FT_Set_Charmap(face, current);
    return index;
}

// Copies the rendered bitmap into `glyph`, trimmed to the rows and columns that have ink.
void copy_ink(FT_GlyphSlot slot, Glyph& glyph)
{
    FT_Bitmap const& bitmap = slot->bitmap;
    int const rows = static_cast<int>(bitmap.rows);
    int const width = static_cast<int>(bitmap.width);
    if (rows <= 0 || width <= 0 || bitmap.buffer == nullptr)
        return;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY && bitmap.pixel_mode != FT_PIXEL_MODE_MONO)
        return;
    // The pitch is what moves a pointer one row down; negative pitches store rows bottom up.
    auto row_start = [&](int y) {
        int const stored = bitmap.pitch >= 0 ? y : rows - 1 - y;
        return bitmap.buffer + static_cast<std::ptrdiff_t>(stored) * std::abs(bitmap.pitch);
    };
    auto coverage = [&](int x, int y) -> uint8_t {
        unsigned char const* row = row_start(y);
        if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO)
            return (row[x >> 3] & (0x80 >> (x & 7))) != 0 ? 255 : 0;
        return row[x];
    };

    int left = width, right = -1, top = rows, bottom = -1;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < width; ++x) {
            if (coverage(x, y) != 0) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0)
        return;
    glyph.left = slot->bitmap_left + left;
    glyph.top = slot->bitmap_top - top;
    glyph.size = {right - left + 1, bottom - top + 1};
    glyph.coverage.resize(static_cast<std::size_t>(glyph.size.area()));
    auto out = glyph.coverage.begin();
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x)
            *out++ = coverage(x, y);
    }
}

} // namespace

std::unique_ptr<FontFace> FontFace::open(std::shared_ptr<freetype::Library> library, FaceMatch const& match,
                                         LogicalFont const& font)
{
    std::unique_ptr<freetype::Face> face = freetype::Face::open(std::move(library), match.file.c_str(), match.index);
    if (!face || !FT_IS_SCALABLE(face->get()))
        return nullptr;
    Scale const scale = scale_for(font, design_metrics(face->get()));
    FT_Size_RequestRec request{};
    request.type = FT_SIZE_REQUEST_TYPE_NOMINAL;
    request.width = std::lround(scale.x_em * 64);
    request.height = std::lround(scale.em * 64);
    if (FT_Request_Size(face->get(), &request) != 0)
        return nullptr;
    // Prefer Unicode; a face without a Unicode map keeps the map FreeType chose.
    FT_Select_Charmap(face->get(), FT_ENCODING_UNICODE);
    return std::make_unique<FontFace>(std::move(face), match, scale);
}

FontFace::FontFace(std::unique_ptr<freetype::Face> face, FaceMatch const& match, Scale const& scale)
    : face_(std::move(face))
    , synthetic_bold_(match.synthetic_bold)
    , synthetic_italic_(match.synthetic_italic)
    , embolden_pixels_(match.synthetic_bold ? std::max(1, rounded(scale.em / 24)) : 0)
    , em_pixels_(scale.em)
    , x_em_pixels_(scale.x_em)
{
    FT_Face const ft = face_->get();
    if (ft->family_name != nullptr)
        family_name_ = ft->family_name;
    DesignMetrics const design = design_metrics(ft);
    double const y_scale = scale.em / design.units_per_em;
    double const x_scale = scale.x_em / design.units_per_em;

    metrics_.em_size = rounded(scale.em);
    metrics_.ascent = rounded(design.ascent * y_scale);
    metrics_.descent = scale.cell_height > 0 ? std::max(0, scale.cell_height - metrics_.ascent)
                                             : rounded(design.descent * y_scale);
    metrics_.height = metrics_.ascent + metrics_.descent;
    metrics_.internal_leading = std::max(0, metrics_.height - metrics_.em_size);
    metrics_.external_leading = rounded(design.external_leading * y_scale);
    if (design.average_width > 0)
        metrics_.average_char_width = rounded(design.average_width * x_scale) + embolden_pixels_;
    else
        metrics_.average_char_width = render(glyph_index(U'x', TextEncoding::Unicode)).advance;
    metrics_.max_char_width = static_cast<int32_t>(std::ceil(ft->max_advance_width * x_scale)) + embolden_pixels_;
    metrics_.weight = synthetic_bold_ ? font_weight_bold : face_weight(ft);
    metrics_.italic = synthetic_italic_ || (ft->style_flags & FT_STYLE_FLAG_ITALIC) != 0;

    // Lines at least one pixel thick; the underline stays inside the cell when it can.
    metrics_.underline_thickness = std::max(1, rounded(design.underline_thickness * y_scale));
    metrics_.underline_offset = std::clamp(
        rounded(design.underline_center * y_scale - metrics_.underline_thickness / 2.0), 1,
        std::max(1, metrics_.descent - metrics_.underline_thickness));
    metrics_.strikeout_thickness = std::max(1, rounded(design.strikeout_thickness * y_scale));
    metrics_.strikeout_offset = std::max(metrics_.strikeout_thickness, rounded(design.strikeout_top * y_scale));
}

FontFace::~FontFace() = default;

uint32_t FontFace::glyph_index(char32_t character, TextEncoding encoding) const
{
    FT_Face const ft = face_->get();
    if (encoding == TextEncoding::Unicode)
        return FT_Get_Char_Index(ft, character);

    // Symbol fonts made for the classic desktop map their bytes at U+F020..U+F0FF.
    if (character >= 0xF020 && character <= 0xF0FF)
        character -= 0xF000;
    if (character > 0xFF) {
        // A Unicode character given to a symbol font: the font's own map, or the byte of the
        // symbol encoding that stands for it.
        if (uint32_t index = FT_Get_Char_Index(ft, character))
            return index;
        std::optional<uint8_t> byte = symbol_byte_for_unicode(character);
        return byte ? glyph_index(*byte, TextEncoding::Symbol) : 0;
    }
    if (std::optional<SymbolCharacter> symbol = symbol_character(static_cast<uint8_t>(character))) {
        if (uint32_t index = glyph_index_for_name(symbol->glyph_name))
            return index;
        if (uint32_t index = FT_Get_Char_Index(ft, symbol->unicode))
            return index;
    }
    return index_in_charmap(ft, FT_ENCODING_MS_SYMBOL, 0xF000 + character);
}

uint32_t FontFace::glyph_index_for_name(std::string_view name) const
{
    FT_Face const ft = face_->get();
    if (!FT_HAS_GLYPH_NAMES(ft) || name.empty())
        return 0;
    return FT_Get_Name_Index(ft, std::string(name).c_str());
}

Glyph FontFace::render(uint32_t index) const
{
    Glyph glyph;
    glyph.index = index;
    FT_Face const ft = face_->get();
    // Outlines only: some faces carry bitmaps for a few sizes, which would look different
    // from every other size and could not be slanted or thickened.
    if (FT_Load_Glyph(ft, index, FT_LOAD_NO_BITMAP) != 0)
        return glyph;
    FT_GlyphSlot slot = ft->glyph;
    FT_Pos advance = slot->advance.x;
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        if (synthetic_bold_) {
            // Thickens to the right by whole pixels, so the advance stays whole.
            FT_Outline_EmboldenXY(&slot->outline, FT_Pos{embolden_pixels_} * 64, 0);
            advance += FT_Pos{embolden_pixels_} * 64;
        }
        if (synthetic_italic_) {
            // x' = x + 0.2 y: about 11 degrees, close to the slant of real italics. The
            // baseline does not move, so the advance stays.
            FT_Matrix const shear{0x10000, 0x3333, 0, 0x10000};
            FT_Outline_Transform(&slot->outline, &shear);
        }
    }
    glyph.advance = static_cast<int32_t>((advance + 32) >> 6);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) == 0)
        copy_ink(slot, glyph);
    return glyph;
}

GlyphOutline FontFace::outline(uint32_t index) const
{
    FT_Face const ft = face_->get();
    if (FT_Load_Glyph(ft, index, FT_LOAD_NO_BITMAP | FT_LOAD_NO_HINTING) != 0
        || ft->glyph->format != FT_GLYPH_FORMAT_OUTLINE)
        return {};
    FT_Outline* outline = &ft->glyph->outline;
    if (synthetic_bold_)
        FT_Outline_EmboldenXY(outline, FT_Pos{embolden_pixels_} * 64, 0);
    OutlineWriter writer;
    return writer.finish(FT_Outline_Decompose(outline, &OutlineWriter::callbacks, &writer));
}

} // namespace kp
