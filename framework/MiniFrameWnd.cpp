#include "MiniFrameWnd.h"

#include "DockBar.h"
#include "DockContext.h"
#include "TextString.h"
#include "WindowMessages.h"

namespace {

// Posted to a floating frame that lost its last bar.
const UINT WM_DESTROYIFEMPTY = WM_APP - 0x101;

}  // namespace

IMPLEMENT_DYNCREATE(CMiniFrameWnd, CFrameWnd)

CMiniFrameWnd::CMiniFrameWnd() = default;

DWORD CMiniFrameWnd::WindowStyleFor(DWORD style) {
    if (style & (MFS_4THICKFRAME | MFS_THICKFRAME)) style |= WS_THICKFRAME;
    return style;
}

BOOL CMiniFrameWnd::CreateEx(DWORD exStyle, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                             UINT) {
    m_strTitle = windowName != nullptr ? windowName : "";
    LPCSTR cls = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                     reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    return CWnd::CreateEx(exStyle | WS_EX_TOOLWINDOW, cls, m_strTitle, WindowStyleFor(style), rect.left, rect.top,
                          rect.right - rect.left, rect.bottom - rect.top, parent->GetSafeHwnd(), nullptr);
}

IMPLEMENT_DYNCREATE(CMiniDockFrameWnd, CMiniFrameWnd)

BEGIN_MESSAGE_MAP(CMiniDockFrameWnd, CMiniFrameWnd)
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONDBLCLK()
    ON_WM_CLOSE()
    ON_MESSAGE(WM_DESTROYIFEMPTY, OnDestroyIfEmpty)
END_MESSAGE_MAP()

CMiniDockFrameWnd::CMiniDockFrameWnd() = default;

CDockBar* CMiniDockFrameWnd::NewDockBar() { return new CDockBar(TRUE); }

DWORD CMiniDockFrameWnd::FrameStyleFor(DWORD barStyle) const {
    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | MFS_SYNCACTIVE | MFS_4THICKFRAME | MFS_BLOCKSYSMENU |
                  FWS_SNAPTOBARS;
    if (!(barStyle & CBRS_SIZE_DYNAMIC)) style |= MFS_MOVEFRAME;
    return style;
}

BOOL CMiniDockFrameWnd::Create(CWnd* parent, DWORD barStyle) {
    if (!CreateEx(0, nullptr, FrameStyleFor(barStyle), CRect(0, 0, 0, 0), parent)) return FALSE;
    if (CMenu* menu = GetSystemMenu(FALSE)) {
        HMENU sys = menu->GetSafeHmenu();
        for (UINT command : {SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_RESTORE}) ::DeleteMenu(sys, command, MF_BYCOMMAND);
        CString close;
        if (close.LoadString(AFX_IDS_SCCLOSE)) ::ModifyMenuA(sys, SC_CLOSE, MF_BYCOMMAND | MF_STRING, SC_CLOSE, close);
    }
    m_pDockBar = NewDockBar();
    m_pDockBar->m_bFloating = TRUE;
    m_pDockBar->m_bAutoDelete = TRUE;
    const DWORD align = (barStyle & CBRS_ORIENT_VERT) ? CBRS_ALIGN_LEFT : CBRS_ALIGN_TOP;
    if (!m_pDockBar->Create(this, align | (barStyle & CBRS_FLOAT_MULTI), AFX_IDW_DOCKBAR_FLOAT)) {
        delete m_pDockBar;
        m_pDockBar = nullptr;
        return FALSE;
    }
    return TRUE;
}

CControlBar* CMiniDockFrameWnd::FirstBar() const { return m_pDockBar ? m_pDockBar->GetFirstBar() : nullptr; }

void CMiniDockFrameWnd::RecalcLayout(BOOL) {
    if (m_pDockBar == nullptr || m_pDockBar->m_hWnd == nullptr || m_bInRecalcLayout) return;
    m_bInRecalcLayout = TRUE;
    const CSize size = m_pDockBar->LayoutRows(0, TRUE);
    if (m_pDockBar->GetDockedVisibleCount() == 0) {
        if (GetStyle() & WS_VISIBLE) ShowWindow(SW_HIDE);
        if (m_pDockBar->GetDockedCount() == 0) PostMessage(WM_DESTROYIFEMPTY);
    } else {
        m_pDockBar->SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
        CRect window(0, 0, size.cx, size.cy);
        ::AdjustWindowRectEx(&window, GetStyle() & ~(MFS_SYNCACTIVE | MFS_4THICKFRAME | MFS_THICKFRAME |
                                                     MFS_MOVEFRAME | MFS_BLOCKSYSMENU | FWS_SNAPTOBARS),
                             FALSE, GetExStyle());
        SetWindowPos(nullptr, 0, 0, window.Width(), window.Height(),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        CString caption;
        if (CControlBar* bar = FirstBar()) bar->GetWindowText(caption);
        SetWindowText(caption);
    }
    m_bInRecalcLayout = FALSE;
}

LRESULT CMiniDockFrameWnd::OnDestroyIfEmpty(WPARAM, LPARAM) {
    if (m_pDockBar != nullptr && m_pDockBar->GetDockedCount() == 0) DestroyWindow();
    return 0;
}

void CMiniDockFrameWnd::OnNcLButtonDown(UINT hitTest, CPoint point) {
    CControlBar* bar = FirstBar();
    if (bar != nullptr && bar->m_pDockContext != nullptr && !(m_pDockBar->GetBarStyle() & CBRS_FLOAT_MULTI)) {
        if (hitTest == HTCAPTION) {
            if (CFrameWnd* owner = bar->GetDockingFrame()) owner->SetActiveWindow();
            bar->m_pDockContext->StartDrag(point);
            return;
        }
        if (hitTest >= HTLEFT && hitTest <= HTBOTTOMRIGHT && (bar->GetBarStyle() & CBRS_SIZE_DYNAMIC)) {
            bar->m_pDockContext->StartResize(static_cast<int>(hitTest), point);
            return;
        }
    }
    Default();
}

void CMiniDockFrameWnd::OnNcLButtonDblClk(UINT hitTest, CPoint) {
    CControlBar* bar = FirstBar();
    if (hitTest == HTCAPTION && bar != nullptr && bar->m_pDockContext != nullptr) {
        bar->m_pDockContext->ToggleDocking();
        return;
    }
    Default();
}

void CMiniDockFrameWnd::OnClose() {
    if (m_pDockBar == nullptr) return;
    for (CControlBar* bar : m_pDockBar->m_arrBars) {
        if (bar == nullptr) continue;
        if (CFrameWnd* site = bar->GetDockingFrame()) site->ShowControlBar(bar, FALSE, FALSE);
    }
}
