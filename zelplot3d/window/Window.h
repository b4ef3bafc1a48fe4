// The chart window: attach and detach, the window procedure and the
// notifications to the owner.
#pragma once

#include "chart/Chart.h"
#include "drawing/Repaint.h"

extern const char kChartClassName[];  // "ZelChart3D8"

void zel3d_attach(Zel3dChart* chart, HWND window);
// Number of live chart windows in the process.
int zel3d_live_window_count();
