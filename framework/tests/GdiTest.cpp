// Device contexts and GDI objects, drawn into memory, metafiles and a window.
#include <gtest/gtest.h>

#include <vector>

#include "DC.h"
#include "SysColorBitmap.h"
#include "WindowHelpers.h"
#include "WindowTestResources.h"
#include "WindowMessages.h"
#include "Wnd.h"

namespace {

// A 64x64 memory DC with its own bitmap.
class MemoryDC : public CDC {
public:
    MemoryDC() {
        CreateCompatibleDC(nullptr);
        CClientDC screen(nullptr);
        bitmap.CreateCompatibleBitmap(&screen, 64, 64);
        old = SelectObject(&bitmap);
        FillSolidRect(0, 0, 64, 64, RGB(255, 255, 255));
    }
    ~MemoryDC() override { SelectObject(old); }

    CBitmap bitmap;
    CBitmap* old;
};

// A window that paints its client area red through CPaintDC.
class CRedWnd : public CWnd {
protected:
    afx_msg void OnPaint() {
        CPaintDC dc(this);
        CRect client;
        GetClientRect(&client);
        CBrush red(RGB(255, 0, 0));
        dc.FillRect(&client, &red);
    }
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRedWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

}  // namespace

TEST(GdiTest, PointFontsAreSizedInTheUnitsOfTheirDC) {
    MemoryDC dc;
    int dpi = dc.GetDeviceCaps(LOGPIXELSY);
    CFont screenFont;
    ASSERT_TRUE(screenFont.CreatePointFont(100, "Arial", &dc));
    LOGFONT logFont = {};
    screenFont.GetLogFont(&logFont);
    EXPECT_EQ(logFont.lfHeight, -::MulDiv(dpi, 100, 720));
    EXPECT_STREQ(logFont.lfFaceName, "Arial");

    // In tenths of a millimetre a 10-point font is 3.5 mm high.
    dc.SetMapMode(MM_LOMETRIC);
    CFont metricFont;
    ASSERT_TRUE(metricFont.CreatePointFont(100, "Arial", &dc));
    metricFont.GetLogFont(&logFont);
    EXPECT_NEAR(logFont.lfHeight, -35, 1);
}

TEST(GdiTest, SelectingReturnsTheOldObjectAsItsOwnClass) {
    MemoryDC dc;
    CPen red(PS_SOLID, 3, RGB(255, 0, 0));
    CPen* old = dc.SelectObject(&red);
    ASSERT_NE(old, nullptr);
    EXPECT_TRUE(old->IsKindOf(RUNTIME_CLASS(CPen)));
    EXPECT_EQ(dc.GetCurrentPen(), &red);  // a permanent object comes back as itself
    EXPECT_EQ(dc.SelectObject(old), &red);

    CGdiObject* font = dc.SelectStockObject(SYSTEM_FONT);
    EXPECT_TRUE(font->IsKindOf(RUNTIME_CLASS(CFont)));
    CDC::DeleteTempMap();
    CGdiObject::DeleteTempMap();
}

TEST(GdiTest, DrawingGoesToTheOutputDCAndQueriesToTheAttributeDC) {
    MemoryDC output;
    CDC printerLike;
    ASSERT_TRUE(printerLike.CreateIC("DISPLAY", nullptr, nullptr, nullptr));

    CDC dc;
    dc.m_hDC = output.m_hDC;
    dc.SetAttribDC(printerLike.m_hDC);
    dc.SetMapMode(MM_ANISOTROPIC);
    EXPECT_EQ(::GetMapMode(output.m_hDC), MM_ANISOTROPIC);       // changes reach both
    EXPECT_EQ(::GetMapMode(printerLike.m_hDC), MM_ANISOTROPIC);
    dc.SetMapMode(MM_TEXT);
    dc.FillSolidRect(CRect(10, 10, 20, 20), RGB(0, 0, 255));
    EXPECT_EQ(::GetPixel(output.m_hDC, 15, 15), RGB(0, 0, 255));
    EXPECT_EQ(dc.GetDeviceCaps(TECHNOLOGY), ::GetDeviceCaps(printerLike.m_hDC, TECHNOLOGY));
    EXPECT_FALSE(dc.IsPrinting());
    dc.m_hDC = nullptr;  // not ours to delete
    dc.ReleaseAttribDC();
}

TEST(GdiTest, TemporaryDCWrapsAForeignHandleWithoutOwningIt) {
    HDC raw = ::CreateCompatibleDC(nullptr);
    CDC* wrapper = CDC::FromHandle(raw);
    EXPECT_EQ(wrapper->m_hDC, raw);
    EXPECT_EQ(wrapper->m_hAttribDC, raw);
    CDC::DeleteTempMap();
    EXPECT_NE(::GetDeviceCaps(raw, TECHNOLOGY), 0);  // still alive
    ::DeleteDC(raw);
}

TEST(GdiTest, MetafileDCRecordsWhatIsDrawn) {
    CMetaFileDC recorder;
    ASSERT_TRUE(recorder.CreateEnhanced(nullptr, nullptr, nullptr, "test\0\0"));
    recorder.MoveTo(0, 0);
    recorder.LineTo(50, 50);
    recorder.Rectangle(5, 5, 30, 30);
    HENHMETAFILE metaFile = recorder.CloseEnhanced();
    ASSERT_NE(metaFile, nullptr);
    EXPECT_EQ(recorder.m_hDC, nullptr);
    ENHMETAHEADER header = {};
    ::GetEnhMetaFileHeader(metaFile, sizeof header, &header);
    EXPECT_GE(header.nRecords, 5u);  // header, move, line, rectangle, end

    MemoryDC target;
    ASSERT_TRUE(target.PlayMetaFile(metaFile, CRect(0, 0, 64, 64)));
    ::DeleteEnhMetaFile(metaFile);

    CMetaFileDC windowsMetaFile;
    ASSERT_TRUE(windowsMetaFile.Create());
    windowsMetaFile.Ellipse(0, 0, 10, 10);
    HMETAFILE old = windowsMetaFile.Close();
    EXPECT_NE(old, nullptr);
    ::DeleteMetaFile(old);
}

TEST(GdiTest, RegionsAnswerHitTestsAndCombine) {
    POINT triangle[] = {{0, 0}, {100, 0}, {0, 100}};
    CRgn region;
    ASSERT_TRUE(region.CreatePolygonRgn(triangle, 3, ALTERNATE));
    EXPECT_TRUE(region.PtInRegion(10, 10));
    EXPECT_FALSE(region.PtInRegion(90, 90));
    CRect box;
    region.GetRgnBox(&box);
    EXPECT_EQ(box, CRect(0, 0, 100, 100));

    CRgn square;
    square.CreateRectRgn(0, 0, 50, 50);
    CRgn both;
    both.CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(both.CombineRgn(&region, &square, RGN_AND), ERROR);
    EXPECT_TRUE(both.EqualRgn(&square));
    EXPECT_TRUE(both.RectInRegion(CRect(10, 10, 20, 20)));
}

TEST(GdiTest, PaintDCPaintsTheWindow) {
    CRedWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW), "Red", WS_POPUP | WS_VISIBLE,
                             100, 100, 80, 60, nullptr, nullptr));
    wnd.Invalidate();
    wnd.UpdateWindow();
    testing_harness::PumpPending();
    testing_harness::Pixels pixels = testing_harness::Pixels::FromWindow(wnd.m_hWnd);
    EXPECT_EQ(pixels.Count(0xFF0000), pixels.width() * pixels.height());
    // Nothing is left to paint.
    EXPECT_FALSE(::GetUpdateRect(wnd.m_hWnd, nullptr, FALSE));
    wnd.DestroyWindow();
}

namespace {

// The pixels of a bitmap, left to right and top to bottom.
std::vector<unsigned> PixelsOf(HBITMAP bitmap, int width, int height) {
    HDC memory = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    testing_harness::Pixels pixels = testing_harness::Pixels::FromDC(memory, width, height);
    ::SelectObject(memory, old);
    ::DeleteDC(memory);
    std::vector<unsigned> result;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) result.push_back(pixels.At(x, y));
    return result;
}

HBITMAP LoadMapped(UINT id) {
    HINSTANCE module = ::GetModuleHandleA(nullptr);
    return AfxLoadSysColorBitmap(module, ::FindResourceA(module, MAKEINTRESOURCEA(id), RT_BITMAP));
}

}  // namespace

TEST(GdiTest, SysColorBitmapsTakeTheButtonColoursAndRefuseWhatTheyCannotReadSafely) {
    using testing_harness::Rgb;
    // Black, dark grey, light grey and white become the button colours; red stays.
    HBITMAP greys = LoadMapped(IDB_SYSCOLOR_GREYS);
    ASSERT_NE(nullptr, greys);
    const std::vector<unsigned> expected = {Rgb(::GetSysColor(COLOR_BTNTEXT)), Rgb(::GetSysColor(COLOR_BTNSHADOW)),
                                            Rgb(::GetSysColor(COLOR_BTNFACE)),
                                            Rgb(::GetSysColor(COLOR_BTNHIGHLIGHT)), Rgb(RGB(255, 0, 0))};
    EXPECT_EQ(expected, PixelsOf(greys, 5, 1));
    ::DeleteObject(greys);

    // A colour table shorter than the bit depth allows: the bits follow the
    // entries the header counts, so the picture reads as drawn.
    HBITMAP shortTable = LoadMapped(IDB_SYSCOLOR_SHORT_TABLE);
    ASSERT_NE(nullptr, shortTable);
    const unsigned face = Rgb(::GetSysColor(COLOR_BTNFACE));
    const unsigned blue = Rgb(RGB(0, 0, 255));
    EXPECT_EQ((std::vector<unsigned>{face, blue, face, blue, blue, face, blue, face}), PixelsOf(shortTable, 4, 2));
    ::DeleteObject(shortTable);

    // A picture without a colour table is refused rather than read past its end.
    EXPECT_EQ(nullptr, LoadMapped(IDB_SYSCOLOR_TRUE_COLOUR));
    EXPECT_EQ(nullptr, AfxLoadSysColorBitmap(::GetModuleHandleA(nullptr), nullptr));
}
