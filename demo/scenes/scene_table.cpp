#include "demo/scenes/scene_table.h"

#include <array>

namespace kelvotour {

namespace {

using enum ReadoutMode;

constexpr std::array<Scene, 32> scenes = {{
    {1, "MnuLines", "&Lines, Dots and Circles", WindowPixels, &draw_lines_dots_and_circles},
    {2, "MnuBitmap", "&Bitmap", WindowPixels, &draw_bitmap},
    {3, "MunFontfaces", "&Font Faces", WindowPixels, &draw_font_faces},
    {4, "MnuFontSizes", "Font &Sizes", WindowPixels, &draw_font_sizes},
    {5, "mnuTextjustification", "&Text Justification", WindowPixels, &draw_text_justification},
    {6, "mnuWindowscrolling", "&Window Scrolling", WindowPixels, &draw_window_scrolling},
    {7, "MunOpenAxes", "&Open Axes", UserCoordinates, &draw_open_axes},
    {8, "MnuCornerAxes", "&Corner Axes", UserCoordinates, &draw_corner_axes},
    {9, "MnuBoxedAxes", "&Boxed Axes", UserCoordinates, &draw_boxed_axes},
    {10, "MnuNoMargins", "No &Margins", UserCoordinates, &draw_no_margins},
    {11, "MnuNoSecondaryPips", "No Secondary &Pips", UserCoordinates, &draw_no_secondary_pips},
    {12, "MnuNoNiceValues", "No &Nice Values", UserCoordinates, &draw_no_nice_values},
    {13, "MnuSymbolsandErrorBars", "&Symbols and Error Bars", UserCoordinates, &draw_symbols_and_error_bars},
    {14, "MnuTitles", "&Titles", UserCoordinates, &draw_titles},
    {15, "MnuFractalCurve", "&Fractal Curves", UserCoordinates, &draw_fractal_curves},
    {16, "MnuBoxedAxes3D", "&Boxed Axes", None, &draw_boxed_axes_3d},
    {17, "MnuRandomViewAngle", "&Random View Angle", None, &draw_random_view_angle},
    {18, "MnuRandomViewAngle2", "Random View Angle &2", None, &draw_random_view_angle_2},
    {19, "MnuAnimateCube", "&Animate Cube", None, &draw_animate_cube},
    {20, "Mnu2DCurve", "&2D Curve", UserCoordinates, &draw_2d_curve},
    {21, "MnuNormalDistribution", "&Normal Distribution", UserCoordinates, &draw_normal_distribution},
    {22, "Mnu3DCurve", "&3D Curve", None, &draw_3d_curve},
    {23, "MnuRevolution", "&Revolution", None, &draw_revolution},
    {24, "MnuContours", "&Contours", UserCoordinates, &draw_contours},
    {25, "MnuWireFrame", "&Wire Frame", None, &draw_wire_frame},
    {26, "MnuSurface", "&Surface", None, &draw_surface},
    {27, "MnuHistogram2D", "&Histogram 2D", UserCoordinates, &draw_histogram_2d},
    {28, "MnuMoreFractals", "&More Fractals", None, &draw_more_fractals},
    {29, "MnuUserdefinedFunction", "&User-defined Function", UserCoordinates, &draw_user_defined_function},
    {30, "MnuLoglogplot", "&Log-log Plot", UserCoordinates, &draw_log_log_plot},
    {31, "MnuWelcome", "&Welcome", WindowPixels, &draw_welcome},
    {32, "MnuLargeData", "Large &Data", UserCoordinates, &draw_large_data},
}};

} // namespace

std::span<Scene const> all_scenes()
{
    return scenes;
}

Scene const* find_scene(int32_t number)
{
    if (number < 1 || number > static_cast<int32_t>(scenes.size()))
        return nullptr;
    return &scenes[static_cast<std::size_t>(number - 1)];
}

bool is_available(int32_t number)
{
    Scene const* scene = find_scene(number);
    return scene != nullptr && scene->draw != nullptr;
}

bool run_scene(DemoState& state, int32_t number)
{
    Scene const* scene = find_scene(number);
    if (scene == nullptr || scene->draw == nullptr)
        return false;
    scene->draw(state);
    state.CurrentScene = number;
    state.Readout = scene->readout;
    return true;
}

} // namespace kelvotour
