// The toolkit's docking in a real frame: a toolbar, a status bar and two
// sizeable bars with grippers sharing the bottom row; drags with the real
// mouse, the splitter between the shared bars, the gripper's buttons, the
// bar's context menu and the status hint while dragging.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "BarTestResources.h"
#include "DockBar.h"
#include "DockContext.h"
#include "FrameWnd.h"
#include "Menu.h"
#include "PanelBar.h"
#include "SECDockBar.h"
#include "SECDockState.h"
#include "SECMiniDockFrameWnd.h"
#include "SECStatusBar.h"
#include "SECToolBar.h"
#include "ToolkitResources.h"
#include "View.h"
#include "WinThread.h"
#include "WindowHelpers.h"
#include "WindowMessages.h"

namespace {

class CWhiteView : public CView {
    DECLARE_DYNCREATE(CWhiteView)
public:
    void OnDraw(CDC* dc) override {
        CRect area;
        GetClientRect(&area);
        dc->FillSolidRect(&area, RGB(255, 255, 255));
    }
};
IMPLEMENT_DYNCREATE(CWhiteView, CView)

const UINT ID_BAR_A = 0xE810;
const UINT ID_BAR_B = 0xE811;
const UINT kIndicators[] = {0, ID_INDICATOR_CAPS};

// A sizeable bar with a gripper, close and expand buttons and a context menu.
class CSizeBar : public CPanelBar {
public:
    BOOL Create(CWnd* parent, UINT id, COLORREF colour) {
        m_dwStyle = CBRS_ALIGN_BOTTOM | CBRS_SIZE_DYNAMIC;
        m_dwExStyle = CBRS_EX_OWNBORDERS | CBRS_EX_GRIPPER | CBRS_EX_CLOSEBUTTON | CBRS_EX_EXPANDBUTTON |
                      CBRS_EX_CONTEXTMENU;
        m_szHorzDocked = CSize(200, 80);
        m_szVertDocked = CSize(90, 200);
        m_szFloat = CSize(220, 120);
        return CreatePanel(parent, id, colour);
    }
};

// A toolbar class a saved layout can make again by name.
class CRestorableToolBar : public SECToolBar {
    DECLARE_DYNCREATE(CRestorableToolBar)
};
IMPLEMENT_DYNCREATE(CRestorableToolBar, SECToolBar)

// A child window that counts its paintings.
struct PaintCounter {
    static LRESULT CALLBACK Proc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_PAINT) {
            auto* counter = reinterpret_cast<int*>(::GetWindowLongPtrA(wnd, GWLP_USERDATA));
            if (counter != nullptr) ++*counter;
        }
        return ::DefWindowProcA(wnd, message, wParam, lParam);
    }
    static HWND Create(HWND parent, int x, int y, int width, int height, int* counter) {
        static const ATOM registered = [] {
            WNDCLASSA wc = {};
            wc.lpfnWndProc = Proc;
            wc.hInstance = ::GetModuleHandleA(nullptr);
            wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
            wc.lpszClassName = "PaintCounter";
            return ::RegisterClassA(&wc);
        }();
        (void)registered;
        HWND wnd = ::CreateWindowExA(0, "PaintCounter", "", WS_CHILD | WS_VISIBLE, x, y, width, height, parent,
                                     nullptr, ::GetModuleHandleA(nullptr), nullptr);
        ::SetWindowLongPtrA(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(counter));
        return wnd;
    }
};

class CDockFrame : public CFrameWnd {
public:
    CDockFrame() {
        m_pDockBarClass = RUNTIME_CLASS(SECDockBar);
        m_pFloatingFrameClass = RUNTIME_CLASS(SECMiniDockFrameWnd);
    }
    SECToolBar toolBar;
    SECStatusBar statusBar;
    CSizeBar barA, barB;

    afx_msg int OnCreate(LPCREATESTRUCT cs) {
        if (CFrameWnd::OnCreate(cs) == -1) return -1;
        if (!toolBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR) ||
            !toolBar.LoadToolBar(IDR_TEST_TOOLBAR))
            return -1;
        if (!statusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP, AFX_IDW_STATUS_BAR) ||
            !statusBar.SetIndicators(kIndicators, 2))
            return -1;
        if (!barA.Create(this, ID_BAR_A, RGB(200, 220, 255)) || !barB.Create(this, ID_BAR_B, RGB(255, 230, 190)))
            return -1;
        toolBar.SetBarStyle(toolBar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC);
        toolBar.EnableDocking(CBRS_ALIGN_ANY);
        barA.EnableDocking(CBRS_ALIGN_ANY);
        barB.EnableDocking(CBRS_ALIGN_ANY);
        EnableDocking(CBRS_ALIGN_ANY);
        DockControlBar(&toolBar);
        DockControlBar(&barA, AFX_IDW_DOCKBAR_BOTTOM);
        return 0;
    }
    afx_msg void OnAnything() {}
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CDockFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND(ID_TEST_NEW, OnAnything)
    ON_COMMAND(ID_TEST_OPEN, OnAnything)
END_MESSAGE_MAP()

class DockingFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(CWhiteView);
        frame_ = new CDockFrame;
        ASSERT_TRUE(frame_->Create(nullptr, "Docking", WS_OVERLAPPEDWINDOW, CRect(30, 30, 730, 530), nullptr, nullptr,
                                   0, &context));
        frame_->ShowWindow(SW_SHOW);
        ::SetWindowPos(frame_->m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        ::SetForegroundWindow(frame_->m_hWnd);
        frame_->RecalcLayout();
        // B joins A's row, on its right.
        CRect a = Screen(frame_->barA.m_hWnd);
        CRect drop(a.right - 10, a.top, a.right + 190, a.bottom);
        frame_->DockControlBar(&frame_->barB, AFX_IDW_DOCKBAR_BOTTOM, &drop);
        Layout();
    }
    void TearDown() override {
        if (frame_ != nullptr && ::IsWindow(frame_->m_hWnd)) frame_->DestroyWindow();
        testing_harness::PumpPending();
    }
    void Layout() {
        frame_->RecalcLayout();
        CWinThread::SendIdleUpdates(frame_);
        testing_harness::PumpPending();
    }
    static CRect Screen(HWND wnd) {
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
    UINT HolderId(CWnd* bar) const { return static_cast<UINT>(::GetDlgCtrlID(::GetParent(bar->m_hWnd))); }
    SECDockBar* Bottom() const {
        return static_cast<SECDockBar*>(frame_->GetControlBar(AFX_IDW_DOCKBAR_BOTTOM));
    }
    std::string StatusText() const {
        char text[256] = {};
        ::SendMessageA(frame_->statusBar.m_hWnd, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
        return text;
    }
    // A point of a bar's gripper, or of one of its buttons, in screen coordinates.
    CPoint WindowPoint(CWnd* bar, CPoint windowPoint) const {
        CRect window = Screen(bar->m_hWnd);
        return CPoint(window.left + windowPoint.x, window.top + windowPoint.y);
    }
    CPoint GripPoint(CWnd* bar) const { return WindowPoint(bar, CPoint(9, 60)); }
    // Dispatches messages as the program's loop does, through the windows'
    // pre-translation (fly-by prompts and menu keys live there), until
    // `done` holds or two seconds pass.
    void LoopUntil(const std::function<bool()>& done) {
        const DWORD start = ::GetTickCount();
        while (!done() && ::GetTickCount() - start < 2000) {
            MSG msg;
            while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (CWnd::WalkPreTranslateTree(frame_->m_hWnd, &msg)) continue;
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
    }

    CDockFrame* frame_ = nullptr;
};

TEST_F(DockingFrameTest, BarsTakeTheirSidesAndTheStatusBarStaysBelowTheBottomDockBar) {
    EXPECT_EQ(AFX_IDW_DOCKBAR_TOP, HolderId(&frame_->toolBar));
    EXPECT_EQ(AFX_IDW_DOCKBAR_BOTTOM, HolderId(&frame_->barA));
    EXPECT_EQ(AFX_IDW_DOCKBAR_BOTTOM, HolderId(&frame_->barB));
    const CRect client = ClientScreen();
    const CRect status = Screen(frame_->statusBar.m_hWnd);
    const CRect bottom = Screen(Bottom()->m_hWnd);
    const CRect top = Screen(frame_->GetControlBar(AFX_IDW_DOCKBAR_TOP)->m_hWnd);
    EXPECT_EQ(client.bottom, status.bottom);
    EXPECT_EQ(status.top, bottom.bottom);
    EXPECT_EQ(client.top, top.top);
    // The pane fills what is left between the dock bars.
    CRect pane = Screen(frame_->GetDescendantWindow(AFX_IDW_PANE_FIRST)->m_hWnd);
    EXPECT_EQ(top.bottom, pane.top);
    EXPECT_EQ(bottom.top, pane.bottom);
    // One row: A then B, 80 high, halves of the width less the 6-pixel splitter.
    ASSERT_EQ(1u, Bottom()->GetRows().size());
    const CRect a = Screen(frame_->barA.m_hWnd);
    const CRect b = Screen(frame_->barB.m_hWnd);
    EXPECT_EQ(80, a.Height());
    EXPECT_EQ(80, b.Height());
    EXPECT_EQ(a.top, b.top);
    EXPECT_EQ(a.right + 6, b.left);
    EXPECT_EQ(client.left, a.left);
    EXPECT_EQ(client.right, b.right);
    EXPECT_LE(std::abs(a.Width() - b.Width()), 1);
    // The toolbar keeps its own length at the top.
    EXPECT_LT(Screen(frame_->toolBar.m_hWnd).Width(), client.Width());
    testing_harness::Pixels::FromWindow(frame_->m_hWnd).SavePng("docking-docked.png");
}

TEST_F(DockingFrameTest, TheSplitterBetweenSharedBarsResizesBoth) {
    const CRect a = Screen(frame_->barA.m_hWnd);
    const CRect b = Screen(frame_->barB.m_hWnd);
    const CPoint splitter(a.right + 3, a.top + 40);
    testing_harness::MouseDrag(splitter, CPoint(splitter.x + 90, splitter.y));
    Layout();
    const CRect a2 = Screen(frame_->barA.m_hWnd);
    const CRect b2 = Screen(frame_->barB.m_hWnd);
    EXPECT_NEAR(a.Width() + 90, a2.Width(), 1);
    EXPECT_NEAR(b.Width() - 90, b2.Width(), 1);
    EXPECT_EQ(a2.right + 6, b2.left);
    EXPECT_EQ(b.right, b2.right);
    // Escape leaves them as they are.
    testing_harness::MouseDrag(CPoint(a2.right + 3, a2.top + 40), CPoint(a2.right - 100, a2.top + 40), false, true);
    Layout();
    EXPECT_EQ(a2, Screen(frame_->barA.m_hWnd));
}

TEST_F(DockingFrameTest, SplittersShowTheProgramsCursorsAndAColourChangeRefreshesTheBarColours) {
    const SECSysColorCache& cache = SECSysColorCache::Get();
    HINSTANCE module = ::GetModuleHandleA(nullptr);
    EXPECT_EQ(::LoadCursorA(module, MAKEINTRESOURCEA(IDC_SEC_SPLITH)), cache.splitHorz);
    EXPECT_EQ(::LoadCursorA(module, MAKEINTRESOURCEA(IDC_SEC_SPLITV)), cache.splitVert);
    const CRect a = Screen(frame_->barA.m_hWnd);
    struct Case {
        CPoint point;
        HCURSOR cursor;
    } cases[] = {{CPoint(a.right + 3, a.top + 40), cache.splitHorz}, {CPoint(a.left + 100, a.top - 3), cache.splitVert}};
    for (const Case& c : cases) {
        ::SetCursorPos(c.point.x, c.point.y);
        Bottom()->SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(Bottom()->m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(c.cursor, ::GetCursor());
    }

    SECSysColorCache::Get().btnFace = RGB(1, 2, 3);
    frame_->SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), cache.btnFace);
}

TEST_F(DockingFrameTest, TheRowSplitterMakesTheRowThicker) {
    const CRect a = Screen(frame_->barA.m_hWnd);
    // The row splitter lies between the row and the pane, above it here.
    const CPoint splitter(a.left + 100, a.top - 3);
    EXPECT_EQ(Screen(Bottom()->m_hWnd).top + CControlBar::borderWidth + 6, a.top);
    testing_harness::MouseDrag(splitter, CPoint(splitter.x, splitter.y - 30));
    Layout();
    EXPECT_EQ(a.Height() + 30, Screen(frame_->barA.m_hWnd).Height());
    EXPECT_EQ(a.Height() + 30, Screen(frame_->barB.m_hWnd).Height());
}

TEST_F(DockingFrameTest, TheToolbarFloatsInAToolkitFrameAndDocksOnTheSideItIsDroppedOn) {
    const CRect bar = Screen(frame_->toolBar.m_hWnd);
    // Void space at the toolbar's right end: a press there drags.
    const CPoint grab(bar.right - 4, bar.top + bar.Height() / 2);
    std::string hint;
    testing_harness::MouseDrag(grab, CPoint(grab.x + 150, ClientScreen().top + 200), false, false, 6,
                               [&] { hint = StatusText(); });
    Layout();
    EXPECT_EQ("Press the Ctrl key to prevent docking.", hint);
    EXPECT_EQ("Ready", StatusText());
    ASSERT_TRUE(frame_->toolBar.IsFloating());
    HWND floating = ::GetAncestor(frame_->toolBar.m_hWnd, GA_ROOT);
    CWnd* floatingFrame = CWnd::FromHandlePermanent(floating);
    ASSERT_NE(nullptr, floatingFrame);
    EXPECT_TRUE(floatingFrame->IsKindOf(RUNTIME_CLASS(SECMiniDockFrameWnd)));
    EXPECT_TRUE(CWnd::FromHandlePermanent(::GetParent(frame_->toolBar.m_hWnd))->IsKindOf(RUNTIME_CLASS(SECDockBar)));
    // The floating frame's style: popup, caption, system menu, the mini-frame
    // bits, the four-side thick frame as WS_THICKFRAME.
    const DWORD style = static_cast<DWORD>(::GetWindowLongPtrA(floating, GWL_STYLE));
    EXPECT_EQ(0x80C83300u, style & ~DWORD(WS_VISIBLE | WS_CLIPSIBLINGS | WS_THICKFRAME));
    EXPECT_TRUE(style & WS_THICKFRAME);
    ::RedrawWindow(floating, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    testing_harness::PumpPending();
    testing_harness::Pixels::FromWindow(floating).SavePng("docking-floating.png");
    // The toolbar's buttons still work while it floats.
    EXPECT_NE(-1, frame_->toolBar.CommandToIndex(ID_TEST_NEW));

    // By the caption to the frame's right edge: it docks there, upright.
    CRect window = Screen(floating);
    const CPoint caption(window.left + 20, window.top + ::GetSystemMetrics(SM_CYFRAME) + 4);
    const CRect client = ClientScreen();
    testing_harness::MouseDrag(caption, CPoint(client.right - 1, client.top + 150));
    Layout();
    EXPECT_EQ(AFX_IDW_DOCKBAR_RIGHT, HolderId(&frame_->toolBar));
    EXPECT_EQ(CBRS_ALIGN_RIGHT, frame_->toolBar.GetBarStyle() & CBRS_ALIGN_ANY);
    const CRect docked = Screen(frame_->toolBar.m_hWnd);
    EXPECT_GT(docked.Height(), docked.Width());
    EXPECT_EQ(client.right, docked.right);
    testing_harness::PumpPending();
    EXPECT_FALSE(::IsWindow(floating));
}

TEST_F(DockingFrameTest, TheToolbarsDragIsCancelledByEscapeAndFloatsWhereverDroppedWithCtrl) {
    const CRect docked = Screen(frame_->toolBar.m_hWnd);
    const CPoint grab(docked.right - 4, docked.CenterPoint().y);
    const CRect client = ClientScreen();
    // Escape before the release: the toolbar stays where it was.
    testing_harness::MouseDrag(grab, CPoint(grab.x + 150, client.top + 200), false, true);
    Layout();
    EXPECT_EQ(AFX_IDW_DOCKBAR_TOP, HolderId(&frame_->toolBar));
    EXPECT_EQ(docked, Screen(frame_->toolBar.m_hWnd));
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ("Ready", StatusText());

    // Ctrl held at the drop over the top dock bar: it floats there instead.
    // (Presses far enough apart in time not to make a double click.)
    ::Sleep(::GetDoubleClickTime() + 50);
    const CPoint overTop(client.left + 420, docked.CenterPoint().y);
    testing_harness::MouseDrag(grab, overTop, true);
    Layout();
    ASSERT_TRUE(frame_->toolBar.IsFloating());
    HWND floating = ::GetAncestor(frame_->toolBar.m_hWnd, GA_ROOT);
    EXPECT_NE(frame_->m_hWnd, floating);
    EXPECT_TRUE(Screen(floating).PtInRect(overTop));

    // Dragged by its caption onto the left side with Ctrl: still floating,
    // its frame moved there.
    CRect window = Screen(floating);
    const CPoint caption(window.left + 20, window.top + ::GetSystemMetrics(SM_CYFRAME) + 4);
    const CPoint overLeft(client.left + 1, client.top + 150);
    testing_harness::MouseDrag(caption, overLeft, true);
    Layout();
    ASSERT_TRUE(frame_->toolBar.IsFloating());
    floating = ::GetAncestor(frame_->toolBar.m_hWnd, GA_ROOT);
    EXPECT_LT(Screen(floating).left, client.left + 20);
    // The same drop without Ctrl docks it on that side.
    window = Screen(floating);
    testing_harness::MouseDrag(CPoint(window.left + 20, window.top + ::GetSystemMetrics(SM_CYFRAME) + 4),
                               CPoint(overLeft.x, overLeft.y + 100));
    Layout();
    EXPECT_EQ(AFX_IDW_DOCKBAR_LEFT, HolderId(&frame_->toolBar));
}

TEST_F(DockingFrameTest, TheRightButtonCancelsAToolbarDragAndNoDragStartsUnderAnotherCapture) {
    const CRect docked = Screen(frame_->toolBar.m_hWnd);
    const CPoint grab(docked.right - 4, docked.CenterPoint().y);
    auto rightClick = [] {
        INPUT click[2] = {};
        click[0].type = click[1].type = INPUT_MOUSE;
        click[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
        click[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
        ::SendInput(2, click, sizeof(INPUT));
        ::Sleep(30);
    };
    testing_harness::MouseDrag(grab, CPoint(grab.x + 150, ClientScreen().top + 200), false, false, 6, rightClick);
    Layout();
    EXPECT_EQ(AFX_IDW_DOCKBAR_TOP, HolderId(&frame_->toolBar));
    EXPECT_EQ(docked, Screen(frame_->toolBar.m_hWnd));
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ("Ready", StatusText());

    // Another window holds the capture: the drag does not start, so a
    // message that would end its loop stays queued.
    frame_->SetCapture();
    ::PostMessageA(frame_->toolBar.m_hWnd, WM_RBUTTONDOWN, MK_RBUTTON, 0);
    frame_->toolBar.m_pDockContext->StartDrag(grab);
    MSG pending;
    EXPECT_TRUE(::PeekMessageA(&pending, frame_->toolBar.m_hWnd, WM_RBUTTONDOWN, WM_RBUTTONDOWN, PM_REMOVE));
    EXPECT_EQ(frame_->m_hWnd, ::GetCapture());
    ::ReleaseCapture();
    EXPECT_EQ(AFX_IDW_DOCKBAR_TOP, HolderId(&frame_->toolBar));
    EXPECT_EQ("Ready", StatusText());
}

TEST_F(DockingFrameTest, AFloatingToolbarMovedAFewPixelsOverADockBarStaysFloating) {
    frame_->toolBar.m_pDockContext->ToggleDocking();
    Layout();
    ASSERT_TRUE(frame_->toolBar.IsFloating());
    HWND floating = ::GetAncestor(frame_->toolBar.m_hWnd, GA_ROOT);
    // The toolbar reaching 5 pixels above the (now empty) top dock bar.
    const CRect top = Screen(frame_->GetControlBar(AFX_IDW_DOCKBAR_TOP)->m_hWnd);
    const int barOffset = Screen(frame_->toolBar.m_hWnd).top - Screen(floating).top;
    const int captionY = ::GetSystemMetrics(SM_CYFRAME) + 4;
    ::SetWindowPos(floating, nullptr, top.left + 300, top.top - 5 - barOffset, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    testing_harness::PumpPending();
    struct Case {
        int dx;
        bool docks;
    };
    for (const Case& c : {Case{3, false}, Case{30, true}}) {
        SCOPED_TRACE(c.dx);
        ::Sleep(::GetDoubleClickTime() + 50);
        const CRect window = Screen(::GetAncestor(frame_->toolBar.m_hWnd, GA_ROOT));
        const CPoint caption(window.left + 20, window.top + captionY);
        testing_harness::MouseDrag(caption, CPoint(caption.x + c.dx, caption.y), false, false, c.dx > 3 ? 6 : 1);
        Layout();
        EXPECT_EQ(c.docks, !frame_->toolBar.IsFloating());
    }
    EXPECT_EQ(AFX_IDW_DOCKBAR_TOP, HolderId(&frame_->toolBar));
}

TEST_F(DockingFrameTest, ShiftHeldAtTheDropTurnsTheToolbarUprightSoTheTopSideNoLongerTakesIt) {
    auto shift = [](bool down) {
        INPUT key = {};
        key.type = INPUT_KEYBOARD;
        key.ki.wVk = VK_SHIFT;
        key.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
        ::SendInput(1, &key, sizeof(key));
        ::Sleep(30);
    };
    const CRect docked = Screen(frame_->toolBar.m_hWnd);
    const CPoint grab(docked.right - 4, docked.CenterPoint().y);
    const CPoint overTop(ClientScreen().left + 420, docked.CenterPoint().y);
    testing_harness::MouseDrag(grab, overTop, false, false, 6, [&] { shift(true); });
    shift(false);
    Layout();
    EXPECT_TRUE(frame_->toolBar.IsFloating());
    // The same drop without Shift keeps it on the top side.
    frame_->toolBar.m_pDockContext->ToggleDocking();
    Layout();
    ASSERT_EQ(AFX_IDW_DOCKBAR_TOP, HolderId(&frame_->toolBar));
    ::Sleep(::GetDoubleClickTime() + 50);
    const CRect again = Screen(frame_->toolBar.m_hWnd);
    testing_harness::MouseDrag(CPoint(again.right - 4, again.CenterPoint().y), overTop);
    Layout();
    EXPECT_EQ(AFX_IDW_DOCKBAR_TOP, HolderId(&frame_->toolBar));
}

TEST_F(DockingFrameTest, ADoubleClickTogglesTheToolbarBetweenDockedAndFloating) {
    const CRect docked = Screen(frame_->toolBar.m_hWnd);
    // Void space at its right end, where no button is.
    testing_harness::MouseDoubleClick(CPoint(docked.right - 4, docked.CenterPoint().y));
    testing_harness::PumpUntil([&] { return frame_->toolBar.IsFloating() != FALSE; }, 2000);
    ASSERT_TRUE(frame_->toolBar.IsFloating());
    Layout();
    HWND floating = ::GetAncestor(frame_->toolBar.m_hWnd, GA_ROOT);
    ASSERT_NE(frame_->m_hWnd, floating);
    EXPECT_TRUE(::IsWindowVisible(floating));

    // A double click on the floating frame's caption docks it where it was.
    ::Sleep(::GetDoubleClickTime() + 50);
    const CRect window = Screen(floating);
    testing_harness::MouseDoubleClick(CPoint(window.left + 20, window.top + ::GetSystemMetrics(SM_CYFRAME) + 4));
    testing_harness::PumpUntil([&] { return !frame_->toolBar.IsFloating(); }, 2000);
    Layout();
    EXPECT_EQ(AFX_IDW_DOCKBAR_TOP, HolderId(&frame_->toolBar));
    EXPECT_EQ(docked, Screen(frame_->toolBar.m_hWnd));
}

TEST_F(DockingFrameTest, AFloatingToolbarsSystemMenuOnlyHidesIt) {
    frame_->toolBar.m_pDockContext->ToggleDocking();
    Layout();
    ASSERT_TRUE(frame_->toolBar.IsFloating());
    HWND floating = ::GetAncestor(frame_->toolBar.m_hWnd, GA_ROOT);
    HMENU system = ::GetSystemMenu(floating, FALSE);
    ASSERT_NE(nullptr, system);
    for (UINT command : {SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_RESTORE}) {
        SCOPED_TRACE(command);
        EXPECT_EQ(UINT(-1), ::GetMenuState(system, command, MF_BYCOMMAND));
    }
    // The close item takes the program's text for it, and hides the bar.
    char text[32] = {};
    ::GetMenuStringA(system, SC_CLOSE, text, sizeof(text), MF_BYCOMMAND);
    EXPECT_STREQ("&Hide", text);
    ::SendMessageA(floating, WM_SYSCOMMAND, SC_CLOSE, 0);
    testing_harness::PumpPending();
    EXPECT_FALSE(frame_->toolBar.IsVisible());
    EXPECT_FALSE(::IsWindowVisible(floating));
    frame_->SendMessage(WM_COMMAND, AFX_IDW_TOOLBAR);
    testing_harness::PumpPending();
    EXPECT_TRUE(::IsWindowVisible(floating));
}

TEST_F(DockingFrameTest, TheToolbarDockedByTheProgramOnASideStandsUpright) {
    // Never measured upright before: the first layout on the left side must
    // still give one button per row, not one long row across the side.
    frame_->DockControlBar(&frame_->toolBar, AFX_IDW_DOCKBAR_LEFT);
    Layout();
    EXPECT_EQ(AFX_IDW_DOCKBAR_LEFT, HolderId(&frame_->toolBar));
    const CRect docked = Screen(frame_->toolBar.m_hWnd);
    CRect inside;
    frame_->toolBar.CalcInsideRect(inside, FALSE);
    // 23 wide; nine rows of a button, and two of a button with its wrapped
    // separator below (22 + 5).
    EXPECT_EQ(23, docked.Width() + inside.Width());
    EXPECT_EQ(9 * 22 + 2 * (22 + 5), docked.Height() + inside.Height());

    // Asked for its upright size by height first, a fresh toolbar still
    // stands one button per row.
    SECToolBar fresh;
    ASSERT_TRUE(fresh.Create(frame_, WS_CHILD | CBRS_LEFT, 0xE813));
    ASSERT_TRUE(fresh.LoadToolBar(IDR_TEST_TOOLBAR));
    fresh.SetBarStyle(fresh.GetBarStyle() | CBRS_SIZE_DYNAMIC);
    const CSize upright = fresh.CalcDynamicLayout(0, LM_VERTDOCK | LM_LENGTHY);
    inside.SetRectEmpty();
    fresh.CalcInsideRect(inside, FALSE);
    EXPECT_EQ(23, upright.cx + inside.Width());
    EXPECT_EQ(9 * 22 + 2 * (22 + 5), upright.cy + inside.Height());
}

TEST_F(DockingFrameTest, DoubleClickOnTheGripperFloatsTheBarWhoseFrameBorderSizesIt) {
    const CRect before = Screen(frame_->barB.m_hWnd);
    testing_harness::MouseDoubleClick(GripPoint(&frame_->barB));
    testing_harness::PumpUntil([&] { return frame_->barB.IsFloating() != FALSE; }, 2000);
    ASSERT_TRUE(frame_->barB.IsFloating());
    Layout();
    // A takes the whole row.
    EXPECT_EQ(ClientScreen().Width(), Screen(frame_->barA.m_hWnd).Width());
    HWND floating = ::GetAncestor(frame_->barB.m_hWnd, GA_ROOT);
    CRect client;
    ::GetClientRect(floating, &client);
    EXPECT_EQ(CSize(220, 120), client.Size());

    // Its frame's right border sizes it, down to the smallest floating frame.
    CRect window = Screen(floating);
    const CPoint border(window.right - 2, window.CenterPoint().y);
    testing_harness::MouseDrag(border, CPoint(border.x + 60, border.y));
    testing_harness::PumpPending();
    ASSERT_TRUE(frame_->barB.IsFloating());
    floating = ::GetAncestor(frame_->barB.m_hWnd, GA_ROOT);
    ::GetClientRect(floating, &client);
    EXPECT_EQ(CSize(280, 120), client.Size());
    EXPECT_EQ(window.left, Screen(floating).left);
    window = Screen(floating);
    testing_harness::MouseDrag(CPoint(window.right - 2, window.CenterPoint().y),
                               CPoint(window.left - 400, window.CenterPoint().y));
    testing_harness::PumpPending();
    floating = ::GetAncestor(frame_->barB.m_hWnd, GA_ROOT);
    EXPECT_GE(Screen(floating).Width(), ::GetSystemMetrics(SM_CXMENUSIZE));
    EXPECT_LT(Screen(floating).Width(), 280);

    // Toggled back, it docks where it was, sharing the row again.
    frame_->barB.m_pDockContext->ToggleDocking();
    Layout();
    EXPECT_EQ(AFX_IDW_DOCKBAR_BOTTOM, HolderId(&frame_->barB));
    EXPECT_EQ(before, Screen(frame_->barB.m_hWnd));
}

TEST_F(DockingFrameTest, TheCloseButtonHidesTheBarAndTheExpandButtonGivesItTheRow) {
    const CRect close = frame_->barA.GetCloseButtonRect();
    const CRect expand = frame_->barA.GetExpandButtonRect();
    ASSERT_FALSE(close.IsRectEmpty());
    ASSERT_FALSE(expand.IsRectEmpty());
    EXPECT_EQ(11, close.Width());
    EXPECT_LT(close.bottom, expand.top);

    const CRect b = Screen(frame_->barB.m_hWnd);
    // Presses far enough apart in time not to make double clicks.
    auto pause = [] { ::Sleep(::GetDoubleClickTime() + 50); };
    testing_harness::MouseDrag(WindowPoint(&frame_->barA, expand.CenterPoint()),
                               WindowPoint(&frame_->barA, expand.CenterPoint()), false, false, 1);
    Layout();
    EXPECT_TRUE(Bottom()->IsExpanded(&frame_->barA));
    EXPECT_LT(Screen(frame_->barB.m_hWnd).Width(), 30);
    pause();
    // Again: the row is shared out equally.
    testing_harness::MouseDrag(WindowPoint(&frame_->barA, expand.CenterPoint()),
                               WindowPoint(&frame_->barA, expand.CenterPoint()), false, false, 1);
    Layout();
    EXPECT_NEAR(b.Width(), Screen(frame_->barB.m_hWnd).Width(), 1);

    pause();
    // Pressed on the close button and released off it: nothing.
    testing_harness::MouseDrag(WindowPoint(&frame_->barA, close.CenterPoint()),
                               WindowPoint(&frame_->barA, CPoint(100, 40)), false, false, 2);
    Layout();
    EXPECT_TRUE(frame_->barA.IsVisible());
    pause();
    testing_harness::MouseDrag(WindowPoint(&frame_->barA, close.CenterPoint()),
                               WindowPoint(&frame_->barA, close.CenterPoint()), false, false, 1);
    Layout();
    EXPECT_FALSE(frame_->barA.IsVisible());
    EXPECT_EQ(ClientScreen().Width(), Screen(frame_->barB.m_hWnd).Width());
    // The bar's command shows it again in its place.
    frame_->SendMessage(WM_COMMAND, ID_BAR_A);
    Layout();
    EXPECT_TRUE(frame_->barA.IsVisible());
    EXPECT_EQ(b, Screen(frame_->barB.m_hWnd));
}

// Picks item `index` (0-based) of the popup menu that opens next, from
// another thread, with the keyboard.
class MenuPicker {
public:
    explicit MenuPicker(int index) : thread_([this, index] { Run(index); }) {}
    ~MenuPicker() { thread_.join(); }
    bool opened() const { return opened_; }

private:
    void Run(int index) {
        for (int i = 0; i < 300 && !opened_; ++i) {
            if (::FindWindowA("#32768", nullptr) != nullptr && ::IsWindowVisible(::FindWindowA("#32768", nullptr)))
                opened_ = true;
            else
                ::Sleep(10);
        }
        if (!opened_) return;
        INPUT keys[2] = {};
        for (int i = 0; i <= index; ++i) Key(VK_DOWN);
        Key(VK_RETURN);
        (void)keys;
    }
    static void Key(WORD key) {
        INPUT input[2] = {};
        input[0].type = input[1].type = INPUT_KEYBOARD;
        input[0].ki.wVk = input[1].ki.wVk = key;
        input[1].ki.dwFlags = KEYEVENTF_KEYUP;
        ::SendInput(2, input, sizeof(INPUT));
        ::Sleep(30);
    }
    std::atomic<bool> opened_{false};
    std::thread thread_;
};

TEST_F(DockingFrameTest, TheGripperButtonsNameThemselvesInTips) {
    CSizeBar& bar = frame_->barA;
    // A point of the gripper (window coordinates) as the bar's client point.
    auto clientPoint = [&](CPoint windowPoint) {
        CRect window = Screen(bar.m_hWnd);
        CPoint origin(0, 0);
        bar.ClientToScreen(&origin);
        return windowPoint - (origin - window.TopLeft());
    };
    auto tip = [&](CPoint windowPoint, INT_PTR& hit) {
        TOOLINFOA info = {};
        info.cbSize = sizeof(info);
        hit = bar.OnToolHitTest(clientPoint(windowPoint), &info);
        std::string text = info.lpszText != nullptr ? info.lpszText : "";
        std::free(info.lpszText);
        return text;
    };
    INT_PTR hit = 0;
    EXPECT_EQ("Hide docked window", tip(bar.GetCloseButtonRect().CenterPoint(), hit));
    EXPECT_EQ(INT_PTR(SEC_HIT_CLOSE_BUTTON), hit);
    EXPECT_EQ("Expand docked window", tip(bar.GetExpandButtonRect().CenterPoint(), hit));
    EXPECT_EQ(INT_PTR(SEC_HIT_EXPAND_BUTTON), hit);
    Bottom()->Expand(&bar);
    Layout();
    EXPECT_EQ("Contract docked window", tip(bar.GetExpandButtonRect().CenterPoint(), hit));
    // The rest of the gripper and the bar have no tip.
    EXPECT_EQ(-1, bar.OnToolHitTest(clientPoint(CPoint(9, 60)), nullptr));
    EXPECT_EQ(-1, bar.OnToolHitTest(CPoint(60, 30), nullptr));
}

// The real cursor moves over the gripper's buttons.
TEST_F(DockingFrameTest, HoveringAGripperButtonBlanksTheStatusPromptUntilTheMouseLeavesIt) {
    CSizeBar& bar = frame_->barA;
    bar.SetBarStyle(bar.GetBarStyle() | CBRS_FLYBY | CBRS_TOOLTIPS);
    auto hoverUntil = [&](CPoint screen, const std::string& text) {
        ::SetCursorPos(screen.x, screen.y);
        LoopUntil([&] { return StatusText() == text; });
        return StatusText();
    };
    const CPoint body = WindowPoint(&bar, CPoint(100, 40));
    ASSERT_EQ("Ready", hoverUntil(body, "Ready"));
    // The buttons name themselves in tips only: no prompt in the status bar.
    EXPECT_EQ("", hoverUntil(WindowPoint(&bar, bar.GetCloseButtonRect().CenterPoint()), ""));
    EXPECT_EQ("Ready", hoverUntil(body, "Ready"));
    EXPECT_EQ("", hoverUntil(WindowPoint(&bar, bar.GetExpandButtonRect().CenterPoint()), ""));
    // Leaving the bar brings the idle prompt back.
    EXPECT_EQ("Ready", hoverUntil(CPoint(ClientScreen().CenterPoint().x, ClientScreen().top + 100), "Ready"));
}

TEST_F(DockingFrameTest, ChildWindowsKeepTheirProportionsEvenWhenTakenBeforeTheBarHadASize) {
    CPanelBar bar;
    bar.SetBarStyle(CBRS_ALIGN_TOP);
    // No borders: the client area is the window.
    bar.m_cxLeftBorder = bar.m_cxRightBorder = bar.m_cyTopBorder = bar.m_cyBottomBorder = 0;
    ASSERT_TRUE(bar.CreatePanel(frame_, 0xE812, RGB(230, 230, 230)));
    ::SetWindowPos(bar.m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER);
    CWnd left, right;
    ASSERT_TRUE(left.CreateEx(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 40, bar.m_hWnd, nullptr));
    ASSERT_TRUE(right.CreateEx(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 100, 20, 100, 80, bar.m_hWnd, nullptr));
    auto place = [&](CWnd& child) {
        CRect rect;
        child.GetWindowRect(&rect);
        bar.ScreenToClient(&rect);
        return rect;
    };
    // Taken while the bar is still 0 x 0: nothing to scale by yet.
    bar.SetExBarStyle(CBRS_EX_PROPORTIONAL, FALSE);
    ::SetWindowPos(bar.m_hWnd, nullptr, 0, 0, 200, 100, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(CRect(0, 0, 50, 40), place(left));
    EXPECT_EQ(CRect(100, 20, 200, 100), place(right));
    ::SetWindowPos(bar.m_hWnd, nullptr, 0, 0, 400, 50, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(CRect(0, 0, 100, 20), place(left));
    EXPECT_EQ(CRect(200, 10, 400, 50), place(right));

    // With margins the children scale inside them; the fill style gives the
    // first child all of it.
    bar.m_rectMargins = CRect(10, 5, 10, 5);
    bar.SetExBarStyle(CBRS_EX_FILLCHILD | CBRS_EX_MARGINS, FALSE);
    ::SetWindowPos(bar.m_hWnd, nullptr, 0, 0, 300, 60, SWP_NOMOVE | SWP_NOZORDER);
    CRect inside;
    bar.GetInsideRect(inside);
    EXPECT_EQ(CRect(10, 5, 290, 55), inside);
    EXPECT_EQ(inside, place(::GetWindow(bar.m_hWnd, GW_CHILD) == left.m_hWnd ? left : right));
    bar.DestroyWindow();
}

TEST_F(DockingFrameTest, TheContextMenuHidesTheBarAndSwitchesDockingOffAndOn) {
    {
        // The toolbar does not ask for one: no menu opens.
        MenuPicker pick(0);
        frame_->toolBar.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(frame_->toolBar.m_hWnd),
                                    MAKELPARAM(-1, -1));
        testing_harness::PumpPending();
        EXPECT_FALSE(pick.opened());
    }
    EXPECT_TRUE(frame_->toolBar.IsVisible());
    {
        MenuPicker pick(1);  // "Hide"
        frame_->barA.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(frame_->barA.m_hWnd), MAKELPARAM(-1, -1));
        testing_harness::PumpPending();
    }
    testing_harness::PumpPending();
    EXPECT_FALSE(frame_->barA.IsVisible());
    frame_->SendMessage(WM_COMMAND, ID_BAR_A);
    Layout();
    ASSERT_TRUE(frame_->barA.IsVisible());

    {
        MenuPicker pick(0);  // "Allow Docking": off, so the bar floats
        frame_->barA.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(frame_->barA.m_hWnd), MAKELPARAM(-1, -1));
        testing_harness::PumpPending();
    }
    testing_harness::PumpPending();
    Layout();
    EXPECT_TRUE(frame_->barA.IsFloating());
    EXPECT_EQ(0u, frame_->barA.m_dwDockStyle & CBRS_ALIGN_ANY);
    // Dropped onto a side it now stays floating.
    HWND floating = ::GetAncestor(frame_->barA.m_hWnd, GA_ROOT);
    CRect window = Screen(floating);
    testing_harness::MouseDrag(CPoint(window.left + 20, window.top + ::GetSystemMetrics(SM_CYFRAME) + 4),
                               CPoint(ClientScreen().left + 1, ClientScreen().top + 150));
    Layout();
    EXPECT_TRUE(frame_->barA.IsFloating());
    // The menu item is unchecked now; choosing it allows docking again.
    frame_->barA.SendMessage(WM_COMMAND, ID_SEC_ALLOW_DOCKING);
    EXPECT_EQ(DWORD(CBRS_ALIGN_ANY), frame_->barA.m_dwDockStyle & CBRS_ALIGN_ANY);
    frame_->barA.m_pDockContext->ToggleDocking();
    Layout();
    EXPECT_EQ(AFX_IDW_DOCKBAR_BOTTOM, HolderId(&frame_->barA));
}

// A saved layout makes a bar of a toolbar class again through the bar's
// own creation with its name and ex-style.
TEST_F(DockingFrameTest, AToolbarMadeAgainFromASavedLayoutIsAToolbarControlWithItsNameAndStyles) {
    struct Case {
        BOOL visible;
        DWORD exStyle;
        DWORD keptExStyle;
    };
    const Case cases[] = {
        {TRUE, CBRS_EX_FIXEDFRAME, CBRS_EX_FIXEDFRAME},
        // The control draws its own look: the toolkit's own borders go.
        {FALSE, CBRS_EX_OWNBORDERS | CBRS_EX_GRIPPER | CBRS_EX_FIXEDFRAME, CBRS_EX_GRIPPER | CBRS_EX_FIXEDFRAME},
        {TRUE, CBRS_EX_OWNBORDERS | CBRS_EX_FIXEDFRAME, CBRS_EX_FIXEDFRAME},
    };
    UINT id = 0xE823;
    for (const Case& c : cases) {
        SCOPED_TRACE(id);
        SECDockState state;
        SECControlBarInfo info;
        info.m_nBarID = id;
        info.m_dwStyle = CBRS_TOP | CBRS_SIZE_DYNAMIC | CBRS_TOOLTIPS;
        info.m_dwExStyle = c.exStyle;
        info.m_bVisible = c.visible;
        info.m_strWindowName = "Restored tools";
        std::unique_ptr<SECControlBar> made(state.CreateControlBar("CRestorableToolBar", frame_, &info));
        ASSERT_NE(nullptr, made);
        auto* bar = static_cast<CRestorableToolBar*>(made.get());
        char cls[64] = {};
        ::GetClassNameA(bar->m_hWnd, cls, sizeof(cls));
        EXPECT_STREQ(TOOLBARCLASSNAMEA, cls);
        EXPECT_EQ("Restored tools", testing_harness::ControlText(bar->m_hWnd));
        EXPECT_EQ(c.keptExStyle, bar->GetExBarStyle());
        EXPECT_EQ(DWORD(CBRS_ALIGN_TOP | CBRS_SIZE_DYNAMIC | CBRS_TOOLTIPS), bar->GetBarStyle() & ~CBRS_BORDER_ANY);
        EXPECT_EQ(c.visible, ::IsWindowVisible(bar->m_hWnd));
        EXPECT_EQ(bar, frame_->GetControlBar(id));
        // It is a working toolbar: it loads, measures and docks.
        ASSERT_TRUE(bar->LoadToolBar(IDR_TEST_TOOLBAR));
        EXPECT_EQ(13, bar->GetButtonCount());
        frame_->DockControlBar(bar, AFX_IDW_DOCKBAR_TOP);
        frame_->ShowControlBar(bar, TRUE, FALSE);
        Layout();
        EXPECT_EQ(AFX_IDW_DOCKBAR_TOP, HolderId(bar));
        EXPECT_EQ(Screen(frame_->toolBar.m_hWnd).Height(), Screen(bar->m_hWnd).Height());
        made.reset();
        Layout();
        ++id;
    }
}

TEST_F(DockingFrameTest, ABarRepaintsItsRedrawWindowWithAllItsChildrenAfterItsOwnPainting) {
    SECControlBar bar;
    bar.m_szFloat = CSize(10, 10);
    ASSERT_TRUE(bar.Create(frame_, "Plain", WS_VISIBLE | CBRS_ALIGN_TOP, CBRS_EX_CONTEXTMENU, 0xE824));
    char cls[64] = {};
    ::GetClassNameA(bar.m_hWnd, cls, sizeof(cls));
    EXPECT_STREQ("AfxControlBar42s", cls);
    EXPECT_EQ(DWORD(CBRS_ALIGN_TOP), bar.GetBarStyle());
    EXPECT_EQ(DWORD(CBRS_EX_CONTEXTMENU), bar.GetExBarStyle());
    EXPECT_EQ(CSize(300, 180), bar.m_szFloat);
    bar.SetWindowPos(nullptr, 10, 200, 300, 100, SWP_NOZORDER | SWP_NOACTIVATE);
    int childPaints = 0, grandchildPaints = 0;
    HWND child = PaintCounter::Create(bar.m_hWnd, 20, 10, 200, 60, &childPaints);
    PaintCounter::Create(child, 10, 10, 50, 30, &grandchildPaints);
    testing_harness::PumpPending();
    auto paintBarOnly = [&] {
        childPaints = grandchildPaints = 0;
        bar.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
    };
    paintBarOnly();
    EXPECT_EQ(0, childPaints);
    bar.SetRedrawWindow(child);
    paintBarOnly();
    EXPECT_EQ(1, childPaints);
    EXPECT_EQ(1, grandchildPaints);
    bar.DestroyWindow();
}

TEST_F(DockingFrameTest, AFloatingBarsFrameTakesTheFrameOfItsExStyleWithoutMovingOrSizing) {
    CSizeBar& bar = frame_->barB;
    bar.m_pDockContext->ToggleDocking();
    Layout();
    ASSERT_TRUE(bar.IsFloating());
    HWND floating = ::GetAncestor(bar.m_hWnd, GA_ROOT);
    const CRect before = Screen(floating);
    const DWORD exStyle = bar.GetExBarStyle();
    struct Case {
        DWORD exStyle;
        DWORD frame;
        DWORD notFrame;
    };
    const Case cases[] = {
        {exStyle | CBRS_EX_FIXEDFRAME, MFS_4THICKFRAME | WS_THICKFRAME, MFS_THICKFRAME},
        {exStyle & ~CBRS_EX_FIXEDFRAME, MFS_THICKFRAME | WS_THICKFRAME, MFS_4THICKFRAME},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.exStyle);
        bar.SetExBarStyle(c.exStyle, FALSE);
        const DWORD style = static_cast<DWORD>(::GetWindowLongPtrA(floating, GWL_STYLE));
        EXPECT_EQ(c.frame, style & c.frame);
        EXPECT_EQ(0u, style & c.notFrame);
        EXPECT_TRUE(style & WS_VISIBLE);
        EXPECT_EQ(before, Screen(floating));
        EXPECT_EQ(c.exStyle, bar.GetExBarStyle());
    }
    // Its frame's border still sizes it.
    const CPoint border(before.right - 2, before.CenterPoint().y);
    testing_harness::MouseDrag(border, CPoint(border.x + 40, border.y));
    testing_harness::PumpPending();
    EXPECT_EQ(before.Width() + 40, Screen(::GetAncestor(bar.m_hWnd, GA_ROOT)).Width());
}

TEST_F(DockingFrameTest, AltAndALetterInAFloatingBarOpenTheFramesMenu) {
    CMenu menu, file;
    ASSERT_TRUE(menu.CreateMenu());
    ASSERT_TRUE(file.CreatePopupMenu());
    file.AppendMenu(MF_STRING, ID_TEST_NEW, "&New");
    file.AppendMenu(MF_STRING, ID_TEST_OPEN, "&Open");
    menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(file.Detach()), "&File");
    ASSERT_TRUE(::SetMenu(frame_->m_hWnd, menu.GetSafeHmenu()));
    CSizeBar& bar = frame_->barB;
    CWnd edit;
    ASSERT_TRUE(edit.CreateEx(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 20, 20, 100, 24, bar.m_hWnd, nullptr));
    bar.m_pDockContext->ToggleDocking();
    Layout();
    ASSERT_TRUE(bar.IsFloating());
    edit.SetFocus();
    {
        MenuPicker pick(0);  // closes the menu with "Open"
        // Alt+F as the keyboard gives it to the window with the focus,
        // through the program's message pre-translation.
        ::PostMessageA(edit.m_hWnd, WM_SYSCHAR, 'f', 0x20000001);
        LoopUntil([&] { return pick.opened(); });
        EXPECT_TRUE(pick.opened());
    }
    testing_harness::PumpPending();
    ::SetMenu(frame_->m_hWnd, nullptr);
    edit.DestroyWindow();
}

TEST_F(DockingFrameTest, AThousandFloatAndDockCyclesLeakNoGdiObjects) {
    for (CControlBar* bar : {static_cast<CControlBar*>(&frame_->toolBar), static_cast<CControlBar*>(&frame_->barB)}) {
        bar->m_pDockContext->ToggleDocking();
        bar->m_pDockContext->ToggleDocking();
    }
    Layout();
    const DWORD before = testing_harness::GdiObjectCount();
    for (int i = 0; i < 1000; ++i) {
        CControlBar* bar = i % 2 ? static_cast<CControlBar*>(&frame_->toolBar) : static_cast<CControlBar*>(&frame_->barB);
        bar->m_pDockContext->ToggleDocking();
        ASSERT_TRUE(bar->IsFloating());
        bar->m_pDockContext->ToggleDocking();
        ASSERT_FALSE(bar->IsFloating());
        if (i % 50 == 0) Layout();
    }
    Layout();
    EXPECT_LE(testing_harness::GdiObjectCount(), before + 5);
    EXPECT_EQ(AFX_IDW_DOCKBAR_TOP, HolderId(&frame_->toolBar));
    EXPECT_EQ(AFX_IDW_DOCKBAR_BOTTOM, HolderId(&frame_->barB));
}

}  // namespace
