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

namespace {

// The frame of a host child: it activates the child as its floating one.
int ActivateAsFloating(CMDIChildWnd* child) {
    if (auto* frame = dynamic_cast<SECMDIFrameWnd*>(child->GetMDIFrame())) frame->ActivateFloatingMDIChild(child);
    return MA_NOACTIVATE;
}

void AskMainFrameToRefreshMenu() {
    CWnd* main = AfxGetMainWnd();
    auto* frame = main != nullptr ? dynamic_cast<CMDIFrameWnd*>(main) : nullptr;
    if (frame != nullptr && frame->m_hWndMDIClient != nullptr) ::PostMessageA(frame->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
}

}  // namespace

// SECControlBarMDIChildWnd

IMPLEMENT_DYNCREATE(SECControlBarMDIChildWnd, SECMDIChildWnd)

BEGIN_MESSAGE_MAP(SECControlBarMDIChildWnd, SECMDIChildWnd)
    ON_WM_SIZE()
    ON_WM_CLOSE()
    ON_WM_WINDOWPOSCHANGED()
    ON_WM_SHOWWINDOW()
    ON_WM_MOUSEACTIVATE()
    ON_MESSAGE(SECFloatingBarHost::WM_RELEASEEMPTYCHILD, OnReleaseIfEmpty)
END_MESSAGE_MAP()

BOOL SECControlBarMDIChildWnd::PreCreateWindow(CREATESTRUCT& cs) {
    SECFloatingBarHost::AdjustStyle(cs);
    return SECMDIChildWnd::PreCreateWindow(cs);
}

BOOL SECControlBarMDIChildWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext*) { return m_host.CreateDockBar(); }

void SECControlBarMDIChildWnd::RecalcLayout(BOOL notify) {
    if (!m_host.BeforeLayout()) return;
    SECMDIChildWnd::RecalcLayout(notify);
    m_host.AfterLayout();
}

void SECControlBarMDIChildWnd::OnSize(UINT type, int cx, int cy) {
    m_host.OnSize(cx, cy);
    SECMDIChildWnd::OnSize(type, cx, cy);
}

void SECControlBarMDIChildWnd::OnClose() {
    if (!m_host.OnClose()) SECMDIChildWnd::OnClose();
}

void SECControlBarMDIChildWnd::OnWindowPosChanged(WINDOWPOS* pos) {
    SECMDIChildWnd::OnWindowPosChanged(pos);
    m_host.OnWindowPosChanged();
}

void SECControlBarMDIChildWnd::OnShowWindow(BOOL show, UINT status) {
    SECMDIChildWnd::OnShowWindow(show, status);
    AskMainFrameToRefreshMenu();
}

int SECControlBarMDIChildWnd::OnMouseActivate(CWnd*, UINT, UINT) { return ActivateAsFloating(this); }

LRESULT SECControlBarMDIChildWnd::OnReleaseIfEmpty(WPARAM, LPARAM) {
    m_host.OnReleaseIfEmpty();
    return 0;
}

// SECControlBarWorksheet

IMPLEMENT_DYNCREATE(SECControlBarWorksheet, SECWorksheet)

BEGIN_MESSAGE_MAP(SECControlBarWorksheet, SECWorksheet)
    ON_WM_SIZE()
    ON_WM_CLOSE()
    ON_WM_WINDOWPOSCHANGED()
    ON_WM_SHOWWINDOW()
    ON_WM_MOUSEACTIVATE()
    ON_MESSAGE(SECFloatingBarHost::WM_RELEASEEMPTYCHILD, OnReleaseIfEmpty)
END_MESSAGE_MAP()

BOOL SECControlBarWorksheet::PreCreateWindow(CREATESTRUCT& cs) {
    SECFloatingBarHost::AdjustStyle(cs);
    return SECWorksheet::PreCreateWindow(cs);
}

BOOL SECControlBarWorksheet::OnCreateClient(LPCREATESTRUCT, CCreateContext*) { return m_host.CreateDockBar(); }

void SECControlBarWorksheet::RecalcLayout(BOOL notify) {
    if (!m_host.BeforeLayout()) return;
    SECWorksheet::RecalcLayout(notify);
    m_host.AfterLayout();
}

void SECControlBarWorksheet::OnUpdateFrameTitle(BOOL) {
    if (SECWorkbook* book = GetWorkbook()) book->InvalidateTab(this);
}

void SECControlBarWorksheet::OnSize(UINT type, int cx, int cy) {
    m_host.OnSize(cx, cy);
    SECWorksheet::OnSize(type, cx, cy);
}

void SECControlBarWorksheet::OnClose() {
    if (!m_host.OnClose()) SECWorksheet::OnClose();
}

void SECControlBarWorksheet::OnWindowPosChanged(WINDOWPOS* pos) {
    SECWorksheet::OnWindowPosChanged(pos);
    m_host.OnWindowPosChanged();
}

void SECControlBarWorksheet::OnShowWindow(BOOL show, UINT status) {
    SECWorksheet::OnShowWindow(show, status);
    AskMainFrameToRefreshMenu();
}

int SECControlBarWorksheet::OnMouseActivate(CWnd*, UINT, UINT) { return ActivateAsFloating(this); }

LRESULT SECControlBarWorksheet::OnReleaseIfEmpty(WPARAM, LPARAM) {
    m_host.OnReleaseIfEmpty();
    return 0;
}
