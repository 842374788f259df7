#pragma once

// A glyph's outline as the font draws it, for vector output that cannot set the glyph as
// text: in pixels at the font's size (its own width included), x to the right, y downwards,
// (0, 0) the glyph's origin on the baseline, unhinted.

#include <cstdint>
#include <vector>

namespace kp {

struct OutlinePoint {
    double x = 0;
    double y = 0;
};

struct GlyphOutline {
    // Each verb takes its points in turn: a move and a line one, a quadratic curve two (the
    // control point, the end), a cubic curve three; a close none.
    enum class Verb : uint8_t { Move, Line, Quadratic, Cubic, Close };
    std::vector<Verb> verbs;
    std::vector<OutlinePoint> points;
};

} // namespace kp
