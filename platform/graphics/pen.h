#pragma once

// Pens: what outlines and lines are drawn with.

#include <algorithm>
#include <cstdint>

#include "platform/base/color.h"
#include "platform/raster/line_pattern.h"

namespace kp {

// Numbered as the library numbers its pen styles.
enum class PenStyle : uint8_t { Solid = 1, Dotted = 2, Dashed = 3, Invisible = 4, DashDot = 5 };

inline constexpr bool is_pen_style(int32_t value) { return value >= 1 && value <= 5; }

struct Pen {
    // Widths beyond this are taken as this; no surface is that large.
    static constexpr int32_t max_width = 1 << 16;

    PenStyle style = PenStyle::Solid;
    int32_t width = 1; // pixels; 1 for a one-pixel pen
    Color color;

    // A pen as it will draw: widths below 1 draw one pixel wide, and only one-pixel pens
    // keep a dash pattern (wider pens draw solid, invisible stays invisible).
    static constexpr Pen make(PenStyle style, int32_t width, Color color)
    {
        Pen pen{style, std::clamp(width, 1, max_width), color};
        if (pen.width > 1 && pen.style != PenStyle::Invisible)
            pen.style = PenStyle::Solid;
        return pen;
    }

    constexpr bool is_visible() const { return style != PenStyle::Invisible; }
    constexpr bool is_wide() const { return width > 1; }
    constexpr LinePattern pattern() const
    {
        switch (style) {
        case PenStyle::Dotted:
            return line_patterns::dotted;
        case PenStyle::Dashed:
            return line_patterns::dashed;
        case PenStyle::DashDot:
            return line_patterns::dash_dot;
        case PenStyle::Solid:
        case PenStyle::Invisible:
            break;
        }
        return line_patterns::solid;
    }
    constexpr bool operator==(Pen const&) const = default;
};

} // namespace kp
