#include "lib/axes/label_settings.h"

#include <cstring>

#include "lib/draw/fonts.h"
#include "lib/runtime/text_limits.h"

namespace kelvo {

namespace {

bool is_stored_kind(int32_t kind)
{
    return kind >= 1 && kind <= stored_label_kinds;
}

bool is_title_reference(int32_t reference)
{
    return reference >= first_title_reference && reference < first_title_reference + title_count;
}

std::size_t title_index(int32_t reference)
{
    return static_cast<std::size_t>(reference - first_title_reference);
}

} // namespace

bool get_label_settings(GraphRecord const& graph, int32_t kind, TkLabelSettings& settings)
{
    if (is_stored_kind(kind)) {
        settings = graph.coordinates.LabelSettings[static_cast<std::size_t>(kind - 1)];
        return true;
    }
    if (kind != graph_label_kind)
        return false;
    settings = TkLabelSettings{};
    settings.FontFace = graph.font.face;
    settings.FontStyle = graph.font.style;
    settings.FontSize = graph.font.size;
    settings.Orientation = graph.font.orientation;
    settings.Justification = graph.justification;
    settings.TextColour = graph.text_colour;
    settings.XOffset = graph.coordinates.GraphLabelDx;
    settings.YOffset = graph.coordinates.GraphLabelDy;
    return true;
}

void set_label_settings(GraphRecord& graph, int32_t kind, TkLabelSettings& settings)
{
    if (is_stored_kind(kind)) {
        graph.coordinates.LabelSettings[static_cast<std::size_t>(kind - 1)] = settings;
        return;
    }
    if (kind != graph_label_kind)
        return;
    if ((settings.AutoPlace & 0xFFFF) != 0) {
        settings.Orientation = code_of(Orientation::Right);
        settings.Justification = code_of(Justification::Middle);
        settings.XOffset = 0;
        settings.YOffset = -settings.FontSize;
    }
    set_font(graph, {settings.FontFace, settings.FontStyle, settings.FontSize, settings.Orientation});
    set_justification(graph, settings.Justification);
    set_text_colour(graph, settings.TextColour);
    graph.coordinates.GraphLabelDx = settings.XOffset;
    graph.coordinates.GraphLabelDy = settings.YOffset;
}

void set_title_string(GraphRecord& graph, int32_t reference, std::string_view text)
{
    if (!is_title_reference(reference))
        return;
    std::optional<std::string>& title = graph.coordinates.Titles[title_index(reference)];
    if (text.empty())
        title.reset();
    else
        title = std::string(text);
}

int32_t get_title_string(GraphRecord const& graph, int32_t reference, char* buffer, int32_t size)
{
    if (!is_title_reference(reference) || buffer == nullptr || size <= 0)
        return 0;
    std::optional<std::string> const& title = graph.coordinates.Titles[title_index(reference)];
    if (!title) {
        buffer[0] = '\0';
        return 0;
    }
    std::string_view const copied = cut_text(*title, static_cast<std::size_t>(size) - 1);
    std::memcpy(buffer, copied.data(), copied.size());
    buffer[copied.size()] = '\0';
    return static_cast<int32_t>(copied.size());
}

} // namespace kelvo
