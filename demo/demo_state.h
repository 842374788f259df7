#pragma once

// The main window's state besides its controls, and the two operations every
// demonstration uses: resetting the graph and switching the busy cursor.

#include <array>
#include <string>

#include "lib/kelvolib.h"

namespace kelvotour {

enum class ReadoutMode : int32_t { WindowPixels = 0, UserCoordinates = 1, None = 2 };
enum class Clearing { Keep, Clear };
// Whether a demonstration writes how long its drawing took: not in the gallery, whose
// pictures stay the same from run to run.
enum class Timings { Shown, Hidden };

struct Vector3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

struct DemoState {
    TkGraph GraphId = 0;
    bool FirstResize = true;
    int32_t CurrentScene = 0;
    int32_t DrawMode = 2;
    int32_t ColorStyle = 1;
    ReadoutMode Readout = ReadoutMode::WindowPixels;
    bool Busy = false;
    std::string UserFormula = "sin(x) / (1 + x)";
    TkArray FaceX = 0;
    TkArray FaceY = 0;
    TkArray FaceZ = 0;
    // The cube of the 3D demonstrations: a point until it is first moved.
    double CubeAngle = 0;
    double ViewTheta = 0;
    double ViewPhi = 0;
    Vector3 cube_centre, tangent_edge, normal_edge, binormal_edge;
    bool BoxOnly = false;
    // The graph's size when the "User-defined Function" demonstration last ran: when it runs
    // again as the current scene at another size, it is the repeat after a resize, which
    // plots the stored formula without asking for it again.
    int32_t UserFunctionWidth = 0;
    int32_t UserFunctionHeight = 0;
    Timings timings = Timings::Shown;
};

// TkDefaults and the chosen colour style; with clearing also a cleared, dispatched window.
void reset_graph(DemoState& state, Clearing clearing);
// The hourglass while busy, the arrow otherwise.
void set_busy(DemoState& state, bool on);

} // namespace kelvotour
