// The life of a chart object: its defaults, its release, and the module its
// window class and resources belong to.
#pragma once

#include "chart/Chart.h"

// Module handle the library's window class and resources belong to.
HINSTANCE zel3d_module();

// Defaults of every property (also run by Zel3dReinitialize).
void zel3d_set_defaults(Zel3dChart* chart);
// Frees everything the chart owns except GDI objects and its window.
void zel3d_free_chart(Zel3dChart* chart);
