#include "platform/graphics/device_context_text.h"

#include "platform/font/font_engine.h"
#include "platform/font/text_rotation.h"
#include "platform/font/text_renderer.h"
#include "platform/record/recording.h"

namespace kp {

namespace {

TextPaint paint_of(DeviceContext const& context)
{
    TextPaint paint;
    paint.text = context.text_color();
    paint.background = context.background_color();
    paint.background_mode = context.background_mode() == BackgroundMode::Opaque ? TextBackground::Opaque
                                                                                : TextBackground::Transparent;
    return paint;
}

// Draws the characters with their first cell's corner at `corner` and tells the context's
// recording what it drew.
template <typename Draw>
void draw_on_canvas(DeviceContext& context, Point corner, std::u32string_view characters, Draw&& draw)
{
    std::shared_ptr<Font const> font = selected_font(context);
    if (!font)
        return;
    std::optional<DeviceContext::Canvas> canvas = context.canvas();
    if (!canvas)
        return;
    TextTarget const target{canvas->surface, canvas->origin, canvas->clip};
    TextPaint const paint = paint_of(context);
    Rect const changed = draw(target, *font, paint);
    // Characters that change nothing still go to the recording: a space continues the text
    // before it there.
    if (Recording* recording = context.recording()) {
        RecordedText text{font, corner, std::u32string(characters), paint.text, context.background_mode(),
                          paint.background, {}};
        recording->text({canvas->clip, canvas->origin, RasterOp::Copy, changed}, std::move(text));
    }
    if (!changed.is_empty())
        context.report_damage(changed, DeviceContext::Recorded::Yes);
}

} // namespace

std::shared_ptr<Font const> selected_font(DeviceContext const& context)
{
    FontEngine* engine = FontEngine::shared();
    return engine == nullptr ? nullptr : engine->realize(context.font());
}

TextMetrics text_metrics(DeviceContext const& context)
{
    std::shared_ptr<Font const> font = selected_font(context);
    return font ? font->metrics() : TextMetrics{};
}

Size text_extent(DeviceContext const& context, std::string_view text)
{
    std::shared_ptr<Font const> font = selected_font(context);
    return font ? font->text_extent(text) : Size{};
}

AbcWidths abc_widths(DeviceContext const& context, char32_t character)
{
    std::shared_ptr<Font const> font = selected_font(context);
    return font ? font->abc_widths(character) : AbcWidths{};
}

std::u32string decode_text(DeviceContext const& context, std::string_view text)
{
    std::shared_ptr<Font const> font = selected_font(context);
    return font ? font->decode(text) : std::u32string{};
}

void draw_character(DeviceContext& context, Point corner, char32_t character)
{
    PlacedCharacter const placed{corner, character};
    draw_characters(context, std::span(&placed, 1));
}

void draw_characters(DeviceContext& context, std::span<PlacedCharacter const> characters)
{
    if (characters.empty())
        return;
    std::shared_ptr<Font const> font = selected_font(context);
    if (!font)
        return;
    std::optional<DeviceContext::Canvas> canvas = context.canvas();
    if (!canvas)
        return;
    TextTarget const target{canvas->surface, canvas->origin, canvas->clip};
    TextPaint const paint = paint_of(context);
    Recording* recording = context.recording();
    Rect changed;
    // Characters that follow each other cell after cell go to the recording as one run.
    std::u32string run;
    Point run_corner;
    Point run_end;
    Rect run_drawn;
    auto record_run = [&] {
        if (recording == nullptr || run.empty())
            return;
        RecordedText text{font, run_corner, std::move(run), paint.text, context.background_mode(), paint.background, {}};
        recording->text({canvas->clip, canvas->origin, RasterOp::Copy, run_drawn}, std::move(text));
        run.clear();
        run_drawn = {};
    };
    for (PlacedCharacter const& placed : characters) {
        Rect const drawn = kp::draw_character(target, *font, placed.corner, placed.character, paint);
        changed.unite(drawn);
        if (recording == nullptr)
            continue;
        if (run.empty() || placed.corner != run_end) {
            record_run();
            run_corner = placed.corner;
        }
        run.push_back(placed.character);
        run_drawn.unite(drawn);
        run_end = advanced_corner(placed.corner, font->char_width(placed.character), font->rotation());
    }
    record_run();
    if (!changed.is_empty())
        context.report_damage(changed, DeviceContext::Recorded::Yes);
}

void draw_text(DeviceContext& context, Point corner, std::string_view text)
{
    std::u32string const characters = decode_text(context, text);
    draw_on_canvas(context, corner, characters, [&](TextTarget const& target, Font const& font, TextPaint const& paint) {
        return kp::draw_text(target, font, corner, text, paint);
    });
}

} // namespace kp
