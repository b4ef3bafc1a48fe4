#include "FloatingMDIChild.h"

#include "DockContext.h"
#include "WinThread.h"
#include "WindowMessages.h"

CMDIChildWnd* SECFloatingHostOf(const CControlBar* bar) {
    CWnd* dockBar = bar != nullptr ? bar->m_pDockBar : nullptr;
    if (dockBar == nullptr || dockBar->m_hWnd == nullptr) return nullptr;
    CWnd* host = CWnd::FromHandlePermanent(::GetParent(dockBar->m_hWnd));
    if (host == nullptr) return nullptr;
    if (host->IsKindOf(RUNTIME_CLASS(SECControlBarMDIChildWnd)) || host->IsKindOf(RUNTIME_CLASS(SECControlBarWorksheet)))
        return static_cast<CMDIChildWnd*>(host);
    return nullptr;
}

// SECFloatingBarHost

const UINT SECFloatingBarHost::WM_RELEASEEMPTYCHILD = WM_APP - 0x102;

BOOL SECFloatingBarHost::CreateDockBar() {
    // A row along the top, filling the child.
    m_dockBar.m_bFloating = TRUE;
    m_bLayoutBusy = TRUE;
    const BOOL created = m_dockBar.Create(m_child, CBRS_ALIGN_TOP, AFX_IDW_DOCKBAR_FLOAT);
    m_bLayoutBusy = FALSE;
    return created;
}

void SECFloatingBarHost::OnSize(int cx, int cy) {
    if (m_dockBar.m_hWnd == nullptr || (m_dockBar.GetBarStyle() & CBRS_FLOAT_MULTI)) return;
    CControlBar* bar = GetBar();
    if (bar == nullptr || !bar->IsVisible()) return;
    bar->CalcDynamicLayout(cx + 2 * ::GetSystemMetrics(SM_CXBORDER), LM_COMMIT | LM_MRUWIDTH);
    bar->CalcDynamicLayout(cy + 2 * ::GetSystemMetrics(SM_CYBORDER), LM_COMMIT | LM_LENGTHY | LM_MRUWIDTH);
}

BOOL SECFloatingBarHost::OnClose() {
    if (m_dockBar.GetBarStyle() & CBRS_FLOAT_MULTI) return FALSE;
    CControlBar* bar = GetBar();
    if (bar == nullptr) return FALSE;
    m_child->SendMessage(WM_SYSCOMMAND, SC_RESTORE);  // not left maximised over the documents
    if (CFrameWnd* site = bar->GetDockingFrame()) site->ShowControlBar(bar, FALSE, FALSE);
    return TRUE;
}

void SECFloatingBarHost::OnWindowPosChanged() {
    CControlBar* bar = GetBar();
    if (bar == nullptr || bar->m_pDockContext == nullptr) return;
    CRect place;
    m_child->GetWindowRect(&place);
    bar->m_pDockContext->m_ptMRUFloatPos = place.TopLeft();
}

void SECFloatingBarHost::AfterLayout() {
    CString title;
    if (CControlBar* bar = GetBar()) bar->GetWindowText(title);
    CString current;
    m_child->GetWindowText(current);
    if (current != title) m_child->SetWindowText(title);
    if (m_dockBar.m_hWnd == nullptr) return;
    if (m_dockBar.GetDockedVisibleCount() > 0) {
        if (!(m_child->GetStyle() & WS_VISIBLE)) m_child->ShowWindow(SW_SHOWNA);
        return;
    }
    // Nothing to show: the child hides, and goes once its bar has left.
    if (m_child->GetStyle() & WS_VISIBLE) m_child->ShowWindow(SW_HIDE);
    if (m_dockBar.GetDockedCount() == 0) m_child->PostMessage(WM_RELEASEEMPTYCHILD);
}

void SECFloatingBarHost::OnReleaseIfEmpty() {
    if (m_dockBar.m_hWnd != nullptr && m_dockBar.GetDockedCount() == 0) m_child->DestroyWindow();
}

int SECFloatingBarHost::ActivateAsFloating() {
    if (auto* frame = dynamic_cast<SECMDIFrameWnd*>(m_child->GetMDIFrame())) frame->ActivateFloatingMDIChild(m_child);
    return MA_NOACTIVATE;
}

void SECFloatingBarHost::AskMainFrameToRefreshMenu() {
    CWnd* main = AfxGetMainWnd();
    auto* frame = main != nullptr ? dynamic_cast<CMDIFrameWnd*>(main) : nullptr;
    if (frame != nullptr && frame->m_hWndMDIClient != nullptr) ::PostMessageA(frame->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
}

IMPLEMENT_DYNCREATE(SECControlBarMDIChildWnd, SECMDIChildWnd)
IMPLEMENT_DYNCREATE(SECControlBarWorksheet, SECWorksheet)

void SECControlBarWorksheet::OnUpdateFrameTitle(BOOL) {
    if (SECWorkbook* book = GetWorkbook()) book->InvalidateTab(this);
}
