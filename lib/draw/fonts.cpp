#include "lib/draw/fonts.h"

#include <array>
#include <cmath>
#include <utility>

#include "lib/draw/colours.h"
#include "lib/graph/drawing_targets.h"
#include "platform/graphics/screen.h"
#include "platform/graphics/device_context_text.h"
#include "platform/graphics/graphics_objects.h"
#include "platform/graphics/object_guards.h"

namespace kelvo {

namespace {

constexpr double max_pixel_height = 1000;

struct Face {
    char const* name;
    kp::FontFamily family;
    kp::FontPitch pitch;
    kp::FontCharset charset;
};

Face face_of(int32_t face)
{
    switch (face) {
    case 1:
        return {"Times-Roman", kp::FontFamily::Roman, kp::FontPitch::Default, kp::FontCharset::Ansi};
    case 2:
        return {"Helvetica", kp::FontFamily::Swiss, kp::FontPitch::Default, kp::FontCharset::Ansi};
    case 4:
        return {"Symbol", kp::FontFamily::Script, kp::FontPitch::Variable, kp::FontCharset::Symbol};
    case 5:
        return {"Courier New", kp::FontFamily::Modern, kp::FontPitch::Fixed, kp::FontCharset::Ansi};
    default:
        return {"terminal", kp::FontFamily::Swiss, kp::FontPitch::Default, kp::FontCharset::Ansi};
    }
}

} // namespace

std::optional<kp::LogicalFont> logical_font_for(FontRecord const& font)
{
    double const height = std::fabs(font.size * static_cast<double>(kp::screen_pixels_per_inch) / 72.0);
    if (!(height <= max_pixel_height))
        return std::nullopt;
    Face const face = face_of(font.face);
    kp::LogicalFont logical;
    logical.height = -static_cast<int32_t>(std::nearbyint(height)); // halves to even
    logical.width = 0;
    logical.escapement = (font.orientation - 1) * 900;
    logical.orientation = 0;
    logical.weight = font.style == 2 || font.style == 4 ? kp::font_weight_bold : kp::font_weight_normal;
    logical.italic = font.style == 3 || font.style == 4;
    logical.charset = face.charset;
    logical.pitch = face.pitch;
    logical.family = face.family;
    logical.face_name = face.name;
    return logical;
}

void set_font(GraphRecord& graph, FontRecord font)
{
    font.orientation = known_orientation(font.orientation);
    std::optional<kp::LogicalFont> logical = logical_font_for(font);
    if (!logical)
        return;
    std::array<kp::OwnedObject, 2> fonts;
    for (int i = 0; i < target_count(graph); ++i) {
        fonts[static_cast<std::size_t>(i)] = kp::OwnedObject(kp::create_font(*logical));
        if (!fonts[static_cast<std::size_t>(i)])
            return;
    }
    graph.font = font;
    for (int i = 0; i < target_count(graph); ++i)
        if (select_library_object(graph, target_slot(graph, i + 1), kp::ObjectKind::Font,
                                  fonts[static_cast<std::size_t>(i)].get()))
            fonts[static_cast<std::size_t>(i)].release();
    graph.metrics_valid = false;
}

void set_text_colour(GraphRecord& graph, TkColor colour)
{
    graph.text_colour = colour;
    for_each_target(graph, [&](kp::DeviceContext& context, Slot) { context.set_text_color(to_color(colour)); });
}

int32_t set_justification(GraphRecord& graph, int32_t justification)
{
    return std::exchange(graph.justification, known_justification(justification));
}

void ensure_metrics(GraphRecord& graph)
{
    if (graph.metrics_valid)
        return;
    kp::DeviceContext* context = first_target(graph);
    if (context == nullptr)
        return;
    kp::TextMetrics const metrics = kp::text_metrics(*context);
    graph.cell_width = kp::text_extent(*context, "0").width;
    graph.cell_height = metrics.height + metrics.external_leading;
    graph.ascent = metrics.ascent;
    graph.metrics_valid = true;
}

CellMetrics cell_metrics(GraphRecord& graph)
{
    ensure_metrics(graph);
    return {graph.cell_width, graph.cell_height, graph.ascent};
}

} // namespace kelvo
