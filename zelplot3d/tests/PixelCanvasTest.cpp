// The pixel canvas against the system's drawing of the same shapes: random
// polygons (convex, folded, crossing themselves, reaching past the edges)
// under both fill rules, and thin lines in every direction, compared pixel
// for pixel in 32-bit bitmaps.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <random>
#include <vector>

#include "kernel/PixelCanvas.h"

namespace {

constexpr int kSize = 96;
constexpr uint32_t kWhite = 0xFFFFFF;

// A white 32-bit top-down bitmap in a memory DC, and a plain copy for the
// canvas.
class TwoBitmaps {
public:
    TwoBitmaps() {
        dc_ = CreateCompatibleDC(nullptr);
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), kSize, -kSize, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
        canvas_bits_.assign(kSize * kSize, kWhite);
        Clear();
    }
    ~TwoBitmaps() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    void Clear() {
        GdiFlush();
        std::fill(bits_, bits_ + kSize * kSize, kWhite);
        std::fill(canvas_bits_.begin(), canvas_bits_.end(), kWhite);
    }
    HDC dc() const { return dc_; }
    PixelCanvas Canvas() { return PixelCanvas(canvas_bits_.data(), kSize, kSize, kSize); }
    int Differences() {
        GdiFlush();
        int count = 0;
        for (int k = 0; k < kSize * kSize; ++k) count += (bits_[k] & 0xFFFFFF) != (canvas_bits_[k] & 0xFFFFFF);
        return count;
    }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
    uint32_t* bits_ = nullptr;
    std::vector<uint32_t> canvas_bits_;
};

TEST(PixelCanvas, PolygonsCoverTheSystemsPixels) {
    TwoBitmaps bitmaps;
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coordinate(-10, kSize + 10);
    std::uniform_int_distribution<int> corners(3, 7);
    HBRUSH brush = CreateSolidBrush(RGB(200, 30, 60));
    HGDIOBJ old_brush = SelectObject(bitmaps.dc(), brush);
    HGDIOBJ old_pen = SelectObject(bitmaps.dc(), GetStockObject(NULL_PEN));
    for (int mode : {ALTERNATE, WINDING}) {
        SetPolyFillMode(bitmaps.dc(), mode);
        int failed = 0;
        for (int trial = 0; trial < 400; ++trial) {
            bitmaps.Clear();
            int n = corners(random);
            std::vector<POINT> points(n);
            std::vector<CanvasPoint> same(n);
            for (int k = 0; k < n; ++k) {
                points[k] = {coordinate(random), coordinate(random)};
                same[k] = {int32_t(points[k].x), int32_t(points[k].y)};
            }
            Polygon(bitmaps.dc(), points.data(), n);
            PixelCanvas canvas = bitmaps.Canvas();
            canvas.FillPolygon(same.data(), n, PixelCanvas::PixelOf(RGB(200, 30, 60)), mode == WINDING);
            int differences = bitmaps.Differences();
            if (differences && failed++ < 5) {
                std::printf("mode %d: %d pixels differ for", mode, differences);
                for (const POINT& p : points) std::printf(" (%ld,%ld)", p.x, p.y);
                std::printf("\n");
            }
        }
        EXPECT_EQ(0, failed) << "fill mode " << mode;
    }
    SelectObject(bitmaps.dc(), old_pen);
    SelectObject(bitmaps.dc(), old_brush);
    DeleteObject(brush);
}

TEST(PixelCanvas, LinesCoverTheSystemsPixels) {
    TwoBitmaps bitmaps;
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(10, 20, 250));
    HGDIOBJ old_pen = SelectObject(bitmaps.dc(), pen);
    const int centre = kSize / 2;
    int failed[8] = {};
    // Every end point around a square ring: all directions, every tie.
    for (int dx = -40; dx <= 40; ++dx)
        for (int dy = -40; dy <= 40; ++dy) {
            if (std::abs(dx) != 40 && std::abs(dy) != 40 && (std::abs(dx) > 6 || std::abs(dy) > 6)) continue;
            bitmaps.Clear();
            MoveToEx(bitmaps.dc(), centre, centre, nullptr);
            LineTo(bitmaps.dc(), centre + dx, centre + dy);
            PixelCanvas canvas = bitmaps.Canvas();
            canvas.Line(centre, centre, centre + dx, centre + dy, PixelCanvas::PixelOf(RGB(10, 20, 250)));
            if (bitmaps.Differences()) {
                bool x_major = std::abs(dx) >= std::abs(dy);
                int minor = x_major ? dy : dx, major = x_major ? dx : dy;
                int octant = (minor < 0 ? 1 : 0) | (major < 0 ? 2 : 0) | (x_major ? 0 : 4);
                if (failed[octant]++ < 2) std::printf("line to (%d,%d) differs, octant %d\n", dx, dy, octant);
            }
        }
    for (int octant = 0; octant < 8; ++octant) EXPECT_EQ(0, failed[octant]) << "direction " << octant;
    SelectObject(bitmaps.dc(), old_pen);
    DeleteObject(pen);
}

}  // namespace
