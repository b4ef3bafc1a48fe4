// Contour lines and zone fills of a surface chart: the traced contour data
// of the chart (rebuilt when data, levels or contour settings change), the
// level bands and their styles, and the drawing passes that fill zones cell
// by cell, draw the lines and colour mesh lines by band.
#pragma once

#include "chart/Chart.h"

// Drops the traced contours and the computed levels, so that the next
// drawing computes them again.
void zel3d_reset_contours(Zel3dChart* chart);
// Makes sure the contour data the chart shows exist.
void zel3d_contours_ensure(Zel3dChart* chart);
// Device positions of every contour point (after the view changed).
void zel3d_project_contours(Zel3dChart* chart);

// The band of z: the index of the first computed level not below it.
int zel3d_distn_level_index(const Zel3dChart* chart, double z);
// Level index for the legend: mode < 0 the last level not above z, 0 a
// level equal to z (or -1), > 0 the first level not below z.
int zel3d_level_index_ranged(const Zel3dChart* chart, int mode, double z);

// Fill colour of a band; foreground of a band (its zone colour on colour
// devices); line style of a level (0 when the level draws no line).
void zel3d_set_zone_fill(Zel3dChart* chart, int level);
void zel3d_set_band_foreground(Zel3dChart* chart, int level);
int zel3d_set_contour_line_style(Zel3dChart* chart, int level);

// The zone pieces of grid cell (i, j); false when the cell has none.
bool zel3d_fill_cell_zones(Zel3dChart* chart, int i, int j);
// The mesh lines of cell (i, j) split and coloured by band; false when
// there is no contour data to split them.
bool zel3d_draw_cell_mesh_bands(Zel3dChart* chart, int i, int j);
// The contour segments recorded in cell (i, j).
void zel3d_draw_cell_contours(Zel3dChart* chart, int i, int j);

// The zone passes of the flat map and of the 3D view, and every contour
// line.
void zel3d_draw_zones_flat(Zel3dChart* chart);
void zel3d_draw_zones_projected(Zel3dChart* chart);
void zel3d_draw_contour_lines(Zel3dChart* chart);
