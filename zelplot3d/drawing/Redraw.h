// The drawing pipeline: working views of the data, the bring-up-to-date
// step (validation, ranges, levels, layout, view), the redraw of only the
// damaged parts, and the header and footer text areas.
#pragma once

#include "chart/Chart.h"

// Fills a working view from a data set; null data builds an invalid view.
void zel3d_data_view_build(const Zel3dData* data, DataView* view);
void zel3d_data_view_free(DataView* view);
// Brings derived state (data ranges, levels, layout, view) up to date for
// the parts in `mask`.
void zel3d_bring_up_to_date(Zel3dChart* chart, int mask);
// Checks the data sets and derives the axis limits, the visible window and
// the z and distribution ranges.
void zel3d_validate_data(Zel3dChart* chart);
// Draws the parts in `mask` (with the pending damage) into `draw_dc`.
void zel3d_draw_parts(Zel3dChart* chart, int mask);
// The area rectangles the pending damage covers, united into one.
Rect zel3d_damaged_area(Zel3dChart* chart, int mask);

// Header and footer: line height and the size the text asks for.
void zel3d_measure_text_area(Zel3dChart* chart, TextArea* area, int* line_height, int* width, int* height);
void zel3d_draw_text_area(Zel3dChart* chart, TextArea* area);

// The picture behind the whole chart, drawn inside its border and clipped
// to `clip`.
void zel3d_draw_chart_image(Zel3dChart* chart, const Rect& clip);
