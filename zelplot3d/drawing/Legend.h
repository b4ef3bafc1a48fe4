// The legend: the colours of zone and contour charts by level band, or the
// data series of scatter charts; its measure for the layout and its
// drawing.
#pragma once

#include <vector>

#include "zelplot3d.h"

// Line height and size the legend asks for; all 0 when it is not shown.
void zel3d_legend_measure(Zel3dChart* chart, int* line_height, int* width, int* height);
void zel3d_legend_draw(Zel3dChart* chart);
// The levels of the entries the legend lists, first to last.
std::vector<double> zel3d_legend_levels(Zel3dChart* chart);
// The entry of a box or line-sample legend under a device point: its index
// into row (0 into column), and 1; 0 and nothing written elsewhere.
int zel3d_legend_pick(Zel3dChart* chart, int x, int y, Zel3dPickResult* result);
