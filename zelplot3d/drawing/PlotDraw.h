// The graph area of a chart: background, picture and border, then the data.
// A 3D chart is painted back to front: grid cells are visited in an order
// set by where the eye stands, each painted completely (fill, mesh lines,
// zone colours, contour segments) before the next nearer one; holes leave
// gaps, solid surfaces get walls and a base, and contours and zones may be
// projected onto the floor and the ceiling of the box. Otherwise the data is
// drawn as a flat contour or zone map.
#pragma once

#include <functional>

#include "chart/Chart.h"

// Drawing passes.
enum PassBits { kPassMesh = 1, kPassShaded = 2, kPassZones = 4, kPassContours = 8 };

void zel3d_draw_plot(Zel3dChart* chart);
// The graph area's background, picture and border; the clip is left set to
// its inside.
void zel3d_draw_graph_area(Zel3dChart* chart);

// The eye's cell and the limits of the cell walk (set by the scene
// preparation).
void zel3d_eye_cell(Zel3dChart* chart);

// Visits the cells (bars, points) of the walk limits back to front, each with
// its order code: the four quadrants from their far corners towards the eye,
// then the strips through the eye's cell, then that cell.
void zel3d_visit_cells_in_order(const Zel3dChart* chart, const std::function<void(int, int, int)>& visit);

// The back-to-front walk over the grid cells.
void zel3d_walk_cells(Zel3dChart* chart);

// The twelve edges of the data box that the axes leave drawn.
void zel3d_draw_box_edges(Zel3dChart* chart);

// Signed area of a device polygon (negative: seen from below).
double zel3d_signed_area(const POINT* points, int count);
