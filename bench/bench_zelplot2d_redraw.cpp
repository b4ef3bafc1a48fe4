// Redraws per second of the 2D chart into an 800 x 600 memory DC, as a
// window repaint draws it: a 19-point chart of 4 curves with symbols,
// legend, grid and a second axis, and a 300-point chart of 4 curves.
#include <windows.h>

#include <chrono>
#include <cmath>
#include <cstdio>

#include "BenchTiming.h"
#include "Window.h"
#include "zelplot2d.h"

namespace {

struct Scene {
    ZELCHART chart = ZelCreate();
    ZELDATA data = nullptr;
    ZELDATA data2 = nullptr;
    const char* legend[5] = {"Power", "Torque", "Power 2", "Torque 2", nullptr};

    explicit Scene(int points) {
        data = ZelDataCreate(ZEL2D_DATA_OWN_X, 4, points);
        data2 = ZelDataCreate(ZEL2D_DATA_OWN_X, 1, points);
        for (int s = 0; s < 4; ++s) {
            for (int i = 0; i < points; ++i) {
                const double rpm = 2000 + 9000.0 * i / (points - 1);
                ZelDataSetXElement(data, s, i, rpm);
                ZelDataSetYElement(data, s, i, 100 + 50 * s + 300 * std::sin(rpm / 4000.0));
                if (s == 0) {
                    ZelDataSetXElement(data2, 0, i, rpm);
                    ZelDataSetYElement(data2, 0, i, 80 + 20 * std::cos(rpm / 3000.0));
                }
            }
            ZelStyle style = {ZEL2D_LINE_SOLID, 0, 0x0000FF, 1, s == 0 ? 1 : s + 2, 0x800000, 5};
            ZelSetNthDataStyle(chart, s, &style);
        }
        zel2d::SetValues(chart, zel2d::DATA(data), zel2d::DATA2(data2), zel2d::Y2_AXIS_SHOW(1),
                         zel2d::LEGEND_TEXTS(legend), zel2d::X_AUTO_MIN(1), zel2d::X_AUTO_MAX(1), zel2d::Y_AUTO_MIN(1),
                         zel2d::Y_AUTO_MAX(1), zel2d::Y2_AUTO_MIN(1), zel2d::Y2_AUTO_MAX(1), zel2d::Y_GRID(1),
                         zel2d::Y2_GRID(1), zel2d::X_TITLE("Engine Speed (RPM)"), zel2d::Y_TITLE("Power (HP)"),
                         zel2d::Y2_TITLE("Volumetric Eff.(%)"), zel2d::LEGEND_X(250), zel2d::LEGEND_Y(570),
                         zel2d::GRAPH_HEIGHT(560));
    }
    ~Scene() {
        ZelDestroy(chart);
        ZelDataDestroy(data);
        ZelDataDestroy(data2);
    }
};

double RedrawsPerSecond(int points) {
    Scene scene(points);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 800, 600);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(memory, bitmap);
    const double rate = bench::MedianOf(5, [&] {
        return bench::RunsPerSecond([&] { zel2d_core::PaintInto(*scene.chart, memory, SIZE{800, 600}, true); },
                                    std::chrono::milliseconds(400));
    });
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return rate;
}

}  // namespace

int main() {
    for (int points : {19, 300}) {
        const double rate = RedrawsPerSecond(points);
        std::printf("%3d points x 4 curves, 800 x 600: %8.0f redraws/s  %.3f ms each\n", points, rate, 1000.0 / rate);
    }
    return 0;
}
