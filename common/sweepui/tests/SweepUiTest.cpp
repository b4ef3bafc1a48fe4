// The pieces both programs' sweep dialogs share: the y range of the
// best-results bar charts, the pump of a sweep loop, the lamps and the 3D
// chart window.
#include <gtest/gtest.h>

#include "SweepUiTestResources.h"
#include "WindowHelpers.h"
#include "common/sweepui/Chart3D.h"
#include "common/sweepui/SweepBestRange.h"
#include "common/sweepui/SweepLamps.h"
#include "common/sweepui/SweepPump.h"

namespace {

using testing_harness::Pixels;

TEST(SweepBestYRangeTest, TheRangeIsKeptWhileItFitsAndSetAgainOtherwise) {
    const struct {
        double lo, hi, baseline;
        SweepYRange current, expected;
    } cases[] = {
        // No result yet: from 0 to the baseline, a tenth of it above.
        {0.0, 300.0, 300.0, {0.0, 1.0}, {0.0, 331.0}},
        // Results above the baseline: the old range is far too tall.
        {305.0, 320.0, 300.0, {0.0, 331.0}, {297.0, 323.0}},
        // A range that holds everything with 2 units to spare and is not
        // too tall is kept (set again it would be 275 to 325).
        {280.0, 320.0, 300.0, {277.0, 323.0}, {277.0, 323.0}},
        // Every result below the baseline: the baseline stays in the range.
        {250.0, 280.0, 300.0, {297.0, 323.0}, {244.0, 306.0}},
        // Less than 2 units to spare at the top sets it again.
        {250.0, 305.0, 300.0, {244.0, 306.0}, {243.0, 311.0}},
        // Never below 0.
        {0.5, 3.0, 1.0, {0.0, 1.0}, {0.0, 4.0}},
    };
    for (const auto& c : cases) {
        const SweepYRange range = SweepBestYRange(c.lo, c.hi, c.baseline, c.current);
        EXPECT_EQ(c.expected.minimum, range.minimum) << c.lo << " " << c.hi;
        EXPECT_EQ(c.expected.maximum, range.maximum) << c.lo << " " << c.hi;
    }
}

// A top-level window that counts the messages it is sent.
class CCountingWnd : public CWnd {
public:
    int received = 0;
    bool CreateTopLevel() {
        return CreateEx(0, AfxRegisterWndClass(0, nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)),
                        "Sweep Pieces", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 360, 260, nullptr,
                        nullptr) != FALSE;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_APP) ++received;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class SweepWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host_.CreateTopLevel()); }
    void TearDown() override {
        if (host_.m_hWnd) host_.DestroyWindow();
    }
    CCountingWnd host_;
};

TEST_F(SweepWindowTest, ThePumpRunsWaitingMessagesAndHandsAQuitBack) {
    testing_harness::PumpPending();
    host_.PostMessage(WM_APP);
    host_.PostMessage(WM_APP);
    EXPECT_TRUE(SweepPumpMessages());
    EXPECT_EQ(2, host_.received);

    ::PostQuitMessage(7);
    host_.PostMessage(WM_APP);
    EXPECT_FALSE(SweepPumpMessages());
    // The quit is waiting again for the program's own loop.
    MSG message;
    bool quitWaits = false;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quitWaits = true;
            EXPECT_EQ(7, static_cast<int>(message.wParam));
        } else {
            ::DispatchMessageA(&message);
        }
    }
    EXPECT_TRUE(quitWaits);
}

// Counts the pictures a lamp control is given.
LRESULT CALLBACK CountingLamp(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    static int* count = nullptr;
    if (message == WM_APP) {
        count = reinterpret_cast<int*>(lParam);
        return 0;
    }
    if (message == STM_SETIMAGE && count != nullptr) ++*count;
    auto original = reinterpret_cast<WNDPROC>(::GetPropA(window, "OriginalProc"));
    return ::CallWindowProcA(original, window, message, wParam, lParam);
}

TEST_F(SweepWindowTest, ALampTakesANewPictureOnlyWhenItChanges) {
    const int kLamp = 100;
    HWND lamp = ::CreateWindowA("STATIC", "", WS_CHILD | WS_VISIBLE | SS_BITMAP, 20, 20, 13, 13, host_.m_hWnd,
                                reinterpret_cast<HMENU>(kLamp), nullptr, nullptr);
    ASSERT_NE(nullptr, lamp);
    ::SetPropA(lamp, "OriginalProc", reinterpret_cast<HANDLE>(::GetWindowLongPtrA(lamp, GWLP_WNDPROC)));
    ::SetWindowLongPtrA(lamp, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingLamp));
    int pictures = 0;
    ::SendMessageA(lamp, WM_APP, 0, reinterpret_cast<LPARAM>(&pictures));

    CSweepLamps lamps({IDB_TEST_GREEN_LIT, IDB_TEST_GREEN_UNLIT, IDB_TEST_RED_LIT, IDB_TEST_RED_UNLIT});
    const struct {
        bool green, lit;
        HBITMAP expected;
        int pictures;
    } steps[] = {
        {true, true, lamps.GreenLit(), 1},   {true, true, lamps.GreenLit(), 1},
        {true, false, lamps.GreenUnlit(), 2}, {false, true, lamps.RedLit(), 3},
        {false, true, lamps.RedLit(), 3},    {false, false, lamps.RedUnlit(), 4},
    };
    for (const auto& step : steps) {
        if (step.green)
            lamps.ShowGreen(&host_, kLamp, step.lit);
        else
            lamps.ShowRed(&host_, kLamp, step.lit);
        EXPECT_EQ(step.expected, reinterpret_cast<HBITMAP>(::SendMessageA(lamp, STM_GETIMAGE, IMAGE_BITMAP, 0)));
        EXPECT_EQ(step.pictures, pictures);
    }
    // The lit lamps are bright, the unlit ones dark.
    lamps.ShowGreen(&host_, kLamp, true);
    testing_harness::PumpPending();
    ::UpdateWindow(lamp);
    const Pixels lit = Pixels::FromWindow(lamp);
    EXPECT_EQ(0x00FF00u, lit.At(6, 8));
    lamps.ShowRed(&host_, kLamp, false);
    ::UpdateWindow(lamp);
    EXPECT_EQ(0x600000u, Pixels::FromWindow(lamp).At(6, 8));
    ::SendMessageA(lamp, WM_APP, 0, 0);
    ::SendMessageA(lamp, STM_SETIMAGE, IMAGE_BITMAP, 0);  // the lamps go before the control
}

TEST_F(SweepWindowTest, TheChartWindowCarriesItsChartAndTakesItAlong) {
    auto chart = std::make_unique<CChart3D>();
    ASSERT_TRUE(chart->Create("", WS_CHILD | WS_VISIBLE, CRect(10, 10, 330, 210), &host_, 0));
    ASSERT_NE(nullptr, chart->m_chart);
    const HWND window = chart->m_hWnd;
    EXPECT_EQ(chart->m_chart, Zel3dGetHandle(window));
    EXPECT_EQ(window, Zel3dGetWindow(chart->m_chart));
    zel3d::SetValues(chart->m_chart, zel3d::XROTATION(25.0), zel3d::ZROTATION(220.0));
    EXPECT_EQ(220.0, zel3d::GetValue(chart->m_chart, zel3d::ZROTATION));
    EXPECT_TRUE(chart->IsKindOf(RUNTIME_CLASS(CChart3D)));
    chart.reset();
    EXPECT_FALSE(::IsWindow(window));
}

}  // namespace
