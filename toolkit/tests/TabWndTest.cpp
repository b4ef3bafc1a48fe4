// Tab strips and tabbed windows in real windows: clicks and their notices,
// the Ctrl and Shift rules, scroll buttons, and the shared scroll bars that
// keep each tab's own state across switches.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "Tab3DControl.h"
#include "TabControl.h"
#include "TabGeometry.h"
#include "TabWnd.h"
#include "WindowHelpers.h"

namespace {

using testing_harness::PumpPending;

struct Notice {
    UINT message;
    WPARAM wParam;
    bool hasChange;
    SECTabChange change;
};

// A top-level window that records the notices its tab strip sends.
class CNoticeWnd : public CWnd {
public:
    std::vector<Notice> notices;
    BOOL Make() {
        return CreateEx(0, AfxRegisterWndClass(0), "Tab test", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                        CRect(40, 40, 560, 360), nullptr, 0);
    }
    LRESULT Record(UINT message, WPARAM wParam, LPARAM lParam) {
        Notice n{message, wParam, lParam != 0, {}};
        if (lParam != 0) n.change = *reinterpret_cast<SECTabChange*>(lParam);
        notices.push_back(n);
        return 0;
    }
    afx_msg LRESULT OnSelected(WPARAM w, LPARAM l) { return Record(WM_TABSELECTED, w, l); }
    afx_msg LRESULT OnDblClk(WPARAM w, LPARAM l) { return Record(WM_TABDBLCLK, w, l); }
    afx_msg LRESULT OnCleared(WPARAM w, LPARAM l) { return Record(WM_TABSELCLEARED, w, l); }
    afx_msg LRESULT OnReactivated(WPARAM w, LPARAM l) { return Record(WM_TABREACTIVATED, w, l); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CNoticeWnd, CWnd)
    ON_MESSAGE(WM_TABSELECTED, OnSelected)
    ON_MESSAGE(WM_TABDBLCLK, OnDblClk)
    ON_MESSAGE(WM_TABSELCLEARED, OnCleared)
    ON_MESSAGE(WM_TABREACTIVATED, OnReactivated)
END_MESSAGE_MAP()

// Screenshots go to the temporary folder, out of the source tree.
std::string ShotPath(const char* name) {
    char dir[MAX_PATH];
    ::GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + name;
}

POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// A press and release; the release is queued first, so that a scroll
// button's own loop, which waits for it, ends.
void Press(CWnd& wnd, POINT p, UINT keys = 0) {
    wnd.PostMessage(WM_LBUTTONUP, keys, MAKELPARAM(p.x, p.y));
    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | keys, MAKELPARAM(p.x, p.y));
    PumpPending();
}

TEST(TabStrip, ClicksAndTheCtrlAndShiftRulesGiveTheirNotices) {
    CNoticeWnd parent;
    ASSERT_TRUE(parent.Make());
    SECTabControl strip;
    ASSERT_TRUE(strip.Create(WS_VISIBLE, CRect(0, 0, 500, 18), &parent, 77));
    for (const char* label : {"Engine", "Graphs", "Tables", "Notes"}) strip.AddTab(label);
    PumpPending();
    // Each tab is its bold label plus 20 and overlaps the next by 5.
    for (int i = 1; i < 4; ++i)
        EXPECT_EQ(strip.GetTabX(i), strip.GetTabX(i - 1) + strip.GetTab(i - 1)->width - 5);

    Press(strip, Centre(strip.GetTabBox(1)));
    ASSERT_EQ(parent.notices.size(), 1u);
    EXPECT_EQ(parent.notices[0].message, (UINT)WM_TABSELECTED);
    EXPECT_EQ(parent.notices[0].wParam, 1u);
    ASSERT_TRUE(parent.notices[0].hasChange);
    EXPECT_EQ(parent.notices[0].change.controlId, 77);
    EXPECT_EQ(parent.notices[0].change.newIndex, 1);
    EXPECT_EQ(parent.notices[0].change.oldIndex, -1);

    // Again on the current tab: reactivated, not selected.
    Press(strip, Centre(strip.GetTabBox(1)));
    ASSERT_EQ(parent.notices.size(), 2u);
    EXPECT_EQ(parent.notices[1].message, (UINT)WM_TABREACTIVATED);
    EXPECT_EQ(parent.notices[1].wParam, 1u);
    strip.ActivateTab(1);  // activating the current tab sends nothing
    EXPECT_EQ(parent.notices.size(), 2u);

    // Ctrl toggles a tab's selection and activates nothing.
    Press(strip, Centre(strip.GetTabBox(3)), MK_CONTROL);
    EXPECT_EQ(parent.notices.size(), 2u);
    EXPECT_TRUE(strip.GetTab(3)->selected);
    Press(strip, Centre(strip.GetTabBox(3)), MK_CONTROL);
    EXPECT_FALSE(strip.GetTab(3)->selected);

    // Shift selects the range from the current tab and activates the clicked one.
    Press(strip, Centre(strip.GetTabBox(3)), MK_SHIFT);
    ASSERT_EQ(parent.notices.size(), 3u);
    EXPECT_EQ(parent.notices[2].message, (UINT)WM_TABSELECTED);
    EXPECT_EQ(parent.notices[2].wParam, 3u);
    EXPECT_EQ(parent.notices[2].change.oldIndex, -1);  // the range cleared the current tab
    EXPECT_FALSE(strip.GetTab(0)->selected);
    for (int i = 1; i <= 3; ++i) EXPECT_TRUE(strip.GetTab(i)->selected) << i;

    // A plain click clears the other selections.
    Press(strip, Centre(strip.GetTabBox(0)));
    ASSERT_EQ(parent.notices.size(), 4u);
    EXPECT_EQ(parent.notices[3].change.newIndex, 0);
    EXPECT_EQ(parent.notices[3].change.oldIndex, 3);
    for (int i = 1; i <= 3; ++i) EXPECT_FALSE(strip.GetTab(i)->selected) << i;

    // Double click names the tab; ClearSelection sends its notice.
    const POINT p = Centre(strip.GetTabBox(2));
    strip.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    EXPECT_EQ(parent.notices.back().message, (UINT)WM_TABDBLCLK);
    EXPECT_EQ(parent.notices.back().wParam, 2u);
    strip.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(499, 2));
    EXPECT_EQ(parent.notices.back().wParam, static_cast<WPARAM>(-1));  // a miss names no tab
    strip.ClearSelection();
    EXPECT_EQ(parent.notices.back().message, (UINT)WM_TABSELCLEARED);

    // Deleting the current last tab makes the new last tab current.
    strip.ActivateTab(3);
    parent.notices.clear();
    strip.DeleteTab(3);
    ASSERT_EQ(parent.notices.size(), 1u);
    EXPECT_EQ(parent.notices[0].change.newIndex, 2);
    int current = -1;
    EXPECT_TRUE(strip.GetCurrentTab(current));
    EXPECT_EQ(current, 2);
    // Deleting a tab before the current one keeps the same tab current.
    strip.DeleteTab(0);
    EXPECT_TRUE(strip.GetCurrentTab(current));
    EXPECT_EQ(current, 1);
    EXPECT_STREQ(strip.GetTab(current)->label, "Tables");

    testing_harness::Pixels::FromWindow(parent).SavePng(ShotPath("tab_strip.png"));
    parent.DestroyWindow();
}

TEST(TabStrip, ScrollButtonsFollowTheTabs) {
    CNoticeWnd parent;
    ASSERT_TRUE(parent.Make());
    SECTabControl strip;
    ASSERT_TRUE(strip.Create(WS_VISIBLE | 0x2, CRect(0, 0, 200, 18), &parent, 78));
    strip.AddTab("One");
    EXPECT_EQ(strip.GetDisabledButtons(), 15);
    for (const char* label : {"Two", "Three", "Four", "Five", "Six", "Seven", "Eight"}) strip.AddTab(label);
    EXPECT_EQ(strip.GetDisabledButtons(), tab_geometry::kFirst | tab_geometry::kPrevious);
    // Last: the last tab's right edge meets the area's right edge.
    Press(strip, Centre(strip.GetButtonRect(tab_geometry::kLast)));
    EXPECT_EQ(strip.GetTabBox(7).right, strip.GetTabArea().right);
    EXPECT_EQ(strip.GetDisabledButtons(), tab_geometry::kNext | tab_geometry::kLast);
    // Previous steps 10 pixels; First goes back to 0 and no further.
    const int before = strip.GetScrollOffset();
    Press(strip, Centre(strip.GetButtonRect(tab_geometry::kPrevious)));
    EXPECT_EQ(strip.GetScrollOffset(), before + 10);
    Press(strip, Centre(strip.GetButtonRect(tab_geometry::kFirst)));
    EXPECT_EQ(strip.GetScrollOffset(), 0);
    Press(strip, Centre(strip.GetButtonRect(tab_geometry::kPrevious)));
    EXPECT_EQ(strip.GetScrollOffset(), 0);
    parent.DestroyWindow();
}

// A plain child window standing for a view in a tab.
HWND MakePane(CWnd& parent, int id) {
    return ::CreateWindowExA(0, "STATIC", "pane", WS_CHILD | SS_WHITERECT, 0, 0, 10, 10, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleA(nullptr), nullptr);
}

int BarPos(HWND bar) {
    SCROLLINFO si = {sizeof si, SIF_ALL, 0, 0, 0, 0, 0};
    ::GetScrollInfo(bar, SB_CTL, &si);
    return si.nPos;
}

void SetBar(CScrollBar* bar, int pos) {
    SCROLLINFO si = {sizeof si, SIF_ALL, 0, 100, 10, pos, 0};
    ::SetScrollInfo(*bar, SB_CTL, &si, TRUE);
}

TEST(TabWnd, ThreeTabsKeepTheirScrollPositionsAndBars) {
    CNoticeWnd parent;
    ASSERT_TRUE(parent.Make());
    SECTabWnd tabs;
    ASSERT_TRUE(tabs.Create(&parent, WS_CHILD | WS_VISIBLE, 0xE900));
    tabs.MoveWindow(0, 0, 500, 280);
    CWnd panes[3];
    const char* labels[3] = {"Both", "Vertical", "None"};
    for (int i = 0; i < 3; ++i) {
        panes[i].Attach(MakePane(tabs, 0xEB00 + i));
        tabs.AddTab(&panes[i], labels[i]);
    }
    tabs.SetScrollStyle(0, WS_HSCROLL | WS_VSCROLL);
    tabs.SetScrollStyle(1, WS_VSCROLL);
    HWND hBar = ::GetDlgItem(tabs, SEC_IDW_HSCROLL_BAR), vBar = ::GetDlgItem(tabs, SEC_IDW_VSCROLL_BAR);
    ASSERT_NE(hBar, nullptr);
    ASSERT_NE(vBar, nullptr);

    tabs.ActivateTabAt(0);
    tabs.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(500, 280));
    ASSERT_NE(tabs.GetScrollBar(SB_HORZ), nullptr);
    SetBar(tabs.GetScrollBar(SB_HORZ), 25);
    SetBar(tabs.GetScrollBar(SB_VERT), 30);
    EXPECT_TRUE(::IsWindowVisible(hBar));
    EXPECT_TRUE(::IsWindowVisible(vBar));
    // The splitter box keeps 60 pixels for the bar right of it, inside the
    // vertical bar.
    CRect client;
    tabs.GetClientRect(&client);
    EXPECT_EQ(tabs.GetSplitPosition(), client.Width() - ::GetSystemMetrics(SM_CXVSCROLL) - 60);

    tabs.ActivateTabAt(1);
    EXPECT_FALSE(::IsWindowVisible(hBar));
    EXPECT_TRUE(::IsWindowVisible(vBar));
    EXPECT_EQ(BarPos(vBar), 0);  // a fresh tab's record is all zero
    EXPECT_EQ(tabs.GetScrollBar(SB_HORZ), nullptr);
    SetBar(tabs.GetScrollBar(SB_VERT), 70);

    tabs.ActivateTabAt(2);
    EXPECT_FALSE(::IsWindowVisible(hBar));
    EXPECT_FALSE(::IsWindowVisible(vBar));
    // Without bars the tab's window fills everything above the strip.
    CRect pane;
    panes[2].GetWindowRect(&pane);
    tabs.ScreenToClient(&pane);
    EXPECT_EQ(pane, CRect(0, 0, client.Width(), client.Height() - ::GetSystemMetrics(SM_CYHSCROLL)));
    EXPECT_TRUE(panes[2].IsWindowVisible());
    EXPECT_FALSE(panes[0].IsWindowVisible());

    tabs.ActivateTabAt(0);
    EXPECT_TRUE(::IsWindowVisible(hBar));
    EXPECT_TRUE(::IsWindowVisible(vBar));
    EXPECT_EQ(BarPos(hBar), 25);
    EXPECT_EQ(BarPos(vBar), 30);
    tabs.ActivateTabAt(1);
    EXPECT_EQ(BarPos(vBar), 70);
    PumpPending();
    testing_harness::Pixels::FromWindow(parent).SavePng(ShotPath("tab_window.png"));

    // A window that is no tab gets no shared bar.
    CWnd stranger;
    stranger.Attach(MakePane(tabs, 0xEBFF));
    EXPECT_EQ(tabs.GetScrollBar(SB_VERT, &stranger), nullptr);

    // A click on a tab's centre in the strip activates it and the notice
    // reaches the notify window with the tabbed window's id.
    auto* strip = static_cast<SECTabControl*>(tabs.GetTabControl());
    parent.notices.clear();
    Press(*strip, Centre(strip->GetTabBox(2)));
    ASSERT_FALSE(parent.notices.empty());
    EXPECT_EQ(parent.notices.back().message, (UINT)WM_TABSELECTED);
    EXPECT_EQ(parent.notices.back().wParam, 2u);
    EXPECT_EQ(parent.notices.back().change.controlId, 0xE900);
    CWnd* active = nullptr;
    EXPECT_TRUE(tabs.GetActiveTab(active));
    EXPECT_EQ(active, &panes[2]);
    parent.DestroyWindow();
    for (CWnd& p : panes) p.Detach();
    stranger.Detach();
}

TEST(TabWnd, TheSplitterBoxIsDraggedWithinItsLimits) {
    CNoticeWnd parent;
    ASSERT_TRUE(parent.Make());
    SECTabWnd tabs;
    ASSERT_TRUE(tabs.Create(&parent, WS_CHILD | WS_VISIBLE, 0xE900));
    CWnd pane;
    pane.Attach(MakePane(tabs, 0xEB00));
    tabs.AddTab(&pane, "Wide");
    tabs.SetScrollStyle(0, WS_HSCROLL);
    tabs.ActivateTabAt(0);
    tabs.MoveWindow(0, 0, 400, 200);
    CRect inside;
    tabs.GetInsideRect(inside);
    ASSERT_EQ(tabs.GetSplitPosition(), inside.right - 60);  // the first width

    auto drag = [&tabs](int fromX, int toX) {
        const CRect box = tabs.GetSplitterBoxRect();
        const int y = box.top + 2;
        tabs.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(fromX, y));
        tabs.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(toX, y));
        tabs.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(toX, y));
    };
    const int start = tabs.GetSplitPosition();
    drag(start + 2, start - 98);
    EXPECT_EQ(tabs.GetSplitPosition(), start - 100);
    // The strip ends at the box and the bar starts after it.
    CRect strip, bar;
    tabs.GetTabControl()->GetWindowRect(&strip);
    ::GetWindowRect(::GetDlgItem(tabs, SEC_IDW_HSCROLL_BAR), &bar);
    tabs.ScreenToClient(&strip);
    tabs.ScreenToClient(&bar);
    EXPECT_EQ(strip.right, start - 100);
    EXPECT_EQ(bar.left, start - 100 + SECTabWnd::kSplitterBoxWidth);
    // Not beyond 60 pixels from the right edge, nor left of 0.
    drag(tabs.GetSplitPosition() + 2, 1000);
    EXPECT_EQ(tabs.GetSplitPosition(), inside.right - 60);
    drag(tabs.GetSplitPosition() + 2, -500);
    EXPECT_EQ(tabs.GetSplitPosition(), 0);

    // A drag whose capture is taken away ends: a later move changes nothing.
    const int before = tabs.GetSplitPosition();
    const CRect box = tabs.GetSplitterBoxRect();
    tabs.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(box.left + 2, box.top + 2));
    ::ReleaseCapture();
    tabs.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(box.left + 80, box.top + 2));
    EXPECT_EQ(tabs.GetSplitPosition(), before);
    parent.DestroyWindow();
    pane.Detach();
}

TEST(Tab3DStrip, ClicksKeysDragsAndLooks) {
    CNoticeWnd parent;
    ASSERT_TRUE(parent.Make());
    SEC3DTabControl strip;
    ASSERT_TRUE(strip.Create(WS_VISIBLE | tab3d_geometry::kTop | tab3d_geometry::kMovableTabs,
                             CRect(10, 10, 410, 36), &parent, 78));
    for (const char* label : {"Engine", "Graphs", "Tables", "Notes"}) strip.AddTab(label);
    strip.EnableTab(2, FALSE);
    strip.ActivateTab(0);
    PumpPending();
    ASSERT_EQ(parent.notices.size(), 1u);
    EXPECT_EQ(parent.notices[0].change.newIndex, 0);

    auto click = [&](int tab) { Press(strip, Centre(strip.GetTabRect(tab))); };
    click(1);
    ASSERT_EQ(parent.notices.size(), 2u);
    EXPECT_EQ(parent.notices[1].message, (UINT)WM_TABSELECTED);
    EXPECT_EQ(parent.notices[1].change.controlId, 78);
    EXPECT_EQ(parent.notices[1].change.newIndex, 1);
    EXPECT_EQ(parent.notices[1].change.oldIndex, 0);
    click(1);
    ASSERT_EQ(parent.notices.size(), 3u);
    EXPECT_EQ(parent.notices[2].message, (UINT)WM_TABREACTIVATED);
    click(2);  // disabled
    Press(strip, POINT{395, 2});  // the edge beyond the tabs
    EXPECT_EQ(parent.notices.size(), 3u);

    // Arrows skip the disabled tab and stop at the ends.
    strip.SendMessage(WM_KEYDOWN, VK_RIGHT);
    int current = -1;
    ASSERT_TRUE(strip.GetCurrentTab(current));
    EXPECT_EQ(current, 3);
    strip.SendMessage(WM_KEYDOWN, VK_DOWN);
    strip.SendMessage(WM_KEYDOWN, VK_LEFT);
    ASSERT_TRUE(strip.GetCurrentTab(current));
    EXPECT_EQ(current, 1);
    EXPECT_EQ(parent.notices.size(), 5u);

    strip.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(Centre(strip.GetTabRect(3)).x, 12));
    ASSERT_EQ(parent.notices.size(), 6u);
    EXPECT_EQ(parent.notices[5].message, (UINT)WM_TABDBLCLK);
    EXPECT_EQ(parent.notices[5].wParam, 3u);

    // Dragging the current tab over another moves it there.
    const POINT grab = Centre(strip.GetTabRect(1));
    const POINT drop = Centre(strip.GetTabRect(3));
    strip.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(grab.x, grab.y));
    strip.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(drop.x, drop.y));
    strip.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(drop.x, drop.y));
    ASSERT_EQ(parent.notices.size(), 8u);  // reactivated, then moved
    EXPECT_EQ(parent.notices[7].change.newIndex, 3);
    EXPECT_EQ(parent.notices[7].change.oldIndex, 1);
    std::vector<std::string> order;
    for (int i = 0; i < strip.GetTabCount(); ++i) order.push_back(static_cast<LPCSTR>(strip.GetTab(i)->label));
    EXPECT_EQ(order, (std::vector<std::string>{"Engine", "Tables", "Notes", "Graphs"}));
    EXPECT_FALSE(strip.IsTabEnabled(1));  // the flag went with its tab
    EXPECT_EQ(::GetCapture(), nullptr);

    // Tooltips name the label.
    TOOLINFO info = {};
    info.cbSize = sizeof info;
    ASSERT_EQ(strip.OnToolHitTest(CPoint(Centre(strip.GetTabRect(0))), &info), 1);
    EXPECT_STREQ(info.lpszText, "Engine");
    std::free(info.lpszText);

    // The edge's black line runs along the top except where the raised
    // current tab covers it.
    strip.RedrawWindow();
    const testing_harness::Pixels pixels = testing_harness::Pixels::FromWindow(strip.m_hWnd);
    pixels.SavePng(ShotPath("tab3d-strip.png"));
    const RECT raised = strip.GetTabRect(3);
    EXPECT_EQ(pixels.At(395, 0), 0u);
    EXPECT_EQ(pixels.At(2, 0), 0u);
    EXPECT_NE(pixels.At(Centre(raised).x, 0), 0u);
    EXPECT_EQ(pixels.At(Centre(raised).x, 2), testing_harness::Rgb(::GetSysColor(COLOR_BTNFACE)));
    strip.DestroyWindow();
    parent.DestroyWindow();
}

}  // namespace
