// Redraws of the 3D chart: a shaded surface with mesh lines of 50 x 50,
// 100 x 100 and 200 x 200 points drawn whole into an 800 x 600 picture, the
// way the chart window draws (a 32-bit off-screen bitmap whose pixels the
// cells are written into) and through the device operations alone (a
// display-compatible bitmap), and one rotation step (a new z rotation, the
// graph drawn again). Beside them, when gnuplot is installed on the host,
// gnuplot's png terminal drawing the same surface (pm3d, depth-ordered, with
// border lines) at the same size, timed inside gnuplot. Medians of several
// repeats. Needs a display (Xvfb) and Wine's access to the host's /bin/sh.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "BenchTiming.h"
#include "HostCommand.h"
#include "chart/Chart.h"
#include "drawing/Redraw.h"
#include "zelplot3d.h"

namespace {

constexpr int kRepeats = 7;
constexpr std::chrono::milliseconds kRepeatTime(400);
constexpr int kWidth = 800, kHeight = 600;

double Surface(double x, double y) { return std::sin(x) * std::cos(y) + 0.2 * x; }

Zel3dData* MakeSurface(int n) {
    Zel3dData* data = Zel3dMakeGridData(n, n, 1e308, 1.0, 1.0, 0.0, 0.0, 1);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            double x = 6.0 * i / (n - 1) - 3.0, y = 6.0 * j / (n - 1) - 3.0;
            data->grid.values[i][j] = Surface(x, y);
        }
    return data;
}

enum class Target { kPixels, kDeviceOps };

// A chart drawing into its own memory DC.
class MemoryChart {
public:
    MemoryChart(Zel3dData* data, Target target) {
        HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        if (target == Target::kPixels) {
            BITMAPINFO info = {};
            info.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
            void* bits = nullptr;
            bitmap_ = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        } else {
            bitmap_ = CreateCompatibleBitmap(screen, kWidth, kHeight);
        }
        ReleaseDC(nullptr, screen);
        previous_ = SelectObject(dc_, bitmap_);
        chart_ = Zel3dCreate();
        zel3d::SetValues(chart_, zel3d::WIDTH(kWidth), zel3d::HEIGHT(kHeight),
                         zel3d::DRAW_SHADED(1), zel3d::SURFACE_TOP_COLOR(0x000080),
                         zel3d::SURFACE_DATA(data), zel3d::XGRID_LINES(3), zel3d::YGRID_LINES(5),
                         zel3d::ZGRID_LINES(6));
        chart_->device.front_dc = dc_;
        Zel3dInitDC(chart_, dc_);
    }
    ~MemoryChart() {
        chart_->device.draw_dc = chart_->device.front_dc = nullptr;
        Zel3dDestroy(chart_);
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }

    void Draw(int mask) {
        Zel3dInitDC(chart_, dc_);
        zel3d_draw_parts(chart_, mask);
        chart_->damage_mask = 0;
    }
    void Rotate() {
        rotation_ += 5.0;
        zel3d::SetValues(chart_, zel3d::ZROTATION(rotation_));
        Draw(0);
    }

private:
    Zel3dChart* chart_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
    double rotation_ = 45.0;
};

// gnuplot's milliseconds per 800 x 600 png frame of the n x n surface
// (median of `kRepeats` batches); 0 when gnuplot is not installed, -1 when
// it failed.
double GnuplotFrameMs(int n, const std::string& folder) {
    {
        std::ofstream data(testing_harness::WindowsPathOf(folder + "/surface.dat"));
        for (int i = 0; i < n; ++i) {
            for (int j = 0; j < n; ++j) {
                double x = 6.0 * i / (n - 1) - 3.0, y = 6.0 * j / (n - 1) - 3.0;
                data << i << ' ' << j << ' ' << Surface(x, y) << '\n';
            }
            data << '\n';
        }
        int frames = n <= 50 ? 40 : n <= 100 ? 16 : 8;
        // gnuplot is timed by the clock ours is: its wall time, or the
        // processor time its process got (from the host's process table).
        const char* clock = bench::TimesByThreadProcessorTime()
                                ? "real(system(\"awk '{print ($14+$15)/'$(getconf CLK_TCK)'}' "
                                  "/proc/$PPID/stat\"))"
                                : "time(0.0)";
        std::ofstream script(testing_harness::WindowsPathOf(folder + "/frames.gp"));
        script << "set terminal png size " << kWidth << "," << kHeight << "\n"
               << "set pm3d depthorder border lw 1 lc rgb 'black'\n"
               << "unset colorbox\nset view 60,45\n"
               << "set print '" << folder << "/times.txt'\n"
               << "do for [r=1:" << kRepeats << "] {\n"
               << "  t0 = " << clock << "\n"
               << "  do for [k=1:" << frames << "] {\n"
               << "    set output '" << folder << "/frame.png'\n"
               << "    splot '" << folder << "/surface.dat' with pm3d notitle\n"
               << "    unset output\n"
               << "  }\n"
               << "  print (" << clock << " - t0) * 1000.0 / " << frames << "\n"
               << "}\n";
    }
    std::string command = "if command -v gnuplot >/dev/null 2>&1; then gnuplot '" + folder +
                          "/frames.gp' >/dev/null 2>&1 || echo failed > '" + folder +
                          "/times.txt'; else echo absent > '" + folder + "/times.txt'; fi";
    if (!testing_harness::RunHostCommand(command, 600000).finished) return -1;
    std::ifstream times(testing_harness::WindowsPathOf(folder + "/times.txt"));
    std::string first;
    std::vector<double> values;
    while (times >> first) {
        if (first == "absent") return 0;
        try {
            values.push_back(std::stod(first));
        } catch (...) {
            return -1;
        }
    }
    if (values.empty()) return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A fresh folder for gnuplot's files, shared with the host; empty when
// there is none.
std::string HostFolder(int n) {
    std::string scratch = testing_harness::HostScratchDir();
    if (scratch.empty()) return "";
    std::string folder = scratch + "/bench_zelplot3d_gnuplot_" + std::to_string(GetCurrentProcessId()) + "_" +
                         std::to_string(n);
    CreateDirectoryA(testing_harness::WindowsPathOf(folder).c_str(), nullptr);
    return folder;
}

}  // namespace

int main() {
    std::printf("bench_zelplot3d_redraw: shaded surface with mesh, %d x %d, median of %d repeats of %d ms (%s)\n", kWidth,
                kHeight, kRepeats, int(kRepeatTime.count()), bench::ClockNote());
    std::printf("%-9s | %-26s | %-26s | %-14s | %-17s | %s\n", "points", "full redraw, pixels",
                "full redraw, device ops", "rotation step", "gnuplot png frame", "gnuplot / ours");
    for (int n : {50, 100, 200}) {
        Zel3dData* data = MakeSurface(n);
        double pixels = 0, ops = 0, rotation = 0;
        {
            MemoryChart chart(data, Target::kPixels);
            pixels = bench::MedianOf(kRepeats, [&] {
                return bench::RunsPerSecond([&] { chart.Draw(kDamageAll); }, kRepeatTime);
            });
            rotation = bench::MedianOf(kRepeats, [&] {
                return bench::RunsPerSecond([&] { chart.Rotate(); }, kRepeatTime);
            });
        }
        {
            MemoryChart chart(data, Target::kDeviceOps);
            ops = bench::MedianOf(kRepeats, [&] {
                return bench::RunsPerSecond([&] { chart.Draw(kDamageAll); }, kRepeatTime);
            });
        }
        Zel3dDestroyData(data, 1);
        double ours = 1000.0 / pixels;
        std::string folder = HostFolder(n);
        double gnuplot = folder.empty() ? -1 : GnuplotFrameMs(n, folder);
        char gnuplot_text[64], ratio_text[64];
        if (gnuplot > 0) {
            std::snprintf(gnuplot_text, sizeof gnuplot_text, "%7.2f ms", gnuplot);
            std::snprintf(ratio_text, sizeof ratio_text, "%5.1fx", gnuplot / ours);
        } else {
            std::snprintf(gnuplot_text, sizeof gnuplot_text, "%s", gnuplot == 0 ? "not installed" : "failed");
            std::snprintf(ratio_text, sizeof ratio_text, "-");
        }
        std::printf("%3d x %3d | %7.2f ms (%6.1f per s) | %7.2f ms (%6.1f per s) | %7.2f ms     | %-17s | %s\n", n,
                    n, ours, pixels, 1000.0 / ops, ops, 1000.0 / rotation, gnuplot_text, ratio_text);
        std::fflush(stdout);
    }
    return 0;
}
