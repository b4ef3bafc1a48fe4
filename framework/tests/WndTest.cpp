// CWnd in real windows: binding at creation, the handle map, subclassing,
// message cracking, command routing and reflection, scroll-bar stand-ins.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "CmdUI.h"
#include "CommonControls.h"
#include "Controls.h"
#include "WindowHelpers.h"
#include "WindowMessages.h"
#include "Wnd.h"

namespace {

enum : UINT { ID_RUN = 40001, ID_DISABLED = 40002, ID_RANGE_FIRST = 40010, ID_RANGE_LAST = 40019 };
enum : UINT { IDC_BUTTON = 1001, IDC_OTHER_BUTTON = 1002, IDC_BAR = 1003 };

// A top-level window that records what its map sees.
class CRecordingWnd : public CWnd {
public:
    std::vector<std::string> seen;
    LPVOID createParam = nullptr;
    UINT lastRangeId = 0;
    int runs = 0;
    CSize size;
    CPoint click;
    UINT clickFlags = 0;
    UINT keyCode = 0;
    UINT keyRepeat = 0;
    short wheelDelta = 0;
    CScrollBar* scrolledBar = nullptr;
    UINT scrollCode = 0;
    BOOL deleteOnDestroy = FALSE;
    bool* deleted = nullptr;

    ~CRecordingWnd() override {
        if (deleted) *deleted = true;
    }

    BOOL CreateTopLevel(LPVOID param = nullptr) {
        return CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW),
                                               reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)),
                        "Recording", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200, nullptr,
                        nullptr, param);
    }

protected:
    void PostNcDestroy() override {
        if (deleteOnDestroy) delete this;
    }

    afx_msg BOOL OnNcCreate(LPCREATESTRUCT cs) {
        seen.push_back("ncCreate");
        return CWnd::OnNcCreate(cs);
    }
    afx_msg int OnCreate(LPCREATESTRUCT cs) {
        seen.push_back("create");
        createParam = cs->lpCreateParams;
        return CWnd::OnCreate(cs);
    }
    afx_msg void OnSize(UINT type, int cx, int cy) {
        size = CSize(cx, cy);
        CWnd::OnSize(type, cx, cy);
    }
    afx_msg void OnLButtonDown(UINT flags, CPoint point) {
        clickFlags = flags;
        click = point;
    }
    afx_msg void OnKeyDown(UINT ch, UINT repeat, UINT) {
        keyCode = ch;
        keyRepeat = repeat;
    }
    afx_msg BOOL OnMouseWheel(UINT, short delta, CPoint) {
        wheelDelta = delta;
        return TRUE;
    }
    afx_msg void OnHScroll(UINT code, UINT, CScrollBar* bar) {
        scrollCode = code;
        scrolledBar = bar;
    }
    afx_msg void OnRun() { ++runs; }
    afx_msg void OnUpdateDisabled(CCmdUI* cmdUI) { cmdUI->Enable(FALSE); }
    afx_msg void OnDisabled() { seen.push_back("disabled ran"); }
    afx_msg void OnRange(UINT id) { lastRangeId = id; }
    afx_msg void OnOtherButton() { seen.push_back("parent saw other"); }
    afx_msg void OnButton() { seen.push_back("parent saw button"); }
    afx_msg LRESULT OnPrivate(WPARAM wParam, LPARAM lParam) { return wParam + lParam; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRecordingWnd, CWnd)
    ON_WM_NCCREATE()
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_KEYDOWN()
    ON_WM_MOUSEWHEEL()
    ON_WM_HSCROLL()
    ON_COMMAND(ID_RUN, OnRun)
    ON_COMMAND(ID_DISABLED, OnDisabled)
    ON_UPDATE_COMMAND_UI(ID_DISABLED, OnUpdateDisabled)
    ON_COMMAND_RANGE(ID_RANGE_FIRST, ID_RANGE_LAST, OnRange)
    ON_BN_CLICKED(IDC_BUTTON, OnButton)
    ON_BN_CLICKED(IDC_OTHER_BUTTON, OnOtherButton)
    ON_MESSAGE(WM_USER + 7, OnPrivate)
END_MESSAGE_MAP()

// A button that handles its own clicks (reflected from its parent).
class CSelfClickingButton : public CButton {
public:
    int clicks = 0;

protected:
    afx_msg void OnClicked() { ++clicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfClickingButton, CButton)
    ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

// An edit control taken over after creation; keeps the digits only.
class CDigitsEdit : public CEdit {
public:
    int charsSeen = 0;

protected:
    afx_msg void OnChar(UINT ch, UINT repeat, UINT flags) {
        ++charsSeen;
        if (ch >= '0' && ch <= '9') CEdit::OnChar(ch, repeat, flags);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDigitsEdit, CEdit)
    ON_WM_CHAR()
END_MESSAGE_MAP()

// A view-like window whose scroll calls go to a sibling scroll bar.
class CBorrowingWnd : public CWnd {
public:
    CScrollBar* bar = nullptr;
    CScrollBar* GetScrollBarCtrl(int which) const override { return which == SB_HORZ ? bar : nullptr; }
};

class WndTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(wnd.CreateTopLevel(&marker)); }
    void TearDown() override {
        if (wnd.m_hWnd) wnd.DestroyWindow();
        CWnd::DeleteTempMap();
    }

    int marker = 0;
    CRecordingWnd wnd;
};

}  // namespace

TEST_F(WndTest, CreatedWindowIsBoundBeforeItsFirstMessages) {
    ASSERT_GE(wnd.seen.size(), 2u);
    EXPECT_EQ(wnd.seen[0], "ncCreate");
    EXPECT_EQ(wnd.seen[1], "create");
    EXPECT_EQ(wnd.createParam, &marker);
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
    EXPECT_EQ(CWnd::FromHandle(wnd.m_hWnd), &wnd);
}

TEST_F(WndTest, UnboundWindowsGetTemporaryWrappersUntilIdle) {
    HWND plain = ::CreateWindowExA(0, "STATIC", "plain", WS_CHILD, 0, 0, 10, 10, wnd.m_hWnd, nullptr,
                                   nullptr, nullptr);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(plain), nullptr);
    CWnd* wrapper = CWnd::FromHandle(plain);
    ASSERT_NE(wrapper, nullptr);
    EXPECT_EQ(wrapper->m_hWnd, plain);
    EXPECT_EQ(CWnd::FromHandle(plain), wrapper);  // the same wrapper until idle
    EXPECT_EQ(wnd.GetDlgItem(0)->m_hWnd, plain);

    CWnd::DeleteTempMap();
    EXPECT_TRUE(::IsWindow(plain));  // deleting a wrapper leaves its window alone

    CWnd owner;
    ASSERT_TRUE(owner.Attach(plain));
    EXPECT_EQ(CWnd::FromHandle(plain), &owner);
    EXPECT_EQ(owner.Detach(), plain);
    EXPECT_EQ(CWnd::FromHandlePermanent(plain), nullptr);
    ::DestroyWindow(plain);
}

TEST_F(WndTest, SubclassedControlKeepsItsOwnProcedureBehindTheMap) {
    HWND edit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 10, 10, 120, 20, wnd.m_hWnd,
                                  reinterpret_cast<HMENU>(77), nullptr, nullptr);
    ASSERT_NE(edit, nullptr);
    WNDPROC original = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(edit, GWLP_WNDPROC));

    CDigitsEdit digits;
    ASSERT_TRUE(digits.SubclassDlgItem(77, &wnd));
    EXPECT_EQ(CWnd::FromHandlePermanent(edit), &digits);
    testing_harness::TypeText(edit, "a1b2c3");
    EXPECT_EQ(digits.charsSeen, 6);
    // The edit control's own procedure stored the accepted characters.
    EXPECT_EQ(testing_harness::ControlText(edit), "123");
    CString text;
    digits.GetWindowText(text);
    EXPECT_STREQ(text, "123");

    EXPECT_EQ(digits.UnsubclassWindow(), edit);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(edit, GWLP_WNDPROC)), original);
    EXPECT_EQ(CWnd::FromHandlePermanent(edit), nullptr);
    ::DestroyWindow(edit);
}

TEST_F(WndTest, ObjectCreatedOnACommonControlClassDefaultsToThatControl) {
    CProgressCtrl progress;
    ASSERT_TRUE(progress.Create(WS_CHILD | WS_VISIBLE, CRect(10, 40, 200, 60), &wnd, 5));
    progress.SetRange32(0, 50);
    progress.SetPos(20);
    // Only the control's own procedure keeps the position.
    EXPECT_EQ(progress.GetPos(), 20);
    EXPECT_EQ(progress.SendMessage(PBM_GETRANGE, FALSE), 50);
}

TEST_F(WndTest, MessagesAreCrackedForTheirHandlers) {
    wnd.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(123, 45));
    EXPECT_EQ(wnd.size, CSize(123, 45));
    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(-5, 17));
    EXPECT_EQ(wnd.click, CPoint(-5, 17));
    EXPECT_EQ(wnd.clickFlags, static_cast<UINT>(MK_LBUTTON | MK_SHIFT));
    wnd.SendMessage(WM_KEYDOWN, VK_F5, MAKELPARAM(3, 0));
    EXPECT_EQ(wnd.keyCode, static_cast<UINT>(VK_F5));
    EXPECT_EQ(wnd.keyRepeat, 3u);
    EXPECT_EQ(wnd.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0), TRUE);
    EXPECT_EQ(wnd.wheelDelta, -120);
    EXPECT_EQ(wnd.SendMessage(WM_USER + 7, 40, 2), 42);
}

TEST_F(WndTest, CommandsReachTheWindowsMapWithTheirIds) {
    testing_harness::SendCommand(wnd.m_hWnd, ID_RUN);
    EXPECT_EQ(wnd.runs, 1);
    testing_harness::SendCommand(wnd.m_hWnd, ID_RANGE_FIRST + 4);
    EXPECT_EQ(wnd.lastRangeId, ID_RANGE_FIRST + 4);
    testing_harness::SendCommand(wnd.m_hWnd, ID_RANGE_LAST);
    EXPECT_EQ(wnd.lastRangeId, static_cast<UINT>(ID_RANGE_LAST));
    // An update handler that disables a command keeps its menu item and
    // accelerator from running it.
    testing_harness::SendCommand(wnd.m_hWnd, ID_DISABLED);
    EXPECT_EQ(std::count(wnd.seen.begin(), wnd.seen.end(), "disabled ran"), 0);
}

TEST_F(WndTest, ControlNotificationsGoToTheControlFirstThenTheParent) {
    CSelfClickingButton self;
    ASSERT_TRUE(self.Create("Self", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 10, 80, 30), &wnd, IDC_BUTTON));
    CButton other;
    ASSERT_TRUE(other.Create("Other", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(90, 10, 160, 30), &wnd,
                             IDC_OTHER_BUTTON));
    testing_harness::Click(self.m_hWnd);
    testing_harness::Click(other.m_hWnd);
    testing_harness::PumpPending();
    EXPECT_EQ(self.clicks, 1);
    EXPECT_EQ(std::count(wnd.seen.begin(), wnd.seen.end(), "parent saw button"), 0);
    EXPECT_EQ(std::count(wnd.seen.begin(), wnd.seen.end(), "parent saw other"), 1);
}

TEST_F(WndTest, ScrollCallsUseTheStandInBarAndItsMessagesNameIt) {
    CBorrowingWnd view;
    ASSERT_TRUE(view.Create(nullptr, "view", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &wnd, 9));
    CScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | SBS_HORZ, CRect(0, 110, 200, 126), &wnd, IDC_BAR));
    view.bar = &bar;

    view.SetScrollRange(SB_HORZ, 0, 400);
    view.SetScrollPos(SB_HORZ, 150);
    EXPECT_EQ(bar.GetScrollPos(), 150);
    EXPECT_EQ(::GetScrollPos(view.m_hWnd, SB_HORZ), 0);  // the window's own bar is untouched
    EXPECT_EQ(view.GetScrollPos(SB_HORZ), 150);
    SCROLLINFO info = {};
    info.fMask = SIF_PAGE;
    info.nPage = 100;
    view.SetScrollInfo(SB_HORZ, &info);
    EXPECT_EQ(view.GetScrollLimit(SB_HORZ), 301);
    view.EnableScrollBarCtrl(SB_HORZ, FALSE);
    EXPECT_FALSE(bar.IsWindowEnabled());

    // The bar's own messages name it to the parent's handler.
    wnd.SendMessage(WM_HSCROLL, SB_LINERIGHT, reinterpret_cast<LPARAM>(bar.m_hWnd));
    EXPECT_EQ(wnd.scrolledBar, &bar);
    EXPECT_EQ(wnd.scrollCode, static_cast<UINT>(SB_LINERIGHT));
}

TEST(WndLifetimeTest, WindowThatOwnsItselfIsDeletedWhenDestroyed) {
    bool deleted = false;
    auto* wnd = new CRecordingWnd;
    wnd->deleted = &deleted;
    wnd->deleteOnDestroy = TRUE;
    ASSERT_TRUE(wnd->CreateTopLevel());
    HWND handle = wnd->m_hWnd;
    ::SendMessageA(handle, WM_CLOSE, 0, 0);
    EXPECT_TRUE(deleted);
    EXPECT_FALSE(::IsWindow(handle));
    EXPECT_EQ(CWnd::FromHandlePermanent(handle), nullptr);
}

TEST(WndLifetimeTest, DestroyingTheObjectDestroysItsWindow) {
    HWND handle;
    {
        CRecordingWnd wnd;
        ASSERT_TRUE(wnd.CreateTopLevel());
        handle = wnd.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(handle));
    EXPECT_EQ(CWnd::FromHandlePermanent(handle), nullptr);
}

namespace {

enum : UINT { ID_HANDLED = 40201, ID_UNHANDLED = 40202, ID_CHECKED = 40203, ID_GREYED = 40204 };

// A window whose pop-up menus follow its command handlers.
class CMenuWnd : public CWnd {
public:
    BOOL checked = TRUE;
    UINT stateSeenByHandler = 0;

protected:
    afx_msg void OnInitMenuPopup(CMenu* popup, UINT index, BOOL sysMenu) {
        CWnd::OnInitMenuPopup(popup, index, sysMenu);
        if (!sysMenu) UpdateMenuCmdUI(popup);
        // Anything the window does afterwards sees the updated states.
        stateSeenByHandler = popup->GetMenuState(ID_UNHANDLED, MF_BYCOMMAND);
        ::EndMenu();
    }
    afx_msg void OnHandled() {}
    afx_msg void OnChecked() {}
    afx_msg void OnGreyed() {}
    afx_msg void OnUpdateChecked(CCmdUI* cmdUI) { cmdUI->SetCheck(checked); }
    afx_msg void OnUpdateGreyed(CCmdUI* cmdUI) { cmdUI->Enable(FALSE); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMenuWnd, CWnd)
    ON_WM_INITMENUPOPUP()
    ON_COMMAND(ID_HANDLED, OnHandled)
    ON_COMMAND(ID_CHECKED, OnChecked)
    ON_COMMAND(ID_GREYED, OnGreyed)
    ON_UPDATE_COMMAND_UI(ID_CHECKED, OnUpdateChecked)
    ON_UPDATE_COMMAND_UI(ID_GREYED, OnUpdateGreyed)
END_MESSAGE_MAP()

}  // namespace

TEST(MenuCmdUITest, OpeningAPopupEnablesAndChecksItsItemsFromTheHandlers) {
    CMenuWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "Menus", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50,
                             300, 200, nullptr, nullptr));
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING | MF_GRAYED, ID_HANDLED, "&Handled");
    menu.AppendMenu(MF_STRING, ID_UNHANDLED, "&Unhandled");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, ID_CHECKED, "&Checked");
    menu.AppendMenu(MF_STRING, ID_GREYED, "&Greyed");

    ::SetForegroundWindow(wnd.m_hWnd);
    // The menu sends WM_INITMENUPOPUP as it opens; the handler closes it again.
    menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RETURNCMD, 60, 60, &wnd);

    EXPECT_EQ(menu.GetMenuState(ID_HANDLED, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED), 0u);
    EXPECT_NE(menu.GetMenuState(ID_UNHANDLED, MF_BYCOMMAND) & MF_GRAYED, 0u);
    EXPECT_NE(wnd.stateSeenByHandler & MF_GRAYED, 0u);
    EXPECT_NE(menu.GetMenuState(ID_CHECKED, MF_BYCOMMAND) & MF_CHECKED, 0u);
    EXPECT_EQ(menu.GetMenuState(ID_CHECKED, MF_BYCOMMAND) & MF_GRAYED, 0u);
    EXPECT_NE(menu.GetMenuState(ID_GREYED, MF_BYCOMMAND) & MF_GRAYED, 0u);
    wnd.DestroyWindow();
}

namespace {

// A button that draws itself when its parent is asked to draw it.
class COwnerDrawnButton : public CButton {
public:
    int draws = 0;
    void DrawItem(LPDRAWITEMSTRUCT item) override {
        ++draws;
        ::FillRect(item->hDC, &item->rcItem, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    }
};

// A window whose tool hit test names one rectangle with a heap text.
class CTipWnd : public CWnd {
public:
    mutable int hitTests = 0;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* info) const override {
        ++hitTests;
        CRect area(0, 0, 100, 100);
        if (!area.PtInRect(point)) return -1;
        info->hwnd = m_hWnd;
        info->uId = 17;
        info->rect = area;
        info->lpszText = _strdup("Area tip");
        return 17;
    }
};

}  // namespace

TEST_F(WndTest, OwnerDrawnControlDrawsItselfThroughReflection) {
    COwnerDrawnButton button;
    ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 60, 40), &wnd, 55));
    button.Invalidate();
    button.UpdateWindow();
    EXPECT_GE(button.draws, 1);
}

TEST(ToolTipTest, HitTestOfAWindowBecomesATipOfTheThreadsTooltip) {
    CTipWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "Tips", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                             nullptr, nullptr));
    wnd.EnableToolTips(TRUE);
    MSG msg = {};
    msg.hwnd = wnd.m_hWnd;
    msg.message = WM_MOUSEMOVE;
    CPoint inside(20, 20);
    wnd.ClientToScreen(&inside);
    msg.pt = inside;
    msg.lParam = MAKELPARAM(20, 20);
    EXPECT_FALSE(CWnd::WalkPreTranslateTree(wnd.m_hWnd, &msg));
    EXPECT_EQ(wnd.hitTests, 1);

    HWND tip = testing_harness::FindWindowOf(TOOLTIPS_CLASSA, "");
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(::SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
    char text[64] = {};
    TOOLINFOA info = {};
    info.cbSize = CToolTipCtrl::ToolInfoSize();
    info.hwnd = wnd.m_hWnd;
    info.uId = 17;
    info.lpszText = text;
    ::SendMessageA(tip, TTM_GETTEXTA, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ(text, "Area tip");

    // Leaving the area removes the tool.
    CPoint outside(200, 150);
    wnd.ClientToScreen(&outside);
    msg.pt = outside;
    CWnd::WalkPreTranslateTree(wnd.m_hWnd, &msg);
    EXPECT_EQ(::SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 0);
    wnd.DestroyWindow();
}

namespace {

// A sorted owner-drawn list that keeps numbers in descending order.
class CDescendingList : public CListBox {
public:
    int compares = 0;
    int CompareItem(LPCOMPAREITEMSTRUCT item) override {
        ++compares;
        DWORD_PTR a = item->itemData1;
        DWORD_PTR b = item->itemData2;
        return a > b ? -1 : a < b ? 1 : 0;
    }
    void MeasureItem(LPMEASUREITEMSTRUCT item) override { item->itemHeight = 12; }
};

}  // namespace

TEST_F(WndTest, OwnerDrawnListSortsThroughItsOwnCompareItem) {
    CDescendingList list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_SORT | LBS_OWNERDRAWFIXED, CRect(10, 10, 120, 120), &wnd,
                            66));
    for (DWORD_PTR value : {5, 9, 1, 7}) list.SendMessage(LB_ADDSTRING, 0, static_cast<LPARAM>(value));
    EXPECT_GT(list.compares, 0);
    ASSERT_EQ(list.GetCount(), 4);
    EXPECT_EQ(list.GetItemData(0), 9u);
    EXPECT_EQ(list.GetItemData(3), 1u);
}
