#include "lib/draw/text.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "lib/draw/fonts.h"
#include "lib/runtime/text_limits.h"
#include "lib/graph/drawing_targets.h"
#include "lib/graph/target_copies.h"
#include "platform/base/point.h"
#include "platform/graphics/device_context_text.h"
#include "platform/font/text_rotation.h"
#include "platform/graphics/object_guards.h"

namespace kelvo {

namespace {

kp::TextRotation rotation_of(int32_t orientation)
{
    switch (static_cast<Orientation>(orientation)) {
    case Orientation::Up:
        return kp::TextRotation::Degrees90;
    case Orientation::Left:
        return kp::TextRotation::Degrees180;
    case Orientation::Down:
        return kp::TextRotation::Degrees270;
    case Orientation::Right:
        break;
    }
    return kp::TextRotation::Degrees0;
}

// How far the reference point lies along a text of this width: 0 at its start, the whole
// width at its end, half of it in the middle.
int64_t justification_shift(int64_t width, int32_t justification)
{
    switch (static_cast<Justification>(justification)) {
    case Justification::End:
        return width;
    case Justification::Middle:
        return width / 2;
    case Justification::Start:
        break;
    }
    return 0;
}

// A text's characters with their widths in the graph's font, measured once for both the
// justification and the drawing: labels are short, and each measurement asks the font.
struct MeasuredText {
    std::u32string characters;
    std::vector<kp::AbcWidths> widths;
    int64_t advance = 0;

    MeasuredText(kp::DeviceContext& context, std::string_view text)
    {
        std::shared_ptr<kp::Font const> const font = kp::selected_font(context);
        if (!font)
            return;
        characters = font->decode(text);
        widths.reserve(characters.size());
        for (char32_t character : characters) {
            widths.push_back(font->abc_widths(character));
            advance += widths.back().advance();
        }
    }
};

// The advance of the whole text in the graph's font.
int64_t text_width(kp::DeviceContext& context, std::string_view text)
{
    std::shared_ptr<kp::Font const> const font = kp::selected_font(context);
    if (!font)
        return 0;
    int64_t width = 0;
    for (char32_t character : font->decode(text))
        width += font->char_width(character);
    return width;
}

// The corner of a text's cell that puts the cell's point (shift, ascent), the reference point
// of a text justified by `shift` pixels, at (x, y).
kp::DevicePoint cell_corner(int64_t x, int64_t y, int64_t shift, int64_t ascent, kp::TextRotation rotation)
{
    return kp::corner_placing({shift, ascent}, {x, y}, rotation);
}

// A character placed at the end-of-text position, with its ink on the window.
struct PlacedInk {
    kp::PlacedCharacter placed;
    kp::DeviceBox ink;
};

// Places one character with its reference point at the end-of-text position and moves that
// position past it; characters wholly outside the window are left out but still advance.
std::optional<PlacedInk> place_character(GraphRecord& graph, char32_t character, kp::AbcWidths const& abc)
{
    kp::TextRotation const rotation = rotation_of(graph.font.orientation);
    kp::DevicePoint const reference{graph.end_text_x, graph.end_text_y};
    kp::DevicePoint const corner = cell_corner(reference.x, reference.y, 0, graph.ascent, rotation);
    // The ink: the cell less the A and C spaces on either side.
    kp::DeviceBox const ink =
        kp::rotated_cell_edges({abc.a, 0, int64_t{abc.advance()} - abc.c, graph.cell_height}, corner, rotation);
    kp::DevicePoint const next = kp::advanced_corner(reference, abc.advance(), rotation);
    graph.end_text_x = kp::clamp_to_int32(next.x);
    graph.end_text_y = kp::clamp_to_int32(next.y);
    bool const visible =
        ink.left < graph.window_width && ink.top < graph.window_height && ink.right > 0 && ink.bottom > 0;
    if (!visible)
        return std::nullopt;
    return PlacedInk{{{kp::clamp_to_int32(corner.x), kp::clamp_to_int32(corner.y)}, character}, ink};
}

// Restores the justification when the text is done.
class JustificationGuard {
public:
    JustificationGuard(GraphRecord& graph, Justification justification)
        : graph_(graph)
        , saved_(std::exchange(graph.justification, code_of(justification)))
    {
    }
    ~JustificationGuard() { graph_.justification = saved_; }
    JustificationGuard(JustificationGuard const&) = delete;
    JustificationGuard& operator=(JustificationGuard const&) = delete;

private:
    GraphRecord& graph_;
    int32_t saved_;
};

} // namespace

kp::DeviceBox text_box(int64_t x, int64_t y, int64_t width, int64_t height, int64_t ascent, int32_t orientation,
                 int32_t justification)
{
    int64_t const shift = justification_shift(width, justification);
    kp::TextRotation const rotation = rotation_of(orientation);
    return kp::rotated_cell_edges({0, 0, width, height}, cell_corner(x, y, shift, ascent, rotation), rotation);
}

int32_t text_ascent(GraphRecord& graph)
{
    ensure_metrics(graph);
    return graph.ascent;
}

kp::DeviceBox string_box(GraphRecord& graph, int32_t x, int32_t y, std::string_view text)
{
    ensure_metrics(graph);
    kp::DeviceContext* context = first_target(graph);
    int64_t const width = context == nullptr ? 0 : text_width(*context, text);
    return text_box(x, y, width, graph.cell_height, graph.ascent, graph.font.orientation, graph.justification);
}

void draw_text(GraphRecord& graph, int32_t x, int32_t y, std::string_view text)
{
    kp::DeviceContext* context = first_target(graph);
    if (context == nullptr)
        return;
    int64_t const a = text_ascent(graph);
    MeasuredText const measured(*context, text);
    int64_t const shift = justification_shift(measured.advance, graph.justification);
    JustificationGuard const start_justified(graph, Justification::Start);
    // The first character's reference point: the start of the justified text's cell.
    kp::TextRotation const rotation = rotation_of(graph.font.orientation);
    kp::DevicePoint const start = kp::rotated_cell_pixel({0, a}, cell_corner(x, y, shift, a, rotation), rotation);
    graph.end_text_x = kp::clamp_to_int32(start.x);
    graph.end_text_y = kp::clamp_to_int32(start.y);
    // Text shows the characters only, whatever the targets' background mode says.
    kp::ScopedBackgroundMode const transparent(*context, kp::BackgroundMode::Transparent);
    if (graph.drawing_mode == DrawingMode::AutoRedraw) {
        // Each character reaches the window as it is drawn.
        for (std::size_t i = 0; i < measured.characters.size(); ++i) {
            if (std::optional<PlacedInk> const p = place_character(graph, measured.characters[i], measured.widths[i])) {
                kp::draw_character(*context, p->placed.corner, p->placed.character);
                dispatch_to_rect(graph, kp::clamp_to_int32(p->ink.left), kp::clamp_to_int32(p->ink.top),
                                 kp::clamp_to_int32(p->ink.right - 1), kp::clamp_to_int32(p->ink.bottom - 1));
            }
        }
        return;
    }
    std::vector<kp::PlacedCharacter> placed;
    placed.reserve(measured.characters.size());
    for (std::size_t i = 0; i < measured.characters.size(); ++i)
        if (std::optional<PlacedInk> const p = place_character(graph, measured.characters[i], measured.widths[i]))
            placed.push_back(p->placed);
    kp::draw_characters(*context, placed);
}

void draw_long_text(GraphRecord& graph, int32_t x, int32_t y, std::string_view text)
{
    draw_text(graph, x, y, cut_text(text, long_text_limit));
}

} // namespace kelvo
