// The projected grid: every data point projected once per draw to device
// coordinates and flagged (hole, clipped, drawn), the mesh lines shown, and
// the side the box is seen from. Picking and markers read the same records.
#pragma once

#include "chart/Chart.h"

// A data point through the view matrix V, rounded to device pixels.
POINT zel3d_project_point(const Zel3dChart* chart, double x, double y, double z);
// The same in double precision (before rounding).
Point4 zel3d_project_exact(const Zel3dChart* chart, double x, double y, double z);

// The per-draw preparation of the plot: projection, mesh filters, view
// octant, eye cell and contour positions.
void zel3d_prepare_scene(Zel3dChart* chart);
// Builds the projection when there is none (for picking).
void zel3d_ensure_projection(Zel3dChart* chart);
// Projects the data points again into the existing records (after the view
// changed).
void zel3d_project_all(Zel3dChart* chart);
void zel3d_free_projection(Zel3dChart* chart);

// Bits 1/2 and 4/8: the eye beyond the last/first x and y positions; 0x20
// when the floor is seen from above (0x10 otherwise).
int zel3d_view_octant(const Zel3dChart* chart);

// Three device points turn counter-clockwise as seen on the screen.
bool zel3d_turns_left(const POINT& a, const POINT& b, const POINT& c);
