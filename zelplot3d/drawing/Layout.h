// Places the header, footer, legend and graph areas inside the chart's
// window. Defaulted positions and sizes are computed and written back into
// their properties, so that a read reports where the areas really are.
#pragma once

struct Zel3dChart;

void zel3d_layout_areas(Zel3dChart* chart);
