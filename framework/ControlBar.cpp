// CControlBar: layout in the frame, borders, idle updates, tooltips and
// fly-by prompts, forwarding to the owner.
#include "ControlBar.h"

#include <algorithm>

#include "DockBar.h"
#include "DockContext.h"
#include "FrameWnd.h"
#include "TextString.h"
#include "WindowMessages.h"

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_MESSAGE(WM_NCCALCSIZE, OnNcCalcSizeBorders)
    ON_MESSAGE(WM_NCPAINT, OnNcPaintBorders)
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CControlBar::CControlBar() = default;

CControlBar::~CControlBar() {
    DestroyWindow();
    delete m_pDockContext;
}

void CControlBar::EnableDocking(DWORD dockStyle) {
    m_dwDockStyle = dockStyle & (CBRS_ALIGN_ANY | CBRS_FLOAT_MULTI);
    if (m_pDockSite == nullptr) m_pDockSite = GetDockingFrame();
    if (m_pDockContext == nullptr && (m_dwDockStyle & CBRS_ALIGN_ANY)) m_pDockContext = CreateDockContext();
    if (m_hWndOwner == nullptr && m_hWnd != nullptr) m_hWndOwner = ::GetParent(m_hWnd);
}

CDockContext* CControlBar::CreateDockContext() { return new CDockContext(this); }

BOOL CControlBar::CanDragFrom(CPoint point) const {
    if (m_pDockContext == nullptr) return FALSE;
    return OnToolHitTest(point, nullptr) == -1;
}

void CControlBar::OnLButtonDown(UINT flags, CPoint point) {
    if (CanDragFrom(point)) {
        CPoint screen = point;
        ClientToScreen(&screen);
        m_pDockContext->StartDrag(screen);
        return;
    }
    CWnd::OnLButtonDown(flags, point);
}

void CControlBar::OnLButtonDblClk(UINT flags, CPoint point) {
    if (CanDragFrom(point)) {
        m_pDockContext->ToggleDocking();
        return;
    }
    CWnd::OnLButtonDblClk(flags, point);
}

void CControlBar::OnDestroy() {
    // The dock bar forgets the bar, so nothing later reaches a dead one.
    if (auto* dockBar = dynamic_cast<CDockBar*>(m_pDockBar)) {
        if (dockBar->m_hWnd != nullptr) dockBar->RemoveControlBar(this);
        else dockBar->m_arrBars.erase(std::remove(dockBar->m_arrBars.begin(), dockBar->m_arrBars.end(), this),
                                      dockBar->m_arrBars.end());
    }
    m_pDockBar = nullptr;
    if (m_pDockSite != nullptr) m_pDockSite->RemoveControlBar(this);
    CWnd::OnDestroy();
}

void CControlBar::SetBarStyle(DWORD style) {
    DWORD old = m_dwStyle;
    m_dwStyle = style & CBRS_ALL;
    if (old != m_dwStyle) OnBarStyleChange(old, m_dwStyle);
}

void CControlBar::OnBarStyleChange(DWORD, DWORD) {}

BOOL CControlBar::IsVisible() const {
    if (m_nStateFlags == delayShow) return TRUE;
    if (m_nStateFlags == delayHide) return FALSE;
    return m_hWnd != nullptr && (GetStyle() & WS_VISIBLE) != 0;
}

void CControlBar::DelayShow(BOOL show) {
    const bool shown = m_hWnd != nullptr && (GetStyle() & WS_VISIBLE) != 0;
    m_nStateFlags = (shown == (show != FALSE)) ? delayNone : (show ? delayShow : delayHide);
}

CFrameWnd* CControlBar::GetDockingFrame() const {
    if (m_pDockSite != nullptr) return m_pDockSite;
    CFrameWnd* frame = GetParentFrame();
    if (frame == nullptr) {
        CWnd* owner = GetOwner();
        if (owner != nullptr && owner->IsKindOf(RUNTIME_CLASS(CFrameWnd))) frame = static_cast<CFrameWnd*>(owner);
    }
    return frame;
}

// Layout

CSize CControlBar::CalcFixedLayout(BOOL stretch, BOOL horz) {
    CSize size;
    size.cx = (stretch && horz) ? 32767 : 0;
    size.cy = (stretch && !horz) ? 32767 : 0;
    CRect inside;
    CalcInsideRect(inside, horz);
    size.cx = std::max<LONG>(size.cx, -inside.Width());
    size.cy = std::max<LONG>(size.cy, -inside.Height());
    return size;
}

CSize CControlBar::CalcDynamicLayout(int, DWORD mode) {
    return CalcFixedLayout((mode & LM_STRETCH) != 0, (mode & LM_HORZ) != 0);
}

void CControlBar::CalcInsideRect(CRect& rect, BOOL horz) const {
    if (m_dwStyle & CBRS_BORDER_LEFT) rect.left += borderWidth;
    if (m_dwStyle & CBRS_BORDER_TOP) rect.top += borderWidth;
    if (m_dwStyle & CBRS_BORDER_RIGHT) rect.right -= borderWidth;
    if (m_dwStyle & CBRS_BORDER_BOTTOM) rect.bottom -= borderWidth;
    if (horz) {
        rect.left += m_cxLeftBorder;
        rect.top += m_cyTopBorder;
        rect.right -= m_cxRightBorder;
        rect.bottom -= m_cyBottomBorder;
    } else {
        rect.left += m_cyTopBorder;
        rect.top += m_cxLeftBorder;
        rect.right -= m_cyBottomBorder;
        rect.bottom -= m_cxRightBorder;
    }
}

void CControlBar::PlaceInLayout(SizeParentParams* layout) {
    DWORD align = m_dwStyle & CBRS_ALIGN_ANY;
    if (align == 0 || IsFloating()) return;
    const BOOL horz = (align & CBRS_ORIENT_HORZ) != 0;
    DWORD mode = (layout->bStretch ? LM_STRETCH : 0) | (horz ? LM_HORZ | LM_HORZDOCK : LM_VERTDOCK);
    CSize size = (m_dwStyle & CBRS_SIZE_DYNAMIC) ? CalcDynamicLayout(-1, mode)
                                                   : CalcFixedLayout(layout->bStretch, horz);
    RECT& free = layout->rect;
    CRect place;
    if (horz) {
        int width = free.right - free.left;
        if (!layout->bStretch) width = std::min<int>(width, size.cx);
        int height = std::min<int>(size.cy, free.bottom - free.top);
        if (align & CBRS_ALIGN_TOP) {
            place.SetRect(free.left, free.top, free.left + width, free.top + height);
            free.top += height;
        } else {
            place.SetRect(free.left, free.bottom - height, free.left + width, free.bottom);
            free.bottom -= height;
        }
    } else {
        int height = free.bottom - free.top;
        if (!layout->bStretch) height = std::min<int>(height, size.cy);
        int width = std::min<int>(size.cx, free.right - free.left);
        if (align & CBRS_ALIGN_LEFT) {
            place.SetRect(free.left, free.top, free.left + width, free.top + height);
            free.left += width;
        } else {
            place.SetRect(free.right - width, free.top, free.right, free.top + height);
            free.right -= width;
        }
    }
    if (layout->hDWP != nullptr) AfxRepositionWindow(layout, m_hWnd, &place);
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam) {
    auto* layout = reinterpret_cast<SizeParentParams*>(lParam);
    if (layout != nullptr && (GetStyle() & WS_VISIBLE)) PlaceInLayout(layout);
    return 0;
}

// Idle time

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM disableIfNoHandler, LPARAM) {
    if (m_nStateFlags != delayNone) {
        BOOL show = m_nStateFlags == delayShow;
        m_nStateFlags = delayNone;
        ShowWindow(show ? SW_SHOWNA : SW_HIDE);
        if (IsFloating())
            if (CFrameWnd* floating = GetParentFrame()) floating->RecalcLayout();
        if (CFrameWnd* frame = GetDockingFrame()) frame->RecalcLayout();
    }
    if (!(GetStyle() & WS_VISIBLE)) return 0;
    if (CFrameWnd* frame = GetDockingFrame()) OnUpdateCmdUI(frame, static_cast<BOOL>(disableIfNoHandler));
    return 0;
}

// Borders

void CControlBar::DrawBorders(CDC* dc, CRect& rect) {
    DWORD sides = m_dwStyle & CBRS_BORDER_ANY;
    if (sides == 0) return;
    COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    COLORREF light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    if (sides & CBRS_BORDER_TOP) {
        dc->FillSolidRect(rect.left, rect.top, rect.Width(), 1, shadow);
        dc->FillSolidRect(rect.left, rect.top + 1, rect.Width(), 1, light);
    }
    if (sides & CBRS_BORDER_BOTTOM) {
        dc->FillSolidRect(rect.left, rect.bottom - 2, rect.Width(), 1, shadow);
        dc->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, light);
    }
    if (sides & CBRS_BORDER_LEFT) {
        dc->FillSolidRect(rect.left, rect.top, 1, rect.Height(), shadow);
        dc->FillSolidRect(rect.left + 1, rect.top, 1, rect.Height(), light);
    }
    if (sides & CBRS_BORDER_RIGHT) {
        dc->FillSolidRect(rect.right - 2, rect.top, 1, rect.Height(), shadow);
        dc->FillSolidRect(rect.right - 1, rect.top, 1, rect.Height(), light);
    }
    if (sides & CBRS_BORDER_LEFT) rect.left += borderWidth;
    if (sides & CBRS_BORDER_TOP) rect.top += borderWidth;
    if (sides & CBRS_BORDER_RIGHT) rect.right -= borderWidth;
    if (sides & CBRS_BORDER_BOTTOM) rect.bottom -= borderWidth;
}

void CControlBar::DoPaint(CDC* dc) {
    CRect rect;
    GetClientRect(&rect);
    DrawBorders(dc, rect);
}

LRESULT CControlBar::OnNcCalcSizeBorders(WPARAM, LPARAM lParam) {
    auto* client = reinterpret_cast<RECT*>(lParam);
    CRect inside;
    CalcInsideRect(inside, IsHorizontal());
    client->left += inside.left;
    client->top += inside.top;
    client->right += inside.right;
    client->bottom += inside.bottom;
    if (client->right < client->left) client->right = client->left;
    if (client->bottom < client->top) client->bottom = client->top;
    return 0;
}

void CControlBar::EraseNonClient() {
    CWindowDC dc(this);
    CRect window;
    GetWindowRect(&window);
    CRect client;
    GetClientRect(&client);
    ClientToScreen(&client);
    client.OffsetRect(-window.left, -window.top);
    window.OffsetRect(-window.left, -window.top);
    dc.ExcludeClipRect(&client);
    dc.FillSolidRect(&window, ::GetSysColor(COLOR_BTNFACE));
    DrawBorders(&dc, window);
}

LRESULT CControlBar::OnNcPaintBorders(WPARAM, LPARAM) {
    EraseNonClient();
    return 0;
}

// Tooltips, fly-by prompts and forwarding

CString CControlBar::ToolTipTextOf(UINT id) {
    CString full;
    CString tip;
    if (id != 0 && full.LoadString(id)) AfxExtractSubString(tip, full, 1);
    return tip;
}

void CControlBar::TrackFlyBy(CPoint point) {
    INT_PTR hit = OnToolHitTest(point, nullptr);
    if (hit == m_nFlyByHit) return;
    m_nFlyByHit = hit;
    if (CFrameWnd* frame = GetDockingFrame())
        frame->SetMessageText(hit == -1 ? static_cast<UINT>(AFX_IDS_IDLEMESSAGE) : static_cast<UINT>(hit));
    if (!m_bTrackingLeave) {
        TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, m_hWnd, 0};
        m_bTrackingLeave = ::TrackMouseEvent(&track);
    }
}

LRESULT CControlBar::OnMouseLeave(WPARAM, LPARAM) {
    m_bTrackingLeave = FALSE;
    if (m_nFlyByHit != -1) {
        m_nFlyByHit = -1;
        if (CFrameWnd* frame = GetDockingFrame()) frame->SetMessageText(static_cast<UINT>(AFX_IDS_IDLEMESSAGE));
    }
    return Default();
}

BOOL CControlBar::PreTranslateMessage(MSG* msg) {
    if (msg->hwnd == m_hWnd) {
        if ((m_dwStyle & CBRS_TOOLTIPS) && !m_bToolTipsEnabled) EnableToolTips(TRUE);
        if (!(m_dwStyle & CBRS_TOOLTIPS) && m_bToolTipsEnabled) EnableToolTips(FALSE);
        if ((m_dwStyle & CBRS_FLYBY) && msg->message == WM_MOUSEMOVE)
            TrackFlyBy(CPoint(static_cast<short>(LOWORD(msg->lParam)), static_cast<short>(HIWORD(msg->lParam))));
    }
    return CWnd::PreTranslateMessage(msg);
}

BOOL CControlBar::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (lParam == 0 && OnCmdMsg(LOWORD(wParam), CN_COMMAND, nullptr, nullptr)) return TRUE;
    CWnd* owner = GetOwner();
    if (owner == nullptr) return CWnd::OnCommand(wParam, lParam);
    owner->SendMessage(WM_COMMAND, wParam, lParam);
    return TRUE;
}

BOOL CControlBar::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    CWnd* owner = GetOwner();
    if (owner == nullptr) return CWnd::OnNotify(wParam, lParam, result);
    *result = owner->SendMessage(WM_NOTIFY, wParam, lParam);
    return TRUE;
}
