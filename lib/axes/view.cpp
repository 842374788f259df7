#include "lib/axes/view.h"

#include <cmath>
#include <numbers>

namespace kelvo {

void set_view_angles(GraphRecord& graph, double theta, double phi)
{
    // No picture can be seen from an angle that is not a number: the view stays as it was.
    if (!std::isfinite(theta) || !std::isfinite(phi))
        return;
    CoordinateSettings& c = graph.coordinates;
    c.Theta = theta;
    c.Phi = phi;
    c.Is3D = std::fabs(theta) > flat_view_tilt;
    c.AxisInUse = {true, true, c.Is3D};
}

void set_view_2d(GraphRecord& graph)
{
    CoordinateSettings& c = graph.coordinates;
    c.Theta = 0;
    c.Phi = -std::numbers::pi / 2;
    c.ZPlane = 0;
    c.Is3D = false;
    c.AxisInUse = {true, true, false};
}

void set_view_3d(GraphRecord& graph)
{
    CoordinateSettings& c = graph.coordinates;
    c.Theta = std::numbers::pi / 3;
    c.Phi = -5 * std::numbers::pi / 12;
    c.Is3D = true;
    c.AxisInUse = {true, true, true};
}

void reset_to_2d_view(GraphRecord& graph)
{
    set_view_2d(graph);
}

void ensure_3d_view(GraphRecord& graph)
{
    if (!graph.coordinates.Is3D)
        set_view_3d(graph);
}

TkActualZoom actual_zoom(GraphRecord const& graph)
{
    EffectiveScales const& s = graph.scales;
    return {s.AxisMin[0], s.AxisMax[0], s.AxisOrigin[0], s.AxisMin[1], s.AxisMax[1], s.AxisOrigin[1],
            s.AxisMin[2], s.AxisMax[2], s.AxisOrigin[2], s.Theta, s.Phi};
}

} // namespace kelvo
