#include "platform/graphics/device_context_text.h"

#include "platform/font/font_engine.h"
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

// What drawing text on a context needs, looked up once: its font, surface and paint.
struct TextCanvas {
    std::shared_ptr<Font const> font;
    DeviceContext::Canvas canvas;
    TextPaint paint;

    TextTarget target() { return {canvas.surface, canvas.origin, canvas.clip}; }
};

std::optional<TextCanvas> text_canvas(DeviceContext& context)
{
    std::shared_ptr<Font const> font = selected_font(context);
    if (!font)
        return std::nullopt;
    std::optional<DeviceContext::Canvas> canvas = context.canvas();
    if (!canvas)
        return std::nullopt;
    return TextCanvas{std::move(font), *canvas, paint_of(context)};
}

// Tells the context's recording (if any) of characters drawn cell after cell from `corner`.
// Characters that change nothing go too: a space continues the text before it there.
void record_text(DeviceContext& context, TextCanvas const& on, Point corner, std::u32string_view characters, Rect drawn)
{
    if (Recording* recording = context.recording())
        recording->text({on.canvas.clip, on.canvas.origin, RasterOp::Copy, drawn}, on.font, on.paint, corner, characters);
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
    std::optional<TextCanvas> on = text_canvas(context);
    if (!on)
        return;
    TextTarget const target = on->target();
    Rect changed;
    for (PlacedCharacter const& placed : characters) {
        Rect const drawn = kp::draw_character(target, *on->font, placed.corner, placed.character, on->paint);
        changed.unite(drawn);
        record_text(context, *on, placed.corner, {&placed.character, 1}, drawn);
    }
    if (!changed.is_empty())
        context.report_damage(changed, DeviceContext::Recorded::Yes);
}

void draw_text(DeviceContext& context, Point corner, std::string_view text)
{
    std::optional<TextCanvas> on = text_canvas(context);
    if (!on)
        return;
    Rect const changed = kp::draw_text(on->target(), *on->font, corner, text, on->paint);
    if (context.recording() != nullptr)
        record_text(context, *on, corner, on->font->decode(text), changed);
    if (!changed.is_empty())
        context.report_damage(changed, DeviceContext::Recorded::Yes);
}

} // namespace kp
