#include "SECDockContext.h"

#include <algorithm>

#include "FrameWnd.h"
#include "SECControlBar.h"
#include "ToolkitResources.h"
#include "WindowMessages.h"

SECDockContext::SECDockContext(CControlBar* bar) : CDockContext(bar) {
    m_sizeMinFloat = CSize(::GetSystemMetrics(SM_CXMENUSIZE) +
                               2 * (::GetSystemMetrics(SM_CXFRAME) + ::GetSystemMetrics(SM_CXBORDER)),
                           ::GetSystemMetrics(SM_CYSMCAPTION) +
                               2 * (::GetSystemMetrics(SM_CYFRAME) + ::GetSystemMetrics(SM_CYBORDER)));
    m_sizeMaxFloat = CSize(::GetSystemMetrics(SM_CXFULLSCREEN), ::GetSystemMetrics(SM_CYFULLSCREEN));
}

void SECDockContext::ShowPrompt(UINT id) {
    if (m_pDockSite != nullptr && m_pDockSite->m_hWnd != nullptr) m_pDockSite->SendMessage(WM_SETMESSAGESTRING, id);
}

void SECDockContext::StartDrag(CPoint point) {
    if (m_pDockSite == nullptr) m_pDockSite = m_pBar->GetDockingFrame();
    ShowPrompt(IDS_SEC_PREVENT_DOCKING);
    CDockContext::StartDrag(point);
    ShowPrompt(AFX_IDS_IDLEMESSAGE);
}

void SECDockContext::Stretch(CPoint point) {
    auto* bar = dynamic_cast<SECControlBar*>(m_pBar);
    if (bar == nullptr || (bar->GetExBarStyle() & CBRS_EX_FIXEDFRAME)) {
        CDockContext::Stretch(point);
        return;
    }
    // Any edge or corner; the frame stays between its smallest and the screen.
    const CRect borders = FloatingFrameBorders();
    const CSize frameExtra(borders.left + borders.right, borders.top + borders.bottom);
    CRect& rect = m_rectDragHorz;
    const int hit = m_nHitTest;
    const bool left = hit == HTLEFT || hit == HTTOPLEFT || hit == HTBOTTOMLEFT;
    const bool right = hit == HTRIGHT || hit == HTTOPRIGHT || hit == HTBOTTOMRIGHT;
    const bool top = hit == HTTOP || hit == HTTOPLEFT || hit == HTTOPRIGHT;
    const bool bottom = hit == HTBOTTOM || hit == HTBOTTOMLEFT || hit == HTBOTTOMRIGHT;
    CPoint held = point;
    auto within = [&](int size, int minimum, int maximum) { return size >= minimum && size <= maximum; };
    if (left || right) {
        const int width = rect.Width() + (left ? m_ptLast.x - point.x : point.x - m_ptLast.x);
        if (within(width + frameExtra.cx, m_sizeMinFloat.cx, m_sizeMaxFloat.cx)) {
            (left ? rect.left : rect.right) += point.x - m_ptLast.x;
            bar->CalcDynamicLayout(rect.Width(), LM_HORZ | LM_COMMIT);
        } else {
            held.x = m_ptLast.x;
        }
    }
    if (top || bottom) {
        const int height = rect.Height() + (top ? m_ptLast.y - point.y : point.y - m_ptLast.y);
        if (within(height + frameExtra.cy, m_sizeMinFloat.cy, m_sizeMaxFloat.cy)) {
            (top ? rect.top : rect.bottom) += point.y - m_ptLast.y;
            bar->CalcDynamicLayout(rect.Height(), LM_HORZ | LM_LENGTHY | LM_COMMIT);
        } else {
            held.y = m_ptLast.y;
        }
    }
    const CSize size = bar->CalcDynamicLayout(-1, LM_HORZ);
    if (left) rect.left = rect.right - size.cx;
    else rect.right = rect.left + size.cx;
    if (top) rect.top = rect.bottom - size.cy;
    else rect.bottom = rect.top + size.cy;
    m_rectFrameDragHorz = rect;
    m_rectFrameDragHorz.InflateRect(borders.left, borders.top, borders.right, borders.bottom);
    m_rectDragVert = rect;
    m_ptLast = held;
    DrawFocusRect();
}

void SECDockContext::ToggleDocking() {
    auto* bar = dynamic_cast<SECControlBar*>(m_pBar);
    if (bar != nullptr && !bar->IsFloating()) m_fSavedProportionalWidth = bar->m_fProportionalWidth;
    else if (bar != nullptr && (bar->m_dwDockStyle & CBRS_ALIGN_ANY)) bar->m_fProportionalWidth = m_fSavedProportionalWidth;
    CDockContext::ToggleDocking();
}
