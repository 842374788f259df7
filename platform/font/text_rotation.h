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

#include "platform/base/device_geometry.h"
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
// at `corner`. The one place that says how a quarter turn moves a cell.
constexpr DeviceBox rotated_cell_edges(DeviceBox cell, DevicePoint corner, TextRotation rotation)
{
    int64_t const cx = corner.x, cy = corner.y;
    switch (rotation) {
    case TextRotation::Degrees0:
        return {cx + cell.left, cy + cell.top, cx + cell.right, cy + cell.bottom};
    case TextRotation::Degrees90:
        return {cx + cell.top, cy - cell.right, cx + cell.bottom, cy - cell.left};
    case TextRotation::Degrees180:
        return {cx - cell.right, cy - cell.bottom, cx - cell.left, cy - cell.top};
    case TextRotation::Degrees270:
        return {cx - cell.bottom, cy + cell.left, cx - cell.top, cy + cell.right};
    }
    return {};
}

// The surface pixel of the cell pixel `pixel`.
constexpr DevicePoint rotated_cell_pixel(DevicePoint pixel, DevicePoint corner, TextRotation rotation)
{
    DeviceBox const edges = rotated_cell_edges({pixel.x, pixel.y, pixel.x + 1, pixel.y + 1}, corner, rotation);
    return {edges.left, edges.top};
}

// The turn that undoes `rotation`.
constexpr TextRotation reversed(TextRotation rotation)
{
    return static_cast<TextRotation>((4 - static_cast<int>(rotation)) % 4);
}

// The cell pixel that lands on the surface pixel `target` when the cell's corner is at
// `corner`: the inverse of rotated_cell_pixel, which is the reverse turn of the offset.
constexpr DevicePoint cell_pixel_at(DevicePoint target, DevicePoint corner, TextRotation rotation)
{
    return rotated_cell_pixel({target.x - corner.x, target.y - corner.y}, {0, 0}, reversed(rotation));
}

// The corner that puts the cell pixel `pixel` on the surface pixel `target`: the inverse
// of rotated_cell_pixel.
constexpr DevicePoint corner_placing(DevicePoint pixel, DevicePoint target, TextRotation rotation)
{
    DevicePoint const from_origin = rotated_cell_pixel(pixel, {0, 0}, rotation);
    return {target.x - from_origin.x, target.y - from_origin.y};
}

// The same as rotated_cell_edges for 32-bit rectangles, clamped like Rect::from_edges, so
// corners anywhere in the 32-bit range are safe.
constexpr Rect rotated_cell_rect(Rect cell, Point corner, TextRotation rotation)
{
    return rotated_cell_edges(DeviceBox::from(cell), {corner.x, corner.y}, rotation).rect();
}

// The corner of the next character's cell after a character `advance` pixels wide.
constexpr DevicePoint advanced_corner(DevicePoint corner, int64_t advance, TextRotation rotation)
{
    DevicePoint const step = rotated_cell_pixel({advance, 0}, {0, 0}, rotation);
    DevicePoint const origin = rotated_cell_pixel({0, 0}, {0, 0}, rotation);
    return {corner.x + step.x - origin.x, corner.y + step.y - origin.y};
}

// The same in 32 bits, clamped to the 32-bit range.
constexpr Point advanced_corner(Point corner, int32_t advance, TextRotation rotation)
{
    return advanced_corner(DevicePoint{corner.x, corner.y}, advance, rotation).clamped();
}

} // namespace kp
