#pragma once

// Surfaces of revolution: a profile r(z) turned about the z axis, drawn as parallels (the
// circles of its points), as an edge-coloured wire frame, or with hidden lines removed over
// one half of each circle and the other half mirrored.

#include <cstdint>

#include "lib/graph/graph_record.h"
#include "lib/kelvolib.h"

namespace kelvo {

// Styles: 0 and 2 parallels, 3 wire frame, 4 hidden-line, 5 hidden-line that shows only
// what lies left of everything already drawn in a row (the mirror adds the right half).
inline constexpr uint8_t parallels_style = 0;
inline constexpr uint8_t parallels_style_too = 2;
inline constexpr uint8_t revolution_wire_frame_style = 3;
inline constexpr uint8_t revolution_hidden_line_style = 4;
inline constexpr uint8_t revolution_one_sided_style = 5;

// A drawing walks the profile's points round their circles; more points than this in all
// (N (NAngles + 1)) are refused as bad data rather than left to run for minutes.
inline constexpr int64_t revolution_point_limit = 10'000'000;

struct Profile {
    double const* z = nullptr;      // along the axis, non-decreasing
    double const* radius = nullptr; // signed
    int32_t count = 0;
};

struct RevolutionRequest {
    int32_t angles = 0; // steps round each circle
    uint8_t style = 0;
    TkColor upper_colour = 0;
    TkColor lower_colour = 0;
    uint8_t option = 0;
};

// Checks the request and the profile, sets the 3D view and symmetric ranges under options 1
// and 3, draws the axes under options 2 and 3, then the surface by its style; failures go
// to the error state. Nothing is done when the error state is already set.
//
// The hidden-line drawing pins projected rows to the window, where its horizon has
// entries: a surface reaching beyond the window's top or bottom edge is drawn flattened
// against it there.
void draw_revolution(GraphRecord& graph, Profile const& profile, RevolutionRequest const& request);

} // namespace kelvo
