// The window class ZelChart2D8: paints its chart double-buffered, or onto a
// printer DC given with WM_PAINT in that DC's logical units, and tells its
// parent after each paint with the DC to draw over the chart on.
#pragma once

#include <windows.h>

#include "Chart.h"

namespace zel2d_core {

// The window's extra bytes hold its chart.
constexpr int kChartSlot = 0;

// Registers the class (global, so that any module can create its windows)
// once per process; true when it is registered.
bool RegisterChartClass(HINSTANCE instance);
void UnregisterChartClass(HINSTANCE instance);

// Draws the chart into `dc` for a window of `client` size, sends the parent
// ZEL2D_PAINTED with that DC, and leaves ZelUnmap answering in this layout
// meanwhile. `fill_window` paints the chart background over the client too.
void PaintInto(ZelChartRecord& chart, HDC dc, SIZE client, bool fill_window);

// Frees the off-screen picture.
void ReleaseOffscreen(ZelChartRecord& chart);

LRESULT CALLBACK ChartWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace zel2d_core
