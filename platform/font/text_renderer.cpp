#include "platform/font/text_renderer.h"

#include <algorithm>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kp {

namespace {

// `over` laid on `under` with coverage 0..255, each channel rounded to nearest:
// (over * coverage + under * (255 - coverage) + 127) / 255. Red and blue are worked out
// side by side in one word (each lane stays below 2^16), and n / 255 for such n is
// (n + 1 + (n >> 8)) >> 8.
[[gnu::always_inline]] inline uint32_t blend(uint32_t under, Color over, uint8_t coverage)
{
    if (coverage == 255)
        return over.pixel();
    uint32_t const c = coverage;
    auto divided = [](uint32_t n, uint32_t lanes) { return ((n + (0x00010001 & lanes) + ((n >> 8) & lanes)) >> 8) & lanes; };
    uint32_t const red_blue = (over.pixel() & 0xFF00FF) * c + (under & 0xFF00FF) * (255 - c) + 0x7F007F;
    uint32_t const green = (over.pixel() & 0xFF00) * c + (under & 0xFF00) * (255 - c) + 0x7F00;
    return divided(red_blue, 0xFF00FF) | (divided(green >> 8, 0xFF) << 8);
}

// One row of upright glyph pixels laid on a surface row, exactly as blend() lays each.
// Four pixels at a time go through 16-bit lanes, one lane per channel: a coverage of 0 leaves
// a pixel as it was and 255 gives the text colour, so no pixel needs a test of its own; the
// high byte, which blend() clears, is kept only where nothing was laid.
void blend_row(uint32_t* row, uint8_t const* coverage, int32_t count, Color over)
{
    int32_t i = 0;
#if defined(__SSE2__)
    __m128i const zero = _mm_setzero_si128();
    __m128i const over_lanes = _mm_unpacklo_epi8(_mm_set1_epi32(static_cast<int>(over.pixel())), zero);
    __m128i const lanes_255 = _mm_set1_epi16(255);
    __m128i const lanes_127 = _mm_set1_epi16(127);
    __m128i const lanes_1 = _mm_set1_epi16(1);
    __m128i const colour_bytes = _mm_set1_epi32(0x00FFFFFF);
    __m128i const high_bytes = _mm_set1_epi32(static_cast<int>(0xFF000000U));
    auto blend_two = [&](__m128i under, __m128i c) {
        __m128i const n = _mm_add_epi16(
            _mm_add_epi16(_mm_mullo_epi16(over_lanes, c), _mm_mullo_epi16(under, _mm_sub_epi16(lanes_255, c))),
            lanes_127);
        return _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(n, lanes_1), _mm_srli_epi16(n, 8)), 8);
    };
    for (; i + 4 <= count; i += 4) {
        int32_t four_coverages = 0;
        std::memcpy(&four_coverages, coverage + i, sizeof four_coverages);
        if (four_coverages == 0)
            continue;
        // Each pixel's coverage in all four of its bytes.
        __m128i spread = _mm_cvtsi32_si128(four_coverages);
        spread = _mm_unpacklo_epi8(spread, spread);
        spread = _mm_unpacklo_epi16(spread, spread);
        __m128i const under = _mm_loadu_si128(reinterpret_cast<__m128i const*>(row + i));
        __m128i const low = blend_two(_mm_unpacklo_epi8(under, zero), _mm_unpacklo_epi8(spread, zero));
        __m128i const high = blend_two(_mm_unpackhi_epi8(under, zero), _mm_unpackhi_epi8(spread, zero));
        __m128i const untouched = _mm_cmpeq_epi32(spread, zero);
        __m128i const blended = _mm_or_si128(_mm_and_si128(_mm_packus_epi16(low, high), colour_bytes),
                                             _mm_and_si128(_mm_and_si128(under, high_bytes), untouched));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(row + i), blended);
    }
#endif
    for (; i < count; ++i)
        if (coverage[i] != 0)
            row[i] = blend(row[i], over, coverage[i]);
}

// The parts of `area` that the target lets us change.
template <typename Visit>
Rect for_each_visible_part(TextTarget const& target, Rect const& area, Visit&& visit)
{
    Rect changed;
    Rect const on_surface = area.intersected(target.surface.bounds());
    if (on_surface.is_empty())
        return changed;
    for (Rect const& clip : target.clip.rects()) {
        Rect const part = on_surface.intersected(clip);
        if (part.is_empty())
            continue;
        visit(part);
        changed.unite(part);
    }
    return changed;
}

// The surface point of a point in the caller's coordinates. Sums are taken in 64 bits and
// clamped to where they stay far outside any surface, so nothing wraps round.
Point device_point(int64_t x, int64_t y, Point origin)
{
    constexpr int64_t limit = INT32_MAX / 2;
    return {static_cast<int32_t>(std::clamp(x + origin.x, -limit, limit)),
            static_cast<int32_t>(std::clamp(y + origin.y, -limit, limit))};
}

// Draws one character with its cell corner at a surface point.
Rect draw_at(TextTarget const& target, Font const& font, Point device, char32_t character, TextPaint const& paint)
{
    Surface& surface = target.surface;
    if (surface.is_empty() || target.clip.is_empty())
        return {};
    Glyph const* const glyph = &font.glyph_for(character);
    TextMetrics const& metrics = font.metrics();
    TextRotation const rotation = font.rotation();
    Rect changed;

    if (paint.background_mode == TextBackground::Opaque) {
        Rect const cell = rotated_cell_rect({0, 0, glyph->advance, metrics.height}, device, rotation);
        uint32_t const background = paint.background.pixel();
        changed.unite(for_each_visible_part(target, cell, [&](Rect const& part) {
            for (int32_t y = part.top(); y < part.bottom(); ++y)
                std::fill_n(surface.row(y) + part.left(), part.width, background);
        }));
    }

    if (!glyph->size.is_empty()) {
        // The glyph's ink box in cell space: its bitmap starts `left` right of the origin
        // and `top` rows above the baseline, which lies `ascent` rows below the cell's top.
        Rect const ink{glyph->left, metrics.ascent - glyph->top, glyph->size.width, glyph->size.height};
        Rect const ink_on_surface = rotated_cell_rect(ink, device, rotation);
        changed.unite(for_each_visible_part(target, ink_on_surface, [&](Rect const& part) {
            if (rotation == TextRotation::Degrees0) {
                // Upright text, the common case: glyph rows run along surface rows.
                int64_t const left = int64_t{part.left()} - device.x - ink.left();
                for (int32_t y = part.top(); y < part.bottom(); ++y) {
                    uint8_t const* coverage
                        = &glyph->coverage[static_cast<std::size_t>(int64_t{y} - device.y - ink.top()) * glyph->size.width
                                           + static_cast<std::size_t>(left)];
                    blend_row(surface.row(y) + part.left(), coverage, part.width, paint.text);
                }
                return;
            }
            for (int32_t y = part.top(); y < part.bottom(); ++y) {
                uint32_t* row = surface.row(y);
                for (int32_t x = part.left(); x < part.right(); ++x) {
                    DevicePoint const cell = cell_pixel_at({x, y}, {device.x, device.y}, rotation);
                    uint8_t const coverage = glyph->coverage_at(static_cast<int32_t>(cell.x - ink.left()),
                                                                static_cast<int32_t>(cell.y - ink.top()));
                    if (coverage != 0)
                        row[x] = blend(row[x], paint.text, coverage);
                }
            }
        }));
    }

    // Underline and strike-out run along the whole advance, so the lines of neighbouring
    // characters join.
    auto draw_line = [&](int32_t top, int32_t thickness) {
        Rect const line = rotated_cell_rect({0, top, glyph->advance, thickness}, device, rotation);
        uint32_t const text = paint.text.pixel();
        changed.unite(for_each_visible_part(target, line, [&](Rect const& part) {
            for (int32_t y = part.top(); y < part.bottom(); ++y)
                std::fill_n(surface.row(y) + part.left(), part.width, text);
        }));
    };
    if (font.logical_font().underline)
        draw_line(metrics.ascent + metrics.underline_offset, metrics.underline_thickness);
    if (font.logical_font().strike_out)
        draw_line(metrics.ascent - metrics.strikeout_offset, metrics.strikeout_thickness);
    return changed;
}

} // namespace

Rect draw_character(TextTarget const& target, Font const& font, Point corner, char32_t character,
                    TextPaint const& paint)
{
    return draw_at(target, font, device_point(corner.x, corner.y, target.origin), character, paint);
}

Rect draw_text(TextTarget const& target, Font const& font, Point corner, std::string_view text,
               TextPaint const& paint)
{
    // The cells are walked in 64 bits: a long text may run past the end of the 32-bit range.
    Point const step = advanced_corner({}, 1, font.rotation());
    int64_t x = corner.x;
    int64_t y = corner.y;
    Rect changed;
    for (char32_t character : font.decode(text)) {
        changed.unite(draw_at(target, font, device_point(x, y, target.origin), character, paint));
        int64_t const advance = font.char_width(character);
        x += step.x * advance;
        y += step.y * advance;
    }
    return changed;
}

} // namespace kp
