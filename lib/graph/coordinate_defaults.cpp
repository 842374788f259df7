#include <cmath>

#include "lib/graph/coordinate_state.h"
#include "lib/graph/text_placement.h"

namespace kelvo {

namespace {

TkLabelSettings default_label_settings(StyleRecord const& style)
{
    TkLabelSettings settings{};
    settings.AutoPlace = 1;
    settings.FontFace = style.font_face;
    settings.FontStyle = style.font_style;
    settings.FontSize = style.font_size;
    settings.Orientation = code_of(Orientation::Right);
    settings.Justification = code_of(Justification::Middle);
    settings.TextColour = style.text_colour;
    settings.XOffset = 0;
    settings.YOffset = 0;
    settings.TitleRef = 2;
    settings.EdgeRule = 1;
    return settings;
}

} // namespace

CoordinateSettings default_coordinate_settings(CellMetrics cell, StyleRecord const& style)
{
    CoordinateSettings settings;
    // Halves are truncated toward zero.
    settings.LeftMargin = 4 * cell.width;
    settings.RightMargin = 4 * cell.width;
    settings.BottomMargin = 3 * cell.height / 2;
    settings.TopMargin = 3 * cell.height / 2;
    settings.LabelSettings.fill(default_label_settings(style));
    settings.GraphLabelDx = 3 * cell.width / 2;
    settings.GraphLabelDy = cell.ascent / 2;
    settings.AxisColour = style.plot_colour1;
    settings.PipColour = style.plot_colour2;
    // The coloured style 0 leaves the four spare colours unset.
    if (style.style_number != 0)
        settings.ExtraColour.fill(style.pen_colour);
    settings.SymbolSize = static_cast<int32_t>(std::nearbyint(0.15 * cell.height));
    settings.GridColour = style.plot_colour2;
    settings.SubGridColour = style.plot_colour2;
    settings.SymbolColour = style.pen_colour;
    return settings;
}

} // namespace kelvo
