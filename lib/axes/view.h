#pragma once

// The view: a 2D picture, or a parallel projection of a 3D box seen from two angles. Theta
// tilts the line of sight away from the z axis; phi turns the picture about it.

#include "lib/graph/graph_record.h"

namespace kelvo {

// Beyond this tilt the view is 3D.
inline constexpr double flat_view_tilt = 0.0001;

// Angles that are not finite change nothing.
void set_view_angles(GraphRecord& graph, double theta, double phi);
// Theta 0, phi -pi/2, ZPlane 0; axes x and y in use.
void set_view_2d(GraphRecord& graph);
// Theta pi/3, phi -5 pi/12; axes x, y and z in use; ZPlane unchanged.
void set_view_3d(GraphRecord& graph);
// For plotting: as set_view_2d, and as set_view_3d only when the view is not 3D already,
// so that angles the caller chose are kept.
void reset_to_2d_view(GraphRecord& graph);
void ensure_3d_view(GraphRecord& graph);

// The effective ranges and origin of the last computation of the scales, and the angles.
TkActualZoom actual_zoom(GraphRecord const& graph);

} // namespace kelvo
