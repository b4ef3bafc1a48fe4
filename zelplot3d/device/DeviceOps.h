// The device-operation layer: binding a chart to an operation table, and the
// Windows table, which maps the operations onto GDI.
#pragma once

#include <windows.h>

#include "chart/DeviceTable.h"

// The Windows table (patched once by zel3d_select_backend).
const DeviceOps* zel3d_windows_device_ops();
// Records `table` as the chart's bound table and copies its non-null entries
// of slots 0-31, and slot 32 always, into the operations the chart draws
// with (`zel3d_ops`). Returns the previously bound table.
const DeviceOps* zel3d_bind_device_ops(Zel3dChart* chart, const DeviceOps* table);
// The operations the chart draws with.
const DeviceOps& zel3d_ops(const Zel3dChart* chart);
// Chooses the operations for the running system; masks FP exceptions.
void zel3d_select_backend();

// Resets the current line and colour attributes (line style solid).
void zel3d_reset_device_state(DeviceState* device);
void zel3d_win_apply_pen(DeviceState* device);
void zel3d_win_apply_brush(DeviceState* device);
// Deletes the cached pen and brush (after stock objects were selected).
void zel3d_free_device_caches(DeviceState* device);
void zel3d_font_metrics(Zel3dChart* chart, FontRecord* font);
// The drawing DC is a (plain) metafile.
bool zel3d_is_metafile_dc(HDC dc);
// Selects the stock white brush, black pen and system font into a DC.
void zel3d_select_stock_objects(HDC dc);

// The shared 8x8 checkerboard stipple, made on first use.
HBITMAP zel3d_stipple_create();
void zel3d_stipple_delete();

// Mode of an image layout for an image of the given size in a box; the
// aspect (width / height, 1 when the height is 0) is written to `aspect`.
int zel3d_image_layout_mode(int layout, int image_width, int image_height, int box_width,
                            int box_height, double* aspect);

// Slot 31 of the Windows table: draws an area's picture into a box, clipped
// to the clip rectangle; 0 when there is nothing to draw.
int zel3d_win_draw_image(Zel3dChart* chart, ImageSlot* slot, int x, int y, int width, int height, int clip_x,
                         int clip_y, int clip_width, int clip_height);
