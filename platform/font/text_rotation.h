#pragma once

// Text turned by whole quarter turns, counter-clockwise as the escapement counts.
//
// A character is drawn in its cell: a box `advance` wide and `height` tall whose top-left
// corner is the point the caller gives. Turning the text turns the cell about that corner:
// at 90 degrees the text runs upwards and the cell lies above-right of the corner, at 180
// degrees it lies above-left, at 270 degrees below-left. Corners are pixel corners, so a
// cell never moves by a pixel when it turns: at 90 degrees the cell [0, w) x [0, h) covers
// columns x .. x + h - 1 and rows y - w .. y - 1.

#include <cstdint>

#include "platform/base/rect.h"

namespace kp {

enum class TextRotation : uint8_t { Degrees0 = 0, Degrees90 = 1, Degrees180 = 2, Degrees270 = 3 };

// The nearest quarter turn to an escapement in tenths of a degree (any value, negative or
// beyond a full turn; halfway values turn further counter-clockwise).
constexpr TextRotation rotation_for_escapement(int32_t tenths)
{
    int64_t turned = ((int64_t{tenths} % 3600) + 3600) % 3600;
    return static_cast<TextRotation>(((turned + 450) / 900) % 4);
}

constexpr int32_t escapement_of(TextRotation rotation)
{
    return static_cast<int32_t>(rotation) * 900;
}

// Where the rectangle `cell` of a character's cell space (x to the right along the text,
// y downwards, (0, 0) the cell's top-left corner) lands on the surface when that corner is
// at `corner`. Works in 64 bits and clamps, so corners anywhere in the 32-bit range are safe.
constexpr Rect rotated_cell_rect(Rect cell, Point corner, TextRotation rotation)
{
    int64_t const x0 = cell.left(), x1 = int64_t{cell.left()} + cell.width;
    int64_t const y0 = cell.top(), y1 = int64_t{cell.top()} + cell.height;
    int64_t const cx = corner.x, cy = corner.y;
    switch (rotation) {
    case TextRotation::Degrees0:
        return Rect::from_edges(cx + x0, cy + y0, cx + x1, cy + y1);
    case TextRotation::Degrees90:
        return Rect::from_edges(cx + y0, cy - x1, cx + y1, cy - x0);
    case TextRotation::Degrees180:
        return Rect::from_edges(cx - x1, cy - y1, cx - x0, cy - y0);
    case TextRotation::Degrees270:
        return Rect::from_edges(cx - y1, cy + x0, cx - y0, cy + x1);
    }
    return {};
}

// The corner of the next character's cell after a character `advance` pixels wide.
constexpr Point advanced_corner(Point corner, int32_t advance, TextRotation rotation)
{
    switch (rotation) {
    case TextRotation::Degrees0:
        return corner.translated(advance, 0);
    case TextRotation::Degrees90:
        return corner.translated(0, -advance);
    case TextRotation::Degrees180:
        return corner.translated(-advance, 0);
    case TextRotation::Degrees270:
        return corner.translated(0, advance);
    }
    return corner;
}

} // namespace kp
