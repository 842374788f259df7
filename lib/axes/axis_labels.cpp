#include "lib/axes/axis_labels.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "lib/axes/axis_geometry.h"
#include "lib/axes/label_layout.h"
#include "lib/axes/label_placement.h"
#include "lib/axes/pips.h"
#include "lib/draw/fonts.h"
#include "lib/draw/text.h"
#include "lib/runtime/debug_report.h"
#include "platform/base/point.h"

namespace kelvo {

namespace {

// Labels are left out when the window is narrower than this many label widths.
constexpr int64_t label_widths_per_window = 3;

void auto_place_labels(GraphRecord const& graph, int axis, TkLabelSettings& settings)
{
    SideFlags const flags = side_flags(graph, axis);
    settings.Justification = code_of(flags.vertical ? Justification::End : Justification::Start);
    Offsets offsets = offsets_for_sides(flags, {-20, 100}, {80, 85}, {-45, -40}, {80, -40});
    if (axis == axis_z)
        offsets = {-100, 30};
    if (is_ordinary_2d_view(graph.coordinates)) {
        if (axis == axis_x) {
            settings.Justification = code_of(Justification::Middle);
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
    kp::DeviceBox box;     // where it is drawn
    kp::DeviceBox unmoved; // where its reference point alone puts it
    bool moved = false;
};

struct PlacedText {
    std::string text;
    Placement placed;
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
        // First pass: the end labels are drawn; every label's box is compared with the one
        // before it to find out whether the axis is crowded.
        bool crowded = false;
        std::optional<kp::DeviceBox> previous;
        std::vector<PlacedText> inner;
        double v = lo;
        for (int64_t k = 0; k <= n + 1 && v < hi + step / 2; ++k, v += step) {
            bool const first = v < lo + step / 2;
            bool const last = v > hi - step / 2;
            std::optional<kp::DeviceBox> box;
            if (first || last) {
                box = end_label(v, last);
            } else if (std::string text = text_of(v, false); !text.empty()) {
                Placement const placed = place(v, text);
                box = placed.unmoved;
                inner.push_back({std::move(text), placed});
            }
            if (!crowded && previous && box && box->intersects(previous->inflated(cw_ / 2, cw_ / 2)))
                crowded = true;
            previous = box;
        }
        // Second pass: the labels between the ends, unless they would crowd each other.
        if (crowded || !(hi - lo > 1.5 * step))
            return;
        for (PlacedText const& label : inner)
            draw_if_allowed(label.placed, label.text);
    }

private:
    // The window pixels a line of one of the 2D axes covers.
    kp::DeviceBox window_extent(AxisLine const& line) const
    {
        PixelPoint const a = pixel_of(graph_.scales, line.lower);
        PixelPoint const b = pixel_of(graph_.scales, line.upper);
        return {std::min(a.x, b.x), std::min(a.y, b.y), int64_t{std::max(a.x, b.x)} + 1,
                int64_t{std::max(a.y, b.y)} + 1};
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
        placed.x = kp::clamp_to_int32(int64_t{p.x} + dx_);
        placed.y = kp::clamp_to_int32(int64_t{p.y} + dy_);
        placed.unmoved = string_box(graph_, placed.x, placed.y, text);
        kp::DeviceBox box = placed.unmoved;
        int64_t move_x = 0;
        int64_t move_y = 0;
        // Clear of the x axis: the box's last row the clearance above the axis line's row.
        if (x_line_ && crosses(*x_line_, box)) {
            int64_t const up = x_line_->top - clearance_y_ - box.bottom + 1;
            box = box.translated(0, up);
            move_y += up;
        }
        if (y_line_ && crosses(*y_line_, box)) {
            int64_t const right = y_line_->left + cw_ - box.left;
            box = box.translated(right, 0);
            move_x += right;
        }
        // Inside the window, a cell width from its sides and the clearance from its ends.
        kp::DeviceBox const room{cw_, clearance_y_, int64_t{graph_.window_width} - cw_ + 1,
                                 int64_t{graph_.window_height} - clearance_y_ + 1};
        int64_t inside_x = 0;
        if (box.left < room.left)
            inside_x = room.left - box.left;
        else if (box.right > room.right)
            inside_x = room.right - box.right;
        int64_t inside_y = 0;
        if (box.top < room.top)
            inside_y = room.top - box.top;
        else if (box.bottom > room.bottom)
            inside_y = room.bottom - box.bottom;
        placed.box = box.translated(inside_x, inside_y);
        move_x += inside_x;
        move_y += inside_y;
        placed.moved = move_x != 0 || move_y != 0;
        placed.x = kp::clamp_to_int32(placed.x + move_x);
        placed.y = kp::clamp_to_int32(placed.y + move_y);
        return placed;
    }

    // Whether a line passes through the box widened by the clearances.
    bool crosses(kp::DeviceBox const& line, kp::DeviceBox const& box) const
    {
        return box.inflated(cw_, clearance_y_).intersects(line);
    }

    bool draw_if_allowed(Placement const& placed, std::string const& text)
    {
        if (placed.moved && edge_rule_ != 1)
            return false;
        draw_text(graph_, placed.x, placed.y, text);
        return true;
    }

    // Draws an end label; its box, or nothing when it was left out.
    std::optional<kp::DeviceBox> end_label(double v, bool last)
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
    std::optional<kp::DeviceBox> x_line_;
    std::optional<kp::DeviceBox> y_line_;
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

} // namespace

void label_axes(GraphRecord& graph)
{
    TextSettingsScope const text_settings(graph);
    for (int axis = axis_x; axis < axis_count(graph.coordinates); ++axis)
        label_axis(graph, axis);
}

} // namespace kelvo
