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
            BITMAPINFO info = {};
            info.bmiHeader = {sizeof(BITMAPINFOHEADER), 64, -64, 1, WORD(c.bits), BI_RGB, 0, 0, 0, 0, 0};
            void* bits = nullptr;
            bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
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
        chart->draw_dc = nullptr;
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
    chart->draw_dc = nullptr;
    Zel3dDestroy(chart);
    DeleteEnhMetaFile(CloseEnhMetaFile(metafile));
}

}  // namespace
}  // namespace zel3d_test
