#include "SDIFrame.h"

#include "MDIFrame.h"
#include "ResourceModule.h"
#include "WindowMessages.h"
#include "WndPlugIn.h"

IMPLEMENT_DYNCREATE(SECFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(SECFrameWnd, CFrameWnd)
    SEC_FRAME_FEATURE_MESSAGES()
    ON_WM_CLOSE()
END_MESSAGE_MAP()

SECFrameWnd::SECFrameWnd() : SECFrameFeatureHost(this) {}

BOOL SECFrameWnd::LoadFrame(UINT resourceId, DWORD style, CWnd* parent, CCreateContext* context) {
    // The framework's loading uses the menu resource only when it exists.
    m_features.SetMenuIds(resourceId);
    if (!CFrameWnd::LoadFrame(resourceId, style, parent, context)) return FALSE;
    if (GetMenuBar() != nullptr) {
        m_features.MoveMenuToMenuBar();
        GetMenuBar()->SwitchMenu(resourceId);
    }
    return TRUE;
}

int SECFrameWnd::OnCreate(LPCREATESTRUCT cs) {
    if (CFrameWnd::OnCreate(cs) == -1) return -1;
    m_features.CreateMenuPlugIn();
    return 0;
}

void SECFrameWnd::RecalcLayout(BOOL notify) {
    CFrameWnd::RecalcLayout(notify);
    if (m_lastLayoutRect.IsRectEmpty())
        RedrawWindow(nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
    RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, &m_lastLayoutRect);
}

LRESULT SECFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (m_features.BeforeMessage(message, wParam, lParam, &result)) return result;
    result = CFrameWnd::WindowProc(message, wParam, lParam);
    m_features.AfterMessage(message, wParam, lParam);
    return result;
}

BOOL SECFrameWnd::PreTranslateMessage(MSG* msg) {
    if (m_features.PreTranslate(msg)) return TRUE;
    return CFrameWnd::PreTranslateMessage(msg);
}

BOOL SECFrameWnd::OnCmdMsg(UINT id, int code, void* extra, CmdHandlerInfo* handlerInfo) {
    RoutingFrameScope routing(this);
    SECWndPlugIn* plugIn = GetCommandPlugIn();
    if (plugIn == nullptr) {
        CFrameWnd* top = GetTopLevelFrame();
        if (top != nullptr && top != this) {
            if (top->IsKindOf(RUNTIME_CLASS(SECMDIFrameWnd)))
                plugIn = static_cast<SECMDIFrameWnd*>(top)->GetCommandPlugIn();
            else if (top->IsKindOf(RUNTIME_CLASS(SECFrameWnd)))
                plugIn = static_cast<SECFrameWnd*>(top)->GetCommandPlugIn();
        }
    }
    if (SECFrameFeatures::RouteToPlugIn(plugIn, id, code, extra, handlerInfo)) return TRUE;
    return CFrameWnd::OnCmdMsg(id, code, extra, handlerInfo);
}

void SECFrameWnd::EnableDocking(DWORD dockStyle) {
    SECUseToolkitDocking(this);
    CFrameWnd::EnableDocking(dockStyle);
}

void SECFrameWnd::DockControlBarEx(CControlBar* bar, UINT dockBarId, int length, const RECT* rect,
                                      SECControlBarInfo* record) {
    if (bar == nullptr) return;
    SECDockControlBarWithLayout(this, bar, dockBarId, length, SECDockModeForBarStyle(bar->GetBarStyle()), rect, record);
}

void SECFrameWnd::DockControlBarEx(CControlBar* bar, UINT dockBarId, int length, int left, int top,
                                      SECControlBarInfo* record) {
    if (bar == nullptr) return;
    SECDockControlBarAtPoint(this, bar, dockBarId, length, SECDockModeForBarStyle(bar->GetBarStyle()), POINT{left, top}, record);
}

HMENU SECFrameWnd::GetDefaultMenu() {
    return GetMenuBar() != nullptr ? m_features.GetMenuBarMenu() : m_hMenuDefault;
}

HMENU SECFrameWnd::GetMenuForId(UINT id) {
    return id == m_features.GetDefaultMenuId() ? m_features.GetMenuBarMenu() : nullptr;
}

LRESULT SECFrameWnd::OnGetMenu(WPARAM id, LPARAM position) {
    HMENU menu = SECMenuHandleOf(id);
    if (menu == nullptr) menu = GetMenuForId(static_cast<UINT>(id));
    return reinterpret_cast<LRESULT>(SECPopupOf(menu, position));
}

void SECFrameWnd::OnSetPreviewMode(BOOL preview, CPrintPreviewState* state) {
    CFrameWnd::OnSetPreviewMode(preview, state);
    if (!preview) RedrawWindow(nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void SECFrameWnd::OnEnterIdle(UINT reason, CWnd* who) { OnIdleLayout(reason, who); }

void SECFrameWnd::OnIdleLayout(UINT reason, CWnd*) {
    m_features.OnIdleLayout(reason);
    Default();
}

void SECFrameWnd::OnClose() {
    m_features.m_bClosing = TRUE;
    HWND wnd = m_hWnd;
    CFrameWnd::OnClose();
    // The window (and so this object) is still there: the user kept it open.
    if (::IsWindow(wnd)) m_features.m_bClosing = FALSE;
}

BOOL SECFrameWnd::DestroyWindow() {
    m_features.DeleteMenuPlugIn();
    return CFrameWnd::DestroyWindow();
}

void SECFrameWnd::OnDestroy() {
    m_features.DeleteMenuPlugIn();
    CFrameWnd::OnDestroy();
}

void SECFrameWnd::OnWorkspaceCommand(UINT) {}

void SECFrameWnd::OnUpdateWorkspaceCommand(CCmdUI*) {}
