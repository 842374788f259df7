#pragma once

// Measurements of a realized font, in whole pixels.

#include <cstdint>

namespace kp {

struct TextMetrics {
    int32_t height = 0;             // ascent + descent: the height of a character cell
    int32_t ascent = 0;             // from the top of the cell to the baseline
    int32_t descent = 0;            // from the baseline to the bottom of the cell
    int32_t internal_leading = 0;   // room for accents inside the cell: height minus the em size
    int32_t external_leading = 0;   // extra room the font asks for between lines, outside the cell
    int32_t average_char_width = 0; // the font's own average, as its designer states it
    int32_t max_char_width = 0;     // no character advances further than this
    int32_t em_size = 0;            // the em square in pixels
    int32_t weight = 0;             // 100..900; 700 is bold, also when the engine makes it bold
    bool italic = false;            // a real italic face or a slanted one
    // Lines drawn for underlined and struck-out fonts: the underline's top edge lies
    // underline_offset rows below the baseline, the strike-out's strikeout_offset rows above.
    int32_t underline_offset = 0;
    int32_t underline_thickness = 0;
    int32_t strikeout_offset = 0;
    int32_t strikeout_thickness = 0;

    bool operator==(TextMetrics const&) const = default;
};

// The widths of one character. A is the gap from the character's origin to its ink, B the
// width of the ink and C the gap from the ink to the next character's origin; A and C can
// be negative when the ink leans out of the advance (italics). A + B + C is the advance.
// A character without ink (a space) has A = 0, B = 0 and C = its advance.
struct AbcWidths {
    int32_t a = 0;
    int32_t b = 0;
    int32_t c = 0;

    constexpr int32_t advance() const { return a + b + c; }
    bool operator==(AbcWidths const&) const = default;
};

} // namespace kp
