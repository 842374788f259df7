#pragma once

// Brushes: what closed shapes and regions are filled with.

#include <cstdint>

#include "platform/base/color.h"

namespace kp {

enum class BrushStyle : uint8_t { Solid, Hollow };

struct Brush {
    BrushStyle style = BrushStyle::Solid;
    Color color;

    constexpr bool is_visible() const { return style == BrushStyle::Solid; }
    constexpr bool operator==(Brush const&) const = default;
};

} // namespace kp
