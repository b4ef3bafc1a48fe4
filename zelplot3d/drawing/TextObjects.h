// Text objects: user annotations attached to a grid point or data point
// (drawn in the plane of the data box), to a point in data coordinates, or
// to a device pixel (drawn flat, after the plot).
#pragma once

#include "chart/Chart.h"

// Resets every text object's placement and places those attached to data.
void zel3d_text_place_all(Zel3dChart* chart);
// Text objects attached to data that the plot has not drawn yet.
void zel3d_draw_remaining_texts(Zel3dChart* chart);
// Text objects attached to a pixel.
void zel3d_draw_pixel_texts(Zel3dChart* chart);
