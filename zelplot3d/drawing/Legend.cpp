#include "drawing/Legend.h"

// The legend's entries are not built yet: it asks for no room and draws
// nothing, so the graph takes the whole free area.

void zel3d_legend_measure(Zel3dChart*, int* line_height, int* width, int* height) {
    *line_height = *width = *height = 0;
}

void zel3d_legend_draw(Zel3dChart*) {}
