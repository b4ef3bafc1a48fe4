#include "RectTracker.h"

#include <algorithm>

#include "DC.h"
#include "Wnd.h"

CRectTracker::CRectTracker(LPCRECT rect, UINT style) : m_rect(*rect), m_nStyle(style) {}

void CRectTracker::AdjustRect(int, LPRECT) {}

void CRectTracker::OnChangedRect(const CRect&) {}

void CRectTracker::DrawTrackerRect(LPCRECT rect, CWnd*, CDC* dc, CWnd* wnd) {
    CRect screen(*rect);
    screen.NormalizeRect();
    if (wnd != nullptr) wnd->ClientToScreen(&screen);
    const CSize thickness(std::max(1, m_nHandleSize - 1), std::max(1, m_nHandleSize - 1));
    dc->DrawDragRect(&screen, thickness, m_bErase ? &m_rectLast : nullptr, m_sizeLast);
    m_rectLast = screen;
    m_sizeLast = thickness;
    m_bErase = TRUE;
}

BOOL CRectTracker::Track(CWnd* wnd, CPoint point, BOOL, CWnd* clipTo) {
    if (wnd == nullptr || wnd->m_hWnd == nullptr) return FALSE;
    const CRect start = m_rect;
    const CPoint origin = point;
    wnd->SetCapture();
    HDC screenDc = ::GetDCEx(nullptr, nullptr, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE);
    CDC dc;
    dc.Attach(screenDc);
    m_bErase = FALSE;
    DrawTrackerRect(&m_rect, clipTo, &dc, wnd);
    BOOL moved = FALSE;
    BOOL done = FALSE;
    for (;;) {
        MSG msg;
        if (::GetCapture() != wnd->m_hWnd) break;  // capture lost: cancelled
        if (!::GetMessageA(&msg, nullptr, 0, 0)) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (msg.message == WM_MOUSEMOVE || msg.message == WM_LBUTTONUP) {
            CPoint now(static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam)));
            if (msg.hwnd != wnd->m_hWnd) {
                ::MapWindowPoints(msg.hwnd, wnd->m_hWnd, &now, 1);
            }
            const CRect old = m_rect;
            m_rect = start;
            m_rect.OffsetRect(now.x - origin.x, now.y - origin.y);
            AdjustRect(8, &m_rect);
            if (m_rect != old) {
                moved = TRUE;
                DrawTrackerRect(&m_rect, clipTo, &dc, wnd);
                OnChangedRect(old);
            }
            if (msg.message == WM_LBUTTONUP) {
                done = moved;
                break;
            }
            continue;
        }
        if (msg.message == WM_RBUTTONDOWN || (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE)) break;
        ::DispatchMessageA(&msg);
    }
    // Erase the outline.
    if (m_bErase) dc.DrawDragRect(CRect(0, 0, 0, 0), CSize(0, 0), &m_rectLast, m_sizeLast);
    m_bErase = FALSE;
    dc.Detach();
    ::ReleaseDC(nullptr, screenDc);
    if (::GetCapture() == wnd->m_hWnd) ::ReleaseCapture();
    if (!done) m_rect = start;
    return done;
}
