#include "SECControlBar.h"

#include "FrameWnd.h"

IMPLEMENT_DYNAMIC(SECControlBar, CControlBar)

SECControlBar::SECControlBar() = default;

void SECControlBar::SetExBarStyle(DWORD exStyle, BOOL recalc) {
    const bool changed = exStyle != m_dwExStyle;
    m_dwExStyle = exStyle;
    if (changed && recalc && m_hWnd != nullptr)
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

CSize SECControlBar::CalcFixedLayout(BOOL, BOOL horz) { return horz ? m_szHorzDocked : m_szVertDocked; }

CSize SECControlBar::CalcDynamicLayout(int length, DWORD mode) {
    if (mode & LM_COMMIT) {
        if (mode & LM_STRETCH) length = static_cast<int>(length * m_fProportionalWidth);
        if (mode & LM_HORZDOCK) {
            (mode & LM_LENGTHY ? m_szHorzDocked.cy : m_szHorzDocked.cx) = length;
        } else if (mode & LM_VERTDOCK) {
            (mode & LM_LENGTHY ? m_szVertDocked.cy : m_szVertDocked.cx) = length;
        } else if (mode & LM_LENGTHY) {
            m_szFloat.cy = length;
        } else {
            m_szFloat.cx = length;
            m_nMRUWidth = length;
        }
    }
    if (mode & (LM_HORZDOCK | LM_VERTDOCK)) return CalcFixedLayout((mode & LM_STRETCH) != 0, (mode & LM_HORZ) != 0);
    return m_szFloat;
}

void SECControlBar::CalcInsideRect(CRect& rect, BOOL horz) const {
    if (!(m_dwExStyle & CBRS_EX_OWNBORDERS)) {
        CControlBar::CalcInsideRect(rect, horz);
        return;
    }
    if (m_dwStyle & CBRS_BORDER_LEFT) rect.left += 1;
    if (m_dwStyle & CBRS_BORDER_TOP) rect.top += 1;
    if (m_dwStyle & CBRS_BORDER_RIGHT) rect.right -= 1;
    if (m_dwStyle & CBRS_BORDER_BOTTOM) rect.bottom -= 1;
    if (horz) {
        rect.left += HasDockedGripper() ? gripperSize : m_cxLeftBorder;
        rect.top += m_cyTopBorder;
        rect.right -= m_cxRightBorder;
        rect.bottom -= m_cyBottomBorder;
    } else {
        rect.left += m_cyTopBorder;
        rect.top += HasDockedGripper() ? gripperSize : m_cxLeftBorder;
        rect.right -= m_cyBottomBorder;
        rect.bottom -= m_cxRightBorder;
    }
}

void SECControlBar::OnUpdateCmdUI(CFrameWnd*, BOOL) {}
