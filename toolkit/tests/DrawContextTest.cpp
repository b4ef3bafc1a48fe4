// The toolbar drawing context: the dither brush's checkerboard, the image
// selection cache, and no GDI objects left behind.
#include <gtest/gtest.h>

#include "DC.h"
#include "SECDockBar.h"
#include "SECStatusBar.h"
#include "SECToolBar.h"
#include "SECToolBarDrawContext.h"
#include "WindowHelpers.h"

namespace {

using testing_harness::Pixels;
using testing_harness::Rgb;

// The 16x16 pixels the context's dither brush paints.
Pixels DitherPixels() {
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 16, 16);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    SECToolBarDrawContext context;
    HGDIOBJ oldBrush = ::SelectObject(memory, context.GetDitherBrush());
    ::PatBlt(memory, 0, 0, 16, 16, PATCOPY);
    ::SelectObject(memory, oldBrush);
    Pixels pixels = Pixels::FromDC(memory, 16, 16);
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    return pixels;
}

void ExpectCheckerboard(const Pixels& pixels, unsigned face, unsigned highlight) {
    ASSERT_NE(face, highlight);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ((x + y) % 2 == 1 ? highlight : face, pixels.At(x, y)) << x << "," << y;
}

TEST(DrawContextTest, DitherBrushPaintsFaceAndHighlightInACheckerboard) {
    ExpectCheckerboard(DitherPixels(), Rgb(::GetSysColor(COLOR_BTNFACE)), Rgb(::GetSysColor(COLOR_BTNHIGHLIGHT)));

    // The colours come from the toolkit's system-colour cache, which a
    // colour change refreshes.
    SECSysColorCache& cache = SECSysColorCache::Get();
    cache.btnFace = RGB(10, 200, 30);
    cache.btnHighlight = RGB(250, 240, 5);
    ExpectCheckerboard(DitherPixels(), Rgb(RGB(10, 200, 30)), Rgb(RGB(250, 240, 5)));
    cache.Refresh();
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), cache.btnFace);
    EXPECT_EQ(::GetSysColor(COLOR_BTNHIGHLIGHT), cache.btnHighlight);
    EXPECT_EQ(::GetSysColor(COLOR_WINDOWFRAME), cache.windowFrame);
    EXPECT_EQ(2, cache.cxBorder);
}

TEST(DrawContextTest, ImageSelectionIsCachedAndReleasedAndWorkBitmapsComeAndGo) {
    SECToolBarDrawContext context;
    HBITMAP first = ::CreateBitmap(8, 8, 1, 1, nullptr);
    HBITMAP second = ::CreateBitmap(8, 8, 1, 1, nullptr);
    HGDIOBJ original = context.SelectImage(first);
    EXPECT_NE(nullptr, original);
    EXPECT_EQ(first, context.SelectImage(first));      // already there
    EXPECT_EQ(first, context.SelectImage(second));     // replaces the first
    EXPECT_EQ(nullptr, context.SelectImage(nullptr));
    context.Release();
    EXPECT_EQ(original, ::GetCurrentObject(context.GetImageDC(), OBJ_BITMAP));

    CDC screen;
    screen.Attach(::GetDC(nullptr));
    EXPECT_TRUE(context.PrepareBitmaps(&screen, 23 * 11, 22));
    BITMAP info = {};
    ::GetObjectA(::GetCurrentObject(context.GetMaskDC(), OBJ_BITMAP), sizeof(info), &info);
    EXPECT_EQ(23 * 11, info.bmWidth);
    EXPECT_EQ(1, info.bmBitsPixel);
    ::ReleaseDC(nullptr, screen.Detach());
    ::DeleteObject(first);
    ::DeleteObject(second);

    HGDIOBJ handle = ::CreateSolidBrush(RGB(1, 2, 3));
    SECToolBarDrawContext::DeleteGdiHandle(handle);
    EXPECT_EQ(nullptr, handle);
    SECToolBarDrawContext::DeleteGdiHandle(handle);  // null: nothing
}

// Bars made, loaded, laid out and destroyed, and drawing contexts made and
// dropped, a thousand times: the process holds no more GDI objects after.
TEST(DrawContextTest, ThousandBarAndContextCyclesLeaveNoGdiObjects) {
    HWND host = testing_harness::CreateTestWindow(500, 200);
    CWnd* parent = CWnd::FromHandle(host);
    auto cycle = [&] {
        SECToolBar tool;
        tool.Create(parent);
        tool.LoadToolBar(103);
        tool.CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK);
        SECStatusBar status;
        status.Create(parent);
        const UINT ids[] = {0, 0xE701};
        status.SetIndicators(ids, 2);
        status.CalcFixedLayout(TRUE, TRUE);
        SECToolBarDrawContext context;
        CDC screen;
        screen.Attach(::GetDC(nullptr));
        context.PrepareBitmaps(&screen, 100, 22);
        ::ReleaseDC(nullptr, screen.Detach());
    };
    for (int i = 0; i < 20; ++i) cycle();  // caches and first-use objects
    const DWORD before = testing_harness::GdiObjectCount();
    ASSERT_GT(before, 0u);
    for (int i = 0; i < 1000; ++i) cycle();
    testing_harness::PumpPending();
    EXPECT_LE(testing_harness::GdiObjectCount(), before + 5);
    ::DestroyWindow(host);
}

}  // namespace
