#include "platform/record/vector_replay.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <string>
#include <tuple>
#include <vector>

#include "platform/font/font.h"
#include "platform/font/symbol_encoding.h"
#include "platform/font/text_rotation.h"
#include "platform/raster/line.h"
#include "platform/record/cairo_handles.h"

namespace kp {

namespace {

// The slant the font engine gives a face that has no italic of its own: x' = x + 0.2 y with
// y upwards (font_face.cpp).
constexpr double synthetic_slant = 0.2;

void set_color(cairo_t* context, Color color)
{
    cairo_set_source_rgb(context, color.red() / 255.0, color.green() / 255.0, color.blue() / 255.0);
}

// The centre of the pixel at a position.
struct Centre {
    double x;
    double y;
};

Centre centre(Point p)
{
    return {p.x + 0.5, p.y + 0.5};
}

void add_rects(cairo_t* context, Region const& region)
{
    for (Rect const& rect : region.rects())
        cairo_rectangle(context, rect.x, rect.y, rect.width, rect.height);
}

void clip_to(cairo_t* context, Region const* clip)
{
    if (clip == nullptr)
        return;
    add_rects(context, *clip);
    cairo_clip(context);
}

// A surface's pixels as a cairo image that shares nothing with the surface.
cairo::SurfacePtr image_of(Surface const& pixels, Rect const& part)
{
    cairo::SurfacePtr image(cairo_image_surface_create(CAIRO_FORMAT_RGB24, part.width, part.height));
    if (cairo_surface_status(image.get()) != CAIRO_STATUS_SUCCESS)
        return image;
    cairo_surface_flush(image.get());
    unsigned char* data = cairo_image_surface_get_data(image.get());
    int const stride = cairo_image_surface_get_stride(image.get());
    for (int32_t y = 0; y < part.height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        uint32_t const* source = pixels.row(part.y + y) + part.x;
        std::copy_n(source, part.width, row);
    }
    cairo_surface_mark_dirty(image.get());
    return image;
}

// Shows an image with its top-left pixel at `at`, pixel for pixel.
void paint_image(cairo_t* context, cairo_surface_t* image, Point at)
{
    cairo_set_source_surface(context, image, at.x, at.y);
    cairo_pattern_set_filter(cairo_get_source(context), CAIRO_FILTER_NEAREST);
    cairo_paint(context);
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

// One-pixel pens count their pattern in pixels along a line's major axis, so a dash is
// longer on a slanted line than on a level one: each segment is stroked on its own with the
// pattern stretched by its length per pixel.
void stroke_dashed_segment(cairo_t* context, Point from, Point to, int64_t first_index, LinePattern pattern,
                           std::vector<double> const& runs)
{
    double const dx = to.x - from.x;
    double const dy = to.y - from.y;
    double const pixels = static_cast<double>(line_pixel_count(DevicePoint::from(from, {}), DevicePoint::from(to, {})));
    if (pixels <= 0)
        return;
    double const stretch = std::hypot(dx, dy) / pixels;
    std::vector<double> stretched(runs);
    for (double& run : stretched)
        run *= stretch;
    int64_t const phase = ((first_index % pattern.period) + pattern.period) % pattern.period;
    cairo_set_dash(context, stretched.data(), static_cast<int>(stretched.size()), static_cast<double>(phase) * stretch);
    // Half a pixel step before the first centre, half a step before the last.
    Centre const a = centre(from);
    Centre const b = centre(to);
    double const step_x = dx / pixels / 2;
    double const step_y = dy / pixels / 2;
    cairo_move_to(context, a.x - step_x, a.y - step_y);
    cairo_line_to(context, b.x - step_x, b.y - step_y);
    cairo_stroke(context);
}

// A one-pixel path through pixel centres: open paths start half a pixel early and stop half a
// pixel short, as the raster engine paints the first pixel and not the last.
void add_thin_path(cairo_t* context, std::span<Point const> points, bool closed)
{
    std::vector<Centre> centres;
    centres.reserve(points.size());
    for (Point const& p : points)
        centres.push_back(centre(p));
    if (!closed && centres.size() >= 2) {
        auto half_step = [](Point from, Point to) {
            double const pixels = static_cast<double>(std::max(std::abs(int64_t{to.x} - from.x), std::abs(int64_t{to.y} - from.y)));
            return pixels == 0 ? Centre{0, 0} : Centre{(to.x - from.x) / pixels / 2, (to.y - from.y) / pixels / 2};
        };
        Centre const first = half_step(points[0], points[1]);
        centres.front().x -= first.x;
        centres.front().y -= first.y;
        std::size_t const n = points.size();
        Centre const last = half_step(points[n - 2], points[n - 1]);
        centres.back().x -= last.x;
        centres.back().y -= last.y;
    }
    cairo_move_to(context, centres.front().x, centres.front().y);
    for (std::size_t i = 1; i < centres.size(); ++i)
        cairo_line_to(context, centres[i].x, centres[i].y);
    if (closed)
        cairo_close_path(context);
}

void add_wide_path(cairo_t* context, std::span<Point const> points, bool closed)
{
    Centre const first = centre(points.front());
    cairo_move_to(context, first.x, first.y);
    if (points.size() == 1)
        cairo_line_to(context, first.x, first.y);
    for (std::size_t i = 1; i < points.size(); ++i) {
        Centre const c = centre(points[i]);
        cairo_line_to(context, c.x, c.y);
    }
    if (closed)
        cairo_close_path(context);
}

// The pen along the points, with the gaps of a dashed one-pixel pen painted when they are
// opaque. `pattern_start` is where the dash pattern stands at the first point.
void stroke_pen(cairo_t* context, std::span<Point const> points, bool closed, Pen const& pen, Gaps const& gaps,
                int64_t pattern_start)
{
    if (!pen.is_visible() || points.empty())
        return;
    cairo::SavedState const saved(context);
    if (pen.is_wide()) {
        cairo_set_line_width(context, pen.width);
        cairo_set_line_cap(context, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(context, CAIRO_LINE_JOIN_ROUND);
        set_color(context, pen.color);
        add_wide_path(context, points, closed);
        cairo_stroke(context);
        return;
    }
    cairo_set_line_width(context, 1);
    cairo_set_line_cap(context, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(context, CAIRO_LINE_JOIN_MITER);
    LinePattern const pattern = pen.pattern();
    if (pattern.is_solid() || gaps.mode == BackgroundMode::Opaque) {
        set_color(context, pattern.is_solid() ? pen.color : gaps.color);
        add_thin_path(context, points, closed);
        cairo_stroke(context);
        if (pattern.is_solid())
            return;
    }
    set_color(context, pen.color);
    std::vector<double> const runs = dash_runs(pattern);
    std::size_t const segments = closed ? points.size() : points.size() - 1;
    int64_t index = pattern_start;
    for (std::size_t i = 0; i < segments; ++i) {
        Point const a = points[i];
        Point const b = points[(i + 1) % points.size()];
        stroke_dashed_segment(context, a, b, index, pattern, runs);
        index += line_pixel_count(DevicePoint::from(a, {}), DevicePoint::from(b, {}));
    }
}

// Lines between pairs of points, both ends painted: through the pixel centres with square
// caps, which reach half a pixel past each end and make a lone point one pixel.
void stroke_segments(cairo_t* context, std::span<Point const> points, Color color)
{
    cairo::SavedState const saved(context);
    cairo_set_line_width(context, 1);
    cairo_set_line_cap(context, CAIRO_LINE_CAP_SQUARE);
    set_color(context, color);
    for (std::size_t i = 0; i + 1 < points.size(); i += 2) {
        Centre const a = centre(points[i]);
        Centre const b = centre(points[i + 1]);
        cairo_move_to(context, a.x, a.y);
        cairo_line_to(context, b.x, b.y);
    }
    cairo_stroke(context);
}

void fill_box(cairo_t* context, Rect const& box, Color color)
{
    set_color(context, color);
    cairo_rectangle(context, box.x, box.y, box.width, box.height);
    cairo_fill(context);
}

// The corner pixels of a box, clockwise from the top-left: where a pen outlines it.
std::vector<Point> outline_corners(Rect const& box)
{
    return {{box.left(), box.top()}, {box.right() - 1, box.top()}, {box.right() - 1, box.bottom() - 1},
            {box.left(), box.bottom() - 1}};
}

void paint_rectangle(cairo_t* context, RecordedStep const& step)
{
    Rect const& box = step.box;
    if (step.brush.is_visible())
        fill_box(context, box, step.brush.color);
    if (!step.pen.is_visible())
        return;
    bool const line_thin = box.width == 1 || box.height == 1;
    if (!step.pen.is_wide() && line_thin) {
        if (step.pen.pattern().is_solid()) {
            fill_box(context, box, step.pen.color);
        } else {
            Point const along[] = {box.origin(), box.width == 1 ? Point{box.left(), box.bottom()} : Point{box.right(), box.top()}};
            stroke_pen(context, along, false, step.pen, step.gaps, 0);
        }
        return;
    }
    std::vector<Point> const corners = outline_corners(box);
    stroke_pen(context, corners, true, step.pen, step.gaps, 0);
}

void paint_polygon(cairo_t* context, Recording const& recording, RecordedStep const& step)
{
    std::span<Point const> const points = recording.points(step);
    if (step.brush.is_visible()) {
        cairo::SavedState const saved(context);
        cairo_set_fill_rule(context, step.rule == FillRule::Alternate ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
        set_color(context, step.brush.color);
        add_wide_path(context, points, true);
        cairo_fill(context);
    }
    stroke_pen(context, points, true, step.pen, step.gaps, 0);
}

// An ellipse through the centres of the outline pixels of a half-open box; `grow` widens
// the radii (half a pixel reaches the box's edges).
void add_ellipse(cairo_t* context, Rect const& box, double grow, double from_angle, double to_angle, bool whole)
{
    double const cx = box.x + box.width / 2.0;
    double const cy = box.y + box.height / 2.0;
    double const rx = std::max((box.width - 1) / 2.0 + grow, 0.01);
    double const ry = std::max((box.height - 1) / 2.0 + grow, 0.01);
    cairo::SavedState const saved(context);
    cairo_translate(context, cx, cy);
    cairo_scale(context, rx, ry);
    cairo_new_sub_path(context);
    if (whole)
        cairo_arc(context, 0, 0, 1, 0, 2 * std::numbers::pi);
    else
        cairo_arc_negative(context, 0, 0, 1, from_angle, to_angle);
}

// The angle of the ray from the box's centre through a pixel, on the unit circle the
// ellipse is scaled from.
double ellipse_angle(Rect const& box, Point p)
{
    double const rx = std::max((box.width - 1) / 2.0, 0.5);
    double const ry = std::max((box.height - 1) / 2.0, 0.5);
    Centre const c = centre(p);
    return std::atan2((c.y - (box.y + box.height / 2.0)) / ry, (c.x - (box.x + box.width / 2.0)) / rx);
}

void stroke_curve(cairo_t* context, RecordedStep const& step)
{
    // Curves are dashed along their length; the pattern starts where the outline starts.
    cairo::SavedState const saved(context);
    Pen const& pen = step.pen;
    cairo_set_line_width(context, pen.width);
    cairo_set_line_cap(context, pen.is_wide() ? CAIRO_LINE_CAP_ROUND : CAIRO_LINE_CAP_BUTT);
    LinePattern const pattern = pen.pattern();
    if (!pen.is_wide() && !pattern.is_solid()) {
        if (step.gaps.mode == BackgroundMode::Opaque) {
            set_color(context, step.gaps.color);
            cairo_stroke_preserve(context);
        }
        std::vector<double> const runs = dash_runs(pattern);
        cairo_set_dash(context, runs.data(), static_cast<int>(runs.size()), 0);
    }
    set_color(context, pen.color);
    cairo_stroke(context);
}

void paint_ellipse(cairo_t* context, RecordedStep const& step)
{
    if (step.brush.is_visible()) {
        add_ellipse(context, step.box, 0.5, 0, 0, true);
        set_color(context, step.brush.color);
        cairo_fill(context);
    }
    if (!step.pen.is_visible())
        return;
    add_ellipse(context, step.box, 0, 0, 0, true);
    stroke_curve(context, step);
}

void paint_arc(cairo_t* context, Recording const& recording, RecordedStep const& step)
{
    std::span<Point const> const ends = recording.points(step);
    double const from = ellipse_angle(step.box, ends[0]);
    double to = ellipse_angle(step.box, ends[1]);
    bool const whole = std::abs(from - to) < 1e-12;
    // Counter-clockwise on the screen is towards smaller angles with y downwards.
    while (!whole && to >= from)
        to -= 2 * std::numbers::pi;
    add_ellipse(context, step.box, 0, from, to, whole);
    stroke_curve(context, step);
}

// Cairo faces for the screen's font files, made once per picture.
class FaceSet {
public:
    cairo_font_face_t* face_for(Font const& font)
    {
        FaceMatch const& match = font.face();
        auto key = std::make_tuple(match.file, match.index, match.synthetic_bold);
        auto found = faces_.find(key);
        if (found != faces_.end())
            return found->second.get();
        FcPattern* pattern = FcPatternCreate();
        if (pattern == nullptr)
            return nullptr;
        FcPatternAddString(pattern, FC_FILE, reinterpret_cast<FcChar8 const*>(match.file.c_str()));
        FcPatternAddInteger(pattern, FC_INDEX, match.index);
        cairo::FontFacePtr face(cairo_ft_font_face_create_for_pattern(pattern));
        FcPatternDestroy(pattern);
        if (cairo_font_face_status(face.get()) != CAIRO_STATUS_SUCCESS)
            return nullptr;
        if (match.synthetic_bold)
            cairo_ft_font_face_set_synthesize(face.get(), CAIRO_FT_SYNTHESIZE_BOLD);
        return faces_.emplace(key, std::move(face)).first->second.get();
    }

private:
    std::map<std::tuple<std::string, int32_t, bool>, cairo::FontFacePtr> faces_;
};

// The text a character stands for, in UTF-8, for searching and copying: symbol bytes as
// the Unicode characters they show.
void append_utf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

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

void paint_text(cairo_t* context, RecordedText const& text, FaceSet& faces)
{
    Font const& font = *text.font;
    TextMetrics const& metrics = font.metrics();
    cairo::SavedState const saved(context);
    cairo_translate(context, text.corner.x, text.corner.y);
    cairo_rotate(context, -static_cast<int>(font.rotation()) * std::numbers::pi / 2);

    // Glyph origins on the baseline, at the whole-pixel advances the screen uses.
    std::vector<cairo_glyph_t> glyphs;
    std::vector<cairo_text_cluster_t> clusters;
    std::string utf8;
    int64_t advance = 0;
    for (char32_t character : text.characters) {
        uint32_t const index = font.glyph_index(character);
        std::size_t const before = utf8.size();
        append_utf8(utf8, shown_character(font, character));
        glyphs.push_back({index, static_cast<double>(advance), static_cast<double>(metrics.ascent)});
        clusters.push_back({static_cast<int>(utf8.size() - before), 1});
        advance += font.char_width(character);
    }

    if (text.background_mode == BackgroundMode::Opaque) {
        set_color(context, text.background);
        cairo_rectangle(context, 0, 0, static_cast<double>(advance), metrics.height);
        cairo_fill(context);
    }
    set_color(context, text.color);
    LogicalFont const& logical = font.logical_font();
    if (logical.underline) {
        cairo_rectangle(context, 0, metrics.ascent + metrics.underline_offset, static_cast<double>(advance),
                        metrics.underline_thickness);
        cairo_fill(context);
    }
    if (logical.strike_out) {
        cairo_rectangle(context, 0, metrics.ascent - metrics.strikeout_offset, static_cast<double>(advance),
                        metrics.strikeout_thickness);
        cairo_fill(context);
    }

    cairo_font_face_t* face = faces.face_for(font);
    if (face == nullptr)
        return;
    cairo_set_font_face(context, face);
    cairo_matrix_t size;
    double const em = font.em_pixels();
    double const slant = font.face().synthetic_italic ? -synthetic_slant * em : 0;
    cairo_matrix_init(&size, font.x_em_pixels(), 0, slant, em, 0, 0);
    cairo_set_font_matrix(context, &size);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_set_font_options(context, options);
    cairo_font_options_destroy(options);
    cairo_show_text_glyphs(context, utf8.data(), static_cast<int>(utf8.size()), glyphs.data(),
                           static_cast<int>(glyphs.size()), clusters.data(), static_cast<int>(clusters.size()),
                           cairo_text_cluster_flags_t{});
}

void paint_patch(cairo_t* context, Region const& region, FinalPixels const& final_pixels)
{
    // The region's final pixels, taken where the surface has them.
    Rect const on_surface = region.bounds().translated(final_pixels.origin.x, final_pixels.origin.y)
                                .intersected(final_pixels.surface.bounds());
    if (on_surface.is_empty())
        return;
    cairo::SurfacePtr image = image_of(final_pixels.surface, on_surface);
    if (cairo_surface_status(image.get()) != CAIRO_STATUS_SUCCESS)
        return;
    cairo::SavedState const saved(context);
    add_rects(context, region);
    cairo_clip(context);
    paint_image(context, image.get(), {on_surface.x - final_pixels.origin.x, on_surface.y - final_pixels.origin.y});
}

} // namespace

void replay(Recording const& recording, FinalPixels const& final_pixels, cairo_t* context)
{
    FaceSet faces;
    Rect const area = recording.area();
    cairo::SavedState const saved(context);
    cairo_translate(context, -area.x, -area.y);
    cairo_rectangle(context, area.x, area.y, area.width, area.height);
    cairo_clip(context);
    for (RecordedStep const& step : recording.steps()) {
        cairo::SavedState const step_state(context);
        clip_to(context, recording.clip(step));
        switch (step.kind) {
        case StepKind::Path:
            stroke_pen(context, recording.points(step), step.closed, step.pen, step.gaps, step.pattern_start);
            break;
        case StepKind::Segments:
            stroke_segments(context, recording.points(step), step.pen.color);
            break;
        case StepKind::Rectangle:
            paint_rectangle(context, step);
            break;
        case StepKind::Polygon:
            paint_polygon(context, recording, step);
            break;
        case StepKind::Ellipse:
            paint_ellipse(context, step);
            break;
        case StepKind::Arc:
            paint_arc(context, recording, step);
            break;
        case StepKind::Pixel:
        case StepKind::Fill:
            fill_box(context, step.box, step.color);
            break;
        case StepKind::Text:
            paint_text(context, recording.text(step), faces);
            break;
        case StepKind::Image: {
            Surface const& pixels = recording.image(step).pixels;
            cairo::SurfacePtr image = image_of(pixels, pixels.bounds());
            if (cairo_surface_status(image.get()) == CAIRO_STATUS_SUCCESS)
                paint_image(context, image.get(), step.box.origin());
            break;
        }
        case StepKind::Patch:
            paint_patch(context, recording.patch(step), final_pixels);
            break;
        }
    }
}

} // namespace kp
