#include "lib/axes/axis_labels.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "lib/axes/axis_geometry.h"
#include "lib/axes/label_layout.h"
#include "lib/axes/pips.h"
#include "lib/draw/fonts.h"
#include "lib/draw/text.h"
#include "lib/runtime/debug_report.h"

namespace kelvo {

namespace {

constexpr int32_t default_label_width = 5;
// Labels are left out when the window is narrower than this many label widths.
constexpr int64_t label_widths_per_window = 3;
// An axis origin closer than this to the window's left edge leaves no room for 2D titles
// beside the axes.
constexpr int32_t title_room_beside_axes = 160;

bool auto_placed(TkLabelSettings const& settings)
{
    return (settings.AutoPlace & 0xFFFF) != 0;
}

int32_t percent_of(int32_t percent, int32_t cell)
{
    return static_cast<int32_t>(std::nearbyint(percent * 0.01 * cell));
}

// The graph's font, justification, text colour and graph-label offsets, which titles
// borrow while they draw.
void use_text_settings(GraphRecord& graph, TkLabelSettings const& settings)
{
    use_font(graph, label_font(settings, settings.Orientation));
    set_justification(graph, settings.Justification);
    if (graph.text_colour != settings.TextColour)
        set_text_colour(graph, settings.TextColour);
    graph.coordinates.GraphLabelDx = settings.XOffset;
    graph.coordinates.GraphLabelDy = settings.YOffset;
}

// Puts the graph's text settings back when labelling or a title is done.
class TextSettingsScope {
public:
    explicit TextSettingsScope(GraphRecord& graph) : graph_(graph)
    {
        saved_.FontFace = graph.font.face;
        saved_.FontStyle = graph.font.style;
        saved_.FontSize = graph.font.size;
        saved_.Orientation = graph.font.orientation;
        saved_.Justification = graph.justification;
        saved_.TextColour = graph.text_colour;
        saved_.XOffset = graph.coordinates.GraphLabelDx;
        saved_.YOffset = graph.coordinates.GraphLabelDy;
    }
    ~TextSettingsScope() { use_text_settings(graph_, saved_); }
    TextSettingsScope(TextSettingsScope const&) = delete;
    TextSettingsScope& operator=(TextSettingsScope const&) = delete;

private:
    GraphRecord& graph_;
    TkLabelSettings saved_{};
};

bool intersects(TextBox const& a, TextBox const& b)
{
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

TextBox widened(TextBox box, int64_t dx, int64_t dy)
{
    return {box.left - dx, box.top - dy, box.right + dx, box.bottom + dy};
}

TextBox shifted(TextBox box, int64_t dx, int64_t dy)
{
    return {box.left + dx, box.top + dy, box.right + dx, box.bottom + dy};
}

// The label offsets, in percent of the cell, that AutoPlace chooses from the side flags.
struct Offsets {
    int32_t x;
    int32_t y;
};

Offsets offsets_for_sides(SideFlags flags, Offsets both, Offsets horizontal, Offsets vertical, Offsets neither)
{
    if (flags.horizontal && flags.vertical)
        return both;
    if (flags.horizontal)
        return horizontal;
    if (flags.vertical)
        return vertical;
    debug_report("impossibe label position");
    return neither;
}

void auto_place_labels(GraphRecord const& graph, int axis, TkLabelSettings& settings)
{
    SideFlags const flags = side_flags(graph, axis);
    settings.Justification = flags.vertical ? 2 : 1;
    Offsets offsets = offsets_for_sides(flags, {-20, 100}, {80, 85}, {-45, -40}, {80, -40});
    if (axis == axis_z)
        offsets = {-100, 30};
    if (is_ordinary_2d_view(graph.coordinates)) {
        if (axis == axis_x) {
            settings.Justification = 3;
            offsets = {0, 120};
        } else if (axis == axis_y) {
            offsets = {-100, 20};
        } else {
            debug_report("z-label drawing not expected");
        }
    }
    settings.XOffset = offsets.x;
    settings.YOffset = offsets.y;
}

// Where one label goes and whether it had to move to stay clear.
struct Placement {
    int32_t x = 0;
    int32_t y = 0;
    TextBox box;     // where it is drawn
    TextBox unmoved; // where its reference point alone puts it
    bool moved = false;
};

// Places and draws the labels of one axis in the font, colour and justification in force.
class AxisLabeller {
public:
    AxisLabeller(GraphRecord& graph, int axis, TkLabelSettings const& settings)
        : graph_(graph)
        , axis_(axis)
        , line_(pip_line(graph, axis))
        , edge_rule_(settings.EdgeRule)
    {
        CellMetrics const cell = cell_metrics(graph);
        cw_ = cell.width;
        clearance_y_ = cell.width / 2;
        dx_ = percent_of(settings.XOffset, cell.width);
        dy_ = percent_of(settings.YOffset, cell.height);
        if (is_ordinary_2d_view(graph.coordinates)) {
            x_line_ = window_extent(pip_line(graph, axis_x));
            y_line_ = window_extent(pip_line(graph, axis_y));
        }
    }

    void label(int32_t label_width)
    {
        EffectiveScales const& s = graph_.scales;
        auto const a = static_cast<std::size_t>(axis_);
        double const lo = s.AxisMin[a];
        double const hi = s.AxisMax[a];
        double const step = s.PipStep[a];
        if (!(lo < hi) || !(step > 0)) {
            debug_report("wrong ranges on axis");
            return;
        }
        layout_ = label_layout(lo, hi, step, label_width);
        suffix_ = exponent_suffix(layout_);
        int64_t const n = primary_interval_count(s, axis_);
        if (n < 0) {
            // Far too many values to show: the two ends, as on any crowded axis.
            end_label(lo, false);
            end_label(hi, true);
            return;
        }
        bool crowded = false;
        std::optional<TextBox> previous;
        double v = lo;
        for (int64_t k = 0; k <= n + 1 && v < hi + step / 2; ++k, v += step) {
            bool const first = v < lo + step / 2;
            bool const last = v > hi - step / 2;
            std::optional<TextBox> box;
            if (first || last) {
                box = end_label(v, last);
            } else if (std::string const text = text_of(v, false); !text.empty()) {
                box = place(v, text).unmoved;
            }
            if (!crowded && previous && box && intersects(*box, widened(*previous, cw_ / 2, cw_ / 2)))
                crowded = true;
            previous = box;
        }
        if (crowded || !(hi - lo > 1.5 * step))
            return;
        v = lo + step;
        for (int64_t k = 0; k <= n && v < hi - step / 2; ++k, v += step)
            if (std::string const text = text_of(v, false); !text.empty())
                draw_if_allowed(place(v, text), text);
    }

private:
    // The window pixels a line of one of the 2D axes covers.
    struct Extent {
        int64_t x1, y1, x2, y2;
    };
    Extent window_extent(AxisLine const& line) const
    {
        PixelPoint const a = pixel_of(graph_.scales, line.lower);
        PixelPoint const b = pixel_of(graph_.scales, line.upper);
        return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
    }

    std::string text_of(double v, bool last) const
    {
        // Repeated addition leaves a zero a few units of rounding off; it is shown as 0.
        double const shown = std::fabs(v) < graph_.scales.PipStep[static_cast<std::size_t>(axis_)] * 1E-9 ? 0.0 : v;
        std::string text = label_text(layout_, shown);
        if (last && !text.empty())
            text += suffix_;
        return text;
    }

    Placement place(double v, std::string const& text) const
    {
        PixelPoint const p = pixel_of(graph_.scales, line_.at(axis_, v));
        Placement placed;
        placed.x = static_cast<int32_t>(std::clamp<int64_t>(int64_t{p.x} + dx_, INT32_MIN, INT32_MAX));
        placed.y = static_cast<int32_t>(std::clamp<int64_t>(int64_t{p.y} + dy_, INT32_MIN, INT32_MAX));
        placed.unmoved = string_box(graph_, placed.x, placed.y, text);
        TextBox box = placed.unmoved;
        int64_t move_x = 0;
        int64_t move_y = 0;
        if (x_line_ && crosses(*x_line_, box)) {
            int64_t const up = x_line_->y1 - clearance_y_ - box.bottom;
            box = shifted(box, 0, up);
            move_y += up;
        }
        if (y_line_ && crosses(*y_line_, box)) {
            int64_t const right = y_line_->x1 + cw_ - box.left;
            box = shifted(box, right, 0);
            move_x += right;
        }
        int64_t const w = graph_.window_width;
        int64_t const h = graph_.window_height;
        int64_t inside_x = 0;
        if (box.left < cw_)
            inside_x = cw_ - box.left;
        else if (box.right > w - cw_)
            inside_x = w - cw_ - box.right;
        int64_t inside_y = 0;
        if (box.top < clearance_y_)
            inside_y = clearance_y_ - box.top;
        else if (box.bottom > h - clearance_y_)
            inside_y = h - clearance_y_ - box.bottom;
        placed.box = shifted(box, inside_x, inside_y);
        move_x += inside_x;
        move_y += inside_y;
        placed.moved = move_x != 0 || move_y != 0;
        placed.x = static_cast<int32_t>(std::clamp<int64_t>(placed.x + move_x, INT32_MIN, INT32_MAX));
        placed.y = static_cast<int32_t>(std::clamp<int64_t>(placed.y + move_y, INT32_MIN, INT32_MAX));
        return placed;
    }

    // Whether a line passes through the box widened by the clearances.
    bool crosses(Extent const& line, TextBox const& box) const
    {
        return intersects(widened(box, cw_, clearance_y_), {line.x1, line.y1, line.x2, line.y2});
    }

    bool draw_if_allowed(Placement const& placed, std::string const& text)
    {
        if (placed.moved && edge_rule_ != 1)
            return false;
        draw_text(graph_, placed.x, placed.y, text);
        return true;
    }

    // Draws an end label; its box, or nothing when it was left out.
    std::optional<TextBox> end_label(double v, bool last)
    {
        std::string const text = text_of(v, last);
        if (text.empty())
            return std::nullopt;
        Placement const placed = place(v, text);
        if (!draw_if_allowed(placed, text))
            return std::nullopt;
        return placed.box;
    }

    GraphRecord& graph_;
    int axis_;
    AxisLine line_;
    int32_t edge_rule_;
    int64_t cw_ = 0;
    int64_t clearance_y_ = 0;
    int32_t dx_ = 0;
    int32_t dy_ = 0;
    std::optional<Extent> x_line_;
    std::optional<Extent> y_line_;
    LabelLayout layout_;
    std::string suffix_;
};

void label_axis(GraphRecord& graph, int axis)
{
    auto const a = static_cast<std::size_t>(axis);
    int32_t const width = graph.coordinates.LabelWidth[a];
    if (width < 0)
        return;
    int32_t const n = width == 0 ? default_label_width : width;
    TkLabelSettings& settings = graph.coordinates.LabelSettings[a];
    use_font(graph, label_font(settings, settings.Orientation));
    if (graph.text_colour != settings.TextColour)
        set_text_colour(graph, settings.TextColour);
    if (label_widths_per_window * n * cell_metrics(graph).width >= graph.window_width)
        return;
    if (auto_placed(settings))
        auto_place_labels(graph, axis, settings);
    set_justification(graph, settings.Justification);
    AxisLabeller(graph, axis, settings).label(n);
}

// The axis's label width as titles count it: 0 counts as `zero`, a negative width as none.
int32_t title_label_width(GraphRecord const& graph, int axis, int32_t zero)
{
    int32_t const w = graph.coordinates.LabelWidth[static_cast<std::size_t>(axis)];
    return w == 0 ? zero : std::max(w, 0);
}

// AutoPlace for the axis titles, on a copy of their settings.
void auto_place_axis_title(GraphRecord& graph, int axis, TkLabelSettings& settings)
{
    CoordinateSettings const& c = graph.coordinates;
    settings.Orientation = 1;
    settings.TitleRef = 2;
    SideFlags const flags = side_flags(graph, axis);
    int32_t const a = 100 * title_label_width(graph, axis, default_label_width) + 150;
    settings.Justification = flags.vertical ? 2 : 1;
    Offsets offsets = offsets_for_sides(flags, {-20 - a, 250}, {a + 80, 235}, {-45 - a, -190}, {a + 80, -190});
    if (axis == axis_z) {
        settings.Justification = 2;
        offsets = {-145, -120};
        if (c.AxisType == 1) {
            double const tilt = std::cos(c.Theta);
            if (tilt > 0.2)
                settings.TitleRef = 3;
            else if (tilt < -0.2)
                settings.TitleRef = 1;
            else
                offsets.y = -400;
        }
    }
    bool const room_beside_axes =
        c.AxisType != 1 || pixel_of(graph.scales, axis_origin(graph)).x >= title_room_beside_axes;
    if (!c.Is3D && room_beside_axes) {
        if (axis == axis_x) {
            settings.Justification = 3;
            offsets = {0, 260};
        } else if (axis == axis_y) {
            settings.Justification = 3;
            settings.Orientation = 2;
            offsets = {-100 * (title_label_width(graph, axis_y, 6) + 2), 0};
        } else {
            debug_report("z-label drawing not expected");
        }
    }
    settings.XOffset = offsets.x;
    settings.YOffset = offsets.y;
}

// The fraction of the way from the upper end back to the lower end: 1 at the lower end.
double title_fraction(int32_t title_ref)
{
    switch (title_ref) {
    case 1:
        return 1;
    case 3:
        return 0;
    case 2:
        return 0.5;
    default:
        debug_report("TitleRef out of range");
        return 0.5;
    }
}

PixelPoint title_anchor(GraphRecord const& graph, int32_t reference, TkLabelSettings const& settings)
{
    if (reference == 7) {
        int32_t const w = graph.window_width;
        double const f = title_fraction(settings.TitleRef);
        return {f == 1 ? 0 : f == 0 ? w : w / 2, 0};
    }
    AxisLine const line = pip_line(graph, reference - 4);
    double const f = title_fraction(settings.TitleRef);
    Triple point;
    for (std::size_t i = 0; i < 3; ++i)
        point[i] = f * line.lower[i] + (1 - f) * line.upper[i];
    return pixel_of(graph.scales, point);
}

} // namespace

void label_axes(GraphRecord& graph)
{
    TextSettingsScope const text_settings(graph);
    for (int axis = axis_x; axis < axis_count(graph.coordinates); ++axis)
        label_axis(graph, axis);
}

void draw_title(GraphRecord& graph, int32_t reference, std::string_view text)
{
    if (reference < 4 || reference > 7) {
        debug_report("wrong title type");
        return;
    }
    TkLabelSettings settings = graph.coordinates.LabelSettings[static_cast<std::size_t>(reference - 1)];
    if (auto_placed(settings)) {
        if (reference == 7) {
            settings.Orientation = 1;
            settings.Justification = 3;
            settings.XOffset = 0;
            settings.YOffset = 120;
            settings.TitleRef = 2;
        } else {
            auto_place_axis_title(graph, reference - 4, settings);
        }
    }
    PixelPoint const anchor = title_anchor(graph, reference, settings);
    TextSettingsScope const text_settings(graph);
    use_text_settings(graph, settings);
    CellMetrics const cell = cell_metrics(graph);
    int64_t const x = int64_t{anchor.x} + percent_of(settings.XOffset, cell.width);
    int64_t const y = int64_t{anchor.y} + percent_of(settings.YOffset, cell.height);
    draw_long_text(graph, static_cast<int32_t>(std::clamp<int64_t>(x, INT32_MIN, INT32_MAX)),
                   static_cast<int32_t>(std::clamp<int64_t>(y, INT32_MIN, INT32_MAX)), text);
}

void draw_stored_titles(GraphRecord& graph)
{
    for (int32_t reference = first_title_reference; reference < first_title_reference + title_count; ++reference) {
        if (reference == 6 && !graph.coordinates.Is3D)
            continue;
        std::optional<std::string> const title =
            graph.coordinates.Titles[static_cast<std::size_t>(reference - first_title_reference)];
        if (title)
            draw_title(graph, reference, *title);
    }
}

} // namespace kelvo
