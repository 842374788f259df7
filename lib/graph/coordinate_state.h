#pragma once

// The coordinate and axis block of a graph: the settings that callers change (ranges,
// origin, view, margins, interval counts, label, pip, grid, colour and title settings) and
// the effective state that computing the scales derives from them. Fields keep the names
// the rest of the library and its documentation use for them.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "lib/graph/style_record.h"
#include "lib/kelvolib.h"

namespace kelvo {

using Triple = std::array<double, 3>; // x, y, z

inline constexpr int axis_x = 0;
inline constexpr int axis_y = 1;
inline constexpr int axis_z = 2;

// Kinds of text with a stored settings record: 1..3 axis labels, 4..6 axis titles, 7 the
// graph title. Kind 8, graph labels, is made up from the graph's own font and offsets.
inline constexpr int32_t stored_label_kinds = 7;
inline constexpr int32_t graph_label_kind = 8;
// Title references 4..7: x, y, z axis titles and the graph title.
inline constexpr int32_t first_title_reference = 4;
inline constexpr int32_t title_count = 4;

struct PipSettings {
    int32_t PipLength = 50;    // percent of the cell height of the axis's label font
    int32_t SubPipLength = 25; // the same, for secondary pips
    int32_t PipMode = 2;       // 0 outside, 1 inside, 2 across, 3 none
};

// Everything that the style resets take back to their defaults.
struct CoordinateSettings {
    Triple UserMin{-10, -10, -10};
    Triple UserMax{10, 10, 10};
    Triple UserOrigin{0, 0, 0};
    double Theta = 0;
    double Phi = -1.5707963267948966; // -pi/2: x to the right, y up
    double ZPlane = 0;
    std::array<int32_t, 3> Intervals{7, 7, 7};
    std::array<int32_t, 3> SubIntervals{5, 5, 5};
    int32_t LeftMargin = 0;
    int32_t RightMargin = 0;
    int32_t BottomMargin = 0;
    int32_t TopMargin = 0;
    std::array<TkLabelSettings, stored_label_kinds> LabelSettings{};
    int32_t GraphLabelDx = 0; // graph-label offsets in pixels
    int32_t GraphLabelDy = 0;
    std::array<int32_t, 3> LabelWidth{5, 5, 5}; // characters; 0 means 5, negative: no labels
    std::array<PipSettings, 3> Pips{};
    std::array<bool, 3> AxisInUse{true, true, false};
    TkColor AxisColour = 0;
    TkColor PipColour = 0;
    int32_t AxisWidth = 1;
    int32_t AxisStyle = 1;
    std::array<TkColor, 4> ExtraColour{};
    int32_t ScaleMode = 4;
    int32_t AxisType = 1; // 1 open, 2 corner, 3 boxed
    bool NiceValues = true;
    int32_t Zoom3D = 100;
    bool Fit3D = true;
    int32_t OriginPctX = 50;
    int32_t OriginPctY = 50;
    int32_t SymbolSize = 0;
    int32_t GridMode = 0; // 0 none, 1 primary, 2 primary and secondary
    TkColor GridColour = 0;
    TkColor SubGridColour = 0;
    int32_t GridWidth = 1;
    int32_t SubGridWidth = 1;
    int32_t GridStyle = 1;
    int32_t SubGridStyle = 2;
    TkColor SymbolColour = 0;
    bool UseSymbolColour = false;
    std::array<std::optional<std::string>, title_count> Titles; // references 4..7
    bool TitleRoom = false;
    int32_t ScaleType = 0; // 0 linear, 1..6 logarithmic kinds
    bool Is3D = false;
};

// What computing the scales derives from the settings; valid until the next computation.
struct EffectiveScales {
    Triple AxisMin{};
    Triple AxisMax{};
    Triple AxisOrigin{};
    Triple PipStep{};
    Triple Scale{}; // pixels per user unit (per scaled unit on a logarithmic axis)
    Triple ScaledOrigin{}; // the axis origin in scaled coordinates
    double M11 = 1, M12 = 0, M21 = 0, M22 = 1, M23 = 0;
    double OffsetX = 0;
    double OffsetY = 0;
    double Theta = 0; // the view angles the projection was made for
    double Phi = -1.5707963267948966;
    bool AllLinear = true; // the projection in force: linear on every axis
    int32_t ScaleType = 0;
    // The current point, in user coordinates and in unrounded window pixels.
    Triple CurPoint{};
    double CurWinX = 0;
    double CurWinY = 0;
    bool CurInside = false;
};

// The cell size and ascent of the font in force, which several defaults follow.
struct CellMetrics {
    int32_t width = 0;
    int32_t height = 0;
    int32_t ascent = 0;
};

// The defaults of every setting for a graph whose font has these metrics and whose style
// is `style`.
CoordinateSettings default_coordinate_settings(CellMetrics cell, StyleRecord const& style);

} // namespace kelvo
