// View fitting: the chart's rotation, perspective and scales become the
// matrices every drawing step uses, with the projected box and its
// annotation fitted into the graph area; and the hit questions of the
// interface: the data under a device point (map), the data point nearest
// to it (pick), and their inverses.
#pragma once

#include "chart/Chart.h"

// Rebuilds every matrix of the view.
void zel3d_fit_view(Zel3dChart* chart);
// V = D P R N again after one of them changed.
void zel3d_recompose_view(Zel3dChart* chart);

// Applies a zoom and a shift to a view rectangle {x, y, width, height}.
void zel3d_view_pan_zoom(double view[4], double factor, double dx, double dy);

// The region of a device point: graph, legend, header, footer or none.
int zel3d_hit_region(const Zel3dChart* chart, int x, int y);

int zel3d_map(Zel3dChart* chart, int x, int y, Zel3dMapResult* out);
int zel3d_pick(Zel3dChart* chart, int x, int y, Zel3dPickResult* out);
void zel3d_unmap(Zel3dChart* chart, double x, double y, double z, Zel3dMapResult* out);
void zel3d_unpick(Zel3dChart* chart, int row, int column, Zel3dPickResult* out);

// Bilinear z of the surface's grid cell (i, j) at (x, y).
double zel3d_interpolate_cell(const Zel3dChart* chart, int i, int j, double x, double y);
// The projected point nearest a device point (not a hole, not clipped,
// inside the graph area); ties go to the later point.
bool zel3d_nearest_point(Zel3dChart* chart, int x, int y, int* row, int* column, double* squared_distance);
