#include "ScrollView.h"

#include <algorithm>
#include <climits>

#include "Controls.h"

IMPLEMENT_DYNAMIC(CScrollView, CView)

BEGIN_MESSAGE_MAP(CScrollView, CView)
    ON_WM_SIZE()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

const SIZE CScrollView::sizeDefault = {0, 0};

namespace {

// A distance in one mapping mode's logical units as pixels, or back.
CSize ConvertDistance(int mapMode, SIZE distance, bool toDevice) {
    if (mapMode == MM_TEXT) return distance;
    HDC screen = ::GetDC(nullptr);
    ::SetMapMode(screen, mapMode);
    POINT points[2] = {{0, 0}, {distance.cx, distance.cy}};
    if (toDevice) ::LPtoDP(screen, points, 2);
    else ::DPtoLP(screen, points, 2);
    ::ReleaseDC(nullptr, screen);
    return CSize(std::abs(points[1].x - points[0].x), std::abs(points[1].y - points[0].y));
}

}  // namespace

CSize CScrollView::ToDevice(SIZE logical) const { return ConvertDistance(m_nMapMode, logical, true); }

void CScrollView::SetScrollSizes(int mapMode, SIZE total, const SIZE& page, const SIZE& line) {
    ASSERT(total.cx >= 0 && total.cy >= 0);
    m_nMapMode = mapMode;
    m_totalLog = total;
    m_totalDev = ToDevice(total);
    m_pageDev = ToDevice(page);
    m_lineDev = ToDevice(line);
    if (m_pageDev.cx == 0) m_pageDev.cx = m_totalDev.cx / 10;
    if (m_pageDev.cy == 0) m_pageDev.cy = m_totalDev.cy / 10;
    if (m_lineDev.cx == 0) m_lineDev.cx = std::max(1L, m_pageDev.cx / 10);
    if (m_lineDev.cy == 0) m_lineDev.cy = std::max(1L, m_pageDev.cy / 10);
    if (m_hWnd != nullptr) {
        UpdateBars();
        Invalidate(TRUE);
    }
}

CPoint CScrollView::GetDeviceScrollPosition() const {
    return CPoint(GetScrollPos(SB_HORZ), GetScrollPos(SB_VERT));
}

CPoint CScrollView::GetScrollPosition() const {
    // In other mapping modes than MM_TEXT: the distance from the top left.
    CPoint device = GetDeviceScrollPosition();
    CSize logical = ConvertDistance(m_nMapMode, CSize(device.x, device.y), false);
    return CPoint(logical.cx, logical.cy);
}

void CScrollView::ScrollToPosition(POINT position) {
    CSize device = ToDevice(CSize(position.x, position.y));
    ScrollToDevicePosition(CPoint(device.cx, device.cy));
}

void CScrollView::ScrollToDevicePosition(POINT position) {
    CPoint old = GetDeviceScrollPosition();
    SetScrollPos(SB_HORZ, position.x);
    SetScrollPos(SB_VERT, position.y);
    CPoint now = GetDeviceScrollPosition();  // as far as the bars allow
    if (now != old) ScrollWindow(old.x - now.x, old.y - now.y);
}

namespace {

void FitBar(CWnd* view, int bar, bool needed, int total, int page, int position) {
    SCROLLINFO info = {};
    info.fMask = SIF_PAGE | SIF_RANGE | SIF_POS;
    info.nMin = 0;
    info.nMax = needed ? total - 1 : 0;
    info.nPage = needed ? static_cast<UINT>(page) : 0;
    info.nPos = position;
    view->SetScrollInfo(bar, &info, TRUE);
    view->EnableScrollBarCtrl(bar, needed);
}

}  // namespace

void CScrollView::UpdateBars() {
    if (m_bInsideUpdate || m_hWnd == nullptr || m_nMapMode == 0) return;
    m_bInsideUpdate = TRUE;
    const bool horzControl = GetScrollBarCtrl(SB_HORZ) != nullptr;
    const bool vertControl = GetScrollBarCtrl(SB_VERT) != nullptr;
    const int barWidth = ::GetSystemMetrics(SM_CXVSCROLL);
    const int barHeight = ::GetSystemMetrics(SM_CYHSCROLL);

    // The room the view has without its own bars; an own bar that appears
    // takes room from the other direction.
    CRect client;
    GetClientRect(&client);
    CSize room(client.Width(), client.Height());
    DWORD style = GetStyle();
    if (!vertControl && (style & WS_VSCROLL)) room.cx += barWidth;
    if (!horzControl && (style & WS_HSCROLL)) room.cy += barHeight;
    bool needH = m_totalDev.cx > room.cx;
    bool needV = m_totalDev.cy > room.cy;
    if (needH && !horzControl) {
        room.cy -= barHeight;
        needV = m_totalDev.cy > room.cy;
    }
    if (needV && !vertControl) {
        room.cx -= barWidth;
        if (!needH && m_totalDev.cx > room.cx) {
            needH = true;
            if (!horzControl) room.cy -= barHeight;
        }
    }

    // The position stays within the new limits.
    CPoint position = GetDeviceScrollPosition();
    CPoint limit(needH ? std::max(0L, m_totalDev.cx - room.cx) : 0, needV ? std::max(0L, m_totalDev.cy - room.cy) : 0);
    CPoint kept(std::clamp(position.x, 0L, limit.x), std::clamp(position.y, 0L, limit.y));
    if (kept != position) ScrollToDevicePosition(kept);
    FitBar(this, SB_HORZ, needH, m_totalDev.cx, room.cx, kept.x);
    FitBar(this, SB_VERT, needV, m_totalDev.cy, room.cy, kept.y);
    m_bInsideUpdate = FALSE;
}

void CScrollView::OnSize(UINT type, int cx, int cy) {
    CView::OnSize(type, cx, cy);
    UpdateBars();
}

namespace {

// The new position for one bar's scroll code.
int Scrolled(CWnd* view, int bar, UINT code, int current, int page, int line) {
    switch (code) {
        case SB_TOP: return 0;
        case SB_BOTTOM: return INT_MAX / 2;
        case SB_LINEUP: return current - line;
        case SB_LINEDOWN: return current + line;
        case SB_PAGEUP: return current - page;
        case SB_PAGEDOWN: return current + page;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: {
            // The 32-bit position, not the message's 16 bits.
            SCROLLINFO info = {};
            view->GetScrollInfo(bar, &info, SIF_TRACKPOS);
            return info.nTrackPos;
        }
        default: return current;
    }
}

}  // namespace

BOOL CScrollView::OnScroll(UINT scrollCode, UINT, BOOL doScroll) {
    CPoint current = GetDeviceScrollPosition();
    int x = Scrolled(this, SB_HORZ, LOBYTE(scrollCode), current.x, m_pageDev.cx, m_lineDev.cx);
    int y = Scrolled(this, SB_VERT, HIBYTE(scrollCode), current.y, m_pageDev.cy, m_lineDev.cy);
    return OnScrollBy(CSize(x - current.x, y - current.y), doScroll);
}

BOOL CScrollView::OnScrollBy(CSize scrollBy, BOOL doScroll) {
    CPoint current = GetDeviceScrollPosition();
    int x = std::clamp(current.x + scrollBy.cx, 0L, static_cast<LONG>(std::max(0, GetScrollLimit(SB_HORZ))));
    int y = std::clamp(current.y + scrollBy.cy, 0L, static_cast<LONG>(std::max(0, GetScrollLimit(SB_VERT))));
    if (x == current.x && y == current.y) return FALSE;
    if (doScroll) {
        ScrollWindow(current.x - x, current.y - y);
        if (x != current.x) SetScrollPos(SB_HORZ, x);
        if (y != current.y) SetScrollPos(SB_VERT, y);
    }
    return TRUE;
}

namespace {

// Whether a scroll message came from the bar that scrolls this view: its
// own bar, or the control that GetScrollBarCtrl names.
bool IsOwnScrollBar(const CWnd* view, int bar, const CScrollBar* sender) {
    CScrollBar* control = view->GetScrollBarCtrl(bar);
    if (sender == nullptr) return control == nullptr;
    return control != nullptr && control->m_hWnd == sender->m_hWnd;
}

}  // namespace

void CScrollView::OnHScroll(UINT code, UINT pos, CScrollBar* scrollBar) {
    if (IsOwnScrollBar(this, SB_HORZ, scrollBar)) OnScroll(MAKEWORD(code, 0xFF), pos);
    else CView::OnHScroll(code, pos, scrollBar);
}

void CScrollView::OnVScroll(UINT code, UINT pos, CScrollBar* scrollBar) {
    if (IsOwnScrollBar(this, SB_VERT, scrollBar)) OnScroll(MAKEWORD(0xFF, code), pos);
    else CView::OnVScroll(code, pos, scrollBar);
}

BOOL CScrollView::OnMouseWheel(UINT, short delta, CPoint) {
    UINT lines = 3;
    ::SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    int steps = -delta / WHEEL_DELTA * static_cast<int>(lines);
    // The vertical bar when it scrolls anything, else the horizontal one.
    if (GetScrollLimit(SB_VERT) > 0) return OnScrollBy(CSize(0, steps * m_lineDev.cy));
    return OnScrollBy(CSize(steps * m_lineDev.cx, 0));
}

void CScrollView::OnPrepareDC(CDC* dc, CPrintInfo* info) {
    dc->SetMapMode(m_nMapMode != 0 ? m_nMapMode : MM_TEXT);
    if (!dc->IsPrinting()) {
        CPoint position = GetDeviceScrollPosition();
        dc->SetViewportOrg(-position.x, -position.y);
    }
    CView::OnPrepareDC(dc, info);
}
