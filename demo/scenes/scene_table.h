#pragma once

// The demonstrations: their numbers, menu items, read-out modes and how to draw them.

#include <cstdint>
#include <span>

#include "demo/demo_state.h"

namespace kelvotour {

struct Scene {
    int32_t number;
    char const* item_name; // the menu item's object name
    char const* caption;   // "&" marks the access key
    ReadoutMode readout;
    void (*draw)(DemoState& state); // null while the demonstration is not available
};

std::span<Scene const> all_scenes();
Scene const* find_scene(int32_t number);
bool is_available(int32_t number);

// Draws the scene and records it as the one a resize repeats. False when unavailable.
bool run_scene(DemoState& state, int32_t number);

// The scenes themselves.
void draw_welcome(DemoState& state);
void draw_lines_dots_and_circles(DemoState& state);
void draw_bitmap(DemoState& state);
void draw_font_faces(DemoState& state);
void draw_font_sizes(DemoState& state);
void draw_text_justification(DemoState& state);
void draw_window_scrolling(DemoState& state);
void draw_open_axes(DemoState& state);
void draw_corner_axes(DemoState& state);
void draw_boxed_axes(DemoState& state);
void draw_no_margins(DemoState& state);
void draw_no_secondary_pips(DemoState& state);
void draw_no_nice_values(DemoState& state);
void draw_symbols_and_error_bars(DemoState& state);
void draw_titles(DemoState& state);
void draw_fractal_curves(DemoState& state);
void draw_boxed_axes_3d(DemoState& state);
void draw_random_view_angle(DemoState& state);
void draw_random_view_angle_2(DemoState& state);
void draw_animate_cube(DemoState& state);
void draw_log_log_plot(DemoState& state);
void draw_2d_curve(DemoState& state);
void draw_normal_distribution(DemoState& state);
void draw_3d_curve(DemoState& state);
void draw_histogram_2d(DemoState& state);
void draw_more_fractals(DemoState& state);
// Asks for the formula, unless it runs again after a resize; a cancelled question draws
// nothing and still makes this the current scene.
void draw_user_defined_function(DemoState& state);
void draw_revolution(DemoState& state);
void draw_contours(DemoState& state);
void draw_wire_frame(DemoState& state);
void draw_surface(DemoState& state);
void draw_large_data(DemoState& state);

} // namespace kelvotour
