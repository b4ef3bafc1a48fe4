// Borders of the chart's framed areas, composed of raised, sunken and plain
// bands.
#pragma once

#include "chart/Chart.h"
#include "kernel/ColorShades.h"

// Border styles (BORDER and its siblings).
enum BorderStyle { kBorderNone = 0, kBorder3dOut = 1, kBorder3dIn = 2, kBorderShadow = 3, kBorderPlain = 4,
                   kBorderEtchedIn = 5, kBorderEtchedOut = 6, kBorderFrameIn = 7, kBorderFrameOut = 8,
                   kBorderBevel = 9 };

// Draws a border inside (x, y, width, height), occupying its outer
// `border_width` pixels; `record` gives the area colour and its shades.
void zel3d_draw_border(Zel3dChart* chart, int x, int y, int width, int height, int style, int border_width,
                       ColorRecord* record, int foreground);

// The border of the whole chart (BORDER, BORDER_WIDTH).
void zel3d_draw_chart_border(Zel3dChart* chart);
