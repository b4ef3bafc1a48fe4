// Helpers of the drawing tests: a chart drawn into a memory DC, pictures
// saved for a person to look at, and pixel searches.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "Chart.h"
#include "Layout.h"
#include "WindowHelpers.h"
#include "Window.h"
#include "zelplot2d.h"

namespace zel2d_test {

using testing_harness::Pixels;
using testing_harness::Rgb;

struct ChartDeleter {
    void operator()(ZelChartRecord* chart) const { ZelDestroy(chart); }
};
struct DataDeleter {
    void operator()(ZelDataRecord* data) const { ZelDataDestroy(data); }
};
struct AreaDeleter {
    void operator()(ZelTextAreaRecord* area) const { ZelTextAreaDestroy(area); }
};
using Chart = std::unique_ptr<ZelChartRecord, ChartDeleter>;
using Data = std::unique_ptr<ZelDataRecord, DataDeleter>;
using Area = std::unique_ptr<ZelTextAreaRecord, AreaDeleter>;

// The chart as its window would show it at this size.
inline Pixels DrawIntoMemory(ZELCHART chart, int width, int height) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    zel2d_core::PaintInto(*chart, memory, SIZE{width, height}, true);
    Pixels pixels = Pixels::FromDC(memory, width, height);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return pixels;
}

// Saves a picture in ZEL2D_PICTURES when set, else in the temporary folder.
inline std::string SavePicture(const Pixels& pixels, const std::string& name) {
    char folder[MAX_PATH] = "";
    if (!GetEnvironmentVariableA("ZEL2D_PICTURES", folder, MAX_PATH)) GetTempPathA(MAX_PATH, folder);
    const std::string path = std::string(folder) + "\\" + name + ".png";
    pixels.SavePng(path);
    return path;
}

inline POINT PixelOf(ZELCHART chart, double x, double y, int axis = 1) {
    POINT p = {-1, -1};
    ZelUnmap(chart, axis, x, y, &p);
    return p;
}

// Pixels that are not this background colour inside a rectangle.
inline int CountOther(const Pixels& pixels, unsigned background, RECT area) {
    int count = 0;
    for (LONG y = std::max(0L, area.top); y < std::min(LONG(pixels.height()), area.bottom); ++y)
        for (LONG x = std::max(0L, area.left); x < std::min(LONG(pixels.width()), area.right); ++x)
            count += pixels.At(x, y) != background;
    return count;
}

// Whether a colour appears within `radius` pixels of a point.
inline bool Near(const Pixels& pixels, POINT p, unsigned rgb, int radius = 1) {
    RECT area = {p.x - radius, p.y - radius, p.x + radius + 1, p.y + radius + 1};
    return pixels.Count(rgb, &area) > 0;
}

// The plot rectangle of the current layout.
inline RECT PlotOf(ZELCHART chart) { return zel2d_core::CurrentLayout(*chart).plot; }

}  // namespace zel2d_test
