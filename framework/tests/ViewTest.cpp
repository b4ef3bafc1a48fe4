// Views in real windows: a static splitter with its panes and bar, a scroll
// view driven by a scroll bar of another window, and a form view.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CmdUI.h"
#include "Controls.h"
#include "FormView.h"
#include "FrameTestResources.h"
#include "FrameWnd.h"
#include "ScrollView.h"
#include "SplitterWnd.h"
#include "WinThread.h"
#include "WindowHelpers.h"
#include "WindowMessages.h"

namespace {

class CPlainDoc : public CDocument {
public:
    BOOL ready = FALSE;
    BOOL metric = TRUE;
    afx_msg void OnUpdateApply(CCmdUI* cmdUI) { cmdUI->Enable(ready); }
    afx_msg void OnUpdateMetric(CCmdUI* cmdUI) { cmdUI->SetCheck(metric); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CPlainDoc, CDocument)
    ON_UPDATE_COMMAND_UI(IDC_FORM_APPLY, OnUpdateApply)
    ON_UPDATE_COMMAND_UI(IDC_FORM_CHECK, OnUpdateMetric)
END_MESSAGE_MAP()

class CPlainView : public CView {
    DECLARE_DYNCREATE(CPlainView)
public:
    std::vector<UINT> frameActivations;
    void OnActivateFrame(UINT state, CFrameWnd*) override { frameActivations.push_back(state); }
};
IMPLEMENT_DYNCREATE(CPlainView, CView)

// A pane class that makes its window its own way, as a tabbed pane does.
class CStyledPane : public CView {
    DECLARE_DYNCREATE(CStyledPane)
public:
    static int creations;
    BOOL Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                CCreateContext* context) override {
        ++creations;
        return CView::Create(className, windowName, style | WS_HSCROLL, rect, parent, id, context);
    }
};
IMPLEMENT_DYNCREATE(CStyledPane, CView)
int CStyledPane::creations = 0;

const COLORREF kLabelColour = RGB(255, 255, 0);

class CTestForm : public CFormView {
    DECLARE_DYNCREATE(CTestForm)
public:
    using CFormView::m_hWndFocus;
    CTestForm() : CFormView(IDD_TEST_FORM) {}
    CBrush labelBrush{kLabelColour};
    afx_msg HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor) {
        if (wnd != nullptr && wnd->GetDlgCtrlID() == IDC_FORM_LABEL) {
            dc->SetBkColor(kLabelColour);
            return static_cast<HBRUSH>(labelBrush.GetSafeHandle());
        }
        return CFormView::OnCtlColor(dc, wnd, ctlColor);
    }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CTestForm, CFormView)
BEGIN_MESSAGE_MAP(CTestForm, CFormView)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

// A frame split into two columns: a pane of `left` 200 wide, and `right`.
class CSplitFrame : public CFrameWnd {
public:
    CRuntimeClass* left = RUNTIME_CLASS(CStyledPane);
    CRuntimeClass* right = RUNTIME_CLASS(CPlainView);
    CSplitterWnd splitter;
    BOOL OnCreateClient(LPCREATESTRUCT, CCreateContext* context) override {
        return splitter.CreateStatic(this, 1, 2, WS_CHILD | WS_VISIBLE, AFX_IDW_PANE_FIRST) &&
               splitter.CreateView(0, 0, left, CSize(200, 0), context) &&
               splitter.CreateView(0, 1, right, CSize(0, 0), context);
    }
};

class SplitFrameTest : public ::testing::Test {
protected:
    // Makes the frame around a new document; the document goes with it.
    void MakeFrame(CRuntimeClass* left) {
        document_ = new CPlainDoc;
        CCreateContext context;
        context.m_pCurrentDoc = document_;
        frame_ = new CSplitFrame;
        frame_->left = left;
        ASSERT_TRUE(frame_->Create(nullptr, "Views", WS_OVERLAPPEDWINDOW, CRect(0, 0, 600, 400), nullptr,
                                   nullptr, 0, &context));
        frame_->InitialUpdateFrame(document_, TRUE);
        frame_->SetForegroundWindow();
        testing_harness::PumpPending();
    }
    void TearDown() override {
        if (frame_ != nullptr && ::IsWindow(frame_->m_hWnd)) frame_->DestroyWindow();
    }
    CRect PaneRect(int col) const {
        CRect rect;
        frame_->splitter.GetPane(0, col)->GetWindowRect(&rect);
        frame_->splitter.ScreenToClient(&rect);
        return rect;
    }

    CPlainDoc* document_ = nullptr;
    CSplitFrame* frame_ = nullptr;
};

}  // namespace

TEST_F(SplitFrameTest, StaticSplitterMakesItsPanesThroughTheVirtualCreateWithPaneIds) {
    CStyledPane::creations = 0;
    MakeFrame(RUNTIME_CLASS(CStyledPane));
    CSplitterWnd& splitter = frame_->splitter;
    EXPECT_EQ(AFX_IDW_PANE_FIRST, splitter.GetDlgCtrlID());
    EXPECT_EQ(1, CStyledPane::creations);
    CWnd* left = splitter.GetPane(0, 0);
    CWnd* right = splitter.GetPane(0, 1);
    ASSERT_TRUE(left && right);
    EXPECT_TRUE(left->IsKindOf(RUNTIME_CLASS(CStyledPane)));
    EXPECT_NE(0u, left->GetStyle() & WS_HSCROLL);
    EXPECT_EQ(0xE900, left->GetDlgCtrlID());
    EXPECT_EQ(0xE901, right->GetDlgCtrlID());
    int row = -1, col = -1;
    EXPECT_TRUE(splitter.IsChildPane(right, &row, &col));
    EXPECT_EQ(0, row);
    EXPECT_EQ(1, col);
    // Both panes show the document; the first is the active view.
    EXPECT_EQ(document_, static_cast<CView*>(right)->GetDocument());
    EXPECT_EQ(left, frame_->GetActiveView());

    // The active view hears of the frame's activation.
    frame_->SetActiveView(static_cast<CView*>(right), FALSE);
    frame_->SendMessage(WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_EQ(std::vector<UINT>{WA_INACTIVE}, static_cast<CPlainView*>(right)->frameActivations);

    // The splitter fills the frame; the first column is 200 wide, the
    // second takes the rest beyond the bar, each pane inside its edge.
    CRect client;
    frame_->GetClientRect(&client);
    CRect splitterRect;
    splitter.GetClientRect(&splitterRect);
    EXPECT_EQ(client.Size(), splitterRect.Size());
    int width = 0, minimum = 0;
    splitter.GetColumnInfo(0, width, minimum);
    EXPECT_EQ(200, width);
    splitter.GetColumnInfo(1, width, minimum);
    EXPECT_EQ(client.Width() - 200 - 6, width);
    EXPECT_EQ(CRect(2, 2, 198, client.Height() - 2), PaneRect(0));
    EXPECT_EQ(CRect(208, 2, client.Width() - 2, client.Height() - 2), PaneRect(1));
}

TEST_F(SplitFrameTest, DraggingTheBarResizesThePanesAndEscapeUndoesIt) {
    MakeFrame(RUNTIME_CLASS(CPlainView));
    CSplitterWnd& splitter = frame_->splitter;
    HWND bar = splitter.m_hWnd;
    // Press on the bar (x 200..205), drag to 320, release.
    ::SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(202, 50));
    EXPECT_EQ(bar, ::GetCapture());
    ::SendMessageA(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(260, 50));
    ::SendMessageA(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(320, 50));
    ::SendMessageA(bar, WM_LBUTTONUP, 0, MAKELPARAM(320, 50));
    EXPECT_EQ(nullptr, ::GetCapture());
    int width = 0, minimum = 0;
    splitter.GetColumnInfo(0, width, minimum);
    EXPECT_EQ(320, width);
    EXPECT_EQ(318, PaneRect(0).right);
    EXPECT_EQ(328, PaneRect(1).left);

    // Escape during a drag puts the bar back.
    ::SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(322, 50));
    ::SendMessageA(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, 50));
    splitter.GetColumnInfo(0, width, minimum);
    EXPECT_EQ(100, width);
    ::SendMessageA(bar, WM_KEYDOWN, VK_ESCAPE, 0);
    splitter.GetColumnInfo(0, width, minimum);
    EXPECT_EQ(320, width);

    // A column set below its minimum gets no room.
    splitter.SetColumnInfo(0, 40, 50);
    splitter.RecalcLayout();
    splitter.GetColumnInfo(0, width, minimum);
    EXPECT_EQ(0, width);
}

TEST_F(SplitFrameTest, FormViewControlsAreUpdatedByCommandRoutingAtIdle) {
    MakeFrame(RUNTIME_CLASS(CTestForm));
    auto* form = static_cast<CTestForm*>(frame_->splitter.GetPane(0, 0));
    ASSERT_TRUE(form->IsKindOf(RUNTIME_CLASS(CFormView)));
    EXPECT_EQ(document_, form->GetDocument());
    HWND apply = ::GetDlgItem(form->m_hWnd, IDC_FORM_APPLY);
    HWND check = ::GetDlgItem(form->m_hWnd, IDC_FORM_CHECK);
    ASSERT_TRUE(apply && check);

    CWinThread::SendIdleUpdates(frame_);
    EXPECT_FALSE(::IsWindowEnabled(apply));
    EXPECT_EQ(BST_CHECKED, ::SendMessageA(check, BM_GETCHECK, 0, 0));
    document_->ready = TRUE;
    document_->metric = FALSE;
    CWinThread::SendIdleUpdates(frame_);
    EXPECT_TRUE(::IsWindowEnabled(apply));
    EXPECT_EQ(BST_UNCHECKED, ::SendMessageA(check, BM_GETCHECK, 0, 0));
    // Controls without an update handler are left alone.
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(form->m_hWnd, IDC_FORM_EDIT)));
}

TEST_F(SplitFrameTest, FormViewKeepsItsFocusAndTabOrder) {
    MakeFrame(RUNTIME_CLASS(CTestForm));
    auto* form = static_cast<CTestForm*>(frame_->splitter.GetPane(0, 0));
    auto* other = static_cast<CView*>(frame_->splitter.GetPane(0, 1));
    HWND edit = ::GetDlgItem(form->m_hWnd, IDC_FORM_EDIT);
    HWND check = ::GetDlgItem(form->m_hWnd, IDC_FORM_CHECK);

    // Focus needs the frame to be the active window; another test program
    // in the same display may take that away, so a round that lost it is
    // run again.
    struct Round {
        HWND first, afterTab, otherView, back;
    } seen = {};
    for (int attempt = 0; attempt < 5; ++attempt) {
        frame_->SetActiveView(other, FALSE);
        frame_->SetForegroundWindow();
        frame_->SetActiveWindow();
        if (!testing_harness::PumpUntil([&] { return ::GetActiveWindow() == frame_->m_hWnd; }, 2000)) continue;
        // The active form gives the focus to its first control; Tab moves on.
        form->m_hWndFocus = nullptr;
        frame_->SetActiveView(form);
        seen.first = ::GetFocus();
        MSG tab = {edit, WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
        CWnd::WalkPreTranslateTree(frame_->m_hWnd, &tab);
        seen.afterTab = ::GetFocus();
        // Another view takes the focus; coming back restores the check box.
        frame_->SetActiveView(other);
        seen.otherView = ::GetFocus();
        frame_->SetActiveView(form);
        seen.back = ::GetFocus();
        if (::GetActiveWindow() == frame_->m_hWnd) break;
    }
    EXPECT_EQ(edit, seen.first);
    EXPECT_EQ(check, seen.afterTab);
    EXPECT_EQ(other->m_hWnd, seen.otherView);
    EXPECT_EQ(check, seen.back);
}

TEST_F(SplitFrameTest, FormViewColoursItsControlsThroughCtlColor) {
    MakeFrame(RUNTIME_CLASS(CTestForm));
    auto* form = static_cast<CTestForm*>(frame_->splitter.GetPane(0, 0));
    HWND label = ::GetDlgItem(form->m_hWnd, IDC_FORM_LABEL);
    ::RedrawWindow(form->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    testing_harness::PumpPending();
    testing_harness::Pixels pixels = testing_harness::Pixels::FromWindow(label);
    ASSERT_GT(pixels.width(), 0);
    EXPECT_GT(pixels.Count(testing_harness::Rgb(kLabelColour)), pixels.width() * pixels.height() / 2);
    char folder[MAX_PATH];
    ::GetTempPathA(MAX_PATH, folder);
    testing_harness::Pixels::FromWindow(frame_->m_hWnd).SavePng(std::string(folder) + "framework_form_view.png");
}

namespace {

// A window that owns a vertical scroll bar shared by its view, and passes
// the bar's messages on to the view unchanged, as a tabbed window does.
class CBarHost : public CWnd {
public:
    CScrollBar bar;
    HWND view = nullptr;
    afx_msg void OnVScroll(UINT, UINT, CScrollBar*) {
        const MSG* current = GetCurrentMessage();
        ::SendMessageA(view, current->message, current->wParam, current->lParam);
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CBarHost, CWnd)
    ON_WM_VSCROLL()
END_MESSAGE_MAP()

// A tall drawing: a black line across at y = 150 on white.
class CTallView : public CScrollView {
public:
    CBarHost* host = nullptr;
    CScrollBar* GetScrollBarCtrl(int bar) const override { return bar == SB_VERT ? &host->bar : nullptr; }
    void OnDraw(CDC* dc) override {
        dc->FillSolidRect(0, 0, 100, 1000, RGB(255, 255, 255));
        dc->FillSolidRect(0, 150, 100, 2, RGB(0, 0, 0));
    }
};

class ScrollViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host_.CreateEx(0, nullptr, "Shared bar", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN,
                                   0, 0, 300, 300, nullptr, nullptr));
        ASSERT_TRUE(host_.bar.Create(SBS_VERT | WS_CHILD | WS_VISIBLE, CRect(200, 0, 216, 200), &host_, 0xECFF));
        view_ = new CTallView;
        view_->host = &host_;
        ASSERT_TRUE(view_->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 200), &host_, 1));
        host_.view = view_->m_hWnd;
    }
    void TearDown() override { host_.DestroyWindow(); }

    SCROLLINFO BarInfo() const {
        SCROLLINFO info = {};
        info.cbSize = sizeof info;
        info.fMask = SIF_ALL;
        ::GetScrollInfo(host_.bar.m_hWnd, SB_CTL, &info);
        return info;
    }
    // The row of the black line in the view, or -1.
    int LineRow() {
        view_->RedrawWindow();
        testing_harness::Pixels pixels = testing_harness::Pixels::FromWindow(view_->m_hWnd);
        for (int y = 0; y < pixels.height(); ++y)
            if (pixels.At(10, y) == 0) return y;
        return -1;
    }
    void Scroll(WPARAM code, HWND from) { ::SendMessageA(host_.m_hWnd, WM_VSCROLL, code, reinterpret_cast<LPARAM>(from)); }

    CBarHost host_;
    CTallView* view_ = nullptr;  // deletes itself with its window
};

}  // namespace

TEST_F(ScrollViewTest, ScrollSizesGoToTheReplacedBarAndItsMessagesScrollTheView) {
    view_->SetScrollSizes(MM_TEXT, CSize(100, 1000));
    SCROLLINFO info = BarInfo();
    EXPECT_EQ(0, info.nMin);
    EXPECT_EQ(999, info.nMax);
    EXPECT_EQ(200u, info.nPage);
    EXPECT_TRUE(host_.bar.IsWindowEnabled());
    // The view has no bar of its own.
    EXPECT_EQ(0u, view_->GetStyle() & (WS_VSCROLL | WS_HSCROLL));
    EXPECT_EQ(150, LineRow());

    // A line is a tenth of a page, a page a tenth of the total.
    Scroll(SB_LINEDOWN, host_.bar.m_hWnd);
    EXPECT_EQ(CPoint(0, 10), view_->GetScrollPosition());
    EXPECT_EQ(10, BarInfo().nPos);
    Scroll(SB_PAGEDOWN, host_.bar.m_hWnd);
    EXPECT_EQ(CPoint(0, 110), view_->GetScrollPosition());
    EXPECT_EQ(40, LineRow());
    Scroll(SB_BOTTOM, host_.bar.m_hWnd);
    EXPECT_EQ(CPoint(0, 800), view_->GetScrollPosition());

    // Another bar's messages are not the view's.
    CScrollBar stranger;
    ASSERT_TRUE(stranger.Create(SBS_VERT | WS_CHILD, CRect(0, 0, 16, 50), &host_, 77));
    Scroll(SB_TOP, stranger.m_hWnd);
    EXPECT_EQ(CPoint(0, 800), view_->GetScrollPosition());
    Scroll(SB_TOP, host_.bar.m_hWnd);
    EXPECT_EQ(CPoint(0, 0), view_->GetScrollPosition());
    stranger.DestroyWindow();
}

TEST_F(ScrollViewTest, ARealClickOnTheSharedBarScrollsTheView) {
    view_->SetScrollSizes(MM_TEXT, CSize(100, 1000));
    host_.SetForegroundWindow();
    testing_harness::PumpPending();
    // The lower arrow of the bar.
    testing_harness::MouseClickAt(host_.bar.m_hWnd, 8, 200 - 6);
    EXPECT_TRUE(testing_harness::PumpUntil([&] { return view_->GetScrollPosition().y > 0; }, 3000));
    EXPECT_EQ(view_->GetScrollPosition().y, BarInfo().nPos);
}

TEST_F(ScrollViewTest, ADocumentThatFitsDisablesTheSharedBarAndResetsThePosition) {
    view_->SetScrollSizes(MM_TEXT, CSize(100, 1000));
    Scroll(SB_PAGEDOWN, host_.bar.m_hWnd);
    ASSERT_EQ(100, view_->GetScrollPosition().y);
    view_->SetScrollSizes(MM_TEXT, CSize(100, 150));
    EXPECT_FALSE(host_.bar.IsWindowEnabled());
    EXPECT_TRUE(host_.bar.IsWindowVisible());
    EXPECT_EQ(CPoint(0, 0), view_->GetScrollPosition());
    EXPECT_EQ(150, LineRow());
}
