// Redraws per second of the 3D chart: a shaded surface with mesh lines of
// 50 x 50 and 200 x 200 points drawn whole into an 800 x 600 memory DC, and
// one rotation step (a new z rotation, the graph drawn again). The median of
// several repeats, each running for a fixed time. Needs a display (Xvfb).
#include <windows.h>

#include <chrono>
#include <cmath>
#include <cstdio>

#include "BenchTiming.h"
#include "chart/Chart.h"
#include "drawing/Redraw.h"
#include "zelplot3d.h"

namespace {

constexpr int kRepeats = 7;
constexpr std::chrono::milliseconds kRepeatTime(400);
constexpr int kWidth = 800, kHeight = 600;

Zel3dData* MakeSurface(int n) {
    Zel3dData* data = Zel3dMakeGridData(n, n, 1e308, 1.0, 1.0, 0.0, 0.0, 1);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            double x = 6.0 * i / (n - 1) - 3.0, y = 6.0 * j / (n - 1) - 3.0;
            data->grid.values[i][j] = std::sin(x) * std::cos(y) + 0.2 * x;
        }
    return data;
}

// A chart drawing into its own memory DC.
class MemoryChart {
public:
    explicit MemoryChart(Zel3dData* data) {
        HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, kWidth, kHeight);
        ReleaseDC(nullptr, screen);
        previous_ = SelectObject(dc_, bitmap_);
        chart_ = Zel3dCreate();
        zel3d::SetValues(chart_, zel3d::WIDTH(kWidth), zel3d::HEIGHT(kHeight),
                         zel3d::DRAW_SHADED(1), zel3d::SURFACE_TOP_COLOR(0x000080),
                         zel3d::SURFACE_DATA(data), zel3d::XGRID_LINES(3), zel3d::YGRID_LINES(5),
                         zel3d::ZGRID_LINES(6));
        chart_->front_dc = dc_;
        Zel3dInitDC(chart_, dc_);
    }
    ~MemoryChart() {
        chart_->draw_dc = chart_->front_dc = nullptr;
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

}  // namespace

int main() {
    std::printf("bench_zelplot3d_redraw: shaded surface with mesh into an %d x %d memory DC, "
                "median of %d repeats of %d ms\n",
                kWidth, kHeight, kRepeats, int(kRepeatTime.count()));
    for (int n : {50, 200}) {
        Zel3dData* data = MakeSurface(n);
        {
            MemoryChart chart(data);
            double full = bench::MedianOf(kRepeats, [&] {
                return bench::RunsPerSecond([&] { chart.Draw(kDamageAll); }, kRepeatTime);
            });
            double rotation = bench::MedianOf(kRepeats, [&] {
                return bench::RunsPerSecond([&] { chart.Rotate(); }, kRepeatTime);
            });
            std::printf("%3d x %3d points: %7.1f full redraws per second (%6.2f ms), %7.1f rotation steps per "
                        "second (%6.2f ms)\n",
                        n, n, full, 1000.0 / full, rotation, 1000.0 / rotation);
        }
        Zel3dDestroyData(data, 1);
    }
    return 0;
}
