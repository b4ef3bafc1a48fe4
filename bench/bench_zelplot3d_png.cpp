// PNG exports per second of an 800 x 600 chart (a shaded 50 x 50 surface
// with mesh lines): into memory and into a file, each with the render of
// the chart it starts from, beside the render alone (the bitmap-file image
// in memory). The median of several repeats, each running for a fixed time.
// Needs a display (Xvfb).
#include <windows.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "BenchTiming.h"
#include "zelplot3d.h"

namespace {

constexpr int kRepeats = 7;
constexpr std::chrono::milliseconds kRepeatTime(500);
constexpr int kWidth = 800, kHeight = 600, kPoints = 50;

Zel3dData* MakeSurface(int n) {
    Zel3dData* data = Zel3dMakeGridData(n, n, 1e308, 1.0, 1.0, 0.0, 0.0, 1);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            double x = 6.0 * i / (n - 1) - 3.0, y = 6.0 * j / (n - 1) - 3.0;
            data->grid.values[i][j] = std::sin(x) * std::cos(y) + 0.2 * x;
        }
    return data;
}

double Median(const char* what, double per_second) {
    std::printf("%-34s %7.1f per second (%6.2f ms)\n", what, per_second, 1000.0 / per_second);
    return per_second;
}

}  // namespace

int main() {
    std::printf(
        "bench_zelplot3d_png: %d x %d chart, shaded %d x %d surface with mesh, median of %d "
        "repeats "
        "of %d ms\n",
        kWidth, kHeight, kPoints, kPoints, kRepeats, int(kRepeatTime.count()));
    Zel3dData* data = MakeSurface(kPoints);
    Zel3dChart* chart = Zel3dCreate();
    zel3d::SetValues(chart, zel3d::WIDTH(kWidth), zel3d::HEIGHT(kHeight), zel3d::DRAW_SHADED(1),
                     zel3d::SURFACE_TOP_COLOR(0x000080), zel3d::SURFACE_DATA(data),
                     zel3d::XGRID_LINES(3), zel3d::YGRID_LINES(5), zel3d::ZGRID_LINES(6));
    int png_bytes = Zel3dSaveImageAsPngBytes(chart, nullptr, 0, 0);
    int bmp_bytes = Zel3dSaveImageAsDibBytes(chart, nullptr, 0);
    if (png_bytes <= 0 || bmp_bytes <= 0) {
        std::printf("the chart could not be rendered (no display?)\n");
        return 1;
    }
    std::printf("PNG stream %d bytes, bitmap-file image %d bytes\n", png_bytes, bmp_bytes);
    std::vector<unsigned char> png(size_t(png_bytes) + 4096);
    std::vector<unsigned char> bmp(static_cast<size_t>(bmp_bytes));

    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    std::string path = std::string(folder) + "bench_zelplot3d.png";
    auto measure = [&](auto work) {
        return bench::MedianOf(kRepeats, [&] { return bench::RunsPerSecond(work, kRepeatTime); });
    };
    double render =
        Median("render alone (bitmap in memory):",
               measure([&] { Zel3dSaveImageAsDibBytes(chart, bmp.data(), int(bmp.size())); }));
    double memory =
        Median("PNG into memory:",
               measure([&] { Zel3dSaveImageAsPngBytes(chart, png.data(), int(png.size()), 0); }));
    Median("PNG into a file:", measure([&] { Zel3dSaveImageAsPng(chart, path.c_str(), 0); }));
    Median("PNG into memory, Adam7:",
           measure([&] { Zel3dSaveImageAsPngBytes(chart, png.data(), int(png.size()), 1); }));
    std::printf("encoding share of a PNG export into memory: %.0f %%\n",
                100.0 * (1.0 - memory / render));
    DeleteFileA(path.c_str());
    Zel3dDestroy(chart);
    Zel3dDestroyData(data, 1);
    return 0;
}
