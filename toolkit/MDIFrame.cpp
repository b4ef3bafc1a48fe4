#include "MDIFrame.h"

#include <algorithm>

#include "CmdUI.h"
#include "ControlBar.h"
#include "DocTemplate.h"
#include "DocTemplateUtils.h"
#include "DockBar.h"
#include "FloatingMDIChild.h"
#include "SECControlBar.h"
#include "View.h"
#include "WinApp.h"
#include "WindowMessages.h"
#include "WndPlugIn.h"

IMPLEMENT_DYNCREATE(SECMDIFrameWnd, CMDIFrameWnd)

BEGIN_MESSAGE_MAP(SECMDIFrameWnd, CMDIFrameWnd)
    SEC_FRAME_FEATURE_MESSAGES()
    ON_WM_ACTIVATE()
    ON_WM_ACTIVATEAPP()
    ON_MESSAGE(WM_COMMANDHELP, OnCommandHelp)
    ON_MESSAGE(WM_SEC_EXTENDCONTEXTMENU, OnBarContextMenu)
    ON_COMMAND(ID_SEC_FLOAT_IN_MAIN, OnFloatInMainWindow)
END_MESSAGE_MAP()

// Creation and layout

BOOL SECMDIFrameWnd::LoadFrame(UINT resourceId, DWORD style, CWnd* parent, CCreateContext* context) {
    m_features.SetMenuIds(resourceId);
    if (!CMDIFrameWnd::LoadFrame(resourceId, style, parent, context)) return FALSE;
    if (GetMenuBar() != nullptr) {
        // The menu bar shows the frame's menu instead of the system's bar.
        m_features.MoveMenuToMenuBar();
        SwitchMenuBarMenu(static_cast<UINT>(-1));
    }
    return TRUE;
}

void SECMDIFrameWnd::RecalcLayout(BOOL notify) {
    CMDIFrameWnd::RecalcLayout(notify);
    AfterLayout(TRUE);
}

// Docking

void SECMDIFrameWnd::EnableDocking(DWORD dockStyle) {
    if (m_pFloatingMDIChildClass == nullptr) m_pFloatingMDIChildClass = RUNTIME_CLASS(SECControlBarMDIChildWnd);
    SECFeatureFrame::EnableDocking(dockStyle);
}

namespace {

// Takes a bar out of the MDI child that hosts it (which then goes).
void LeaveFloatingHost(CControlBar* bar) {
    if (SECFloatingHostOf(bar) == nullptr) return;
    if (auto* dockBar = dynamic_cast<CDockBar*>(bar->m_pDockBar)) dockBar->RemoveControlBar(bar);
    bar->m_pDockBar = nullptr;
}

CDockBar* FloatingDockBarOf(CWnd* child) {
    CWnd* found = CWnd::FromHandlePermanent(::GetDlgItem(child->m_hWnd, AFX_IDW_DOCKBAR_FLOAT));
    return found != nullptr && found->IsKindOf(RUNTIME_CLASS(CDockBar)) ? static_cast<CDockBar*>(found) : nullptr;
}

}  // namespace

void SECMDIFrameWnd::FloatControlBar(CControlBar* bar, CPoint point, DWORD style) {
    LeaveFloatingHost(bar);
    CMDIFrameWnd::FloatControlBar(bar, point, style);
}

CMDIChildWnd* SECMDIFrameWnd::CreateFloatingMDIChild(DWORD, CControlBar*) {
    CRuntimeClass* cls =
        m_pFloatingMDIChildClass != nullptr ? m_pFloatingMDIChildClass : RUNTIME_CLASS(SECControlBarMDIChildWnd);
    if (!cls->IsDerivedFrom(RUNTIME_CLASS(CMDIChildWnd))) return nullptr;
    auto* child = static_cast<CMDIChildWnd*>(cls->CreateObject());
    if (child == nullptr) AfxThrowMemoryException();
    const DWORD style = WS_CHILD | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX |
                        WS_MAXIMIZEBOX | FWS_ADDTOTITLE | FWS_SNAPTOBARS;
    if (!child->LoadFrame(kFloatingChildResource, style, this)) return nullptr;  // the window took its object along
    return child;
}

void SECMDIFrameWnd::FloatControlBarInMDIChild(CControlBar* bar, CPoint point, DWORD style) {
    if (bar == nullptr || m_hWndMDIClient == nullptr) return;
    CRect client;
    ::GetClientRect(m_hWndMDIClient, &client);
    CPoint at = point;
    if (point.x < 0 || point.y < 0) {
        at = m_ptCascade;
        m_ptCascade += CSize(20, 23);
        if (m_ptCascade.x > client.right - 30) m_ptCascade.x = 30;
        if (m_ptCascade.y > client.bottom - 30) m_ptCascade.y = 30;
    } else {
        ::ScreenToClient(m_hWndMDIClient, &at);
    }
    at.x = std::max(0, std::min<int>(at.x, client.Width()));
    at.y = std::max(0, std::min<int>(at.y, client.Height() - 30));

    CMDIChildWnd* host = SECFloatingHostOf(bar);
    CDockBar* hostBar = host != nullptr ? FloatingDockBarOf(host) : nullptr;
    if (hostBar != nullptr && hostBar->GetDockedCount() == 1) {
        // Alone in its child already: the child moves.
        host->SetWindowPos(nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        host->RecalcLayout();
        host->UpdateWindow();
        return;
    }
    if (bar->GetBarStyle() & CBRS_SIZE_DYNAMIC) style |= CBRS_SIZE_DYNAMIC;
    if (style & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)) style = (style & ~CBRS_ALIGN_ANY) | CBRS_ALIGN_TOP;
    LeaveFloatingHost(bar);
    CMDIChildWnd* child = CreateFloatingMDIChild(style, bar);
    CDockBar* dockBar = child != nullptr ? FloatingDockBarOf(child) : nullptr;
    if (dockBar == nullptr) return;
    bar->m_pDockSite = this;
    AddControlBar(bar);
    dockBar->DockControlBar(bar, nullptr);
    // The child is as big as the floating bar.
    const CSize size = (bar->GetBarStyle() & CBRS_SIZE_DYNAMIC) ? bar->CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH)
                                                                : bar->CalcFixedLayout(FALSE, TRUE);
    CRect window(0, 0, size.cx, size.cy);
    ::AdjustWindowRectEx(&window, child->GetStyle() & ~(FWS_ADDTOTITLE | FWS_SNAPTOBARS), FALSE, child->GetExStyle());
    // Above the documents' children, which keep the activation.
    child->SetWindowPos(&wndTop, at.x, at.y, window.Width(), window.Height(), SWP_NOACTIVATE);
    child->RecalcLayout();
    child->ShowWindow(SW_SHOWNA);
    child->UpdateWindow();
    if (auto icon = bar->SendMessage(WM_GETICON, ICON_BIG)) child->SendMessage(WM_SETICON, ICON_BIG, icon);
    RecalcLayout();
}

namespace {

CControlBar* BarOfWindow(HWND wnd) {
    CWnd* object = CWnd::FromHandlePermanent(wnd);
    return object != nullptr && object->IsKindOf(RUNTIME_CLASS(CControlBar)) ? static_cast<CControlBar*>(object)
                                                                              : nullptr;
}

}  // namespace

LRESULT SECMDIFrameWnd::OnBarContextMenu(WPARAM wParam, LPARAM lParam) {
    CControlBar* bar = BarOfWindow(reinterpret_cast<HWND>(wParam));
    auto menu = reinterpret_cast<HMENU>(lParam);
    if (bar == nullptr || menu == nullptr || !::IsMenu(menu)) return 0;
    m_hContextMenuBar = bar->m_hWnd;
    const bool inChild = SECFloatingHostOf(bar) != nullptr;
    if (inChild) ::EnableMenuItem(menu, ID_SEC_ALLOW_DOCKING, MF_BYCOMMAND | MF_GRAYED);
    auto* toolkitBar = dynamic_cast<SECControlBar*>(bar);
    if (toolkitBar != nullptr && (toolkitBar->GetExBarStyle() & CBRS_EX_ALLOW_MDI_FLOAT)) {
        ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuA(menu, MF_STRING | (inChild ? MF_CHECKED : MF_UNCHECKED), ID_SEC_FLOAT_IN_MAIN,
                      "Float In Main Window");
    }
    return 0;
}

void SECMDIFrameWnd::OnFloatInMainWindow() {
    CControlBar* bar = BarOfWindow(m_hContextMenuBar);
    if (bar == nullptr) return;
    if (CMDIChildWnd* host = SECFloatingHostOf(bar)) {
        CRect place;
        host->GetWindowRect(&place);
        FloatControlBar(bar, place.TopLeft(), CBRS_ALIGN_TOP);
    } else {
        FloatControlBarInMDIChild(bar, CPoint(-1, -1), CBRS_ALIGN_TOP);
    }
}

// Commands

BOOL SECMDIFrameWnd::RouteFirst(UINT id, int code, void* extra, CmdHandlerInfo* handlerInfo) {
    CMDIChildWnd* child = m_pActiveFloatingChild != nullptr ? m_pActiveFloatingChild : CMDIFrameWnd::MDIGetActive();
    return child != nullptr && child->OnCmdMsg(id, code, extra, handlerInfo);
}

BOOL SECMDIFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    // Handled commands stop here. A system command nobody handles is left
    // to default processing, which gives it to a maximised child; sent back
    // as WM_COMMAND it would come here again.
    return CMDIFrameWnd::OnCommand(wParam, lParam);
}

LRESULT SECMDIFrameWnd::OnCommandHelp(WPARAM wParam, LPARAM lParam) {
    // Help for a command goes where the command would: the active child first.
    CMDIChildWnd* child = MDIGetActive();
    if (child != nullptr && child->SendMessage(WM_COMMANDHELP, wParam, lParam)) return TRUE;
    return Default();
}

// Activation

CMDIChildWnd* SECMDIFrameWnd::MDIGetActive(BOOL* maximized) const {
    if (m_pActiveFloatingChild != nullptr) {
        if (maximized != nullptr) *maximized = FALSE;
        return m_pActiveFloatingChild;
    }
    return CMDIFrameWnd::MDIGetActive(maximized);
}

CFrameWnd* SECMDIFrameWnd::GetActiveFrame() {
    CMDIChildWnd* child = MDIGetActive();
    return child != nullptr ? static_cast<CFrameWnd*>(child) : this;
}

namespace {

// Whether the focus is inside `wnd` (or is it).
bool HasFocusInside(CWnd* wnd) {
    HWND focus = ::GetFocus();
    return wnd != nullptr && focus != nullptr && (focus == wnd->m_hWnd || ::IsChild(wnd->m_hWnd, focus));
}

void SetViewActivation(CFrameWnd* frame, BOOL activate) {
    CView* view = frame != nullptr ? frame->GetActiveView() : nullptr;
    if (view == nullptr) return;
    if (activate) {
        if (!HasFocusInside(frame)) view->SetFocus();
        view->OnActivateView(TRUE, view, view);
    } else {
        view->OnActivateView(FALSE, view, view);
    }
}

}  // namespace

void SECMDIFrameWnd::ActivateFloatingMDIChild(CWnd* wnd) {
    CMDIChildWnd* floating = wnd != nullptr && wnd->IsKindOf(RUNTIME_CLASS(CMDIChildWnd))
                                 ? static_cast<CMDIChildWnd*>(wnd)
                                 : nullptr;
    if (floating != nullptr && floating == m_pActiveFloatingChild) return;
    DeactivateFloatingMDIChild(floating == nullptr);
    CMDIChildWnd* regular = CMDIFrameWnd::MDIGetActive();
    if (floating != nullptr) {
        // The regular child keeps its place but loses the view activation.
        if (regular != nullptr && !HasFocusInside(floating)) SetViewActivation(regular, FALSE);
        floating->SendMessage(WM_NCACTIVATE, TRUE);
        m_pActiveFloatingChild = floating;
        if (regular != nullptr) regular->SendMessage(WM_NCACTIVATE, FALSE);
    }
    SetViewActivation(floating != nullptr ? static_cast<CFrameWnd*>(floating) : regular, TRUE);
    OnUpdateFrameTitle(TRUE);
    if (GetMenuBar() != nullptr)
        SwitchMenuBarMenu(floating != nullptr ? SECDocTemplateUtils().GetFrameResourceId(floating) : static_cast<UINT>(-1));
    else OnUpdateFrameMenu(nullptr);
}

void SECMDIFrameWnd::DeactivateFloatingMDIChild(BOOL activateMDIChild) {
    CMDIChildWnd* floating = m_pActiveFloatingChild;
    if (floating == nullptr) return;
    SetViewActivation(floating, FALSE);
    floating->SendMessage(WM_NCACTIVATE, FALSE);
    m_pActiveFloatingChild = nullptr;
    if (HasFocusInside(floating)) ::SetFocus(m_hWnd);
    if (activateMDIChild) {
        if (CMDIChildWnd* regular = CMDIFrameWnd::MDIGetActive()) regular->SendMessage(WM_NCACTIVATE, TRUE);
    }
}

void SECMDIFrameWnd::OnActivate(UINT state, CWnd* other, BOOL minimized) {
    CWnd::OnActivate(state, other, minimized);
    ActivateFrameView(state, other, minimized);
}

void SECMDIFrameWnd::ActivateFrameView(UINT state, CWnd* /*other*/, BOOL /*minimized*/) {
    if (m_bActivatingView) return;
    m_bActivatingView = TRUE;
    const HWND foreground = ::GetForegroundWindow();
    CFrameWnd* active = GetActiveFrame();
    CView* view = active != nullptr ? active->GetActiveView() : nullptr;
    if (view != nullptr) view->OnActivateFrame(state, active);
    // Telling the view must not leave another window in front of the one
    // the user just activated.
    if (state != WA_INACTIVE && foreground != nullptr && ::IsWindow(foreground) &&
        ::GetForegroundWindow() != foreground)
        ::SetForegroundWindow(foreground);
    m_bActivatingView = FALSE;
}

void SECMDIFrameWnd::OnActivateApp(BOOL active, DWORD threadId) {
    if (m_pActiveFloatingChild != nullptr && m_hWndMDIClient != nullptr) {
        ::PostMessageA(m_hWndMDIClient, WM_MDIACTIVATE, 0, 0);
        ::PostMessageA(m_hWndMDIClient, WM_NCACTIVATE, 0, 0);
    }
    CWnd::OnActivateApp(active, threadId);
}

// Menus

HMENU SECMDIFrameWnd::GetMenuForId(UINT id) {
    if (GetMenuBar() != nullptr && id == m_features.GetCurrentMenuId() && m_features.GetMenuBarMenu() != nullptr)
        return m_features.GetMenuBarMenu();
    if (CWinApp* app = AfxGetApp()) {
        for (POSITION at = app->GetFirstDocTemplatePosition(); at != nullptr;) {
            CDocTemplate* docTemplate = app->GetNextDocTemplate(at);
            if (docTemplate->IsKindOf(RUNTIME_CLASS(CMultiDocTemplate)) && docTemplate->GetResourceId() == id)
                return static_cast<CMultiDocTemplate*>(docTemplate)->m_hMenuShared;
        }
    }
    return m_features.FindMappedMenu(id);
}

void SECMDIFrameWnd::SwitchMenuBarMenu(UINT id) {
    SECMenuBarLink* menuBar = GetMenuBar();
    if (menuBar == nullptr) return;
    if (id == static_cast<UINT>(-1) || id == 0) {
        id = m_features.GetDefaultMenuId();
        if (menuBar->ResetMDIButtons()) RecalcLayout();
    }
    menuBar->SwitchMenu(id);
    UpdateMenuBarMenu();
}

void SECMDIFrameWnd::RefreshMenuBarButtons() {
    SECMenuBarLink* menuBar = GetMenuBar();
    if (menuBar != nullptr && menuBar->ResetMDIButtons()) RecalcLayout();
}

void SECMDIFrameWnd::UpdateMenuBarMenu() {
    SECMenuBarLink* menuBar = GetMenuBar();
    if (menuBar == nullptr || m_hWndMDIClient == nullptr) return;
    // The MDI client keeps its list of children in the shown menu's
    // Window pop-up when the frame has no menu of its own.
    HMENU menu = GetMenuForId(menuBar->GetMenuId());
    if (menu != nullptr && ::GetMenu(m_hWnd) == nullptr)
        ::SendMessageA(m_hWndMDIClient, WM_MDISETMENU, 0, reinterpret_cast<LPARAM>(GetWindowMenuPopup(menu)));
}

// SECMDIChildWnd

IMPLEMENT_DYNCREATE(SECMDIChildWnd, CMDIChildWnd)

BEGIN_MESSAGE_MAP(SECMDIChildWnd, CMDIChildWnd)
    ON_WM_MOUSEACTIVATE()
    ON_WM_CHILDACTIVATE()
    ON_WM_MDIACTIVATE()
    ON_WM_SIZE()
END_MESSAGE_MAP()

SECMDIFrameWnd* SECMDIChildWnd::GetToolkitFrame() const {
    CMDIFrameWnd* frame = GetMDIFrame();
    if (frame == nullptr && m_hWnd == nullptr) {
        CWnd* main = AfxGetMainWnd();
        frame = main != nullptr && main->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)) ? static_cast<CMDIFrameWnd*>(main)
                                                                                : nullptr;
    }
    return frame != nullptr && frame->IsKindOf(RUNTIME_CLASS(SECMDIFrameWnd)) ? static_cast<SECMDIFrameWnd*>(frame)
                                                                               : nullptr;
}

SECMDIFrameWnd* SECMDIChildWnd::MenuBarFrame() const {
    SECMDIFrameWnd* frame = GetToolkitFrame();
    return frame != nullptr && frame->GetMenuBar() != nullptr ? frame : nullptr;
}

BOOL SECMDIChildWnd::LoadFrame(UINT resourceId, DWORD style, CWnd* parent, CCreateContext* context) {
    SECMDIFrameWnd* frame = parent != nullptr && parent->IsKindOf(RUNTIME_CLASS(SECMDIFrameWnd))
                                ? static_cast<SECMDIFrameWnd*>(parent)
                                : GetToolkitFrame();
    if (frame != nullptr && frame->GetMenuBar() != nullptr) {
        // The menu bar shows the document kind's menu, found by its id.
        CDocTemplate* docTemplate = context != nullptr ? context->m_pNewDocTemplate : nullptr;
        m_menuBarMenuId = docTemplate != nullptr && docTemplate->IsKindOf(RUNTIME_CLASS(CMultiDocTemplate))
                              ? docTemplate->GetResourceId()
                              : resourceId;
    }
    if (!CMDIChildWnd::LoadFrame(resourceId, style | WS_CHILD, parent, context)) return FALSE;
    if (m_menuBarMenuId != 0) m_hMenuShared = nullptr;  // the bar shows it instead of the system's bar
    return TRUE;
}

void SECMDIChildWnd::OnUpdateFrameMenu(BOOL activate, CWnd* activateWnd, HMENU alternateMenu) {
    m_alternateMenu = alternateMenu;
    SECMDIFrameWnd* menuBarFrame = MenuBarFrame();
    if (menuBarFrame == nullptr) {
        CMDIChildWnd::OnUpdateFrameMenu(activate, activateWnd, alternateMenu);
        return;
    }
    menuBarFrame->UpdateMenuBarMenu();
}

void SECMDIChildWnd::UpdateFrameMenu(HMENU alternateMenu) {
    m_alternateMenu = alternateMenu;
    OnUpdateFrameMenu(TRUE, this, m_alternateMenu);
}

void SECMDIChildWnd::OnMDIActivate(BOOL activate, CWnd* activated, CWnd* deactivated) {
    CMDIChildWnd::OnMDIActivate(activate, activated, deactivated);
    SECMDIFrameWnd* frame = MenuBarFrame();
    if (frame == nullptr || m_menuBarMenuId == 0) return;
    if (activate) frame->SwitchMenuBarMenu(m_menuBarMenuId);
    else if (activated == nullptr) frame->SwitchMenuBarMenu(static_cast<UINT>(-1));
}

int SECMDIChildWnd::OnMouseActivate(CWnd* topParent, UINT hitTest, UINT message) {
    SECMDIFrameWnd* frame = GetToolkitFrame();
    if (frame != nullptr && frame->GetActiveFloatingMDIChild() != this) frame->DeactivateFloatingMDIChild(FALSE);
    int result = CMDIChildWnd::OnMouseActivate(topParent, hitTest, message);
    if (frame != nullptr && frame->GetMenuBar() != nullptr && m_menuBarMenuId != 0)
        frame->SwitchMenuBarMenu(m_menuBarMenuId);
    return result;
}

void SECMDIChildWnd::OnChildActivate() {
    SECMDIFrameWnd* frame = GetToolkitFrame();
    if (frame != nullptr && frame->GetActiveFloatingMDIChild() != this) frame->DeactivateFloatingMDIChild(FALSE);
    Default();
}

void SECMDIChildWnd::OnSize(UINT type, int cx, int cy) {
    if (SECMDIFrameWnd* frame = MenuBarFrame()) {
        if (type == SIZE_MAXIMIZED || type == SIZE_RESTORED || type == SIZE_MINIMIZED) frame->RefreshMenuBarButtons();
    }
    CMDIChildWnd::OnSize(type, cx, cy);
}
