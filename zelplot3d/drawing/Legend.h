// The legend: its measure for the layout and its drawing.
#pragma once

struct Zel3dChart;

// Line height and size the legend asks for; all 0 when it is not shown.
void zel3d_legend_measure(Zel3dChart* chart, int* line_height, int* width, int* height);
void zel3d_legend_draw(Zel3dChart* chart);
