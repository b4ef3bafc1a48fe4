// Bringing the picture on the screen up to date: device contexts, double
// buffering in the off-screen bitmap, the palette and the repaint.
#pragma once

#include "chart/Chart.h"

// Adds `mask` to the damage and brings the picture on the screen up to
// date; every property list, text-object change and paint ends here.
int zel3d_repaint(Zel3dChart* chart, int mask);
bool zel3d_offscreen_ready(Zel3dChart* chart);
int zel3d_make_offscreen(Zel3dChart* chart);
int zel3d_resize_offscreen(Zel3dChart* chart, int width, int height);
int zel3d_realize_palette(Zel3dChart* chart, int background);
// Re-creates every font handle from its LOGFONT and empties the drawing
// layer's working font and GDI caches (after a drawing may have turned
// fonts).
void zel3d_refresh_fonts(Zel3dChart* chart);
