// Docking and floating control bars: the drop geometry as functions, and a
// real frame whose bar is dragged with the real mouse between its sides and
// floating frames.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DockBar.h"
#include "DockContext.h"
#include "DockLayout.h"
#include "FrameWnd.h"
#include "MiniFrameWnd.h"
#include "WinThread.h"
#include "WindowHelpers.h"

using namespace dock_layout;

namespace {

// ---- Geometry as functions ----

DockTarget Target(DWORD side, int l, int t, int r, int b) { return DockTarget{side, RECT{l, t, r, b}}; }

// A 600x400 client area at (0,0) with empty dock bars on every side (lines).
std::vector<DockTarget> EmptySides() {
    return {Target(CBRS_ALIGN_TOP, 0, 0, 600, 0), Target(CBRS_ALIGN_BOTTOM, 0, 400, 600, 400),
            Target(CBRS_ALIGN_LEFT, 0, 0, 0, 400), Target(CBRS_ALIGN_RIGHT, 600, 0, 600, 400)};
}

TEST(DockGeometry, TargetHitWidensEmptyDockBarsToOnePixel) {
    struct Case {
        RECT rect;
        DWORD sides;
        int expected;
    } cases[] = {
        {{10, -5, 100, 20}, CBRS_ALIGN_ANY, 0},     // across the top line
        {{10, 1, 100, 20}, CBRS_ALIGN_ANY, -1},     // just below it
        {{10, 0, 100, 20}, CBRS_ALIGN_ANY, 0},      // touching its one pixel
        {{-10, 50, 20, 80}, CBRS_ALIGN_ANY, 2},     // the left line
        {{-10, 50, 20, 80}, CBRS_ALIGN_TOP, -1},    // left not allowed
        {{590, 390, 700, 500}, CBRS_ALIGN_ANY, 1},  // bottom comes before right
        {{590, 390, 700, 500}, CBRS_ALIGN_RIGHT, 3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, TargetHit(EmptySides(), c.sides, c.rect))
            << c.rect.left << "," << c.rect.top << " sides " << std::hex << c.sides;
}

TEST(DockGeometry, ChooseDockSideFollowsTheBarsOrientationThenAgreement) {
    struct Case {
        const char* what;
        RECT horz, vert;
        POINT point;
        BOOL horizontal, flip;
        DWORD allowed, expected;
    } cases[] = {
        {"horizontal bar over the top", {50, -10, 250, 20}, {50, -10, 80, 190}, {60, 0}, TRUE, FALSE, CBRS_ALIGN_ANY,
         CBRS_ALIGN_TOP},
        {"horizontal bar in the middle floats", {50, 100, 250, 130}, {50, 100, 80, 300}, {60, 110}, TRUE, FALSE,
         CBRS_ALIGN_ANY, 0},
        {"horizontal bar at the left edge: both outlines meet the left", {-5, 150, 195, 180}, {-5, 150, 25, 350},
         {0, 160}, TRUE, FALSE, CBRS_ALIGN_ANY, CBRS_ALIGN_LEFT},
        {"only the vertical outline meets the left", {20, 150, 220, 180}, {-5, 150, 25, 350}, {0, 160}, TRUE, FALSE,
         CBRS_ALIGN_ANY, 0},
        {"vertical bar at the left with the mouse on the line", {-5, 150, 195, 180}, {-5, 150, 25, 350}, {0, 160},
         FALSE, FALSE, CBRS_ALIGN_ANY, CBRS_ALIGN_LEFT},
        {"vertical bar with the mouse off the line: both outlines still agree", {-5, 150, 195, 180},
         {-5, 150, 25, 350}, {10, 160}, FALSE, FALSE, CBRS_ALIGN_LEFT, CBRS_ALIGN_LEFT},
        {"vertical bar with the mouse off the line, only its own outline on it", {20, 150, 220, 180},
         {-5, 150, 25, 350}, {10, 160}, FALSE, FALSE, CBRS_ALIGN_LEFT, 0},
        {"flipped: only the other orientation counts", {50, -10, 250, 20}, {50, -10, 80, 190}, {60, 0}, TRUE, TRUE,
         CBRS_ALIGN_ANY, 0},
        {"top not allowed", {50, -10, 250, 20}, {50, -10, 80, 190}, {60, 0}, TRUE, FALSE, CBRS_ALIGN_LEFT, 0},
        {"bottom edge", {50, 390, 250, 420}, {50, 390, 80, 590}, {60, 400}, TRUE, FALSE, CBRS_ALIGN_ANY,
         CBRS_ALIGN_BOTTOM},
    };
    for (const Case& c : cases) {
        DragState drag;
        drag.horzRect = c.horz;
        drag.vertRect = c.vert;
        drag.point = c.point;
        drag.barHorizontal = c.horizontal;
        drag.flip = c.flip;
        drag.allowed = c.allowed;
        EXPECT_EQ(c.expected, ChooseDockSide(EmptySides(), drag)) << c.what;
    }
}

TEST(DockGeometry, ChooseRowByTheOutlinesCentre) {
    const std::vector<RowBand> rows = {{0, 30}, {30, 26}};
    struct Case {
        int centre;
        size_t row;
        bool newRow;
    } cases[] = {{-3, 0, true}, {0, 0, false}, {29, 0, false}, {30, 1, false}, {55, 1, false}, {56, 2, true}};
    for (const Case& c : cases) {
        RowChoice choice = ChooseRow(rows, c.centre);
        EXPECT_EQ(c.row, choice.row) << c.centre;
        EXPECT_EQ(c.newRow, choice.newRow) << c.centre;
    }
    RowChoice empty = ChooseRow({}, 10);
    EXPECT_EQ(0u, empty.row);
    EXPECT_TRUE(empty.newRow);
}

TEST(DockGeometry, PlaceRowKeepsPlacesWithoutOverlapInsideTheSide) {
    struct Case {
        const char* what;
        std::vector<int> wanted, lengths;
        int available;
        std::vector<int> expected;
    } cases[] = {
        {"room for both", {0, 200}, {100, 100}, 600, {0, 200}},
        {"overlap pushes the second on", {0, 50}, {100, 100}, 600, {0, 100}},
        {"sticking out is pushed back", {550}, {100}, 600, {500}},
        {"pushing back moves the ones before", {400, 480}, {100, 100}, 600, {400, 500}},
        {"chain pushed back", {300, 450, 520}, {150, 100, 100}, 600, {250, 400, 500}},
        {"longer than the side starts at 0 in order", {0, 10}, {400, 400}, 600, {0, 400}},
        {"negative wish starts at 0", {-40}, {100}, 600, {0}},
    };
    for (const Case& c : cases) EXPECT_EQ(c.expected, PlaceRow(c.wanted, c.lengths, c.available)) << c.what;
}

// ---- A frame with a dockable bar ----

const UINT ID_TEST_BAR = 0xE805;
const int kBarWidth = 160;
const int kBarHeight = 26;

// A bar of a fixed size; it is void space all over, so a press drags it.
class CPlainBar : public CControlBar {
public:
    BOOL Create(CWnd* parent) {
        m_dwStyle = CBRS_TOP;
        LPCSTR cls = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                         reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
        return CWnd::CreateEx(0, cls, "Plain", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent->m_hWnd,
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(ID_TEST_BAR)));
    }
    CSize CalcFixedLayout(BOOL, BOOL horz) override {
        return horz ? CSize(kBarWidth, kBarHeight) : CSize(kBarHeight, kBarWidth);
    }
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}
};

class DockingTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame_ = new CFrameWnd;
        ASSERT_TRUE(frame_->Create(nullptr, "Docking", WS_OVERLAPPEDWINDOW, CRect(40, 40, 640, 440)));
        ASSERT_TRUE(bar_.Create(frame_));
        bar_.EnableDocking(CBRS_ALIGN_ANY);
        frame_->EnableDocking(CBRS_ALIGN_ANY);
        frame_->DockControlBar(&bar_);
        frame_->ShowWindow(SW_SHOW);
        ::SetWindowPos(frame_->m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        ::SetForegroundWindow(frame_->m_hWnd);
        frame_->RecalcLayout();
        testing_harness::PumpPending();
    }
    void TearDown() override {
        if (frame_ != nullptr && ::IsWindow(frame_->m_hWnd)) frame_->DestroyWindow();
        testing_harness::PumpPending();
    }
    // The id of the dock bar holding the bar.
    UINT HolderId() const { return static_cast<UINT>(::GetDlgCtrlID(::GetParent(bar_.m_hWnd))); }
    CRect ScreenRect(HWND wnd) const {
        CRect rect;
        ::GetWindowRect(wnd, &rect);
        return rect;
    }
    CRect ClientScreen() const {
        CRect client;
        frame_->GetClientRect(&client);
        frame_->ClientToScreen(&client);
        return client;
    }
    HWND FloatingFrame() const { return ::GetAncestor(bar_.m_hWnd, GA_ROOT); }
    void Drag(POINT from, POINT to, bool ctrl = false, bool escape = false) {
        testing_harness::MouseDrag(from, to, ctrl, escape);
        frame_->RecalcLayout();
        testing_harness::PumpPending();
    }
    // Drags the docked bar by its middle far below the frame.
    void FloatByDrag() {
        CRect bar = ScreenRect(bar_.m_hWnd);
        Drag(bar.CenterPoint(), CPoint(bar.CenterPoint().x + 20, ClientScreen().bottom + 120));
    }
    POINT CaptionPoint() const {
        CRect window = ScreenRect(FloatingFrame());
        return CPoint(window.left + 30, window.top + ::GetSystemMetrics(SM_CYFRAME) + 4);
    }

    CFrameWnd* frame_ = nullptr;
    CPlainBar bar_;
};

TEST_F(DockingTest, EnableDockingMakesADockBarPerSideAndTheBarDocksAtTheTop) {
    const struct {
        UINT id;
        DWORD style;
    } sides[] = {{AFX_IDW_DOCKBAR_TOP, 0x2800},
                 {AFX_IDW_DOCKBAR_BOTTOM, 0x8200},
                 {AFX_IDW_DOCKBAR_LEFT, 0x1400},
                 {AFX_IDW_DOCKBAR_RIGHT, 0x4100}};
    for (const auto& side : sides) {
        CControlBar* dockBar = frame_->GetControlBar(side.id);
        ASSERT_NE(nullptr, dockBar) << std::hex << side.id;
        EXPECT_TRUE(dockBar->IsKindOf(RUNTIME_CLASS(CDockBar)));
        EXPECT_EQ(side.style, dockBar->GetBarStyle() & CBRS_ALL);
        char cls[64] = {};
        ::GetClassNameA(dockBar->m_hWnd, cls, sizeof cls);
        EXPECT_STREQ("AfxControlBar42s", cls);
    }
    EXPECT_EQ(AFX_IDW_DOCKBAR_TOP, HolderId());
    EXPECT_FALSE(bar_.IsFloating());
    EXPECT_EQ(CBRS_ALIGN_TOP, bar_.GetBarStyle() & CBRS_ALIGN_ANY);
    // The top dock bar spans the client width and holds the bar plus its
    // bottom border; the empty sides take nothing.
    CRect top = ScreenRect(frame_->GetControlBar(AFX_IDW_DOCKBAR_TOP)->m_hWnd);
    CRect client = ClientScreen();
    EXPECT_EQ(client.left, top.left);
    EXPECT_EQ(client.top, top.top);
    EXPECT_EQ(client.Width(), top.Width());
    EXPECT_EQ(kBarHeight + CControlBar::borderWidth, top.Height());
    EXPECT_EQ(CRect(client.left, client.top, client.left + kBarWidth, client.top + kBarHeight),
              ScreenRect(bar_.m_hWnd));
    EXPECT_EQ(0, ScreenRect(frame_->GetControlBar(AFX_IDW_DOCKBAR_LEFT)->m_hWnd).Width());
    EXPECT_EQ(&bar_, frame_->GetControlBar(ID_TEST_BAR));
}

TEST_F(DockingTest, DraggedOffTheFrameItFloatsAndDraggedBackItDocksWhereDropped) {
    FloatByDrag();
    ASSERT_TRUE(bar_.IsFloating());
    EXPECT_EQ(AFX_IDW_DOCKBAR_FLOAT, HolderId());
    HWND floating = FloatingFrame();
    ASSERT_NE(frame_->m_hWnd, floating);
    EXPECT_TRUE(::IsWindowVisible(floating));
    EXPECT_EQ(frame_->m_hWnd, ::GetWindow(floating, GW_OWNER));
    const DWORD style = static_cast<DWORD>(::GetWindowLongPtrA(floating, GWL_STYLE));
    EXPECT_EQ(DWORD(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME), style & (WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME));
    EXPECT_TRUE(::GetWindowLongPtrA(floating, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    // The floating frame's client area is the bar.
    CRect client;
    ::GetClientRect(floating, &client);
    EXPECT_EQ(CSize(kBarWidth, kBarHeight), client.Size());
    EXPECT_GT(ScreenRect(floating).top, ClientScreen().bottom);
    EXPECT_FALSE(::IsWindowVisible(frame_->GetControlBar(AFX_IDW_DOCKBAR_TOP)->m_hWnd) &&
                 ScreenRect(frame_->GetControlBar(AFX_IDW_DOCKBAR_TOP)->m_hWnd).Height() > 0);

    // By its caption onto the frame's left edge: it docks on the left, upright.
    CRect clientArea = ClientScreen();
    Drag(CaptionPoint(), CPoint(clientArea.left + 1, clientArea.top + 150));
    EXPECT_EQ(AFX_IDW_DOCKBAR_LEFT, HolderId());
    EXPECT_FALSE(bar_.IsFloating());
    EXPECT_EQ(CBRS_ALIGN_LEFT, bar_.GetBarStyle() & CBRS_ALIGN_ANY);
    EXPECT_EQ(CSize(kBarHeight, kBarWidth), ScreenRect(bar_.m_hWnd).Size());
    EXPECT_EQ(clientArea.left, ScreenRect(bar_.m_hWnd).left);
    // The emptied floating frame goes away.
    testing_harness::PumpPending();
    EXPECT_FALSE(::IsWindow(floating));

    // And from there onto the bottom edge.
    CRect bar = ScreenRect(bar_.m_hWnd);
    Drag(bar.CenterPoint(), CPoint(clientArea.left + 200, clientArea.bottom - 1));
    EXPECT_EQ(AFX_IDW_DOCKBAR_BOTTOM, HolderId());
    EXPECT_EQ(clientArea.bottom, ScreenRect(bar_.m_hWnd).bottom);
}

TEST_F(DockingTest, CtrlHeldKeepsTheBarFloating) {
    FloatByDrag();
    ASSERT_TRUE(bar_.IsFloating());
    CRect clientArea = ClientScreen();
    Drag(CaptionPoint(), CPoint(clientArea.left + 100, clientArea.top - 1), true);
    EXPECT_TRUE(bar_.IsFloating());
    EXPECT_EQ(AFX_IDW_DOCKBAR_FLOAT, HolderId());
    // The floating frame followed the mouse.
    EXPECT_LT(ScreenRect(FloatingFrame()).top, clientArea.top + 40);
    // Without Ctrl a drop there docks.
    Drag(CaptionPoint(), CPoint(clientArea.left + 300, clientArea.top - 1));
    EXPECT_EQ(AFX_IDW_DOCKBAR_TOP, HolderId());
}

TEST_F(DockingTest, EscapeCancelsTheDrag) {
    CRect before = ScreenRect(bar_.m_hWnd);
    Drag(before.CenterPoint(), CPoint(before.CenterPoint().x, ClientScreen().bottom + 120), false, true);
    EXPECT_EQ(AFX_IDW_DOCKBAR_TOP, HolderId());
    EXPECT_EQ(before, ScreenRect(bar_.m_hWnd));
    EXPECT_EQ(nullptr, ::GetCapture());
}

TEST_F(DockingTest, DoubleClickTogglesDocking) {
    CRect docked = ScreenRect(bar_.m_hWnd);
    testing_harness::MouseDoubleClick(docked.CenterPoint());
    testing_harness::PumpUntil([&] { return bar_.IsFloating() != FALSE; }, 2000);
    ASSERT_TRUE(bar_.IsFloating());
    // Never floated before, its floating frame starts where it was docked.
    EXPECT_EQ(docked.TopLeft(), ScreenRect(FloatingFrame()).TopLeft());

    testing_harness::MouseDoubleClick(CaptionPoint());
    testing_harness::PumpUntil([&] { return !bar_.IsFloating(); }, 2000);
    frame_->RecalcLayout();
    EXPECT_EQ(AFX_IDW_DOCKBAR_TOP, HolderId());
    EXPECT_EQ(docked, ScreenRect(bar_.m_hWnd));
}

TEST_F(DockingTest, HidingAndShowingByCommandReachesDockedAndFloatingBars) {
    frame_->SendMessage(WM_COMMAND, ID_TEST_BAR);
    EXPECT_FALSE(::IsWindowVisible(bar_.m_hWnd));
    EXPECT_EQ(0, ScreenRect(frame_->GetControlBar(AFX_IDW_DOCKBAR_TOP)->m_hWnd).Height());
    frame_->SendMessage(WM_COMMAND, ID_TEST_BAR);
    EXPECT_TRUE(::IsWindowVisible(bar_.m_hWnd));

    frame_->FloatControlBar(&bar_, CPoint(100, 500));
    HWND floating = FloatingFrame();
    EXPECT_TRUE(::IsWindowVisible(floating));
    frame_->SendMessage(WM_COMMAND, ID_TEST_BAR);
    EXPECT_FALSE(::IsWindowVisible(floating));
    frame_->SendMessage(WM_COMMAND, ID_TEST_BAR);
    EXPECT_TRUE(::IsWindowVisible(floating));
    // Closing the floating frame hides the bar.
    ::SendMessageA(floating, WM_CLOSE, 0, 0);
    EXPECT_FALSE(bar_.IsVisible());
    EXPECT_FALSE(::IsWindowVisible(floating));
    EXPECT_TRUE(::IsWindow(floating));
}

// Top-level windows of this thread.
int ThreadWindows() {
    int count = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), [](HWND, LPARAM n) -> BOOL { ++*reinterpret_cast<int*>(n); return TRUE; },
                        reinterpret_cast<LPARAM>(&count));
    return count;
}

TEST_F(DockingTest, AThousandDockAndFloatCyclesLeakNoHandles) {
    bar_.m_pDockContext->ToggleDocking();
    bar_.m_pDockContext->ToggleDocking();
    testing_harness::PumpPending();
    const DWORD gdiBefore = testing_harness::GdiObjectCount();
    const int windowsBefore = ThreadWindows();
    for (int i = 0; i < 1000; ++i) {
        bar_.m_pDockContext->ToggleDocking();
        ASSERT_TRUE(bar_.IsFloating());
        bar_.m_pDockContext->ToggleDocking();
        ASSERT_FALSE(bar_.IsFloating());
        if (i % 50 == 0) testing_harness::PumpPending();
    }
    testing_harness::PumpPending();
    CWinThread::SendIdleUpdates(frame_);
    EXPECT_LE(testing_harness::GdiObjectCount(), gdiBefore + 5);
    EXPECT_LE(ThreadWindows(), windowsBefore + 1);
    EXPECT_EQ(AFX_IDW_DOCKBAR_TOP, HolderId());
}

}  // namespace
