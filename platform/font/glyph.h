#pragma once

// One rendered character: its grey coverage bitmap and where that bitmap sits relative to
// the character's origin on the baseline.

#include <cstdint>
#include <vector>

#include "platform/base/size.h"
#include "platform/font/text_metrics.h"

namespace kp {

struct Glyph {
    uint32_t index = 0;   // the glyph's number in its face; 0 for a character the face lacks
    int32_t advance = 0;  // from this character's origin to the next character's, in pixels
    int32_t left = 0;     // from the origin rightwards to the first inked column
    int32_t top = 0;      // from the baseline upwards to the first inked row
    Size size;            // of the ink box; empty for a character without ink
    std::vector<uint8_t> coverage; // size.width * size.height values 0..255, rows top down

    uint8_t coverage_at(int32_t x, int32_t y) const
    {
        return coverage[static_cast<std::size_t>(y) * size.width + x];
    }

    AbcWidths abc_widths() const
    {
        if (size.is_empty())
            return {0, 0, advance};
        return {left, size.width, advance - left - size.width};
    }
};

} // namespace kp
