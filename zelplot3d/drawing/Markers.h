// Markers of point data (and of grid points in scatter charts): sixteen
// symbol shapes, drop lines to the base of the box, and the far-to-near
// drawing of point data.
#pragma once

#include "chart/Chart.h"

// Symbol shapes.
enum Symbol { kSymbolNone = 1, kSymbolDot, kSymbolBox, kSymbolTri, kSymbolDiamond, kSymbolStar, kSymbolVertLine,
              kSymbolHorizLine, kSymbolCross, kSymbolCircle, kSymbolSquare, kSymbolInvertTri, kSymbolDiagCross,
              kSymbolOpenTri, kSymbolOpenDiamond, kSymbolOpenInvertTri };

// The data style series `index` draws with.
// One symbol of `size` pixels centred at (x, y), in the current colours.
void zel3d_draw_symbol(Zel3dChart* chart, int symbol, int size, int x, int y);
// One marker and its drop line; marks the point drawn.
void zel3d_draw_point(Zel3dChart* chart, const Zel3dDataStyle& style, ProjectedPoint* point, double x, double y,
                      double z);
void zel3d_draw_point_series(Zel3dChart* chart);
void zel3d_draw_grid_points(Zel3dChart* chart);
// Point data drawn far to near.
void zel3d_draw_points_sorted(Zel3dChart* chart);
