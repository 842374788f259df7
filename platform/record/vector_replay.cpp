#include "platform/record/vector_replay.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <utility>
#include <vector>

#include "platform/font/font.h"
#include "platform/font/symbol_encoding.h"
#include "platform/font/text_rotation.h"
#include "platform/raster/line.h"

namespace kp {

namespace {

// The slant the font engine gives a face that has no italic of its own: x' = x + 0.2 y with
// y upwards (font_face.cpp).
constexpr double synthetic_slant = 0.2;

// The centre of the pixel at a position.
Spot centre(Point p)
{
    return {p.x + 0.5, p.y + 0.5};
}

// The painted and skipped runs of a dash pattern, starting with a painted one.
std::vector<double> dash_runs(LinePattern pattern)
{
    std::vector<double> runs;
    bool painting = true;
    double run = 0;
    for (int i = 0; i < pattern.period; ++i) {
        if (pattern.paints(i) != painting) {
            runs.push_back(run);
            painting = !painting;
            run = 0;
        }
        ++run;
    }
    runs.push_back(run);
    if (runs.size() % 2 == 1)
        runs.push_back(0);
    return runs;
}

Stroke thin_stroke(Color color)
{
    return {1, LineCap::Butt, LineJoin::Miter, color, {}, 0};
}

// One-pixel pens count their pattern in pixels along a line's major axis, so a dash is
// longer on a slanted line than on a level one: each segment is stroked on its own with the
// pattern stretched by its length per pixel.
void stroke_dashed_segment(VectorCanvas& canvas, Point from, Point to, int64_t first_index, LinePattern pattern,
                           std::vector<double> const& runs, Color color)
{
    double const dx = to.x - from.x;
    double const dy = to.y - from.y;
    double const pixels = static_cast<double>(line_pixel_count(DevicePoint::from(from, {}), DevicePoint::from(to, {})));
    if (pixels <= 0)
        return;
    double const stretch = std::hypot(dx, dy) / pixels;
    Stroke stroke = thin_stroke(color);
    stroke.dashes = runs;
    for (double& run : stroke.dashes)
        run *= stretch;
    int64_t const phase = ((first_index % pattern.period) + pattern.period) % pattern.period;
    stroke.dash_offset = static_cast<double>(phase) * stretch;
    // Half a pixel step before the first centre, half a step before the last.
    Spot const a = centre(from);
    Spot const b = centre(to);
    double const step_x = dx / pixels / 2;
    double const step_y = dy / pixels / 2;
    Polyline const line{{{a.x - step_x, a.y - step_y}, {b.x - step_x, b.y - step_y}}, false};
    canvas.stroke_lines({&line, 1}, stroke);
}

// A one-pixel path through pixel centres: open paths start half a pixel early and stop half a
// pixel short, as the raster engine paints the first pixel and not the last.
Polyline thin_path(std::span<Point const> points, bool closed)
{
    Polyline line{{}, closed};
    line.points.reserve(points.size());
    for (Point const& p : points)
        line.points.push_back(centre(p));
    if (!closed && points.size() >= 2) {
        auto half_step = [](Point from, Point to) {
            double const pixels = static_cast<double>(std::max(std::abs(int64_t{to.x} - from.x), std::abs(int64_t{to.y} - from.y)));
            return pixels == 0 ? Spot{0, 0} : Spot{(to.x - from.x) / pixels / 2, (to.y - from.y) / pixels / 2};
        };
        Spot const first = half_step(points[0], points[1]);
        line.points.front().x -= first.x;
        line.points.front().y -= first.y;
        std::size_t const n = points.size();
        Spot const last = half_step(points[n - 2], points[n - 1]);
        line.points.back().x -= last.x;
        line.points.back().y -= last.y;
    }
    return line;
}

// A wide pen's path, and a polygon's outline: through the centres of the points' pixels. A
// lone point is a line of no length, which round caps make a dot.
Polyline centre_path(std::span<Point const> points, bool closed)
{
    Polyline line{{}, closed};
    for (Point const& p : points)
        line.points.push_back(centre(p));
    if (line.points.size() == 1)
        line.points.push_back(line.points.front());
    return line;
}

// The pen along the points, with the gaps of a dashed one-pixel pen painted when they are
// opaque. `pattern_start` is where the dash pattern stands at the first point.
void stroke_pen(VectorCanvas& canvas, std::span<Point const> points, bool closed, Pen const& pen, Gaps const& gaps,
                int64_t pattern_start)
{
    if (!pen.is_visible() || points.empty())
        return;
    if (pen.is_wide()) {
        Polyline const line = centre_path(points, closed);
        canvas.stroke_lines({&line, 1}, {static_cast<double>(pen.width), LineCap::Round, LineJoin::Round, pen.color, {}, 0});
        return;
    }
    LinePattern const pattern = pen.pattern();
    if (pattern.is_solid() || gaps.mode == BackgroundMode::Opaque) {
        Polyline const line = thin_path(points, closed);
        canvas.stroke_lines({&line, 1}, thin_stroke(pattern.is_solid() ? pen.color : gaps.color));
        if (pattern.is_solid())
            return;
    }
    std::vector<double> const runs = dash_runs(pattern);
    std::size_t const segments = closed ? points.size() : points.size() - 1;
    int64_t index = pattern_start;
    for (std::size_t i = 0; i < segments; ++i) {
        Point const a = points[i];
        Point const b = points[(i + 1) % points.size()];
        stroke_dashed_segment(canvas, a, b, index, pattern, runs, pen.color);
        index += line_pixel_count(DevicePoint::from(a, {}), DevicePoint::from(b, {}));
    }
}

// Lines between pairs of points, both ends painted: through the pixel centres with square
// caps, which reach half a pixel past each end and make a lone point one pixel.
void stroke_segments(VectorCanvas& canvas, std::span<Point const> points, Color color)
{
    std::vector<Polyline> lines;
    lines.reserve(points.size() / 2);
    for (std::size_t i = 0; i + 1 < points.size(); i += 2)
        lines.push_back({{centre(points[i]), centre(points[i + 1])}, false});
    Stroke stroke = thin_stroke(color);
    stroke.cap = LineCap::Square;
    canvas.stroke_lines(lines, stroke);
}

void paint_rectangle(VectorCanvas& canvas, RecordedStep const& step)
{
    Rect const& box = step.box;
    if (step.brush.is_visible())
        canvas.fill_rect(box, step.brush.color);
    if (!step.pen.is_visible())
        return;
    bool const line_thin = box.width == 1 || box.height == 1;
    if (!step.pen.is_wide() && line_thin) {
        if (step.pen.pattern().is_solid()) {
            canvas.fill_rect(box, step.pen.color);
        } else {
            Point const along[] = {box.origin(), box.width == 1 ? Point{box.left(), box.bottom()} : Point{box.right(), box.top()}};
            stroke_pen(canvas, along, false, step.pen, step.gaps, 0);
        }
        return;
    }
    // The corner pixels, clockwise from the top-left: where the pen outlines the box.
    Point const corners[] = {{box.left(), box.top()}, {box.right() - 1, box.top()},
                             {box.right() - 1, box.bottom() - 1}, {box.left(), box.bottom() - 1}};
    stroke_pen(canvas, corners, true, step.pen, step.gaps, 0);
}

void paint_polygon(VectorCanvas& canvas, Recording const& recording, RecordedStep const& step)
{
    std::span<Point const> const points = recording.points(step);
    if (step.brush.is_visible()) {
        Polyline const outline = centre_path(points, true);
        canvas.fill_polygon(outline.points, step.rule, step.brush.color);
    }
    stroke_pen(canvas, points, true, step.pen, step.gaps, 0);
}

// The ellipse through the centres of the outline pixels of a half-open box; `grow` widens
// the radii (half a pixel reaches the box's edges).
Ellipse ellipse_in(Rect const& box, double grow)
{
    return {{box.x + box.width / 2.0, box.y + box.height / 2.0},
            std::max((box.width - 1) / 2.0 + grow, 0.01),
            std::max((box.height - 1) / 2.0 + grow, 0.01)};
}

// The angle of the ray from the box's centre through a pixel, on the unit circle the
// ellipse is scaled from.
double ellipse_angle(Rect const& box, Point p)
{
    double const rx = std::max((box.width - 1) / 2.0, 0.5);
    double const ry = std::max((box.height - 1) / 2.0, 0.5);
    Spot const c = centre(p);
    return std::atan2((c.y - (box.y + box.height / 2.0)) / ry, (c.x - (box.x + box.width / 2.0)) / rx);
}

// Curves are dashed along their length; the pattern starts where the outline starts.
void stroke_curve(VectorCanvas& canvas, EllipseArc const& arc, RecordedStep const& step)
{
    Pen const& pen = step.pen;
    Stroke stroke{static_cast<double>(pen.width), pen.is_wide() ? LineCap::Round : LineCap::Butt, LineJoin::Miter,
                  pen.color, {}, 0};
    LinePattern const pattern = pen.pattern();
    if (!pen.is_wide() && !pattern.is_solid()) {
        if (step.gaps.mode == BackgroundMode::Opaque) {
            Stroke gaps = stroke;
            gaps.color = step.gaps.color;
            canvas.stroke_arc(arc, gaps);
        }
        stroke.dashes = dash_runs(pattern);
    }
    canvas.stroke_arc(arc, stroke);
}

void paint_ellipse(VectorCanvas& canvas, RecordedStep const& step)
{
    if (step.brush.is_visible())
        canvas.fill_ellipse(ellipse_in(step.box, 0.5), step.brush.color);
    if (step.pen.is_visible())
        stroke_curve(canvas, {ellipse_in(step.box, 0), 0, 0, true}, step);
}

void paint_arc(VectorCanvas& canvas, Recording const& recording, RecordedStep const& step)
{
    std::span<Point const> const ends = recording.points(step);
    double const from = ellipse_angle(step.box, ends[0]);
    double to = ellipse_angle(step.box, ends[1]);
    bool const whole = std::abs(from - to) < 1e-12;
    // Counter-clockwise on the screen is towards smaller angles with y downwards.
    while (!whole && to >= from)
        to -= 2 * std::numbers::pi;
    stroke_curve(canvas, {ellipse_in(step.box, 0), whole ? 0 : from, whole ? 0 : to, whole}, step);
}

// The Unicode character a character of the font shows, for searching and copying: symbol
// bytes as the characters they stand for, and a replacement for what is no character.
char32_t shown_character(Font const& font, char32_t character)
{
    if (font.encoding() == TextEncoding::Symbol && character <= 0xFF) {
        std::optional<SymbolCharacter> const symbol = symbol_character(static_cast<uint8_t>(character));
        return symbol ? symbol->unicode : U'\uFFFD';
    }
    if (character < 0x20 || (character >= 0xD800 && character <= 0xDFFF) || character > 0x10FFFF)
        return U'\uFFFD';
    return character;
}

// A band of the text's cells, `top` rows below their top and `rows` high, as the screen
// shows it after turning.
Rect turned_band(RecordedText const& text, int64_t length, int64_t top, int64_t rows)
{
    DeviceBox const edges = rotated_cell_edges({0, top, length, top + rows}, {text.corner.x, text.corner.y},
                                              text.font->rotation());
    return Rect::from_edges(edges.left, edges.top, edges.right, edges.bottom);
}

// The text's glyphs at the whole-pixel advances the screen uses, with its opaque background
// and its underline and strike-out drawn first.
void paint_text(VectorCanvas& canvas, RecordedText const& text)
{
    Font const& font = *text.font;
    TextMetrics const& metrics = font.metrics();
    PlacedText placed{&font,
                      text.corner,
                      font.rotation(),
                      static_cast<double>(metrics.ascent),
                      {},
                      text.paint.text,
                      font.em_pixels(),
                      font.x_em_pixels(),
                      font.face().synthetic_italic ? synthetic_slant : 0};
    placed.characters.reserve(text.characters.size());
    int64_t advance = 0;
    for (char32_t character : text.characters) {
        placed.characters.push_back({shown_character(font, character), font.glyph_index(character), advance});
        advance += font.char_width(character);
    }

    if (text.paint.background_mode == TextBackground::Opaque)
        canvas.fill_rect(turned_band(text, advance, 0, metrics.height), text.paint.background);
    LogicalFont const& logical = font.logical_font();
    if (logical.underline)
        canvas.fill_rect(turned_band(text, advance, metrics.ascent + metrics.underline_offset, metrics.underline_thickness),
                         text.paint.text);
    if (logical.strike_out)
        canvas.fill_rect(turned_band(text, advance, metrics.ascent - metrics.strikeout_offset, metrics.strikeout_thickness),
                         text.paint.text);
    canvas.draw_text(placed);
}

// Painted pixels as an image, or, when there are only a few runs of them (single pixels set
// by a program), as a rectangle a run, which is smaller and stays sharp at every zoom.
void paint_pixels(VectorCanvas& canvas, Surface const& pixels, Point at)
{
    constexpr int few_runs = 32;
    std::vector<std::pair<Rect, Color>> runs;
    for (int32_t y = 0; y < pixels.height() && runs.size() <= few_runs; ++y) {
        uint32_t const* row = pixels.row(y);
        for (int32_t x = 0; x < pixels.width() && runs.size() <= few_runs;) {
            uint32_t const value = row[x];
            int32_t const start = x;
            while (x < pixels.width() && row[x] == value)
                ++x;
            if ((value & RecordedPixels::painted_pixel) == RecordedPixels::painted_pixel)
                runs.push_back({Rect{at.x + start, at.y + y, x - start, 1}, Color::from_pixel(value)});
        }
    }
    if (runs.size() > few_runs) {
        canvas.draw_image(pixels, pixels.bounds(), at, nullptr, ImageAlpha::FromHighByte);
        return;
    }
    for (auto const& [box, color] : runs)
        canvas.fill_rect(box, color);
}

void paint_patch(VectorCanvas& canvas, Region const& region, FinalPixels const& final_pixels)
{
    // The region's final pixels, taken where the surface has them.
    Rect const on_surface = region.bounds().translated(final_pixels.origin.x, final_pixels.origin.y)
                                .intersected(final_pixels.surface.bounds());
    if (on_surface.is_empty())
        return;
    canvas.draw_image(final_pixels.surface, on_surface,
                      {on_surface.x - final_pixels.origin.x, on_surface.y - final_pixels.origin.y}, &region,
                      ImageAlpha::Opaque);
}

} // namespace

void replay(Recording const& recording, FinalPixels const& final_pixels, VectorCanvas& canvas)
{
    // What later opaque painting covers wholly would only be painted over again; left out, it
    // leaves no trace in the file (text that no longer shows cannot be found or copied).
    std::vector<bool> const hidden = recording.hidden_steps();
    std::span<RecordedStep const> const steps = recording.steps();
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (hidden[i])
            continue;
        RecordedStep const& step = steps[i];
        canvas.set_clip(recording.clip(step));
        switch (step.kind) {
        case StepKind::Path:
            stroke_pen(canvas, recording.points(step), step.closed, step.pen, step.gaps, step.pattern_start);
            break;
        case StepKind::Segments:
            stroke_segments(canvas, recording.points(step), step.pen.color);
            break;
        case StepKind::Rectangle:
            paint_rectangle(canvas, step);
            break;
        case StepKind::Polygon:
            paint_polygon(canvas, recording, step);
            break;
        case StepKind::Ellipse:
            paint_ellipse(canvas, step);
            break;
        case StepKind::Arc:
            paint_arc(canvas, recording, step);
            break;
        case StepKind::Fill:
            canvas.fill_rect(step.box, step.color);
            break;
        case StepKind::Pixels:
            paint_pixels(canvas, recording.pixels(step).pixels, step.box.origin());
            break;
        case StepKind::Text:
            paint_text(canvas, recording.text(step));
            break;
        case StepKind::Image: {
            Surface const& pixels = recording.image(step).pixels;
            canvas.draw_image(pixels, pixels.bounds(), step.box.origin(), nullptr, ImageAlpha::Opaque);
            break;
        }
        case StepKind::Patch:
            paint_patch(canvas, recording.patch(step), final_pixels);
            break;
        }
    }
    canvas.set_clip(nullptr);
}

} // namespace kp
