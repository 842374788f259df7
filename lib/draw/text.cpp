#include "lib/draw/text.h"

#include <algorithm>
#include <limits>

#include "lib/draw/fonts.h"
#include "lib/runtime/text_limits.h"
#include "lib/graph/drawing_targets.h"
#include "lib/graph/target_copies.h"
#include "platform/graphics/device_context_text.h"
#include "platform/graphics/object_guards.h"

namespace kelvo {

namespace {

int32_t clamped(int64_t value)
{
    return static_cast<int32_t>(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

kp::AbcWidths widths_of(kp::DeviceContext& context, char32_t character)
{
    return kp::abc_widths(context, character);
}

// Draws one character at (x, y) with justification 1 and moves the end-of-text position
// past it; characters wholly outside the window are skipped but still advance.
void draw_character(GraphRecord& graph, kp::DeviceContext& context, char32_t character)
{
    int64_t const x = graph.end_text_x;
    int64_t const y = graph.end_text_y;
    kp::AbcWidths const abc = widths_of(context, character);
    int64_t const a = abc.a;
    int64_t const c = abc.c;
    TextBox box = text_box(x, y, abc.advance(), graph.cell_height, graph.ascent, graph.font.orientation,
                           graph.justification);
    int64_t const w = graph.window_width;
    int64_t const h = graph.window_height;
    bool visible = false;
    kp::Point corner;
    switch (static_cast<Orientation>(graph.font.orientation)) {
    case Orientation::Right:
        graph.end_text_x = clamped(box.right + 1);
        graph.end_text_y = clamped(y);
        visible = box.left + a < w && box.top < h && box.right - c >= 0 && box.bottom >= 0;
        corner = {clamped(box.left), clamped(box.top)};
        box.left += a;
        box.right -= c;
        break;
    case Orientation::Up:
        graph.end_text_x = clamped(x);
        graph.end_text_y = clamped(box.top - 1);
        visible = box.left < w && box.top + c < h && box.right >= 0 && box.bottom - a >= 0;
        corner = {clamped(box.left), clamped(box.bottom + 1)};
        box.top += c;
        box.bottom -= a;
        break;
    case Orientation::Left:
        graph.end_text_x = clamped(box.left - 1);
        graph.end_text_y = clamped(y);
        visible = box.left + c < w && box.top < h && box.right - a >= 0 && box.bottom >= 0;
        corner = {clamped(box.right + 1), clamped(box.bottom + 1)};
        box.left += c;
        box.right -= a;
        break;
    case Orientation::Down:
        graph.end_text_x = clamped(x);
        graph.end_text_y = clamped(box.bottom + 1);
        visible = box.left < w && box.top + a < h && box.right >= 0 && box.bottom - c >= 0;
        corner = {clamped(box.right + 1), clamped(box.top)};
        box.top += a;
        box.bottom -= c;
        break;
    }
    if (!visible)
        return;
    kp::draw_character(context, corner, character);
    if (graph.drawing_mode == DrawingMode::AutoRedraw)
        dispatch_to_rect(graph, clamped(box.left), clamped(box.top), clamped(box.right), clamped(box.bottom));
}

// Restores the justification when the text is done.
class JustificationGuard {
public:
    JustificationGuard(GraphRecord& graph, int32_t justification)
        : graph_(graph)
        , saved_(std::exchange(graph.justification, justification))
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

TextBox text_box(int64_t x, int64_t y, int64_t width, int64_t height, int64_t ascent, int32_t orientation,
                 int32_t justification)
{
    int64_t const s = justification == 2 ? width : justification == 3 ? width / 2 : 0;
    TextBox box;
    switch (static_cast<Orientation>(orientation)) {
    case Orientation::Up:
        box.left = x - ascent;
        box.bottom = y + s;
        box.top = box.bottom - width + 1;
        box.right = box.left + height - 1;
        break;
    case Orientation::Left:
        box.right = x + s;
        box.bottom = y + ascent;
        box.left = box.right - width + 1;
        box.top = box.bottom - height + 1;
        break;
    case Orientation::Down:
        box.right = x + ascent;
        box.top = y - s;
        box.left = box.right - height + 1;
        box.bottom = box.top + width - 1;
        break;
    case Orientation::Right:
    default:
        box.left = x - s;
        box.top = y - ascent;
        box.right = box.left + width - 1;
        box.bottom = box.top + height - 1;
        break;
    }
    return box;
}

int32_t text_ascent(GraphRecord& graph)
{
    ensure_metrics(graph);
    return graph.ascent;
}

TextBox string_box(GraphRecord& graph, int32_t x, int32_t y, std::string_view text)
{
    ensure_metrics(graph);
    int64_t width = 0;
    if (kp::DeviceContext* context = target(graph, 1))
        for (char32_t character : kp::decode_text(*context, text))
            width += widths_of(*context, character).advance();
    return text_box(x, y, width, graph.cell_height, graph.ascent, graph.font.orientation, graph.justification);
}

void draw_text(GraphRecord& graph, int32_t x, int32_t y, std::string_view text)
{
    kp::DeviceContext* context = target(graph, 1);
    if (context == nullptr)
        return;
    int64_t const a = text_ascent(graph);
    TextBox const box = string_box(graph, x, y, text);
    JustificationGuard const start_justified(graph, 1);
    switch (static_cast<Orientation>(graph.font.orientation)) {
    case Orientation::Up:
        graph.end_text_x = clamped(box.left + a);
        graph.end_text_y = clamped(box.bottom);
        break;
    case Orientation::Left:
        graph.end_text_x = clamped(box.right);
        graph.end_text_y = clamped(box.bottom - a);
        break;
    case Orientation::Down:
        graph.end_text_x = clamped(box.right - a);
        graph.end_text_y = clamped(box.top);
        break;
    case Orientation::Right:
    default:
        graph.end_text_x = clamped(box.left);
        graph.end_text_y = clamped(box.top + a);
        break;
    }
    // Text shows the characters only, whatever the targets' background mode says.
    kp::BackgroundMode const mode = context->set_background_mode(kp::BackgroundMode::Transparent);
    for (char32_t character : kp::decode_text(*context, text))
        draw_character(graph, *context, character);
    context->set_background_mode(mode);
}

void draw_long_text(GraphRecord& graph, int32_t x, int32_t y, std::string_view text)
{
    draw_text(graph, x, y, cut_text(text, long_text_limit));
}

} // namespace kelvo
