#include "DockContext.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "ControlBar.h"
#include "DockBar.h"
#include "DockLayout.h"
#include "FrameWnd.h"
#include "GdiObjects.h"

namespace {

// Ctrl is down now (the key's state as input, whichever window has the focus).
BOOL CtrlDown() { return ::GetKeyState(VK_CONTROL) < 0 || (::GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0; }

}  // namespace

CDockContext::CDockContext(CControlBar* bar) : m_pBar(bar) {
    m_pDockSite = bar->GetDockingFrame();
    m_dwMRUFloatStyle = CBRS_ALIGN_TOP;
}

CDockContext::~CDockContext() {
    if (auto* dockBar = dynamic_cast<CDockBar*>(m_pBar->m_pDockBar)) dockBar->RemoveControlBar(m_pBar);
    m_pBar->m_pDockBar = nullptr;
}

CDockBar* CDockContext::GetDockBar(DWORD side) const {
    return m_pDockSite == nullptr ? nullptr : m_pDockSite->GetDockBarForSide(side);
}

CRect CDockContext::FloatingFrameBorders() {
    CRect frame(0, 0, 0, 0);
    ::AdjustWindowRectEx(&frame, WS_THICKFRAME | WS_CAPTION, FALSE, WS_EX_TOOLWINDOW);
    return CRect(-frame.left, -frame.top, frame.right, frame.bottom);
}

void CDockContext::RememberDockPosition(CDockBar* dockBar, const CRect& rect) {
    const UINT id = static_cast<UINT>(dockBar->GetDlgCtrlID());
    if (id < AFX_IDW_DOCKBAR_TOP || id > AFX_IDW_DOCKBAR_BOTTOM) return;
    m_uMRUDockID = id;
    m_rectMRUDockPos = rect;
}

// The move loop

void CDockContext::StartDrag(CPoint point) {
    if (m_pDockSite == nullptr) m_pDockSite = m_pBar->GetDockingFrame();
    m_dwDockStyle = m_pBar->m_dwDockStyle;
    m_dwStyle = m_pBar->GetBarStyle();
    m_bDragging = TRUE;
    m_bFlip = FALSE;
    m_bForceFrame = CtrlDown();
    m_ptStart = point;
    InitLoop();

    CRect window;
    m_pBar->GetWindowRect(&window);
    const CPoint at = window.TopLeft();
    if (m_dwStyle & CBRS_SIZE_DYNAMIC) {
        m_rectDragHorz = CRect(at, m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK));
        m_rectDragVert = CRect(at, m_pBar->CalcDynamicLayout(0, LM_VERTDOCK));
        m_rectFrameDragHorz = m_rectFrameDragVert = CRect(at, m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH));
    } else if (m_dwStyle & CBRS_SIZE_FIXED) {
        m_rectDragHorz = CRect(at, m_pBar->CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK));
        m_rectDragVert = CRect(at, m_pBar->CalcDynamicLayout(-1, LM_VERTDOCK));
        m_rectFrameDragHorz = m_rectDragHorz;
        m_rectFrameDragVert = m_rectDragVert;
    } else {
        const BOOL horz = m_pBar->IsHorizontal();
        CSize other = m_pBar->CalcDynamicLayout(-1, horz ? LM_VERTDOCK : LM_HORZ | LM_HORZDOCK);
        CRect otherRect(at, other);
        // The other orientation is centred on the point across the bar.
        if (horz) otherRect.OffsetRect(point.x - window.Height() / 2 - at.x, 0);
        else otherRect.OffsetRect(0, point.y - window.Width() / 2 - at.y);
        m_rectDragHorz = horz ? window : otherRect;
        m_rectDragVert = horz ? otherRect : window;
        m_rectFrameDragHorz = m_rectDragHorz;
        m_rectFrameDragVert = m_rectDragVert;
    }
    const CRect borders = FloatingFrameBorders();
    for (CRect* frame : {&m_rectFrameDragHorz, &m_rectFrameDragVert})
        frame->InflateRect(borders.left, borders.top, borders.right, borders.bottom);
    // Every outline holds the point.
    for (CRect* r : {&m_rectDragHorz, &m_rectDragVert, &m_rectFrameDragHorz, &m_rectFrameDragVert}) {
        if (point.x < r->left) r->OffsetRect(point.x - r->left, 0);
        else if (point.x >= r->right) r->OffsetRect(point.x + CControlBar::borderWidth - r->right, 0);
        if (point.y < r->top) r->OffsetRect(0, point.y - r->top);
        else if (point.y >= r->bottom) r->OffsetRect(0, point.y + CControlBar::borderWidth - r->bottom);
    }
    m_ptLast = point;
    m_dwOverDockStyle = m_bForceFrame ? 0 : CanDockHere();
    DrawFocusRect();
    Track();
}

void CDockContext::Move(CPoint point) {
    const CSize offset = point - m_ptLast;
    for (CRect* r : {&m_rectDragHorz, &m_rectDragVert, &m_rectFrameDragHorz, &m_rectFrameDragVert})
        r->OffsetRect(offset.cx, offset.cy);
    m_ptLast = point;
    m_bForceFrame = CtrlDown();
    m_dwOverDockStyle = m_bForceFrame ? 0 : CanDockHere();
    DrawFocusRect();
}

void CDockContext::OnKey(int key, BOOL down) {
    if (key == VK_CONTROL) m_bForceFrame = down;
    else if (key == VK_SHIFT) m_bFlip = down;
    else return;
    m_dwOverDockStyle = m_bForceFrame ? 0 : CanDockHere();
    DrawFocusRect();
}

DWORD CDockContext::CanDockHere() {
    if (m_pDockSite == nullptr) return 0;
    dock_layout::DragState drag;
    drag.horzRect = m_rectDragHorz;
    drag.vertRect = m_rectDragVert;
    drag.point = m_ptLast;
    drag.barHorizontal = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    drag.flip = m_bFlip;
    drag.allowed = m_dwDockStyle & CBRS_ALIGN_ANY;
    return dock_layout::ChooseDockSide(m_pDockSite->DockTargets(), drag);
}

BOOL CDockContext::MovedLittle() const {
    return std::abs(m_ptLast.x - m_ptStart.x) + std::abs(m_ptLast.y - m_ptStart.y) <= 4;
}

CRect CDockContext::DockRectFor(DWORD side) const {
    return (side & CBRS_ORIENT_VERT) ? m_rectDragVert : m_rectDragHorz;
}

void CDockContext::DrawFocusRect(BOOL remove) {
    if (m_hScreenDC == nullptr) return;
    CRect rect;
    CSize size;
    BOOL dither = FALSE;
    const BOOL docking = m_dwOverDockStyle != 0 && (!m_pBar->IsFloating() || !MovedLittle());
    if (docking) {
        rect = DockRectFor(m_dwOverDockStyle);
        size = CSize(1, 1);
        rect.DeflateRect(1, 1);
    } else {
        const BOOL horz = ((m_dwStyle & CBRS_ORIENT_HORZ) != 0) != (m_bFlip != FALSE);
        rect = horz ? m_rectFrameDragHorz : m_rectFrameDragVert;
        size = CSize(::GetSystemMetrics(SM_CXFRAME) - 1, ::GetSystemMetrics(SM_CYFRAME) - 1);
        dither = TRUE;
    }
    if (remove) size = CSize(0, 0);
    CDC dc;
    dc.Attach(m_hScreenDC);
    CBrush white;
    white.Attach(::GetStockObject(WHITE_BRUSH));
    CBrush* halftone = CDC::GetHalftoneBrush();
    dc.DrawDragRect(rect, size, m_sizeLast.cx || m_sizeLast.cy ? static_cast<LPCRECT>(m_rectLast) : nullptr,
                    m_sizeLast, dither ? halftone : &white, m_bDitherLast ? halftone : &white);
    white.Detach();
    dc.Detach();
    m_rectLast = rect;
    m_sizeLast = size;
    m_bDitherLast = dither;
}

void CDockContext::InitLoop() {
    m_rectLast.SetRectEmpty();
    m_sizeLast = CSize(0, 0);
    m_bDitherLast = FALSE;
    ::LockWindowUpdate(::GetDesktopWindow());
    m_hScreenDC = ::GetDCEx(::GetDesktopWindow(), nullptr, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE);
}

void CDockContext::CancelLoop() {
    if (m_hScreenDC != nullptr) {
        DrawFocusRect(TRUE);
        ::ReleaseDC(::GetDesktopWindow(), m_hScreenDC);
        m_hScreenDC = nullptr;
    }
    ::LockWindowUpdate(nullptr);
    if (::GetCapture() == m_pBar->m_hWnd) ::ReleaseCapture();
}

BOOL CDockContext::Track() {
    if (::GetCapture() != nullptr) {
        CancelLoop();
        m_bDragging = FALSE;
        return FALSE;
    }
    m_pBar->SetCapture();
    while (::GetCapture() == m_pBar->m_hWnd) {
        MSG msg;
        const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        switch (msg.message) {
        case WM_LBUTTONUP:
            if (m_bDragging) EndDrag();
            else EndResize();
            return TRUE;
        case WM_MOUSEMOVE:
            if (m_bDragging) Move(msg.pt);
            else Stretch(msg.pt);
            break;
        case WM_KEYDOWN:
        case WM_KEYUP:
            if (msg.wParam == VK_ESCAPE) {
                CancelLoop();
                m_bDragging = FALSE;
                return FALSE;
            }
            if (m_bDragging) OnKey(static_cast<int>(msg.wParam), msg.message == WM_KEYDOWN);
            break;
        case WM_RBUTTONDOWN:
            CancelLoop();
            m_bDragging = FALSE;
            return FALSE;
        default:
            ::DispatchMessageA(&msg);
            break;
        }
    }
    CancelLoop();
    m_bDragging = FALSE;
    return FALSE;
}

void CDockContext::FloatAt(CPoint point, DWORD style) {
    m_dwMRUFloatStyle = style;
    m_ptMRUFloatPos = point;
    m_pDockSite->FloatControlBar(m_pBar, point, style);
}

void CDockContext::EndDrag() {
    CancelLoop();
    const BOOL floating = m_pBar->IsFloating();
    if (m_dwOverDockStyle != 0 && !(floating && MovedLittle())) {
        CDockBar* dockBar = GetDockBar(m_dwOverDockStyle);
        CRect rect = DockRectFor(m_dwOverDockStyle);
        if (dockBar != nullptr) {
            CRect local = rect;
            dockBar->ScreenToClient(&local);
            RememberDockPosition(dockBar, local);
            m_pDockSite->DockControlBar(m_pBar, dockBar, &rect);
            m_pDockSite->RecalcLayout();
        }
    } else {
        const BOOL horz = ((m_dwStyle & CBRS_ORIENT_HORZ) != 0) != (m_bFlip != FALSE);
        const DWORD multi = m_dwDockStyle & CBRS_FLOAT_MULTI;
        if ((m_dwStyle & CBRS_SIZE_DYNAMIC) || horz)
            FloatAt(m_rectFrameDragHorz.TopLeft(), multi | CBRS_ALIGN_TOP);
        else
            FloatAt(m_rectFrameDragVert.TopLeft(), multi | CBRS_ALIGN_LEFT);
    }
    m_bDragging = FALSE;
}

// The resize loop

void CDockContext::StartResize(int hitTest, CPoint point) {
    if (m_pDockSite == nullptr) m_pDockSite = m_pBar->GetDockingFrame();
    m_dwStyle = m_pBar->GetBarStyle();
    m_dwDockStyle = m_pBar->m_dwDockStyle;
    m_bDragging = FALSE;
    m_nHitTest = hitTest;
    InitLoop();
    CRect window;
    m_pBar->GetWindowRect(&window);
    m_rectDragHorz = m_rectDragVert = CRect(window.TopLeft(), m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH));
    const CRect borders = FloatingFrameBorders();
    m_rectFrameDragHorz = m_rectDragHorz;
    m_rectFrameDragHorz.InflateRect(borders.left, borders.top, borders.right, borders.bottom);
    m_rectFrameDragVert = CRect(0, 0, m_rectFrameDragHorz.Width() - m_rectDragHorz.Width(),
                                m_rectFrameDragHorz.Height() - m_rectDragHorz.Height());
    m_ptLast = point;
    m_ptStart = point;
    m_dwOverDockStyle = 0;
    Stretch(point);
    Track();
}

void CDockContext::Stretch(CPoint point) {
    const CSize offset = point - m_ptLast;
    CRect& frame = m_rectFrameDragHorz;
    CRect& bar = m_rectDragHorz;
    if (m_nHitTest == HTLEFT || m_nHitTest == HTRIGHT) {
        int width = bar.Width() + (m_nHitTest == HTLEFT ? -offset.cx : offset.cx);
        CSize size = m_pBar->CalcDynamicLayout(std::max(width, 0), LM_HORZ | LM_COMMIT);
        if (m_nHitTest == HTLEFT) bar.left = bar.right - size.cx;
        else bar.right = bar.left + size.cx;
        bar.bottom = bar.top + size.cy;
    } else if (m_nHitTest >= HTTOP && m_nHitTest <= HTBOTTOMRIGHT) {
        const bool top = m_nHitTest == HTTOP || m_nHitTest == HTTOPLEFT || m_nHitTest == HTTOPRIGHT;
        int height = bar.Height() + (top ? -offset.cy : offset.cy);
        CSize size = m_pBar->CalcDynamicLayout(std::max(height, 0), LM_HORZ | LM_LENGTHY | LM_COMMIT);
        if (top) bar.top = bar.bottom - size.cy;
        else bar.bottom = bar.top + size.cy;
        bar.right = bar.left + size.cx;
    }
    const CRect borders = FloatingFrameBorders();
    frame = bar;
    frame.InflateRect(borders.left, borders.top, borders.right, borders.bottom);
    m_rectDragVert = bar;
    m_ptLast = point;
    DrawFocusRect();
}

void CDockContext::EndResize() {
    CancelLoop();
    const DWORD style = (m_dwDockStyle & CBRS_FLOAT_MULTI) | CBRS_ALIGN_TOP | CBRS_SIZE_DYNAMIC;
    m_pDockSite->FloatControlBar(m_pBar, m_rectFrameDragHorz.TopLeft(), style);
}

// Double click

void CDockContext::ToggleDocking() {
    if (m_pDockSite == nullptr) m_pDockSite = m_pBar->GetDockingFrame();
    if (m_pDockSite == nullptr) return;
    if (m_pBar->IsFloating()) {
        if ((m_pBar->m_dwDockStyle & CBRS_ALIGN_ANY) == 0) return;
        CDockBar* dockBar = m_uMRUDockID ? static_cast<CDockBar*>(m_pDockSite->GetControlBar(m_uMRUDockID)) : nullptr;
        if (dockBar == nullptr || !(dockBar->GetBarStyle() & m_pBar->m_dwDockStyle & CBRS_ALIGN_ANY)) {
            m_pDockSite->DockControlBar(m_pBar, static_cast<UINT>(0), nullptr);
        } else {
            CRect rect = m_rectMRUDockPos;
            dockBar->ClientToScreen(&rect);
            m_pDockSite->DockControlBar(m_pBar, dockBar, &rect);
        }
        m_pDockSite->RecalcLayout();
        return;
    }
    CPoint point = m_ptMRUFloatPos;
    if (point.x < 0 || point.y < 0) {
        CRect rect;
        m_pBar->GetWindowRect(&rect);
        point = rect.TopLeft();
    }
    m_pDockSite->FloatControlBar(m_pBar, point, m_dwMRUFloatStyle);
}
