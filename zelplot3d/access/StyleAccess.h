// One contour style of a chart read or replaced by index, either among the
// styles or by contour level.
#pragma once

#include "chart/Chart.h"

// Copy of one style (shared buffer, valid until the next call) or null.
const Zel3dContourStyle* get_cstyle(Zel3dChart* chart, int index, int by_level);
// Replaces one style; repaints when the change is visible.
void set_cstyle(Zel3dChart* chart, int index, const Zel3dContourStyle* style, int by_level);
