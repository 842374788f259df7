#include "lib/axes/graph_parameters.h"

#include <type_traits>
#include <variant>

#include "lib/draw/attributes.h"
#include "lib/draw/fonts.h"
#include "lib/runtime/debug_report.h"

namespace kelvo {

namespace {

// The field a parameter code names, for reading (const settings) or for writing.
template <typename Settings>
auto parameter_field(Settings& c, int32_t code)
{
    constexpr bool reading = std::is_const_v<Settings>;
    using Field = std::variant<std::monostate, std::conditional_t<reading, int32_t const*, int32_t*>,
                               std::conditional_t<reading, bool const*, bool*>>;
    auto axis = [](int32_t first, int32_t code) { return static_cast<std::size_t>(code - first); };
    switch (code) {
    case 1: case 2: case 3: return Field{&c.Intervals[axis(1, code)]};
    case 101: case 102: case 103: return Field{&c.SubIntervals[axis(101, code)]};
    case 4: return Field{&c.LeftMargin};
    case 5: return Field{&c.RightMargin};
    case 6: return Field{&c.BottomMargin};
    case 7: return Field{&c.TopMargin};
    case 11: return Field{&c.GraphLabelDx};
    case 12: return Field{&c.GraphLabelDy};
    case 13: case 14: case 15: return Field{&c.LabelWidth[axis(13, code)]};
    case 16: case 17: case 18: return Field{&c.Pips[axis(16, code)].PipMode};
    case 19: case 20: case 21: return Field{&c.Pips[axis(19, code)].PipLength};
    case 119: case 120: case 121: return Field{&c.Pips[axis(119, code)].SubPipLength};
    case 130: return Field{&c.ScaleMode};
    case 131: return Field{&c.AxisType};
    case 132: return Field{&c.NiceValues};
    case 133: return Field{&c.Zoom3D};
    case 134: return Field{&c.Fit3D};
    case 135: return Field{&c.OriginPctX};
    case 136: return Field{&c.OriginPctY};
    case 137: return Field{&c.SymbolSize};
    case 140: return Field{&c.GridMode};
    case 141: return Field{&c.GridStyle};
    case 142: return Field{&c.SubGridStyle};
    case 143: return Field{&c.TitleRoom};
    case 144: return Field{&c.AxisWidth};
    case 145: return Field{&c.AxisStyle};
    case 146: return Field{&c.GridWidth};
    case 147: return Field{&c.SubGridWidth};
    case 148: return Field{&c.UseSymbolColour};
    case 149: return Field{&c.ScaleType};
    default: return Field{};
    }
}

constexpr std::size_t kind_index(int32_t kind)
{
    return static_cast<std::size_t>(kind - 1);
}

void report_bad_colour_index()
{
    debug_report("set graph color index out of range");
}

} // namespace

void set_graph_parameter(GraphRecord& graph, int32_t code, int32_t value)
{
    auto const field = parameter_field(graph.coordinates, code);
    if (int32_t* const* number = std::get_if<int32_t*>(&field))
        **number = value;
    else if (bool* const* flag = std::get_if<bool*>(&field))
        **flag = value != 0;
}

int32_t get_graph_parameter(GraphRecord const& graph, int32_t code)
{
    auto const field = parameter_field(graph.coordinates, code);
    if (int32_t const* const* number = std::get_if<int32_t const*>(&field))
        return **number;
    if (bool const* const* flag = std::get_if<bool const*>(&field))
        return **flag ? 1 : 0;
    return 0;
}

void set_graph_colour(GraphRecord& graph, int32_t index, TkColor colour)
{
    CoordinateSettings& c = graph.coordinates;
    auto set_kinds = [&](int32_t first, int32_t last) {
        for (int32_t kind = first; kind <= last; ++kind)
            c.LabelSettings[kind_index(kind)].TextColour = colour;
    };
    switch (index) {
    case 1: c.AxisColour = colour; break;
    case 2: c.PipColour = colour; break;
    case 3: case 15: set_kinds(1, 3); break;
    case 4: set_text_colour(graph, colour); break;
    case 5: set_kinds(4, 7); break;
    case 6: set_back_colour_and_write_mode(graph, colour, graph.write_mode); break;
    case 7: set_pen_colour(graph, colour); break;
    case 8: case 9: case 10: case 11: c.ExtraColour[static_cast<std::size_t>(index - 8)] = colour; break;
    case 12: c.GridColour = colour; break;
    case 13: c.SubGridColour = colour; break;
    case 14:
        c.SymbolColour = colour;
        c.UseSymbolColour = true;
        break;
    case 16: case 17: case 18: set_kinds(index - 12, index - 12); break;
    case 19:
        c.AxisColour = colour;
        c.PipColour = colour;
        break;
    default: report_bad_colour_index(); break;
    }
}

TkColor get_graph_colour(GraphRecord const& graph, int32_t index)
{
    CoordinateSettings const& c = graph.coordinates;
    switch (index) {
    case 1: case 19: return c.AxisColour;
    case 2: return c.PipColour;
    case 3: case 15: return c.LabelSettings[kind_index(1)].TextColour;
    case 4: return graph.text_colour;
    case 5: return c.LabelSettings[kind_index(7)].TextColour;
    case 6: return graph.back_colour;
    case 7: return graph.pen.colour;
    case 8: case 9: case 10: case 11: return c.ExtraColour[static_cast<std::size_t>(index - 8)];
    case 12: return c.GridColour;
    case 13: return c.SubGridColour;
    case 14: return c.SymbolColour;
    case 16: case 17: case 18: return c.LabelSettings[kind_index(index - 12)].TextColour;
    default: report_bad_colour_index(); return 0;
    }
}

void set_colours(GraphRecord& graph, TkColor axis, TkColor pip, TkColor label, TkColor pen)
{
    CoordinateSettings& c = graph.coordinates;
    c.AxisColour = axis;
    c.PipColour = pip;
    for (int32_t kind = 1; kind <= 3; ++kind)
        c.LabelSettings[kind_index(kind)].TextColour = label;
    set_pen_colour(graph, pen);
}

} // namespace kelvo
