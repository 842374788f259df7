#pragma once

// The coordinate, axis and plotting state of a graph: ranges, margins, view angles, pips,
// grids, labels and titles. It is filled in by the coordinates and axes subsystem; graphs
// carry it from their opening, and the hooks below are where opening and styling reset
// it and compute the effective scales.

namespace kelvo {

struct GraphRecord;

struct CoordinateState {};

// Puts the coordinate and plotting settings back to their defaults (at open and with
// every style). Nothing to reset until the coordinate settings exist.
void reset_coordinate_defaults(GraphRecord& graph);
// Turns the settings into the effective scales. No scales exist yet, so nothing to compute.
void set_scales(GraphRecord& graph);

} // namespace kelvo
