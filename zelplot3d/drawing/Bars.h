// Grids drawn as 3D bars (TYPE Bar) or as markers on the grid points (TYPE
// Scatter).
#pragma once

#include "chart/Chart.h"

// Footprint of the bar of grid point (i, j), in data units.
struct BarFootprint {
    double x0, x1, y0, y1;
};
BarFootprint zel3d_cell_bounds(const Zel3dChart* chart, int i, int j);

// Every bar of the visible window, in the back-to-front cell order.
void zel3d_draw_bars(Zel3dChart* chart);
// Every marker of the visible window, in the back-to-front cell order.
void zel3d_draw_scatter_points(Zel3dChart* chart);
