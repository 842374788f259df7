#pragma once

// What a vector picture is drawn with: the few primitives a recording's steps reduce to
// (vector_replay.h). The replay works out every position, pen and dash once; a canvas only
// writes them in its own terms (cairo calls, SVG elements).
//
// Positions are in the recording's logical pixels with fractions: the pixel at (x, y) is the
// square [x, x + 1) x [y, y + 1), y downwards.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/base/color.h"
#include "platform/base/point.h"
#include "platform/base/rect.h"
#include "platform/base/region.h"
#include "platform/font/text_rotation.h"
#include "platform/raster/polygon.h"
#include "platform/raster/surface.h"

namespace kp {

class Font;

struct Spot {
    double x = 0;
    double y = 0;
};

// Straight pieces through points; a closed one joins the last point to the first.
struct Polyline {
    std::vector<Spot> points;
    bool closed = false;
};

enum class LineCap : uint8_t { Butt, Round, Square };
enum class LineJoin : uint8_t { Miter, Round };

struct Stroke {
    double width = 1;
    LineCap cap = LineCap::Butt;
    LineJoin join = LineJoin::Miter;
    Color color;
    // Painted and skipped lengths in turn, starting with a painted one, an even count;
    // empty for a solid line. The line starts `dash_offset` into them.
    std::vector<double> dashes;
    double dash_offset = 0;
};

struct Ellipse {
    Spot centre;
    double rx = 0;
    double ry = 0;
};

// Part of an ellipse from the angle `from` to `to` of the unit circle it is scaled from
// (y downwards, so growing angles turn clockwise on the screen); `to` below `from` runs
// counter-clockwise. A whole one runs once round clockwise from angle 0.
struct EllipseArc {
    Ellipse ellipse;
    double from = 0;
    double to = 0;
    bool whole = true;
};

// One character of a text, where its cell starts along the text (pixels from the first
// cell's corner) and what it shows.
struct PlacedGlyph {
    char32_t shown = 0;  // the Unicode character it stands for
    uint32_t glyph = 0;  // the glyph the screen draws, in the font's face
    int64_t offset = 0;
};

// The glyphs of a recorded text, as the screen sets them: each on the baseline `baseline`
// pixels below the top of its cell, cells turned about `corner` by `rotation`.
struct PlacedText {
    Font const* font = nullptr;
    Point corner;
    TextRotation rotation = TextRotation::Degrees0;
    double baseline = 0;
    std::vector<PlacedGlyph> characters;
    Color color;
    // The em square in pixels, up and across, and the slant x' = x + slant * y (y upwards,
    // in em units) the engine gives a face that has no italic of its own (0 for others).
    double em = 0;
    double x_em = 0;
    double slant = 0;
};

class VectorCanvas {
public:
    virtual ~VectorCanvas() = default;

    // The clip of what follows until the next call; null: the whole picture. The region
    // stays alive and unchanged while the canvas draws.
    virtual void set_clip(Region const* clip) = 0;

    virtual void fill_rect(Rect const& box, Color color) = 0;
    virtual void fill_polygon(std::span<Spot const> points, FillRule rule, Color color) = 0;
    virtual void fill_ellipse(Ellipse const& ellipse, Color color) = 0;
    // The lines are stroked together, as one outline.
    virtual void stroke_lines(std::span<Polyline const> lines, Stroke const& stroke) = 0;
    virtual void stroke_arc(EllipseArc const& arc, Stroke const& stroke) = 0;
    virtual void draw_text(PlacedText const& text) = 0;
    // The `part` of `pixels`, pixel for pixel with its top-left pixel at `at`, only inside
    // `within` when that is given.
    virtual void draw_image(Surface const& pixels, Rect const& part, Point at, Region const* within) = 0;
};

} // namespace kp
