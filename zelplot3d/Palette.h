// The chart's logical palette on palette devices and metafiles (every
// colour the chart can draw), the library-wide automatic colours, and the
// per-point colours XY_COLORS.
#pragma once

#include "zelplot3d.h"

struct Zel3dChart;

// Once per process: the default data styles for the device depth and the
// default line style.
void zel3d_init_auto_colors(Zel3dChart* chart);
// The default data styles chosen by zel3d_init_auto_colors.
const Zel3dDataStyle* zel3d_auto_data_styles();
// Rebuilds the logical palette on palette and metafile devices.
void zel3d_build_palette(Zel3dChart* chart);
// Both null, or the same entries.
bool zel3d_palette_equal(HPALETTE a, HPALETTE b);
// The colour XY_COLORS gives grid point (x, y); -1 when none.
int zel3d_xy_color(const Zel3dChart* chart, int x, int y);
