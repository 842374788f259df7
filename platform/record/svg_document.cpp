#include "platform/record/svg_document.h"

#include <cairo.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <numbers>

#include "platform/font/font.h"
#include "platform/font/text_decoding.h"
#include "platform/record/base64.h"
#include "platform/record/cairo_canvas.h"
#include "platform/record/vector_canvas.h"
#include "platform/record/vector_replay.h"

namespace kp {

namespace {

// A length or position: at most four decimals, no trailing zeros, never "-0".
std::string number(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.4f", value);
    std::string out(text);
    if (out.find('.') != std::string::npos) {
        while (out.back() == '0')
            out.pop_back();
        if (out.back() == '.')
            out.pop_back();
    }
    if (out == "-0")
        out = "0";
    return out;
}

std::string number(int64_t value)
{
    return std::to_string(value);
}

std::string hex_color(Color color)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", color.red(), color.green(), color.blue());
    return text;
}

// A character as XML 1.0 text (and attribute values in double quotes) allows it: markup
// characters as references, characters XML cannot hold as the replacement character.
void append_xml(std::string& out, char32_t c)
{
    switch (c) {
    case U'<':
        out += "&lt;";
        return;
    case U'>':
        out += "&gt;";
        return;
    case U'&':
        out += "&amp;";
        return;
    case U'"':
        out += "&quot;";
        return;
    default:
        break;
    }
    bool const allowed = c == U'\t' || c == U'\n' || c == U'\r' || (c >= 0x20 && c <= 0xD7FF)
        || (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
    append_utf8(out, allowed ? c : U'\uFFFD');
}

std::string xml_text(std::string_view utf8)
{
    std::string out;
    for (char32_t c : decode_text(utf8, TextEncoding::Unicode))
        append_xml(out, c);
    return out;
}

// A family name as a quoted CSS string, so that any name is read as one family.
std::string css_family(std::string_view family)
{
    std::string quoted = "'";
    for (char c : family) {
        if (c == '\'' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + "'";
}

std::string path_data(std::span<Polyline const> lines)
{
    std::string d;
    for (Polyline const& line : lines) {
        for (std::size_t i = 0; i < line.points.size(); ++i) {
            d += i == 0 ? (d.empty() ? "M" : " M") : " L";
            d += number(line.points[i].x) + " " + number(line.points[i].y);
        }
        if (line.closed && !line.points.empty())
            d += " Z";
    }
    return d;
}

Spot point_on(Ellipse const& e, double angle)
{
    return {e.centre.x + e.rx * std::cos(angle), e.centre.y + e.ry * std::sin(angle)};
}

// An elliptic arc in two halves, so that neither half is ambiguous (an arc whose ends meet
// says nothing in SVG) nor needs the large-arc flag.
std::string arc_data(EllipseArc const& arc)
{
    Ellipse const& e = arc.ellipse;
    double const from = arc.whole ? 0 : arc.from;
    double const to = arc.whole ? 2 * std::numbers::pi : arc.to;
    char const* const sweep = to >= from ? " 0 0 1 " : " 0 0 0 ";
    std::string const radii = " A " + number(e.rx) + " " + number(e.ry);
    Spot const start = point_on(e, from);
    Spot const middle = point_on(e, (from + to) / 2);
    Spot const end = point_on(e, to);
    return "M" + number(start.x) + " " + number(start.y) + radii + sweep + number(middle.x) + " " + number(middle.y)
        + radii + sweep + number(end.x) + " " + number(end.y);
}

char const* cap_name(LineCap cap)
{
    switch (cap) {
    case LineCap::Butt:
        return "butt";
    case LineCap::Round:
        return "round";
    case LineCap::Square:
        return "square";
    }
    return "butt";
}

// The stroke attributes of an outline; the miter limit is cairo's, which the PDF replay
// and the screen's wide pens agree with.
std::string stroke_attributes(Stroke const& stroke)
{
    std::string out = " fill=\"none\" stroke=\"" + hex_color(stroke.color) + "\" stroke-width=\"" + number(stroke.width)
        + "\" stroke-linecap=\"" + cap_name(stroke.cap) + "\"";
    out += stroke.join == LineJoin::Round ? " stroke-linejoin=\"round\"" : " stroke-miterlimit=\"10\"";
    if (!stroke.dashes.empty()) {
        out += " stroke-dasharray=\"";
        for (std::size_t i = 0; i < stroke.dashes.size(); ++i)
            out += (i == 0 ? "" : " ") + number(stroke.dashes[i]);
        out += "\" stroke-dashoffset=\"" + number(stroke.dash_offset) + "\"";
    }
    return out;
}

// What a cairo PNG stream writes, gathered in a string.
cairo_status_t append_bytes(void* closure, unsigned char const* data, unsigned int length)
{
    static_cast<std::string*>(closure)->append(reinterpret_cast<char const*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

std::string png_bytes(Surface const& pixels, Rect const& part)
{
    cairo::SurfacePtr image = cairo_image_of(pixels, part);
    std::string bytes;
    if (cairo_surface_status(image.get()) != CAIRO_STATUS_SUCCESS
        || cairo_surface_write_to_png_stream(image.get(), append_bytes, &bytes) != CAIRO_STATUS_SUCCESS)
        return {};
    return bytes;
}

// The angle of skewX that slants text by `slant` (x' = x + slant * y, y upwards).
double skew_degrees(double slant)
{
    return -std::atan(slant) * 180 / std::numbers::pi;
}

class SvgCanvas final : public VectorCanvas {
public:
    explicit SvgCanvas(std::string& out) : out_(out) {}
    ~SvgCanvas() override { close_group(); }
    SvgCanvas(SvgCanvas const&) = delete;
    SvgCanvas& operator=(SvgCanvas const&) = delete;

    // Steps with the same clip share one group.
    void set_clip(Region const* clip) override
    {
        if (clip == clip_)
            return;
        close_group();
        clip_ = clip;
        if (clip == nullptr)
            return;
        std::string const id = clip_path(*clip);
        out_ += "<g clip-path=\"url(#" + id + ")\">\n";
    }

    void fill_rect(Rect const& box, Color color) override
    {
        if (box.is_empty())
            return;
        out_ += "<rect x=\"" + number(int64_t{box.x}) + "\" y=\"" + number(int64_t{box.y}) + "\" width=\""
            + number(int64_t{box.width}) + "\" height=\"" + number(int64_t{box.height}) + "\" fill=\"" + hex_color(color)
            + "\"/>\n";
    }

    void fill_polygon(std::span<Spot const> points, FillRule rule, Color color) override
    {
        if (points.empty())
            return;
        Polyline const outline{{points.begin(), points.end()}, true};
        out_ += "<path d=\"" + path_data({&outline, 1}) + "\" fill=\"" + hex_color(color) + "\" fill-rule=\""
            + (rule == FillRule::Alternate ? "evenodd" : "nonzero") + "\"/>\n";
    }

    void fill_ellipse(Ellipse const& ellipse, Color color) override
    {
        out_ += "<ellipse cx=\"" + number(ellipse.centre.x) + "\" cy=\"" + number(ellipse.centre.y) + "\" rx=\""
            + number(ellipse.rx) + "\" ry=\"" + number(ellipse.ry) + "\" fill=\"" + hex_color(color) + "\"/>\n";
    }

    void stroke_lines(std::span<Polyline const> lines, Stroke const& stroke) override
    {
        std::string const d = path_data(lines);
        if (!d.empty())
            out_ += "<path d=\"" + d + "\"" + stroke_attributes(stroke) + "/>\n";
    }

    void stroke_arc(EllipseArc const& arc, Stroke const& stroke) override
    {
        out_ += "<path d=\"" + arc_data(arc) + "\"" + stroke_attributes(stroke) + "/>\n";
    }

    void draw_text(PlacedText const& text) override;
    void draw_image(Surface const& pixels, Rect const& part, Point at, Region const* within) override;

private:
    void close_group()
    {
        if (clip_ != nullptr)
            out_ += "</g>\n";
        clip_ = nullptr;
    }

    // The id of a clip path of the region's rectangles, defined where first used.
    std::string clip_path(Region const& region)
    {
        auto found = clip_ids_.find(&region);
        if (found != clip_ids_.end())
            return found->second;
        std::string id = "clip" + std::to_string(clip_ids_.size() + 1);
        out_ += "<clipPath id=\"" + id + "\">";
        for (Rect const& rect : region.rects())
            out_ += "<rect x=\"" + number(int64_t{rect.x}) + "\" y=\"" + number(int64_t{rect.y}) + "\" width=\""
                + number(int64_t{rect.width}) + "\" height=\"" + number(int64_t{rect.height}) + "\"/>";
        out_ += "</clipPath>\n";
        return clip_ids_.emplace(&region, std::move(id)).first->second;
    }

    std::string& out_;
    Region const* clip_ = nullptr;
    std::map<Region const*, std::string> clip_ids_;
};

// The transform that takes a text's own frame (x along the text from its first cell's
// corner, y downwards from the baseline) to the page: turned about the corner, slanted about
// the baseline, and when `x_scale` is not 1, narrowed or widened from the start.
std::string text_frame(PlacedText const& text, double x_scale)
{
    std::string frame = "translate(" + number(int64_t{text.corner.x}) + " " + number(int64_t{text.corner.y}) + ")";
    if (text.rotation != TextRotation::Degrees0)
        frame += " rotate(" + number(int64_t{-90 * static_cast<int>(text.rotation)}) + ")";
    frame += " translate(0 " + number(text.baseline) + ")";
    if (text.slant != 0)
        frame += " skewX(" + number(skew_degrees(text.slant)) + ")";
    if (x_scale != 1)
        frame += " scale(" + number(x_scale) + " 1)";
    return frame;
}

// The glyphs' outlines in the text's frame, each moved to its cell.
std::string glyph_outlines(PlacedText const& text)
{
    std::string d;
    for (PlacedGlyph const& character : text.characters) {
        GlyphOutline const outline = text.font->glyph_outline(character.glyph);
        double const dx = static_cast<double>(character.offset);
        auto point = [&](std::size_t i) {
            return number(outline.points[i].x + dx) + " " + number(outline.points[i].y);
        };
        std::size_t next = 0;
        for (GlyphOutline::Verb verb : outline.verbs) {
            switch (verb) {
            case GlyphOutline::Verb::Move:
                d += "M" + point(next++);
                break;
            case GlyphOutline::Verb::Line:
                d += "L" + point(next++);
                break;
            case GlyphOutline::Verb::Quadratic:
                d += "Q" + point(next) + " " + point(next + 1);
                next += 2;
                break;
            case GlyphOutline::Verb::Cubic:
                d += "C" + point(next) + " " + point(next + 1) + " " + point(next + 2);
                next += 3;
                break;
            case GlyphOutline::Verb::Close:
                d += "Z";
                break;
            }
        }
    }
    return d;
}

void SvgCanvas::draw_text(PlacedText const& text)
{
    Font const& font = *text.font;
    TextMetrics const& metrics = font.metrics();
    double const x_scale = text.em > 0 ? text.x_em / text.em : 1;
    // A symbol font's characters are written as the Unicode characters they show, which
    // renderers look up in the symbol font's map in vain and take from another face. Its
    // glyphs are drawn as outlines instead, and the text lies over them unpainted, to be
    // found, selected and copied.
    bool const outlined = font.encoding() == TextEncoding::Symbol;
    if (outlined) {
        std::string const d = glyph_outlines(text);
        if (!d.empty())
            out_ += "<path aria-hidden=\"true\" transform=\"" + text_frame(text, 1) + "\" fill=\"" + hex_color(text.color)
                + "\" d=\"" + d + "\"/>\n";
    }

    std::string const& family = font.family_name().empty() ? font.face().family : font.family_name();
    // A face without an italic is slanted here, as the screen slants it, and asked for
    // upright: a renderer that slanted it too would slant it twice.
    char const* style = "normal";
    if (text.slant == 0 && metrics.italic)
        style = font.face().style.find("Oblique") != std::string::npos ? "oblique" : "italic";
    out_ += "<text xml:space=\"preserve\" font-family=\"" + xml_text(css_family(family)) + "\" font-size=\""
        + number(text.em) + "px\" font-weight=\"" + std::to_string(metrics.weight) + "\" font-style=\"" + style
        + "\" fill=\"" + hex_color(text.color) + "\"" + (outlined ? " fill-opacity=\"0\"" : "");

    // Upright text without a slant or a width of its own is placed on the page; any other
    // in its own frame.
    bool const in_frame = text.rotation != TextRotation::Degrees0 || text.slant != 0 || x_scale != 1;
    double x = text.corner.x;
    double y = text.corner.y + text.baseline;
    if (in_frame) {
        out_ += " transform=\"" + text_frame(text, x_scale) + "\"";
        x = 0;
        y = 0;
    }
    out_ += " y=\"" + number(y) + "\">";
    // Each character at the whole-pixel offset the screen gives it, not where the
    // renderer's own advances would put it.
    for (PlacedGlyph const& character : text.characters) {
        out_ += "<tspan x=\"" + number(x + static_cast<double>(character.offset) / x_scale) + "\">";
        append_xml(out_, character.shown);
        out_ += "</tspan>";
    }
    out_ += "</text>\n";
}

void SvgCanvas::draw_image(Surface const& pixels, Rect const& part, Point at, Region const* within)
{
    std::string const png = png_bytes(pixels, part);
    if (png.empty())
        return;
    if (within != nullptr)
        out_ += "<g clip-path=\"url(#" + clip_path(*within) + ")\">";
    out_ += "<image x=\"" + number(int64_t{at.x}) + "\" y=\"" + number(int64_t{at.y}) + "\" width=\""
        + number(int64_t{part.width}) + "\" height=\"" + number(int64_t{part.height})
        + "\" preserveAspectRatio=\"none\" image-rendering=\"optimizeSpeed\" xlink:href=\"data:image/png;base64,"
        + base64(png) + "\"/>";
    out_ += within != nullptr ? "</g>\n" : "\n";
}

} // namespace

std::string svg_document(Recording const& recording, FinalPixels const& final_pixels)
{
    Rect const area = recording.area();
    std::string const x = number(int64_t{area.x}), y = number(int64_t{area.y});
    std::string const w = number(int64_t{area.width}), h = number(int64_t{area.height});
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
                      "version=\"1.1\" width=\"" + w + "px\" height=\"" + h + "px\" viewBox=\"" + x + " " + y + " "
        + w + " " + h + "\">\n";
    // The page starts white, as a cleared graph does.
    out += "<rect x=\"" + x + "\" y=\"" + y + "\" width=\"" + w + "\" height=\"" + h + "\" fill=\"#ffffff\"/>\n";
    {
        SvgCanvas canvas(out);
        replay(recording, final_pixels, canvas);
    }
    out += "</svg>\n";
    return out;
}

bool write_svg(Recording const& recording, FinalPixels const& final_pixels, std::string const& path)
{
    std::string const document = svg_document(recording, final_pixels);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(document.data(), static_cast<std::streamsize>(document.size()));
    file.close();
    return !file.fail();
}

} // namespace kp
