// Charts for the drawing tests: the programs' own 3D chart of a sweep's
// results, its variants per chart type, and rendering into a memory DC.
#pragma once

#include <windows.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "OwnerWindow.h"
#include "WindowHelpers.h"
#include "chart/Chart.h"
#include "device/DeviceOps.h"
#include "drawing/Redraw.h"
#include "zelplot3d.h"

namespace zel3d_test {

using testing_harness::Pixels;

// 0x00RRGGBB of a chart colour (0x00BBGGRR).
inline unsigned Rgb(int color) { return testing_harness::Rgb(COLORREF(color)); }

// The result grid of a sweep: 10 results (x 1..10) by 19 engine speeds
// (y 2..11 thousand rpm) of torque-like curves.
struct SweepGrid {
    Zel3dData* data = nullptr;
    SweepGrid() {
        data = Zel3dMakeGridData(10, 19, 1e308, 1.0, 0.5, 1.0, 2.0, 1);
        for (int i = 0; i < 10; ++i)
            for (int j = 0; j < 19; ++j) {
                double rpm = 2.0 + 0.5 * j, peak = 5.5 + 0.25 * i;
                data->grid.values[i][j] = 300.0 + 12.0 * i - 4.0 * (rpm - peak) * (rpm - peak);
            }
    }
    ~SweepGrid() { Zel3dDestroyData(data, 1); }
    SweepGrid(const SweepGrid&) = delete;
    SweepGrid& operator=(const SweepGrid&) = delete;
};

// A chart the size of a window that is not there: WIDTH and HEIGHT.
inline Zel3dChart* MakeDetachedChart(int width, int height) {
    Zel3dChart* chart = Zel3dCreate();
    zel3d::SetValues(chart, zel3d::WIDTH(width), zel3d::HEIGHT(height));
    return chart;
}

// The bitmaps a chart may draw into: the display's own format, or 32-bit
// device-independent pixels stored top row or bottom row first.
enum class Bitmap { kDisplay, kPixelsTopDown, kPixelsBottomUp };

inline HBITMAP MakeBitmap(HDC screen, int width, int height, Bitmap kind) {
    if (kind == Bitmap::kDisplay) return CreateCompatibleBitmap(screen, width, height);
    BITMAPINFO info = {};
    int rows = kind == Bitmap::kPixelsTopDown ? -height : height;
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, rows, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    return CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

// Draws the parts in `mask` with the pending damage (everything: mask 31)
// into a fresh memory DC of the chart's size and reads it.
inline Pixels DrawIntoMemory(Zel3dChart* chart, int mask, Bitmap kind = Bitmap::kDisplay) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = MakeBitmap(screen, chart->width, chart->height, kind);
    ReleaseDC(nullptr, screen);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    chart->device.front_dc = memory;
    Zel3dInitDC(chart, memory);
    zel3d_draw_parts(chart, mask);
    chart->damage_mask = 0;
    Pixels pixels = Pixels::FromDC(memory, chart->width, chart->height);
    zel3d_select_stock_objects(memory);
    chart->device.draw_dc = chart->device.front_dc = nullptr;
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return pixels;
}

inline Pixels RenderToMemory(Zel3dChart* chart, Bitmap kind = Bitmap::kDisplay) {
    return DrawIntoMemory(chart, kDamageAll, kind);
}

// Saves a picture for a person to look at: in ZEL3D_PICTURES when set,
// else in the temporary folder.
inline std::string SavePicture(const Pixels& pixels, const std::string& name) {
    char folder[MAX_PATH] = "";
    if (!GetEnvironmentVariableA("ZEL3D_PICTURES", folder, MAX_PATH)) GetTempPathA(MAX_PATH, folder);
    std::string path = std::string(folder) + "\\" + name + ".png";
    pixels.SavePng(path);
    return path;
}

// The device point of a data point.
inline POINT DeviceOf(Zel3dChart* chart, double x, double y, double z) {
    Zel3dMapResult result;
    Zel3dUnmap(chart, x, y, z, &result);
    return {result.device_x, result.device_y};
}

}  // namespace zel3d_test
