// Control bars floated inside the MDI client of the toolkit's frames: the
// hosting child, its place, its title, closing, the bar's context menu, and
// docking back with the bar's contents kept.
#include <gtest/gtest.h>

#include <string>

#include "DockBar.h"
#include "FloatingMDIChild.h"
#include "FrameCoreTestResources.h"
#include "MDIFrame.h"
#include "SDIFrame.h"
#include "SECControlBar.h"
#include "SECDockState.h"
#include "WinApp.h"
#include "WindowHelpers.h"
#include "Workbook.h"

namespace {

using testing_harness::PumpPending;

// A bar with a window of its own inside, which must survive every move.
class CNotesBar : public SECControlBar {
public:
    HWND edit = nullptr;
    BOOL Make(CFrameWnd* frame) {
        SetBarStyle(CBRS_TOP);
        m_szHorzDocked = m_szFloat = CSize(200, 40);
        m_szVertDocked = CSize(60, 200);
        LPCSTR cls = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                         reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
        if (!CreateEx(0, cls, "Notes", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, 200, 40), frame, 0xE830))
            return FALSE;
        edit = ::CreateWindowExA(0, "EDIT", "keep me", WS_CHILD | WS_VISIBLE | WS_BORDER, 4, 4, 150, 22, m_hWnd,
                                 reinterpret_cast<HMENU>(100), nullptr, nullptr);
        EnableDocking(CBRS_ALIGN_ANY);
        return edit != nullptr;
    }
};

template <class Frame>
class FloatingBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame_ = new Frame;
        ASSERT_TRUE(frame_->LoadFrame(IDR_CORE_MAIN));
        app_.m_pMainWnd = frame_;
        frame_->SetWindowPos(nullptr, 0, 0, 700, 500, SWP_NOZORDER);
        frame_->ShowWindow(SW_SHOW);
        frame_->EnableDocking(CBRS_ALIGN_ANY);
        ASSERT_TRUE(bar_.Make(frame_));
        frame_->DockControlBar(&bar_, AFX_IDW_DOCKBAR_TOP);
        frame_->RecalcLayout();
        PumpPending();
        mainWnd_ = frame_->m_hWnd;
    }
    void TearDown() override {
        if (::IsWindow(mainWnd_)) frame_->DestroyWindow();
        app_.m_pMainWnd = nullptr;
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }
    HWND TopDockBar() const { return frame_->GetControlBar(AFX_IDW_DOCKBAR_TOP)->m_hWnd; }
    // A document's child frame, so that the bar's child is not the only one.
    CMDIChildWnd* OpenDocumentChild() {
        auto* child = new SECMDIChildWnd;
        EXPECT_TRUE(child->LoadFrame(IDR_CORE_ENGINE, WS_CHILD | WS_OVERLAPPEDWINDOW, frame_));
        child->ShowWindow(SW_SHOW);
        child->MDIActivate();
        PumpPending();
        return child;
    }
    HWND MDIActive() const {
        return reinterpret_cast<HWND>(::SendMessageA(frame_->m_hWndMDIClient, WM_MDIGETACTIVE, 0, 0));
    }
    std::string EditText() const { return testing_harness::ControlText(bar_.edit); }

    CWinApp app_;
    Frame* frame_ = nullptr;
    HWND mainWnd_ = nullptr;
    CNotesBar bar_;
};

using FloatingBarInMDIFrame = FloatingBarTest<SECMDIFrameWnd>;
using FloatingBarInWorkbook = FloatingBarTest<SECWorkbook>;

// Screenshots go to the temporary folder, out of the source tree.
std::string ShotPath(const char* name) {
    char dir[MAX_PATH];
    ::GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + name;
}

}  // namespace

TEST_F(FloatingBarInMDIFrame, FloatsInAChildAndDocksBackWithItsContents) {
    ASSERT_EQ(::GetParent(bar_.m_hWnd), TopDockBar());
    CMDIChildWnd* document = OpenDocumentChild();
    const HWND edit = bar_.edit;

    frame_->FloatControlBarInMDIChild(&bar_, CPoint(-1, -1));
    CMDIChildWnd* host = SECFloatingHostOf(&bar_);
    ASSERT_NE(host, nullptr);
    ASSERT_TRUE(host->IsKindOf(RUNTIME_CLASS(SECControlBarMDIChildWnd)));
    const HWND hostWnd = host->m_hWnd;
    EXPECT_EQ(::GetParent(hostWnd), frame_->m_hWndMDIClient);
    EXPECT_TRUE(host->IsWindowVisible());
    EXPECT_FALSE(host->GetExStyle() & WS_EX_CLIENTEDGE);
    CRect place;
    host->GetWindowRect(&place);
    ::MapWindowPoints(nullptr, frame_->m_hWndMDIClient, reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(place.TopLeft(), CPoint(30, 30));
    EXPECT_EQ(frame_->m_ptCascade, CPoint(50, 53));
    EXPECT_EQ(testing_harness::ControlText(hostWnd), "Notes");
    EXPECT_TRUE(bar_.IsFloating());
    EXPECT_EQ(bar_.edit, edit);
    EXPECT_TRUE(::IsChild(hostWnd, edit));
    EXPECT_EQ(EditText(), "keep me");
    // The documents keep the MDI activation.
    EXPECT_EQ(MDIActive(), document->m_hWnd);
    ::SetWindowTextA(edit, "typed while floating");
    frame_->RecalcLayout();
    PumpPending();
    EXPECT_EQ(::GetTopWindow(frame_->m_hWndMDIClient), hostWnd);  // above the documents
    testing_harness::Pixels::FromWindow(mainWnd_).SavePng(ShotPath("bar-in-mdi-child.png"));

    // Floated again, alone in its child: the child moves.
    frame_->FloatControlBarInMDIChild(&bar_, CPoint(-1, -1));
    EXPECT_EQ(SECFloatingHostOf(&bar_), host);
    host->GetWindowRect(&place);
    ::MapWindowPoints(nullptr, frame_->m_hWndMDIClient, reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(place.TopLeft(), CPoint(50, 53));

    // A click in it makes it the active floating child, not the MDI-active one.
    host->SendMessage(WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(mainWnd_), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
    EXPECT_EQ(frame_->GetActiveFloatingMDIChild(), host);
    EXPECT_EQ(frame_->GetActiveFrame(), host);
    EXPECT_EQ(MDIActive(), document->m_hWnd);
    document->SendMessage(WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(mainWnd_), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
    EXPECT_EQ(frame_->GetActiveFloatingMDIChild(), nullptr);

    // The bar's context menu: no docking from here; floating in the main
    // window is offered (and checked) to bars that allow it.
    HMENU menu = ::CreatePopupMenu();
    ::AppendMenuA(menu, MF_STRING, ID_SEC_ALLOW_DOCKING, "Allow Docking");
    ::AppendMenuA(menu, MF_STRING, ID_SEC_HIDE_BAR, "Hide");
    frame_->SendMessage(WM_SEC_EXTENDCONTEXTMENU, reinterpret_cast<WPARAM>(bar_.m_hWnd),
                        reinterpret_cast<LPARAM>(menu));
    EXPECT_TRUE(::GetMenuState(menu, ID_SEC_ALLOW_DOCKING, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(::GetMenuItemCount(menu), 2);
    bar_.ModifyExBarStyle(0, CBRS_EX_ALLOW_MDI_FLOAT, FALSE);
    frame_->SendMessage(WM_SEC_EXTENDCONTEXTMENU, reinterpret_cast<WPARAM>(bar_.m_hWnd),
                        reinterpret_cast<LPARAM>(menu));
    ASSERT_EQ(::GetMenuItemCount(menu), 4);
    EXPECT_TRUE(::GetMenuState(menu, ID_SEC_FLOAT_IN_MAIN, MF_BYCOMMAND) & MF_CHECKED);
    ::DestroyMenu(menu);
    EXPECT_TRUE(::IsWindow(hostWnd));

    // Closing the child hides the bar; showing the bar shows the child.
    host->SendMessage(WM_CLOSE);
    EXPECT_TRUE(::IsWindow(hostWnd));
    EXPECT_FALSE(bar_.IsWindowVisible());
    EXPECT_FALSE(host->IsWindowVisible());
    frame_->ShowControlBar(&bar_, TRUE, FALSE);
    EXPECT_TRUE(host->IsWindowVisible());

    // Docked back: the child goes, the bar and its contents come home.
    frame_->DockControlBar(&bar_, AFX_IDW_DOCKBAR_TOP);
    frame_->RecalcLayout();
    PumpPending();
    EXPECT_FALSE(::IsWindow(hostWnd));
    EXPECT_EQ(SECFloatingHostOf(&bar_), nullptr);
    EXPECT_EQ(::GetParent(bar_.m_hWnd), TopDockBar());
    EXPECT_FALSE(bar_.IsFloating());
    EXPECT_EQ(bar_.edit, edit);
    EXPECT_TRUE(::IsChild(bar_.m_hWnd, edit));
    EXPECT_EQ(EditText(), "typed while floating");
    EXPECT_EQ(MDIActive(), document->m_hWnd);
}

TEST_F(FloatingBarInMDIFrame, LeavesItsChildForAFloatingFrame) {
    frame_->FloatControlBarInMDIChild(&bar_, CPoint(-1, -1));
    const HWND hostWnd = SECFloatingHostOf(&bar_)->m_hWnd;
    frame_->FloatControlBar(&bar_, CPoint(300, 300));
    PumpPending();
    EXPECT_FALSE(::IsWindow(hostWnd));
    EXPECT_EQ(SECFloatingHostOf(&bar_), nullptr);
    EXPECT_TRUE(bar_.IsFloating());
    HWND floating = ::GetParent(::GetParent(bar_.m_hWnd));
    EXPECT_FALSE(::GetWindowLongPtrA(floating, GWL_STYLE) & WS_CHILD);  // a popup of its own
    EXPECT_EQ(EditText(), "keep me");
}

TEST_F(FloatingBarInWorkbook, AFloatingBarIsASheetUntilItDocks) {
    frame_->SetWorkbookMode(TRUE);
    EXPECT_EQ(frame_->GetSheetCount(), 0);
    frame_->FloatControlBarInMDIChild(&bar_, CPoint(-1, -1));
    CMDIChildWnd* host = SECFloatingHostOf(&bar_);
    ASSERT_NE(host, nullptr);
    EXPECT_TRUE(host->IsKindOf(RUNTIME_CLASS(SECControlBarWorksheet)));
    ASSERT_EQ(frame_->GetSheetCount(), 1);
    EXPECT_EQ(frame_->GetSheetLabel(frame_->GetSheet(0)), CString("Notes"));
    frame_->DockControlBar(&bar_, AFX_IDW_DOCKBAR_TOP);
    PumpPending();
    EXPECT_EQ(frame_->GetSheetCount(), 0);
    EXPECT_EQ(EditText(), "keep me");
}

TEST_F(FloatingBarInMDIFrame, DockingWithALengthCommitsItInTheDockBarsMode) {
    frame_->DockControlBarEx(&bar_, AFX_IDW_DOCKBAR_TOP, 55);
    EXPECT_EQ(bar_.m_szHorzDocked.cy, 55);
    EXPECT_EQ(::GetParent(bar_.m_hWnd), TopDockBar());
    frame_->DockControlBarEx(&bar_, AFX_IDW_DOCKBAR_LEFT, 80);
    EXPECT_EQ(bar_.m_szVertDocked.cx, 80);
    EXPECT_EQ(::GetParent(bar_.m_hWnd), frame_->GetControlBar(AFX_IDW_DOCKBAR_LEFT)->m_hWnd);
}

// A saved record handed over with the dock gives the bar its sizes and
// styles; the place is given as separate coordinates.
TEST_F(FloatingBarInMDIFrame, DockingWithARecordAtAPointTakesTheRecordAndThePlace) {
    SECControlBarInfo record;
    record.m_szHorzDocked = CSize(240, 44);
    record.m_szVertDocked = CSize(70, 150);
    record.m_szFloat = CSize(210, 90);
    record.m_fPctWidth = 0.25f;
    record.m_nMRUWidth = 210;
    record.m_dwDockStyle = CBRS_ALIGN_ANY;
    record.m_dwExStyle = CBRS_EX_OWNBORDERS | CBRS_EX_GRIPPER;
    CRect side;
    frame_->GetControlBar(AFX_IDW_DOCKBAR_LEFT)->GetWindowRect(&side);
    frame_->DockControlBarEx(&bar_, AFX_IDW_DOCKBAR_LEFT, 80, side.left, side.top + 100, &record);
    EXPECT_EQ(::GetParent(bar_.m_hWnd), frame_->GetControlBar(AFX_IDW_DOCKBAR_LEFT)->m_hWnd);
    // The committed width, the record's height; dropped at the point until
    // the side lays its bars out.
    EXPECT_EQ(bar_.m_szVertDocked, CSize(80, 150));
    EXPECT_EQ(bar_.m_szHorzDocked, CSize(240, 44));
    EXPECT_EQ(bar_.m_szFloat, CSize(210, 90));
    EXPECT_FLOAT_EQ(bar_.m_fProportionalWidth, 0.25f);
    EXPECT_EQ(bar_.GetExBarStyle(), static_cast<DWORD>(CBRS_EX_OWNBORDERS | CBRS_EX_GRIPPER));
    CRect placed;
    bar_.GetWindowRect(&placed);
    EXPECT_EQ(placed.top, side.top + 100);
    // Alone down the side, the bar then takes the side's length.
    frame_->RecalcLayout();
    PumpPending();
    bar_.GetWindowRect(&placed);
    frame_->GetControlBar(AFX_IDW_DOCKBAR_LEFT)->GetWindowRect(&side);
    EXPECT_EQ(placed.Width(), 80);
    EXPECT_EQ(placed.top, side.top);
}

TEST(FloatingBarInSDIFrame, DockingWithALengthCommitsItInTheBarsMode) {
    CWinApp app;
    auto* frame = new SECFrameWnd;
    ASSERT_TRUE(frame->LoadFrame(IDR_CORE_SDI));
    frame->EnableDocking(CBRS_ALIGN_ANY);
    CNotesBar bar;
    ASSERT_TRUE(bar.Make(frame));
    // Still aligned to the top: the length is the horizontal docked height,
    // wherever the bar goes.
    frame->DockControlBarEx(&bar, AFX_IDW_DOCKBAR_LEFT, 70);
    EXPECT_EQ(bar.m_szHorzDocked.cy, 70);
    EXPECT_EQ(::GetParent(bar.m_hWnd), frame->GetControlBar(AFX_IDW_DOCKBAR_LEFT)->m_hWnd);
    // Now down the left side.
    frame->DockControlBarEx(&bar, AFX_IDW_DOCKBAR_LEFT, 90);
    EXPECT_EQ(bar.m_szVertDocked.cx, 90);
    frame->DestroyWindow();
}

TEST_F(FloatingBarInMDIFrame, FloatInMainWindowFromTheBarsMenuGoesBackAndForth) {
    bar_.ModifyExBarStyle(0, CBRS_EX_ALLOW_MDI_FLOAT | CBRS_EX_CONTEXTMENU, FALSE);
    auto chooseFloatInMain = [&] {
        HMENU menu = ::CreatePopupMenu();
        frame_->SendMessage(WM_SEC_EXTENDCONTEXTMENU, reinterpret_cast<WPARAM>(bar_.m_hWnd),
                            reinterpret_cast<LPARAM>(menu));
        ::DestroyMenu(menu);
        // The bar passes its menu's commands to its owner, the frame.
        bar_.SendMessage(WM_COMMAND, ID_SEC_FLOAT_IN_MAIN);
        PumpPending();
    };
    chooseFloatInMain();
    CMDIChildWnd* host = SECFloatingHostOf(&bar_);
    ASSERT_NE(host, nullptr);
    const HWND hostWnd = host->m_hWnd;
    chooseFloatInMain();
    EXPECT_FALSE(::IsWindow(hostWnd));
    EXPECT_TRUE(bar_.IsFloating());
    EXPECT_EQ(SECFloatingHostOf(&bar_), nullptr);
    EXPECT_EQ(EditText(), "keep me");
}
