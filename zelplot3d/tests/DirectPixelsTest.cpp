// Surface cells written straight into a 32-bit bitmap's pixels against the
// same chart drawn through GDI into a display-format bitmap: the pictures
// must be identical, pixel for pixel. The pixel canvas follows GDI's own
// rules for filled polygons and thin lines (checked shape by shape in the
// core tests), so no pixel may differ; a tolerance would hide a shifted
// edge or a cell painted out of order.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "ChartPictures.h"
#include "device/RasterTarget.h"
#include "zelplot3d.h"

namespace zel3d_test {
namespace {

constexpr int kWidth = 480, kHeight = 400;

struct PictureCase {
    const char* name;
    std::function<void(Zel3dChart*, Zel3dData*)> setup;
};

int DifferingPixels(const Pixels& a, const Pixels& b) {
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) differing += a.At(x, y) != b.At(x, y);
    return differing;
}

TEST(DirectPixels, CellsWrittenIntoThePixelsMatchTheDeviceOperations) {
    const PictureCase cases[] = {
        {"shaded_solid", [](Zel3dChart*, Zel3dData*) {}},
        {"mesh_only",
         [](Zel3dChart* chart, Zel3dData*) {
             zel3d::SetValues(chart, zel3d::DRAW_SHADED(0), zel3d::SOLID_SURFACE(0));
         }},
        {"zones_contours",
         [](Zel3dChart* chart, Zel3dData*) {
             zel3d::SetValues(chart, zel3d::DRAW_ZONES(1), zel3d::DRAW_CONTOURS(1), zel3d::DRAW_MESH(0));
         }},
        {"holes_walls",
         [](Zel3dChart* chart, Zel3dData* data) {
             data->grid.values[3][7] = data->grid.values[4][7] = data->grid.values[8][12] = 1e308;
             zel3d::SetValues(chart, zel3d::SURFACE_DATA(data));
         }},
        {"zoomed_past_the_graph",
         [](Zel3dChart* chart, Zel3dData*) {
             zel3d::SetValues(chart, zel3d::GRAPH_X(60), zel3d::GRAPH_Y(40), zel3d::GRAPH_WIDTH(300),
                              zel3d::GRAPH_HEIGHT(260), zel3d::VIEW_SCALE(2.5));
         }},
        {"bars",
         [](Zel3dChart* chart, Zel3dData*) {
             zel3d::SetValues(chart, zel3d::TYPE(1), zel3d::XBAR_SPACING(60.0), zel3d::YBAR_SPACING(60.0));
         }},
    };
    for (const PictureCase& c : cases) {
        SCOPED_TRACE(c.name);
        SweepGrid grid;
        Zel3dChart* chart = MakeDetachedChart(kWidth, kHeight);
        ApplyProgramsSetup(chart, kWidth, kHeight, grid.data);
        c.setup(chart, grid.data);
        Pixels through_gdi = RenderToMemory(chart, Bitmap::kDisplay);
        Pixels top_down = RenderToMemory(chart, Bitmap::kPixelsTopDown);
        Pixels bottom_up = RenderToMemory(chart, Bitmap::kPixelsBottomUp);
        SavePicture(top_down, std::string("direct_pixels_") + c.name);
        EXPECT_EQ(0, DifferingPixels(through_gdi, top_down));
        EXPECT_EQ(0, DifferingPixels(through_gdi, bottom_up));
        // The surface is there at all (not the background alone).
        EXPECT_LT(top_down.Count(Rgb(0xC0C0C0)), kWidth * kHeight * 9 / 10);
        Zel3dDestroy(chart);
    }
}

// A 256-colour bitmap whose colour table holds the chart's colours takes
// the chart through the device operations, each colour on its own entry.
TEST(DirectPixels, A256ColourBitmapGetsTheChartsColoursFromItsTable) {
    SweepGrid grid;
    Zel3dChart* chart = MakeDetachedChart(kWidth, kHeight);
    ApplyProgramsSetup(chart, kWidth, kHeight, grid.data);
    const COLORREF colors[] = {0x000080, 0x808080, 0xC0C0C0, 0xFFFFFF, 0x000000};
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colors[256];
    } info = {};
    info.header = {sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 8, BI_RGB, 0, 0, 0, 5, 0};
    for (int k = 0; k < 5; ++k)
        info.colors[k] = {GetBValue(colors[k]), GetGValue(colors[k]), GetRValue(colors[k]), 0};
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    BYTE* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                      reinterpret_cast<void**>(&bits), nullptr, 0);
    ASSERT_NE(nullptr, bitmap);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    chart->device.front_dc = dc;
    Zel3dInitDC(chart, dc);
    zel3d_draw_parts(chart, kDamageAll);
    GdiFlush();
    Pixels reference = RenderToMemory(chart, Bitmap::kDisplay);
    int counts[5] = {}, others = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            int index = bits[y * ((kWidth + 3) & ~3) + x];
            if (index < 5) ++counts[index];
            else ++others;
            // Where the true-colour picture has one of the table's colours,
            // so has this one.
            for (int k = 0; k < 5; ++k) {
                if (reference.At(x, y) == Rgb(int(colors[k]))) {
                    EXPECT_EQ(k, index) << x << "," << y;
                }
            }
        }
    EXPECT_EQ(0, others);
    for (int k = 0; k < 4; ++k) EXPECT_GT(counts[k], 500) << k;  // top, bottom, background, white area
    zel3d_select_stock_objects(dc);
    chart->device.draw_dc = chart->device.front_dc = nullptr;
    Zel3dDestroy(chart);
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

// Which DCs the cells may be written into directly: 32-bit pixels in plain
// pixel mapping, copied in, with a rectangular clip; everything else keeps
// the device operations.
TEST(DirectPixels, OnlyPlainThirtyTwoBitBitmapsAreWrittenDirectly) {
    struct DcCase {
        const char* name;
        Bitmap bitmap;
        int bits;  // 0: the bitmap kind as given; else a DIB of this depth
        std::function<void(HDC)> prepare;
        bool direct;
    };
    auto nothing = [](HDC) {};
    const DcCase cases[] = {
        {"top-down pixels", Bitmap::kPixelsTopDown, 0, nothing, true},
        {"bottom-up pixels", Bitmap::kPixelsBottomUp, 0, nothing, true},
        {"clipped to a rectangle", Bitmap::kPixelsTopDown, 0,
         [](HDC dc) { IntersectClipRect(dc, 5, 5, 50, 40); }, true},
        {"display bitmap", Bitmap::kDisplay, 0, nothing, false},
        {"24-bit pixels", Bitmap::kPixelsTopDown, 24, nothing, false},
        {"256-colour pixels", Bitmap::kPixelsTopDown, 8, nothing, false},
        {"xor mix", Bitmap::kPixelsTopDown, 0, [](HDC dc) { SetROP2(dc, R2_XORPEN); }, false},
        {"scaled mapping", Bitmap::kPixelsTopDown, 0,
         [](HDC dc) {
             SetMapMode(dc, MM_ANISOTROPIC);
             SetWindowExtEx(dc, 2, 2, nullptr);
             SetViewportExtEx(dc, 1, 1, nullptr);
         },
         false},
        {"clip of two rectangles", Bitmap::kPixelsTopDown, 0,
         [](HDC dc) {
             HRGN two = CreateRectRgn(0, 0, 10, 10);
             HRGN other = CreateRectRgn(20, 20, 30, 30);
             CombineRgn(two, two, other, RGN_OR);
             SelectClipRgn(dc, two);
             DeleteObject(two);
             DeleteObject(other);
         },
         false},
    };
    for (const DcCase& c : cases) {
        SCOPED_TRACE(c.name);
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bitmap;
        if (c.bits) {
            struct {
                BITMAPINFOHEADER header;
                RGBQUAD colors[256];  // a grey ramp for the 8-bit one
            } info = {};
            info.header = {sizeof(BITMAPINFOHEADER), 64, -64, 1, WORD(c.bits), BI_RGB, 0, 0, 0, 0, 0};
            for (int k = 0; k < 256; ++k) info.colors[k] = {BYTE(k), BYTE(k), BYTE(k), 0};
            void* bits = nullptr;
            bitmap = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
        } else {
            bitmap = MakeBitmap(screen, 64, 64, c.bitmap);
        }
        ReleaseDC(nullptr, screen);
        HGDIOBJ previous = SelectObject(dc, bitmap);
        c.prepare(dc);
        Zel3dChart* chart = Zel3dCreate();
        Zel3dInitDC(chart, dc);
        {
            RasterSession session(chart);
            EXPECT_EQ(c.direct, session.open());
        }
        EXPECT_EQ(nullptr, chart->device.raster);  // the session ends with its scope
        zel3d_select_stock_objects(dc);
        chart->device.draw_dc = nullptr;
        Zel3dDestroy(chart);
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    // A metafile is never written directly.
    HDC metafile = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    Zel3dChart* chart = Zel3dCreate();
    Zel3dInitDC(chart, metafile);
    {
        RasterSession session(chart);
        EXPECT_FALSE(session.open());
    }
    chart->device.draw_dc = nullptr;
    Zel3dDestroy(chart);
    DeleteEnhMetaFile(CloseEnhMetaFile(metafile));
}

}  // namespace
}  // namespace zel3d_test
