#include "MDIFrameWnd.h"

#include "CmdUI.h"
#include "DocTemplate.h"
#include "Document.h"
#include "ResourceModule.h"
#include "View.h"
#include "WinApp.h"
#include "WindowCreationHook.h"
#include "WindowMessages.h"

// CMDIFrameWnd

IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIFrameWnd, CFrameWnd)
    ON_COMMAND(ID_WINDOW_NEW, OnWindowNew)
    ON_COMMAND_EX_RANGE(ID_WINDOW_ARRANGE, ID_WINDOW_TILE_VERT, OnMDIWindowCmd)
    ON_UPDATE_COMMAND_UI_RANGE(ID_WINDOW_NEW, ID_WINDOW_TILE_VERT, OnUpdateMDIWindowCmd)
END_MESSAGE_MAP()

CMDIFrameWnd::CMDIFrameWnd() = default;

BOOL CMDIFrameWnd::OnCreateClient(LPCREATESTRUCT cs, CCreateContext*) {
    // The menu bar is the one being created with the window.
    CMenu* windowMenu = CMenu::FromHandle(GetWindowMenuPopup(cs->hMenu));
    return CreateClient(cs, windowMenu);
}

BOOL CMDIFrameWnd::CreateClient(LPCREATESTRUCT cs, CMenu* windowMenu) {
    CLIENTCREATESTRUCT client = {windowMenu->GetSafeHmenu(), AFX_IDM_FIRST_MDICHILD};
    // All child styles: child frames are made hidden and shown once ready.
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | MDIS_ALLCHILDSTYLES |
                  (cs->style & (WS_HSCROLL | WS_VSCROLL));
    m_hWndMDIClient = ::CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr, style, 0, 0, 0, 0, m_hWnd,
                                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(AFX_IDW_PANE_FIRST)),
                                        AfxGetInstanceHandle(), &client);
    if (m_hWndMDIClient == nullptr) return FALSE;
    // Bars stay above the client.
    ::SetWindowPos(m_hWndMDIClient, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    return TRUE;
}

HMENU CMDIFrameWnd::GetWindowMenuPopup(HMENU menuBar) {
    if (menuBar == nullptr) return nullptr;
    int count = ::GetMenuItemCount(menuBar);
    for (int i = 0; i < count; ++i) {
        HMENU popup = ::GetSubMenu(menuBar, i);
        if (popup == nullptr) continue;
        int items = ::GetMenuItemCount(popup);
        for (int j = 0; j < items; ++j) {
            UINT id = ::GetMenuItemID(popup, j);
            if (id >= ID_WINDOW_NEW && id <= ID_WINDOW_SPLIT) return popup;
        }
    }
    return count >= 2 ? ::GetSubMenu(menuBar, count - 2) : nullptr;
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* maximized) const {
    BOOL isMaximized = FALSE;
    HWND active = nullptr;
    if (m_hWndMDIClient != nullptr)
        active = reinterpret_cast<HWND>(
            ::SendMessageA(m_hWndMDIClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&isMaximized)));
    if (maximized != nullptr) *maximized = active != nullptr && isMaximized;
    CWnd* child = FromHandlePermanent(active);
    return child != nullptr && child->IsKindOf(RUNTIME_CLASS(CMDIChildWnd)) ? static_cast<CMDIChildWnd*>(child)
                                                                             : nullptr;
}

void CMDIFrameWnd::MDIActivate(CWnd* wnd) {
    ::SendMessageA(m_hWndMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(wnd->GetSafeHwnd()), 0);
}

void CMDIFrameWnd::MDIMaximize(CWnd* wnd) {
    ::SendMessageA(m_hWndMDIClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(wnd->GetSafeHwnd()), 0);
}

void CMDIFrameWnd::MDIRestore(CWnd* wnd) {
    ::SendMessageA(m_hWndMDIClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(wnd->GetSafeHwnd()), 0);
}

void CMDIFrameWnd::MDINext() { ::SendMessageA(m_hWndMDIClient, WM_MDINEXT, 0, 0); }

void CMDIFrameWnd::MDICascade() { ::SendMessageA(m_hWndMDIClient, WM_MDICASCADE, 0, 0); }

void CMDIFrameWnd::MDITile(int how) { ::SendMessageA(m_hWndMDIClient, WM_MDITILE, static_cast<WPARAM>(how), 0); }

void CMDIFrameWnd::MDIIconArrange() { ::SendMessageA(m_hWndMDIClient, WM_MDIICONARRANGE, 0, 0); }

HMENU CMDIFrameWnd::MDISetMenu(HMENU frameMenu, HMENU windowMenu) {
    auto previous = reinterpret_cast<HMENU>(::SendMessageA(m_hWndMDIClient, WM_MDISETMENU,
                                                           reinterpret_cast<WPARAM>(frameMenu),
                                                           reinterpret_cast<LPARAM>(windowMenu)));
    DrawMenuBar();
    return previous;
}

CFrameWnd* CMDIFrameWnd::GetActiveFrame() {
    CMDIChildWnd* child = MDIGetActive();
    return child != nullptr ? static_cast<CFrameWnd*>(child) : this;
}

HACCEL CMDIFrameWnd::GetDefaultAccelerator() {
    CMDIChildWnd* child = MDIGetActive();
    if (child != nullptr && child->m_hAccelTable != nullptr) return child->m_hAccelTable;
    return m_hAccelTable;
}

BOOL CMDIFrameWnd::PreTranslateMessage(MSG* msg) {
    // Ctrl+F4, Ctrl+F6 and the child system menu's keys first.
    if (msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN) {
        if (MDIGetActive() != nullptr && ::TranslateMDISysAccel(m_hWndMDIClient, msg)) return TRUE;
    }
    return CFrameWnd::PreTranslateMessage(msg);
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT id, int code, void* extra, CmdHandlerInfo* handlerInfo) {
    RoutingFrameScope routing(this);
    CMDIChildWnd* child = MDIGetActive();
    if (child != nullptr && child->OnCmdMsg(id, code, extra, handlerInfo)) return TRUE;
    return CFrameWnd::OnCmdMsg(id, code, extra, handlerInfo);
}

LRESULT CMDIFrameWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefFrameProcA(m_hWnd, m_hWndMDIClient, message, wParam, lParam);
}

void CMDIFrameWnd::OnUpdateFrameTitle(BOOL addToTitle) {
    if ((GetStyle() & FWS_ADDTOTITLE) == 0) return;
    BOOL maximized = FALSE;
    CMDIChildWnd* child = MDIGetActive(&maximized);
    // A maximised child's caption is added by the system itself.
    if (addToTitle && child != nullptr && !maximized && child->GetActiveDocument() != nullptr) {
        CString childTitle;
        child->GetWindowText(childTitle);
        UpdateFrameTitleForDocument(childTitle);
    } else {
        UpdateFrameTitleForDocument(nullptr);
    }
}

void CMDIFrameWnd::OnUpdateFrameMenu(HMENU alternateMenu) {
    if (CMDIChildWnd* child = MDIGetActive()) {
        child->OnUpdateFrameMenu(TRUE, child, alternateMenu);
        return;
    }
    HMENU menu = alternateMenu != nullptr ? alternateMenu : m_hMenuDefault;
    if (menu != nullptr) MDISetMenu(menu, GetWindowMenuPopup(menu));
}

void CMDIFrameWnd::OnWindowNew() {
    CMDIChildWnd* child = MDIGetActive();
    CDocument* document = child != nullptr ? child->GetActiveDocument() : nullptr;
    CDocTemplate* docTemplate = document != nullptr ? document->GetDocTemplate() : nullptr;
    if (docTemplate == nullptr) return;
    CFrameWnd* frame = docTemplate->CreateNewFrame(document, child);
    if (frame == nullptr) {
        AfxMessageBox("A new window could not be opened.", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    docTemplate->InitialUpdateFrame(frame, document);
}

BOOL CMDIFrameWnd::OnMDIWindowCmd(UINT id) {
    switch (id) {
        case ID_WINDOW_ARRANGE: MDIIconArrange(); return TRUE;
        case ID_WINDOW_CASCADE: MDICascade(); return TRUE;
        case ID_WINDOW_TILE_HORZ: MDITile(MDITILE_HORIZONTAL); return TRUE;
        case ID_WINDOW_TILE_VERT: MDITile(MDITILE_VERTICAL); return TRUE;
        default: return FALSE;
    }
}

void CMDIFrameWnd::OnUpdateMDIWindowCmd(CCmdUI* cmdUI) { cmdUI->Enable(MDIGetActive() != nullptr); }

// CMDIChildWnd

IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_WM_MDIACTIVATE()
    ON_WM_MOUSEACTIVATE()
END_MESSAGE_MAP()

CMDIChildWnd::CMDIChildWnd() = default;

namespace {

CMDIFrameWnd* MainMDIFrame() {
    CWnd* main = AfxGetMainWnd();
    return main != nullptr && main->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)) ? static_cast<CMDIFrameWnd*>(main)
                                                                           : nullptr;
}

}  // namespace

BOOL CMDIChildWnd::PreCreateWindow(CREATESTRUCT& cs) {
    if (cs.lpszClass == nullptr) cs.lpszClass = FrameClassFor(0);
    return TRUE;
}

BOOL CMDIChildWnd::Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect,
                          CMDIFrameWnd* parent, CCreateContext* context) {
    if (parent == nullptr) parent = MainMDIFrame();
    ASSERT(parent != nullptr && parent->m_hWndMDIClient != nullptr);
    if (parent == nullptr || parent->m_hWndMDIClient == nullptr) return FALSE;
    m_strTitle = windowName;

    CREATESTRUCTA cs = {};
    cs.lpszClass = className;
    cs.lpszName = windowName;
    cs.style = style | WS_CHILD;
    cs.dwExStyle = WS_EX_MDICHILD;
    const bool placedBySystem = CRect(rect) == rectDefault;
    cs.x = placedBySystem ? CW_USEDEFAULT : rect.left;
    cs.y = placedBySystem ? CW_USEDEFAULT : rect.top;
    cs.cx = placedBySystem ? CW_USEDEFAULT : rect.right - rect.left;
    cs.cy = placedBySystem ? CW_USEDEFAULT : rect.bottom - rect.top;
    cs.hwndParent = parent->m_hWndMDIClient;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = context;
    if (!PreCreateWindow(cs)) return FALSE;

    MDICREATESTRUCTA mdi = {};
    mdi.szClass = cs.lpszClass;
    mdi.szTitle = cs.lpszName;
    mdi.hOwner = cs.hInstance;
    mdi.x = cs.x;
    mdi.y = cs.y;
    mdi.cx = cs.cx;
    mdi.cy = cs.cy;
    // Shown (and maximised when wanted) by ActivateFrame once ready.
    mdi.style = cs.style & ~(WS_VISIBLE | WS_MAXIMIZE);
    mdi.lParam = reinterpret_cast<LPARAM>(context);
    HWND wnd;
    {
        WindowCreationHook hook(this);
        wnd = reinterpret_cast<HWND>(
            ::SendMessageA(parent->m_hWndMDIClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mdi)));
    }
    return wnd != nullptr;
}

BOOL CMDIChildWnd::LoadFrame(UINT resourceId, DWORD style, CWnd* parent, CCreateContext* context) {
    m_nIDHelp = resourceId;
    CMDIFrameWnd* frame = parent != nullptr && parent->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd))
                              ? static_cast<CMDIFrameWnd*>(parent)
                              : MainMDIFrame();
    // The document kind's menu and accelerators, shared by its frames.
    CDocTemplate* docTemplate = context != nullptr ? context->m_pNewDocTemplate : nullptr;
    LPCSTR name = MAKEINTRESOURCEA(resourceId);
    if (docTemplate != nullptr && docTemplate->IsKindOf(RUNTIME_CLASS(CMultiDocTemplate))) {
        auto* multi = static_cast<CMultiDocTemplate*>(docTemplate);
        m_hMenuShared = multi->m_hMenuShared;
        m_hAccelTable = multi->m_hAccelTable;
    } else if (m_hAccelTable == nullptr) {
        m_hAccelTable = ::LoadAcceleratorsA(AfxFindResourceHandle(name, RT_ACCELERATOR), name);
    }
    CString strings;
    CString title;
    if (strings.LoadString(resourceId)) AfxExtractSubString(title, strings, 0);
    if (!Create(FrameClassFor(resourceId), title, style, rectDefault, frame, context)) return FALSE;
    if (context == nullptr) SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    return TRUE;
}

int CMDIChildWnd::OnCreate(LPCREATESTRUCT cs) {
    auto* mdi = static_cast<MDICREATESTRUCTA*>(cs->lpCreateParams);
    return OnCreateHelper(cs, mdi != nullptr ? reinterpret_cast<CCreateContext*>(mdi->lParam) : nullptr);
}

BOOL CMDIChildWnd::DestroyWindow() {
    if (m_hWnd == nullptr) return FALSE;
    CMDIFrameWnd* frame = GetMDIFrame();
    if (frame == nullptr) return CFrameWnd::DestroyWindow();
    // The object may be gone once the window is.
    HWND wnd = m_hWnd;
    ::SendMessageA(frame->m_hWndMDIClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(wnd), 0);
    return !::IsWindow(wnd);
}

void CMDIChildWnd::OnDestroy() {
    // The main frame's title and menu follow the next active child.
    if (CMDIFrameWnd* frame = GetMDIFrame()) frame->m_nIdleFlags |= idleTitle | idleMenu;
    CFrameWnd::OnDestroy();
}

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const {
    HWND client = m_hWnd != nullptr ? ::GetParent(m_hWnd) : nullptr;
    CWnd* frame = FromHandlePermanent(client != nullptr ? ::GetParent(client) : nullptr);
    return frame != nullptr && frame->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)) ? static_cast<CMDIFrameWnd*>(frame)
                                                                             : nullptr;
}

void CMDIChildWnd::MDIActivate() {
    if (CMDIFrameWnd* frame = GetMDIFrame()) frame->MDIActivate(this);
}

void CMDIChildWnd::MDIMaximize() {
    if (CMDIFrameWnd* frame = GetMDIFrame()) frame->MDIMaximize(this);
}

void CMDIChildWnd::MDIRestore() {
    if (CMDIFrameWnd* frame = GetMDIFrame()) frame->MDIRestore(this);
}

void CMDIChildWnd::MDIDestroy() { DestroyWindow(); }

void CMDIChildWnd::ActivateFrame(int cmdShow) {
    CMDIFrameWnd* frame = GetMDIFrame();
    BOOL maximized = FALSE;
    CMDIChildWnd* active = frame != nullptr ? frame->MDIGetActive(&maximized) : nullptr;
    if (cmdShow == -1) {
        if (!IsWindowVisible())
            cmdShow = (active != nullptr && active != this && maximized) || (GetStyle() & WS_MAXIMIZE)
                          ? SW_SHOWMAXIMIZED
                          : SW_SHOWNORMAL;
        else if (IsIconic())
            cmdShow = SW_RESTORE;
    }
    if (cmdShow != -1) ShowWindow(cmdShow);
    if (frame != nullptr && frame->MDIGetActive() != this) MDIActivate();
    else OnUpdateFrameMenu(TRUE, this, nullptr);
}

void CMDIChildWnd::OnUpdateFrameTitle(BOOL addToTitle) {
    if (GetStyle() & FWS_ADDTOTITLE) {
        CDocument* document = GetActiveDocument();
        UpdateFrameTitleForDocument(addToTitle && document != nullptr ? static_cast<LPCSTR>(document->GetTitle())
                                                                      : nullptr);
    }
    if (CMDIFrameWnd* frame = GetMDIFrame()) frame->OnUpdateFrameTitle(TRUE);
}

void CMDIChildWnd::OnUpdateFrameMenu(BOOL activate, CWnd* activateWnd, HMENU alternateMenu) {
    CMDIFrameWnd* frame = GetMDIFrame();
    if (frame == nullptr) return;
    HMENU menu = alternateMenu != nullptr ? alternateMenu : m_hMenuShared;
    if (activate) {
        if (menu == nullptr) menu = frame->m_hMenuDefault;
    } else if (activateWnd == nullptr) {
        menu = frame->m_hMenuDefault;  // no child is left active
    } else {
        return;  // the child being activated puts up its own menu
    }
    if (menu != nullptr) frame->MDISetMenu(menu, frame->GetWindowMenuPopup(menu));
}

void CMDIChildWnd::OnUpdateFrameMenu(HMENU alternateMenu) {
    CMDIFrameWnd* frame = GetMDIFrame();
    if (frame != nullptr && frame->MDIGetActive() == this) OnUpdateFrameMenu(TRUE, this, alternateMenu);
}

BOOL CMDIChildWnd::OnCmdMsg(UINT id, int code, void* extra, CmdHandlerInfo* handlerInfo) {
    RoutingFrameScope routing(this);
    if (RouteToActiveView(id, code, extra, handlerInfo)) return TRUE;
    return CWnd::OnCmdMsg(id, code, extra, handlerInfo);
}

BOOL CMDIChildWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (CFrameWnd::OnCommand(wParam, lParam)) return TRUE;
    // A menu or accelerator command sent to this window goes on to the
    // main frame and the application.
    CMDIFrameWnd* frame = GetMDIFrame();
    return lParam == 0 && frame != nullptr && frame->OnCommand(wParam, lParam);
}

BOOL CMDIChildWnd::PreTranslateMessage(MSG* msg) {
    // The main frame translates the keys with this frame's accelerators.
    return CWnd::PreTranslateMessage(msg);
}

LRESULT CMDIChildWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefMDIChildProcA(m_hWnd, message, wParam, lParam);
}

void CMDIChildWnd::OnSize(UINT type, int cx, int cy) {
    // The MDI child procedure keeps its maximised state from WM_SIZE.
    CWnd::OnSize(type, cx, cy);
    CFrameWnd::OnSize(type, cx, cy);
}

void CMDIChildWnd::OnMDIActivate(BOOL activate, CWnd* activated, CWnd* deactivated) {
    CWnd::OnMDIActivate(activate, activated, deactivated);
    if (CView* view = GetActiveView()) view->OnActivateView(activate, view, view);
    if (activate || activated == nullptr) OnUpdateFrameMenu(activate, activated, nullptr);
    if (activate) {
        OnUpdateFrameTitle(TRUE);
    } else if (CMDIFrameWnd* frame = GetMDIFrame()) {
        frame->m_nIdleFlags |= idleTitle;
    }
}

int CMDIChildWnd::OnMouseActivate(CWnd* topParent, UINT hitTest, UINT message) {
    int result = CWnd::OnMouseActivate(topParent, hitTest, message);
    if (result == MA_NOACTIVATE || result == MA_NOACTIVATEANDEAT) return result;
    CMDIFrameWnd* frame = GetMDIFrame();
    if (frame != nullptr && frame->MDIGetActive() != this) MDIActivate();
    return result;
}
