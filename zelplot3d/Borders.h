// Borders of the chart's framed areas, composed of raised, sunken and plain
// bands, and the light and dark shades of an area colour those bands use.
#pragma once

#include "Chart.h"

// Border styles (BORDER and its siblings).
enum BorderStyle { kBorderNone = 0, kBorder3dOut = 1, kBorder3dIn = 2, kBorderShadow = 3, kBorderPlain = 4,
                   kBorderEtchedIn = 5, kBorderEtchedOut = 6, kBorderFrameIn = 7, kBorderFrameOut = 8,
                   kBorderBevel = 9 };

// Hue in whole degrees 0-359, saturation and value in whole percent, red,
// green and blue 0-255.
void zel3d_rgb_to_hsv(int r, int g, int b, int* hue, int* saturation, int* value);
void zel3d_hsv_to_rgb(int hue, int saturation, int value, int* r, int* g, int* b);

// Computes the record's missing shades (stored as -1) and returns the dark
// one.
int zel3d_border_shades(ColorRecord* record);

// Draws a border inside (x, y, width, height), occupying its outer
// `border_width` pixels; `record` gives the area colour and its shades.
void zel3d_draw_border(Zel3dChart* chart, int x, int y, int width, int height, int style, int border_width,
                       ColorRecord* record, int foreground);

// The border of the whole chart (BORDER, BORDER_WIDTH).
void zel3d_draw_chart_border(Zel3dChart* chart);
