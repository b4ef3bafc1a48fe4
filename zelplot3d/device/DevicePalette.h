// The chart's logical palette on palette devices and metafiles: every colour
// the chart can draw, pictures' colours included.
#pragma once

#include <windows.h>

struct Zel3dChart;

// Rebuilds the logical palette on palette and metafile devices.
void zel3d_build_palette(Zel3dChart* chart);
// Both null, or the same entries.
bool zel3d_palette_equal(HPALETTE a, HPALETTE b);
