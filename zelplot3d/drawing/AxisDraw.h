// Axis drawing: ticks, labels and titles from the annotation state, grid
// lines on the walls of the box, the filled walls and edges of the box in
// the 3D view, the frame of the flat map, and the rotation preview.
#pragma once

#include "chart/Chart.h"

void zel3d_draw_axes_3d(Zel3dChart* chart);
void zel3d_draw_axes_flat(Zel3dChart* chart);
void zel3d_draw_grid_lines(Zel3dChart* chart);
// Walls (in DATA_AREA_BACKGROUND_COLOR) and drawn edges of the 3D box.
void zel3d_draw_box(Zel3dChart* chart);
// fill 1 paints the flat data area, fill 0 outlines it.
void zel3d_draw_flat_frame(Zel3dChart* chart, int fill);
// A face of the box (0 -x, 1 +x, 2 -y, 3 +y, 4 -z, 5 +z) seen from inside.
bool zel3d_face_faces_away(const Zel3dChart* chart, int face);
// Device end points of a box edge.
void zel3d_box_edge_points(const Zel3dChart* chart, int edge, POINT* a, POINT* b);
// The wire-frame preview drawn while the chart is being turned: the last
// one is erased, then the box, a corner mark and the axis of the turn (for
// a free turn, a line from the centre to `pointer`) are drawn.
void zel3d_draw_preview_box(Zel3dChart* chart, int rotation_mode, POINT pointer);
// Forgets the last preview (the graph area was drawn over it).
void zel3d_forget_preview(Zel3dChart* chart);
