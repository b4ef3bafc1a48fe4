#include "TabWnd.h"

#include <algorithm>

#include "Exceptions.h"
#include "FrameWnd.h"
#include "ResourceModule.h"
#include "ToolkitResources.h"
#include "View.h"
#include "WindowMessages.h"

// ---- SECTabWndBase -------------------------------------------------------

BEGIN_MESSAGE_MAP(SECTabWndBase, CWnd)
    ON_WM_DESTROY()
    ON_WM_CHILDACTIVATE()
    ON_MESSAGE(WM_TABSELECTED, OnTabSelected)
    ON_MESSAGE(WM_TABREACTIVATED, OnTabReactivated)
END_MESSAGE_MAP()

BOOL SECTabWndBase::Create(CWnd* parent, DWORD style, UINT id) {
    m_notifyWnd = parent;
    style &= ~(WS_HSCROLL | WS_VSCROLL);
    if (m_hWnd == nullptr &&
        !CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), nullptr, style, CRect(0, 0, 0, 0), parent, id))
        return FALSE;
    try {
        if (!CreateTabCtrl(style, SEC_IDW_TABCONTROL)) AfxThrowResourceException();
    } catch (CException* e) {
        e->Delete();
        DestroyWindow();
        return FALSE;
    }
    return TRUE;
}

BOOL SECTabWndBase::CreateScrollBarCtrl(DWORD sbStyle, UINT id) {
    return ::CreateWindowExA(0, "SCROLLBAR", nullptr, sbStyle | WS_CHILD, 0, 0, 1, 1, m_hWnd,
                             reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), ::GetModuleHandleA(nullptr),
                             nullptr) != nullptr;
}

CWnd* SECTabWndBase::CreateView(CRuntimeClass* viewClass, CCreateContext* context, UINT id) {
    CObject* made = viewClass != nullptr ? viewClass->CreateObject() : nullptr;
    CWnd* view = dynamic_cast<CWnd*>(made);
    if (view == nullptr) {
        delete made;
        return nullptr;
    }
    m_wndUnderCreation = view;
    if (!view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, id, context)) {
        m_wndUnderCreation = nullptr;
        return nullptr;  // a view deletes itself when its window fails
    }
    m_wndUnderCreation = nullptr;
    return view;
}

CWnd* SECTabWndBase::InsertViewTab(CRuntimeClass* viewClass, int index, LPCSTR label, CCreateContext* context,
                                   UINT id) {
    if (id == static_cast<UINT>(-1)) id = SEC_IDW_FIRST_TABVIEW + GetTabCount();
    CWnd* view = CreateView(viewClass, context, id);
    if (view != nullptr) InsertTab(view, index, label);
    return view;
}

CWnd* SECTabWndBase::AddViewTab(CRuntimeClass* viewClass, LPCSTR label, CCreateContext* context, UINT id) {
    if (id == static_cast<UINT>(-1)) id = SEC_IDW_FIRST_TABVIEW + GetTabCount();
    CWnd* view = CreateView(viewClass, context, id);
    if (view != nullptr) AddTab(view, label);
    return view;
}

void SECTabWndBase::InsertTab(CWnd* wnd, int index, LPCSTR label) {
    m_tabStrip->InsertTab(index, label, wnd);
    SetScrollStyle(index, 0);
}

void SECTabWndBase::AddTab(CWnd* wnd, LPCSTR label) {
    m_tabStrip->AddTab(label, wnd);
    SetScrollStyle(GetTabCount() - 1, 0);
}

void SECTabWndBase::RemoveTab(int index) {
    const SECTab* tab = m_tabStrip->GetTab(index);
    if (tab == nullptr) return;
    if (tab->wnd == m_activeWnd) m_activeWnd = nullptr;
    m_tabStrip->DeleteTab(index);
}

void SECTabWndBase::RemoveTab(CWnd* wnd) {
    int index;
    if (FindTab(wnd, index)) RemoveTab(index);
}

void SECTabWndBase::RenameTab(int index, LPCSTR label) { m_tabStrip->RenameTab(index, label); }

void SECTabWndBase::RenameTab(CWnd* wnd, LPCSTR label) {
    int index;
    if (FindTab(wnd, index)) RenameTab(index, label);
}

void SECTabWndBase::ActivateTabAt(int index) {
    if (const SECTab* tab = m_tabStrip->GetTab(index)) ActivateTab(tab->wnd, index);
}

void SECTabWndBase::ActivateTabWnd(CWnd* wnd) {
    int index;
    if (FindTab(wnd, index)) ActivateTab(wnd, index);
}

void SECTabWndBase::FocusWindow(CWnd* wnd) {
    SetFocus();
    if (wnd == nullptr) return;
    wnd->SetFocus();
    wnd->SetActiveWindow();
}

void SECTabWndBase::ActivateTab(CWnd* wnd, int index) {
    CWnd* old = m_activeWnd;
    m_activeWnd = wnd;
    int current;
    if (!m_tabStrip->GetCurrentTab(current) || current != index) m_tabStrip->ActivateTab(index);
    if (old != nullptr && old != wnd && old->GetSafeHwnd() != nullptr) old->ShowWindow(SW_HIDE);
    if (wnd != nullptr) wnd->ShowWindow(SW_SHOW);
    FocusWindow(wnd);
    if (auto* view = dynamic_cast<CView*>(wnd))
        if (CFrameWnd* frame = GetParentFrame()) frame->SetActiveView(view, TRUE);
    RecalcLayout();
    Invalidate(TRUE);
}

void SECTabWndBase::ClearSelection() { m_tabStrip->ClearSelection(); }
void SECTabWndBase::ScrollToTab(int index) { m_tabStrip->ScrollToTab(index); }

void SECTabWndBase::ScrollToTab(CWnd* wnd) {
    int index;
    if (FindTab(wnd, index)) ScrollToTab(index);
}

void SECTabWndBase::FocusActiveTab() {
    int index;
    if (m_tabStrip == nullptr || !m_tabStrip->GetCurrentTab(index)) return;
    const SECTab* tab = m_tabStrip->GetTab(index);
    CWnd* wnd = tab != nullptr ? tab->wnd : nullptr;
    if (auto* view = dynamic_cast<CView*>(wnd)) {
        if (CFrameWnd* frame = GetParentFrame()) frame->SetActiveView(view, TRUE);
    } else {
        FocusWindow(wnd);
    }
}

BOOL SECTabWndBase::GetTabInfo(int index, LPCSTR& label, BOOL& selected, CWnd*& wnd, void*& data,
                               int& extra) const {
    return m_tabStrip->GetTabInfo(index, label, selected, wnd, data, extra);
}

BOOL SECTabWndBase::FindTab(const CWnd* wnd, int& index) const {
    return m_tabStrip != nullptr && m_tabStrip->FindTab(wnd, index);
}

BOOL SECTabWndBase::GetActiveTab(CWnd*& wnd) const {
    wnd = m_activeWnd;
    return wnd != nullptr;
}

void SECTabWndBase::OnDestroy() {
    if (m_tabStrip != nullptr) {
        m_tabStrip->DestroyWindow();
        delete m_tabStrip;
        m_tabStrip = nullptr;
    }
    CWnd::OnDestroy();
}

void SECTabWndBase::OnChildActivate() { FocusActiveTab(); }

LRESULT SECTabWndBase::OnTabSelected(WPARAM wParam, LPARAM) {
    // A selection notice sent while no tab is current names no tab.
    int current;
    if (m_tabStrip == nullptr || !m_tabStrip->GetCurrentTab(current)) return 0;
    ActivateTabAt(static_cast<int>(wParam));
    return 0;
}

LRESULT SECTabWndBase::OnTabReactivated(WPARAM, LPARAM) {
    FocusActiveTab();
    return 0;
}

// ---- SECTabWnd -----------------------------------------------------------

IMPLEMENT_DYNCREATE(SECTabWnd, CWnd)
IMPLEMENT_DYNCREATE(SEC2DTabWnd, SECTabWnd)

BEGIN_MESSAGE_MAP(SECTabWnd, SECTabWndBase)
    ON_WM_NCCREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_CAPTURECHANGED()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_MESSAGE(WM_TABSELECTED, OnTabSelected)
END_MESSAGE_MAP()

BOOL SECTabWnd::Create(CWnd* parent, DWORD style, UINT id) {
    m_tabStripStyle = (style & 0x2) ? 2 : (style & 0x1) ? 1 : 0;
    style &= ~static_cast<DWORD>(0x3);
    SECTabWndBase::Create(parent, style, id);
    m_splitCursor = ::LoadCursorA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDC_SEC_SPLITH));
    if (m_splitCursor == nullptr) m_splitCursor = ::LoadCursorA(nullptr, IDC_SIZEWE);
    m_arrowCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    if (!CreateScrollBarCtrl(SBS_HORZ, SEC_IDW_HSCROLL_BAR) || !CreateScrollBarCtrl(SBS_VERT, SEC_IDW_VSCROLL_BAR))
        AfxThrowResourceException();
    m_barWidth = ::GetSystemMetrics(SM_CXVSCROLL);
    m_barHeight = m_stripHeight = ::GetSystemMetrics(SM_CYHSCROLL);
    return TRUE;
}

BOOL SECTabWnd::CreateTabCtrl(DWORD, UINT id) {
    auto* strip = new SECTabControl;
    if (!strip->Create(m_tabStripStyle | WS_VISIBLE, CRect(0, 0, 0, 0), this, id)) {
        delete strip;
        return FALSE;
    }
    m_tabStrip = strip;
    return TRUE;
}

void SECTabWnd::SetScrollStyle(int index, DWORD style) {
    if (index < 0) return;
    if (index < static_cast<int>(m_scrollStyles.size())) {
        m_scrollStyles[index] = style;
        return;
    }
    m_scrollStyles.push_back(style);
    SCROLLINFO fresh = {sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
    m_hScroll.push_back(fresh);
    m_vScroll.push_back(fresh);
}

void SECTabWnd::InsertTab(CWnd* wnd, int index, LPCSTR label) {
    // Records go in at the tab's own place, so they stay with their tabs
    // wherever a tab is inserted.
    index = std::clamp(index, 0, static_cast<int>(m_scrollStyles.size()));
    m_scrollStyles.insert(m_scrollStyles.begin() + index, 0);
    SCROLLINFO untouched = {};
    m_hScroll.insert(m_hScroll.begin() + index, untouched);
    m_vScroll.insert(m_vScroll.begin() + index, untouched);
    SECTabWndBase::InsertTab(wnd, index, label);
}

void SECTabWnd::RemoveTab(int index) {
    if (index >= 0 && index < static_cast<int>(m_scrollStyles.size())) {
        m_hScroll.erase(m_hScroll.begin() + index);
        m_vScroll.erase(m_vScroll.begin() + index);
        m_scrollStyles.erase(m_scrollStyles.begin() + index);
    }
    SECTabWndBase::RemoveTab(index);
}

CScrollBar* SECTabWnd::GetScrollBar(int bar, const CWnd* wnd) const {
    if (wnd == nullptr) wnd = m_activeWnd;
    int index;
    if (wnd == nullptr || !FindTab(wnd, index) || index >= static_cast<int>(m_scrollStyles.size()))
        return nullptr;
    const DWORD style = m_scrollStyles[index];
    UINT id = 0;
    if (bar == SB_HORZ && (style & WS_HSCROLL)) id = SEC_IDW_HSCROLL_BAR;
    if (bar == SB_VERT && (style & WS_VSCROLL)) id = SEC_IDW_VSCROLL_BAR;
    if (id == 0) return nullptr;
    HWND child = ::GetDlgItem(m_hWnd, id);
    if (child == nullptr) return nullptr;
    CWnd* permanent = CWnd::FromHandlePermanent(child);
    if (permanent == nullptr) {
        auto* control = new CScrollBar;  // bound once; the bar's destruction ends it
        control->Attach(child);
        permanent = control;
    }
    return static_cast<CScrollBar*>(permanent);
}

void SECTabWnd::ActivateTab(CWnd* wnd, int index) {
    if (wnd != m_activeWnd) {
        int oldIndex;
        if (m_activeWnd != nullptr && FindTab(m_activeWnd, oldIndex) &&
            oldIndex < static_cast<int>(m_scrollStyles.size())) {
            if (CScrollBar* bar = GetScrollBar(SB_HORZ)) {
                m_hScroll[oldIndex].cbSize = sizeof(SCROLLINFO);
                m_hScroll[oldIndex].fMask = SIF_ALL;
                ::GetScrollInfo(*bar, SB_CTL, &m_hScroll[oldIndex]);
            }
            if (CScrollBar* bar = GetScrollBar(SB_VERT)) {
                m_vScroll[oldIndex].cbSize = sizeof(SCROLLINFO);
                m_vScroll[oldIndex].fMask = SIF_ALL;
                ::GetScrollInfo(*bar, SB_CTL, &m_vScroll[oldIndex]);
            }
        }
        const UINT ids[2] = {SEC_IDW_HSCROLL_BAR, SEC_IDW_VSCROLL_BAR};
        for (int bar = SB_HORZ; bar <= SB_VERT; ++bar) {
            HWND control = ::GetDlgItem(m_hWnd, ids[bar]);
            if (control == nullptr) continue;
            if (index >= 0 && index < static_cast<int>(m_scrollStyles.size()) && GetScrollBar(bar, wnd)) {
                SCROLLINFO& record = bar == SB_HORZ ? m_hScroll[index] : m_vScroll[index];
                if (record.fMask != 0) ::SetScrollInfo(control, SB_CTL, &record, TRUE);
                ::ShowWindow(control, SW_SHOW);
            } else {
                ::ShowWindow(control, SW_HIDE);
            }
        }
    }
    SECTabWndBase::ActivateTab(wnd, index);
}

void SECTabWnd::GetInsideRect(CRect& rect) const {
    GetClientRect(&rect);
    rect.bottom -= m_stripHeight;
    if (UsesBar(SB_VERT)) rect.right -= m_barWidth;
}

CRect SECTabWnd::GetSplitterBoxRect() const {
    CRect inside;
    GetInsideRect(inside);
    const int left = inside.left + m_splitPosition;
    return CRect(left, inside.bottom, left + kSplitterBoxWidth, inside.bottom + m_stripHeight);
}

void SECTabWnd::RecalcLayout() {
    if (m_hWnd == nullptr || m_tabStrip == nullptr) return;
    CRect inside;
    GetInsideRect(inside);
    HDWP batch = ::BeginDeferWindowPos(m_tracking ? 2 : 4);
    auto place = [&batch, this](HWND wnd, const CRect& r, UINT extra) {
        if (wnd == nullptr || batch == nullptr) return;
        CRect now;
        ::GetWindowRect(wnd, &now);
        ScreenToClient(&now);
        if (now == r) return;
        batch = ::DeferWindowPos(batch, wnd, nullptr, r.left, r.top, r.Width(), r.Height(),
                                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS | extra);
    };
    auto border = [](HWND bar, int extent) {
        if (bar != nullptr)
            CWnd::ModifyStyle(bar, extent <= 1 ? 0 : WS_BORDER, extent <= 1 ? WS_BORDER : 0, 0);
    };
    HWND hBar = ::GetDlgItem(m_hWnd, SEC_IDW_HSCROLL_BAR);
    HWND vBar = ::GetDlgItem(m_hWnd, SEC_IDW_VSCROLL_BAR);
    int stripWidth = inside.Width();
    if (UsesBar(SB_HORZ)) {
        m_splitPosition = std::clamp(m_splitPosition, 0, std::max<int>(0, inside.right - kMinBarRoom));
        const CRect box = GetSplitterBoxRect();
        const CRect barRect(box.right, inside.bottom, inside.right + 1, inside.bottom + m_barHeight);
        border(hBar, barRect.Width());
        place(hBar, barRect, 0);
        stripWidth = m_splitPosition;
    }
    place(m_tabStrip->m_hWnd, CRect(inside.left, inside.bottom, inside.left + stripWidth, inside.bottom + m_stripHeight),
          SWP_NOREDRAW);
    if (!m_tracking) {
        if (UsesBar(SB_VERT)) {
            const CRect barRect(inside.right, inside.top, inside.right + m_barWidth, inside.bottom);
            border(vBar, barRect.Height());
            place(vBar, barRect, 0);
        }
        if (m_activeWnd != nullptr) place(m_activeWnd->m_hWnd, inside, 0);
    }
    if (batch != nullptr) ::EndDeferWindowPos(batch);
}

BOOL SECTabWnd::OnNcCreate(LPCREATESTRUCT cs) {
    if (!CWnd::OnNcCreate(cs)) return FALSE;
    if (HWND parent = ::GetParent(m_hWnd)) CWnd::ModifyStyleEx(parent, WS_EX_CLIENTEDGE, 0, SWP_FRAMECHANGED);
    ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
    return TRUE;
}

void SECTabWnd::OnSize(UINT type, int cx, int cy) {
    if (type != SIZE_MINIMIZED && cx > 0 && cy > 0) {
        const int farthest = cx > kMinBarRoom ? cx - kMinBarRoom : 0;
        if (UsesBar(SB_HORZ)) {
            if (m_firstSize) {
                m_splitPosition = farthest;
                m_firstSize = FALSE;
            } else if (m_splitPosition > farthest) {
                m_splitPosition = farthest;
            }
        } else if (m_firstSize) {
            CRect inside;
            GetInsideRect(inside);
            m_splitPosition = inside.Width();
            m_firstSize = FALSE;
        }
        RecalcLayout();
        if (m_tabStrip != nullptr) m_tabStrip->Invalidate();
        if (UsesBar(SB_HORZ)) {
            const CRect box = GetSplitterBoxRect();
            InvalidateRect(&box);
        }
    }
    CWnd::OnSize(type, cx, cy);
}

void SECTabWnd::OnPaint() {
    CPaintDC dc(this);
    RECT clip;
    dc.GetClipBox(&clip);
    if (m_tabStrip != nullptr) {
        MapWindowPoints(m_tabStrip, &clip);
        m_tabStrip->InvalidateRect(&clip);
    }
    if (UsesBar(SB_HORZ)) {
        const CRect box = GetSplitterBoxRect();
        const COLORREF columns[kSplitterBoxWidth] = {RGB(0, 0, 0), ::GetSysColor(COLOR_BTNHIGHLIGHT),
                                                     ::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_BTNSHADOW),
                                                     RGB(0, 0, 0)};
        for (int i = 0; i < kSplitterBoxWidth; ++i) dc.FillSolidRect(box.left + i, box.top, 1, box.Height(), columns[i]);
    }
}

BOOL SECTabWnd::OnEraseBkgnd(CDC* dc) {
    int current;
    if (m_tabStrip == nullptr || !m_tabStrip->GetCurrentTab(current)) return FALSE;
    const SECTab* tab = m_tabStrip->GetTab(current);
    if (tab != nullptr && (UsesBar(SB_HORZ, tab->wnd) || UsesBar(SB_VERT, tab->wnd))) {
        CRect client;
        GetClientRect(&client);
        dc->FillSolidRect(client.right - m_barWidth, client.top, m_barWidth, client.Height(),
                          ::GetSysColor(COLOR_BTNFACE));
    }
    return TRUE;
}

BOOL SECTabWnd::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) {
    if (wnd == this && hitTest == HTCLIENT && m_overBox) {
        ::SetCursor(m_splitCursor);
        return TRUE;
    }
    return CWnd::OnSetCursor(wnd, hitTest, message);
}

void SECTabWnd::OnLButtonDown(UINT flags, CPoint point) {
    if (UsesBar(SB_HORZ)) {
        OnMouseMove(flags, point);
        const CRect box = GetSplitterBoxRect();
        if (box.PtInRect(point)) {
            SetCapture();
            m_tracking = TRUE;
            m_gripOffset = point.x - box.left;
            return;
        }
    }
    CWnd::OnLButtonDown(flags, point);
}

void SECTabWnd::OnLButtonUp(UINT flags, CPoint point) {
    if (m_tracking) {
        m_tracking = FALSE;
        ::ReleaseCapture();
        RecalcLayout();
    }
    CWnd::OnLButtonUp(flags, point);
}

void SECTabWnd::OnCaptureChanged(CWnd* wnd) {
    // A drag whose capture was taken away ends there.
    if (m_tracking) {
        m_tracking = FALSE;
        RecalcLayout();
    }
    CWnd::OnCaptureChanged(wnd);
}

void SECTabWnd::OnMouseMove(UINT flags, CPoint point) {
    if (m_tracking && point.x != m_splitPosition) {
        const int old = m_splitPosition;
        m_splitPosition = point.x - m_gripOffset;
        RecalcLayout();
        if (m_tabStrip != nullptr) {
            CRect stripArea;
            m_tabStrip->GetClientRect(&stripArea);
            stripArea.left = std::min(old, m_splitPosition);
            stripArea.right = std::max(old, m_splitPosition) + kSplitterBoxWidth;
            m_tabStrip->InvalidateRect(&stripArea);
        }
        const CRect box = GetSplitterBoxRect();
        InvalidateRect(&box);
        UpdateWindow();
    }
    if (UsesBar(SB_HORZ)) m_overBox = GetSplitterBoxRect().PtInRect(point);
    CWnd::OnMouseMove(flags, point);
}

void SECTabWnd::PassScrollToActive() {
    const MSG* msg = GetCurrentMessage();
    if (m_activeWnd != nullptr && msg != nullptr) m_activeWnd->SendMessage(msg->message, msg->wParam, msg->lParam);
}

void SECTabWnd::OnHScroll(UINT, UINT, CScrollBar*) { PassScrollToActive(); }
void SECTabWnd::OnVScroll(UINT, UINT, CScrollBar*) { PassScrollToActive(); }

LRESULT SECTabWnd::OnTabSelected(WPARAM wParam, LPARAM lParam) {
    if (lParam != 0) reinterpret_cast<SECTabChange*>(lParam)->controlId = GetDlgCtrlID();
    SECTabWndBase::OnTabSelected(wParam, lParam);
    if (CWnd* notify = GetNotifyWnd()) notify->SendMessage(WM_TABSELECTED, wParam, lParam);
    return 0;
}
