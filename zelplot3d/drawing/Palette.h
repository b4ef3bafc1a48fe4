// The library-wide automatic colours and the per-point colours XY_COLORS;
// the chart's logical palette itself is built by the device layer.
#pragma once

#include "device/DevicePalette.h"
#include "zelplot3d.h"

struct Zel3dChart;

// Once per process: the default data styles for the device depth and the
// default line style.
void zel3d_init_auto_colors(Zel3dChart* chart);
// The default data styles chosen by zel3d_init_auto_colors.
const Zel3dDataStyle* zel3d_auto_data_styles();
// The colour XY_COLORS gives grid point (x, y); -1 when none.
int zel3d_xy_color(const Zel3dChart* chart, int x, int y);
// The XY_COLORS entry that decides grid point (x, y) (the last that
// matches); null when none does.
const Zel3dXYColor* zel3d_xy_color_entry(const Zel3dChart* chart, int x, int y);
// The number of colours the chart's palette may need: one per XY_COLORS
// entry, four per text object, two per data style and per contour level,
// and 35 for the fixed colours.
int zel3d_palette_size_estimate(const Zel3dChart* chart);
