#include "MDIFrame.h"

#include "WindowMessages.h"

IMPLEMENT_DYNCREATE(SECMDIFrameWnd, CMDIFrameWnd)
IMPLEMENT_DYNCREATE(SECMDIChildWnd, CMDIChildWnd)

CRect SECMDIFrameWnd::QueryFreeRect() {
    CRect free;
    RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, &free);
    return free;
}

void SECMDIFrameWnd::RecalcLayout(BOOL notify) {
    CMDIFrameWnd::RecalcLayout(notify);
    // The first layout redraws the whole frame with its children.
    if (m_lastLayoutRect.IsRectEmpty())
        RedrawWindow(nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
    m_lastLayoutRect = QueryFreeRect();
}
