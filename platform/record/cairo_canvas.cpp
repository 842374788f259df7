#include "platform/record/cairo_canvas.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <numbers>
#include <vector>

#include "platform/font/font.h"
#include "platform/font/text_decoding.h"

namespace kp {

namespace {

void set_color(cairo_t* context, Color color)
{
    cairo_set_source_rgb(context, color.red() / 255.0, color.green() / 255.0, color.blue() / 255.0);
}

void add_rects(cairo_t* context, Region const& region)
{
    for (Rect const& rect : region.rects())
        cairo_rectangle(context, rect.x, rect.y, rect.width, rect.height);
}

void add_polyline(cairo_t* context, Polyline const& line)
{
    if (line.points.empty())
        return;
    cairo_move_to(context, line.points.front().x, line.points.front().y);
    for (std::size_t i = 1; i < line.points.size(); ++i)
        cairo_line_to(context, line.points[i].x, line.points[i].y);
    if (line.closed)
        cairo_close_path(context);
}

void add_arc(cairo_t* context, EllipseArc const& arc)
{
    Ellipse const& e = arc.ellipse;
    cairo::SavedState const saved(context);
    cairo_translate(context, e.centre.x, e.centre.y);
    cairo_scale(context, e.rx, e.ry);
    cairo_new_sub_path(context);
    if (arc.whole)
        cairo_arc(context, 0, 0, 1, 0, 2 * std::numbers::pi);
    else if (arc.to < arc.from)
        cairo_arc_negative(context, 0, 0, 1, arc.from, arc.to);
    else
        cairo_arc(context, 0, 0, 1, arc.from, arc.to);
}

cairo_line_cap_t cairo_cap(LineCap cap)
{
    switch (cap) {
    case LineCap::Butt:
        return CAIRO_LINE_CAP_BUTT;
    case LineCap::Round:
        return CAIRO_LINE_CAP_ROUND;
    case LineCap::Square:
        return CAIRO_LINE_CAP_SQUARE;
    }
    return CAIRO_LINE_CAP_BUTT;
}

} // namespace

cairo::SurfacePtr cairo_image_of(Surface const& pixels, Rect const& part)
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

CairoCanvas::CairoCanvas(cairo_t* context, Rect const& area) : context_(context), area_state_(context)
{
    cairo_translate(context_, -area.x, -area.y);
    cairo_rectangle(context_, area.x, area.y, area.width, area.height);
    cairo_clip(context_);
}

CairoCanvas::~CairoCanvas() = default;

void CairoCanvas::set_clip(Region const* clip)
{
    if (clip == clip_)
        return;
    clip_state_.reset();
    clip_ = clip;
    if (clip == nullptr)
        return;
    clip_state_.emplace(context_);
    add_rects(context_, *clip);
    cairo_clip(context_);
}

void CairoCanvas::fill_rect(Rect const& box, Color color)
{
    set_color(context_, color);
    cairo_rectangle(context_, box.x, box.y, box.width, box.height);
    cairo_fill(context_);
}

void CairoCanvas::fill_polygon(std::span<Spot const> points, FillRule rule, Color color)
{
    if (points.empty())
        return;
    cairo::SavedState const saved(context_);
    cairo_set_fill_rule(context_, rule == FillRule::Alternate ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
    set_color(context_, color);
    add_polyline(context_, {{points.begin(), points.end()}, true});
    cairo_fill(context_);
}

void CairoCanvas::fill_ellipse(Ellipse const& ellipse, Color color)
{
    add_arc(context_, {ellipse, 0, 0, true});
    set_color(context_, color);
    cairo_fill(context_);
}

void CairoCanvas::apply(Stroke const& stroke)
{
    cairo_set_line_width(context_, stroke.width);
    cairo_set_line_cap(context_, cairo_cap(stroke.cap));
    cairo_set_line_join(context_, stroke.join == LineJoin::Round ? CAIRO_LINE_JOIN_ROUND : CAIRO_LINE_JOIN_MITER);
    cairo_set_dash(context_, stroke.dashes.data(), static_cast<int>(stroke.dashes.size()), stroke.dash_offset);
    set_color(context_, stroke.color);
}

void CairoCanvas::stroke_lines(std::span<Polyline const> lines, Stroke const& stroke)
{
    apply(stroke);
    for (Polyline const& line : lines)
        add_polyline(context_, line);
    cairo_stroke(context_);
}

void CairoCanvas::stroke_arc(EllipseArc const& arc, Stroke const& stroke)
{
    apply(stroke);
    add_arc(context_, arc);
    cairo_stroke(context_);
}

cairo_font_face_t* CairoCanvas::face_for(Font const& font)
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

void CairoCanvas::draw_text(PlacedText const& text)
{
    cairo_font_face_t* face = face_for(*text.font);
    if (face == nullptr)
        return;
    cairo::SavedState const saved(context_);
    cairo_translate(context_, text.corner.x, text.corner.y);
    cairo_rotate(context_, -static_cast<int>(text.rotation) * std::numbers::pi / 2);

    // Glyph origins on the baseline, each with the character it shows for searching and
    // copying.
    std::vector<cairo_glyph_t> glyphs;
    std::vector<cairo_text_cluster_t> clusters;
    std::string utf8;
    for (PlacedGlyph const& character : text.characters) {
        std::size_t const before = utf8.size();
        append_utf8(utf8, character.shown);
        glyphs.push_back({character.glyph, static_cast<double>(character.offset), text.baseline});
        clusters.push_back({static_cast<int>(utf8.size() - before), 1});
    }
    set_color(context_, text.color);
    cairo_set_font_face(context_, face);
    cairo_matrix_t size;
    cairo_matrix_init(&size, text.x_em, 0, -text.slant * text.em, text.em, 0, 0);
    cairo_set_font_matrix(context_, &size);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_set_font_options(context_, options);
    cairo_font_options_destroy(options);
    cairo_show_text_glyphs(context_, utf8.data(), static_cast<int>(utf8.size()), glyphs.data(),
                           static_cast<int>(glyphs.size()), clusters.data(), static_cast<int>(clusters.size()),
                           cairo_text_cluster_flags_t{});
}

void CairoCanvas::draw_image(Surface const& pixels, Rect const& part, Point at, Region const* within)
{
    cairo::SurfacePtr image = cairo_image_of(pixels, part);
    if (cairo_surface_status(image.get()) != CAIRO_STATUS_SUCCESS)
        return;
    cairo::SavedState const saved(context_);
    if (within != nullptr) {
        add_rects(context_, *within);
        cairo_clip(context_);
    }
    cairo_set_source_surface(context_, image.get(), at.x, at.y);
    cairo_pattern_set_filter(cairo_get_source(context_), CAIRO_FILTER_NEAREST);
    cairo_paint(context_);
}

} // namespace kp
