// A chart in a window of the X display: attach and detach, the repaint
// through the off-screen bitmap, and the notifications to the owner.
#include <gtest/gtest.h>

#include "OwnerWindow.h"
#include "WindowHelpers.h"
#include "chart/Chart.h"
#include "zelplot3d.h"

namespace {

using testing_harness::Pixels;
using testing_harness::PumpPending;
using zel3d_test::OwnerWindow;

constexpr unsigned kSilver = 0xC0C0C0;

class ChartWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_EQ(1, Zel3dRegisterClass(GetModuleHandleA(nullptr))); }

    void SetUp() override {
        child_ = CreateChild("", 320, 240);
        ASSERT_NE(nullptr, child_);
        chart_ = Zel3dCreate();
        ASSERT_EQ(1, Zel3dAttachWindow(chart_, child_));
        grid_ = Zel3dMakeGridData(1, 1, 1e308, 1.0, 0.5, 1.0, 2.0, 1);
        PumpPending();
        owner_.Clear();
    }
    void TearDown() override {
        if (IsWindow(child_)) DestroyWindow(child_);
        Zel3dDestroy(chart_);
        Zel3dDestroyData(grid_, 1);
    }

    HWND CreateChild(const char* title, int width, int height) {
        return CreateWindowExA(0, "ZelChart3D8", title, WS_CHILD | WS_VISIBLE, 0, 0, width, height, owner_.window(),
                               nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    unsigned ScreenPixel(int x, int y) {
        InvalidateRect(child_, nullptr, FALSE);
        UpdateWindow(child_);
        return Pixels::FromWindow(child_).At(x, y);
    }
    unsigned OffscreenPixel(int x, int y) { return Pixels::FromDC(chart_->device.memory_dc, 320, 240).At(x, y); }

    OwnerWindow owner_{400, 300};
    HWND child_ = nullptr;
    Zel3dChart* chart_ = nullptr;
    Zel3dData* grid_ = nullptr;
};

TEST_F(ChartWindow, AttachBindsTheWindowAndSizesTheOffscreenBitmap) {
    EXPECT_EQ(chart_, Zel3dGetHandle(child_));
    EXPECT_EQ(child_, Zel3dGetWindow(chart_));
    EXPECT_EQ(nullptr, Zel3dGetHandle(nullptr));
    EXPECT_EQ(0, Zel3dAttachWindow(nullptr, child_));
    EXPECT_EQ(0, Zel3dAttachWindow(chart_, nullptr));
    EXPECT_STREQ("Zel3d2", chart_->name);
    int width = 0, height = 0;
    width = zel3d::GetValue(chart_, zel3d::WIDTH);
    height = zel3d::GetValue(chart_, zel3d::HEIGHT);
    EXPECT_EQ(320, width);
    EXPECT_EQ(240, height);
    ASSERT_NE(nullptr, chart_->device.memory_dc);
    BITMAP bitmap;
    ASSERT_EQ(int(sizeof bitmap), GetObjectA(chart_->offscreen_bitmap, sizeof bitmap, &bitmap));
    EXPECT_EQ(320, bitmap.bmWidth);
    EXPECT_EQ(240, bitmap.bmHeight);

    HWND titled = CreateChild("Surface", 50, 50);
    Zel3dChart* second = Zel3dCreate();
    Zel3dAttachWindow(second, titled);
    EXPECT_STREQ("Surface", second->name);
    Zel3dDestroy(second);
    EXPECT_FALSE(IsWindow(titled));
}

TEST_F(ChartWindow, ProgramsSetupRepaintsThroughTheOffscreenBitmap) {
    zel3d_test::ApplyProgramsSetup(chart_, 320, 240, grid_);
    EXPECT_EQ(30, owner_.Count(ZEL3D_NOTIFY_REPAINT));
    EXPECT_EQ(child_, reinterpret_cast<HWND>(owner_.Last(ZEL3D_NOTIFY_REPAINT)->wParam));
    EXPECT_TRUE(chart_->offscreen_valid);
    EXPECT_TRUE(chart_->drawn);
    EXPECT_EQ(0, chart_->damage_mask);
    EXPECT_EQ(kSilver, OffscreenPixel(5, 5));
    EXPECT_EQ(kSilver, ScreenPixel(5, 5));
    EXPECT_EQ(kSilver, ScreenPixel(319, 239));

    // The rotation buttons read the angle and write it back 5 degrees on.
    for (int press = 0; press < 2; ++press) {
        double z = 0;
        z = zel3d::GetValue(chart_, zel3d::ZROTATION);
        zel3d::SetValues(chart_, zel3d::ZROTATION(z - 5.0));
    }
    double z = 0;
    z = zel3d::GetValue(chart_, zel3d::ZROTATION);
    EXPECT_EQ(210.0, z);
}

TEST_F(ChartWindow, PaintingWithoutDamageOnlyCopiesTheBitmap) {
    zel3d::SetValues(chart_, zel3d::BACKGROUND_COLOR(0xC0C0C0));
    // A mark drawn straight into the off-screen bitmap shows on the next
    // paint: that paint copied the bitmap instead of drawing again.
    SetPixel(chart_->device.memory_dc, 1, 1, RGB(255, 0, 255));
    owner_.Clear();
    EXPECT_EQ(0xFF00FFu, ScreenPixel(1, 1));
    EXPECT_EQ(1, owner_.Count(ZEL3D_NOTIFY_REPAINT));
    zel3d::SetValues(chart_, zel3d::BACKGROUND_COLOR(0x0000FF));
    EXPECT_EQ(0xFF0000u, ScreenPixel(1, 1));
}

TEST_F(ChartWindow, PrintClientDrawsIntoTheGivenDC) {
    zel3d::SetValues(chart_, zel3d::BACKGROUND_COLOR(0x00FF00));
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 320, 240);
    HGDIOBJ old = SelectObject(memory, bitmap);
    PatBlt(memory, 0, 0, 320, 240, BLACKNESS);
    SendMessageA(child_, WM_PRINTCLIENT, WPARAM(memory), PRF_CLIENT);
    EXPECT_EQ(320 * 240, Pixels::FromDC(memory, 320, 240).Count(0x00FF00));
    EXPECT_EQ(nullptr, chart_->device.draw_dc);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

TEST_F(ChartWindow, ResizingNotifiesTheOwnerWithTheNewSize) {
    SetWindowPos(child_, nullptr, 0, 0, 200, 150, SWP_NOZORDER | SWP_NOMOVE);
    const zel3d_test::Received* size = owner_.Last(ZEL3D_NOTIFY_SIZE);
    ASSERT_NE(nullptr, size);
    EXPECT_EQ(200, size->size.cx);
    EXPECT_EQ(150, size->size.cy);
    EXPECT_EQ(child_, reinterpret_cast<HWND>(size->wParam));
    EXPECT_EQ(31, chart_->damage_mask);
    EXPECT_FALSE(chart_->offscreen_valid);
    zel3d::SetValues(chart_, zel3d::BACKGROUND_COLOR(0x0000FF));
    EXPECT_EQ(0xFF0000u, Pixels::FromDC(chart_->device.memory_dc, 200, 150).At(199, 149));
}

TEST_F(ChartWindow, RepaintFrameCarriesTheDamagedRectangle) {
    zel3d::SetValues(chart_, zel3d::BACKGROUND_COLOR(0x123456));
    RECT full = {0, 0, 320, 240};
    EXPECT_TRUE(EqualRect(&full, &owner_.Last(ZEL3D_NOTIFY_REPAINT)->damaged));
    zel3d::SetValues(chart_, zel3d::FOOTER_BACKGROUND_COLOR(0x654321));
    EXPECT_FALSE(EqualRect(&full, &owner_.Last(ZEL3D_NOTIFY_REPAINT)->damaged));
}

TEST_F(ChartWindow, RepaintOffShowsOnlyTheLastPicture) {
    zel3d::SetValues(chart_, zel3d::BACKGROUND_COLOR(kSilver));
    zel3d::SetValues(chart_, zel3d::REPAINT(0));
    owner_.Clear();
    zel3d::SetValues(chart_, zel3d::BACKGROUND_COLOR(0x0000FF));
    EXPECT_EQ(kSilver, ScreenPixel(5, 5));
    EXPECT_EQ(0, owner_.Count(ZEL3D_NOTIFY_REPAINT));
    zel3d::SetValues(chart_, zel3d::REPAINT(1));
    EXPECT_EQ(1, owner_.Count(ZEL3D_NOTIFY_REPAINT));
    EXPECT_EQ(0xFF0000u, ScreenPixel(5, 5));
}

TEST_F(ChartWindow, CreatorOnePaintsOnlyOnPaintMessages) {
    Zel3dSetCreator(chart_, 1);
    zel3d::SetValues(chart_, zel3d::BACKGROUND_COLOR(0x0000FF));
    EXPECT_EQ(0, owner_.Count(ZEL3D_NOTIFY_REPAINT));
    EXPECT_EQ(0xFF0000u, ScreenPixel(5, 5));
    EXPECT_EQ(1, owner_.Count(ZEL3D_NOTIFY_REPAINT));
}

TEST_F(ChartWindow, PlainClicksReachTheOwnerOnly) {
    SendMessageA(child_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    EXPECT_EQ(1, owner_.Count(WM_LBUTTONDOWN));
    EXPECT_NE(child_, GetCapture());
    SendMessageA(child_, WM_MOUSEMOVE, 0, MAKELPARAM(12, 12));
    EXPECT_EQ(1, owner_.Count(WM_MOUSEMOVE));
    // With the other button down the click is an event: the chart captures
    // the mouse until the button comes up.
    SendMessageA(child_, WM_LBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, MAKELPARAM(10, 10));
    EXPECT_EQ(child_, GetCapture());
    SendMessageA(child_, WM_LBUTTONUP, MK_RBUTTON, MAKELPARAM(10, 10));
    EXPECT_NE(child_, GetCapture());
    EXPECT_EQ(1, owner_.Count(WM_LBUTTONUP));
}

TEST_F(ChartWindow, AWindowWithoutParentKeepsItsMessages) {
    HWND popup = CreateWindowExA(0, "ZelChart3D8", "", WS_POPUP | WS_VISIBLE, 0, 0, 60, 40, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    Zel3dChart* chart = Zel3dCreate();
    Zel3dAttachWindow(chart, popup);
    EXPECT_EQ(nullptr, chart->notify_window);
    SendMessageA(popup, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SetWindowPos(popup, nullptr, 0, 0, 80, 50, SWP_NOZORDER | SWP_NOMOVE);
    zel3d::SetValues(chart, zel3d::BACKGROUND_COLOR(0x0000FF));
    EXPECT_EQ(0, owner_.Count(WM_LBUTTONDOWN));
    EXPECT_EQ(0, owner_.Count(ZEL3D_NOTIFY_SIZE));
    Zel3dDestroy(chart);
    EXPECT_FALSE(IsWindow(popup));
}

TEST_F(ChartWindow, ReinitializeKeepsTheWindow) {
    zel3d::SetValues(chart_, zel3d::BACKGROUND_COLOR(0x0000FF));
    Zel3dReinitialize(chart_);
    EXPECT_EQ(child_, Zel3dGetWindow(chart_));
    EXPECT_EQ(chart_, Zel3dGetHandle(child_));
    EXPECT_EQ(0xFFFFFFu, ScreenPixel(5, 5));
}

TEST_F(ChartWindow, TextObjectsRepaintTheirChartOnceDrawn) {
    zel3d::SetValues(chart_, zel3d::BACKGROUND_COLOR(0x0000FF));
    owner_.Clear();
    Zel3dText* text = Zel3dTextCreate(chart_);
    EXPECT_EQ(1, owner_.Count(ZEL3D_NOTIFY_REPAINT));
    zel3d::TextSetValues(text, zel3d::TEXT_BORDER_WIDTH(4));
    EXPECT_EQ(2, owner_.Count(ZEL3D_NOTIFY_REPAINT));
    Zel3dTextDestroy(text);
    EXPECT_EQ(3, owner_.Count(ZEL3D_NOTIFY_REPAINT));
}

TEST_F(ChartWindow, DetachingReleasesTheWindow) {
    EXPECT_EQ(child_, Zel3dDetachWindow(chart_));
    EXPECT_EQ(nullptr, Zel3dGetHandle(child_));
    EXPECT_EQ(nullptr, chart_->device.memory_dc);
    EXPECT_EQ(nullptr, Zel3dDetachWindow(chart_));
    EXPECT_EQ(nullptr, Zel3dDetachWindow(nullptr));
    owner_.Clear();
    zel3d::SetValues(chart_, zel3d::BACKGROUND_COLOR(0x0000FF));
    EXPECT_EQ(0, owner_.Count(ZEL3D_NOTIFY_REPAINT));
    // The window no longer knows the chart: it paints nothing of it.
    InvalidateRect(child_, nullptr, TRUE);
    UpdateWindow(child_);
    EXPECT_TRUE(IsWindow(child_));
}

// Creating, attaching, drawing, detaching and destroying leave no window
// and no GDI object behind, in the library's order and in the programs'.
TEST_F(ChartWindow, DestroyingLeavesNoWindowOrGdiObject) {
    // The first round warms up what the system keeps once made (stock
    // objects, font caches).
    for (int round = 0; round < 3; ++round) {
        bool window_first = round == 2;
        DWORD before = zel3d_test::GdiObjects();
        ASSERT_GT(before, 0u);
        HWND child = CreateChild("", 240, 180);
        Zel3dChart* chart = Zel3dCreate();
        Zel3dAttachWindow(chart, child);
        zel3d_test::ApplyProgramsSetup(chart, 240, 180, grid_);
        Zel3dText* text = Zel3dTextCreate(chart);
        const char* note[] = {"note", nullptr};
        zel3d::TextSetValues(text, zel3d::TEXT_STRINGS(note));
        Zel3dSetPropString(chart, ZEL3D_HEADER_FONT, "Arial,20,Bold");
        InvalidateRect(child, nullptr, FALSE);
        UpdateWindow(child);
        SendMessageA(child, WM_SIZE, 0, MAKELPARAM(100, 80));
        if (window_first) DestroyWindow(child);
        Zel3dDestroy(chart);
        EXPECT_FALSE(IsWindow(child));
        PumpPending();
        if (round > 0) {
            EXPECT_EQ(before, zel3d_test::GdiObjects()) << (window_first ? "window first" : "chart first");
        }
    }
}

}  // namespace
