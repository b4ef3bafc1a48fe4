// Small drawing steps shared by the chart's drawing code: colours that are
// only handed to the device when they change, area colours, line styles,
// bordered rectangles and interval search.
#pragma once

#include "chart/Chart.h"

// Solid fill of this colour; skipped when the device already has it.
void zel3d_set_fill(Zel3dChart* chart, int color);
// Foreground (pen and text) colour; skipped when the device already has it.
void zel3d_set_foreground(Zel3dChart* chart, int color);
// Forgets what the device was given (the drawing DC changed).
void zel3d_forget_device_colors(Zel3dChart* chart);

// The colour a chart colour falls back to when it is automatic.
inline int zel3d_or(int color, int fallback) { return color != -1 ? color : fallback; }
// GRAPH_FOREGROUND_COLOR, or FOREGROUND_COLOR when that is automatic.
int zel3d_graph_foreground(const Zel3dChart* chart);
// GRAPH_BACKGROUND_COLOR, or BACKGROUND_COLOR when that is automatic.
int zel3d_graph_background(const Zel3dChart* chart);

// Selects the foreground of an area (by its tag); -2 selects the stipple.
void zel3d_area_foreground(Zel3dChart* chart, int tag, int color);

// The on and off lengths of a dashed line pattern (null for solid ones).
const DWORD* zel3d_dash_list(int pattern, int* count);
// Selects a line style: colour, width (below 2: thin) and dashes.
void zel3d_apply_line_style(Zel3dChart* chart, const Zel3dLineStyle* style);

// The inside of a bordered area.
Rect zel3d_inset_rect(const Rect& rect, int border, int width);
// The graph area inside its border.
Rect zel3d_graph_inner_rect(const Zel3dChart* chart);

// i with array[i] <= value < array[i+1], clamped to 0..count-2 (0 when
// count is 1 or less).
int zel3d_interval_index(double value, const double* array, int count);
