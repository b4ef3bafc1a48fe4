#include "FrameWnd.h"

#include "CmdUI.h"
#include "ControlBar.h"
#include "DockBar.h"
#include "MiniFrameWnd.h"
#include "Document.h"
#include "ResourceModule.h"
#include "ThreadState.h"
#include "View.h"
#include "WinApp.h"
#include "WindowMessages.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_CLOSE()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_ACTIVATE()
    ON_WM_INITMENUPOPUP()
    ON_WM_MENUSELECT()
    ON_WM_SYSCOLORCHANGE()
    ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_COMMAND_EX_RANGE(AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST, OnBarCheck)
    ON_UPDATE_COMMAND_UI_RANGE(AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST, OnUpdateControlBarMenu)
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnToolTipText)
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFF, OnToolTipText)
END_MESSAGE_MAP()

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

CFrameWnd::CFrameWnd()
    : m_pDockBarClass(RUNTIME_CLASS(CDockBar)), m_pFloatingFrameClass(RUNTIME_CLASS(CMiniDockFrameWnd)) {}

CFrameWnd::~CFrameWnd() = default;

// Creation

LPCSTR CFrameWnd::FrameClassFor(UINT resourceId) {
    HICON icon = nullptr;
    if (resourceId != 0) {
        LPCSTR name = MAKEINTRESOURCEA(resourceId);
        icon = ::LoadIconA(AfxFindResourceHandle(name, RT_GROUP_ICON), name);
    }
    if (icon == nullptr) icon = ::LoadIconA(nullptr, IDI_APPLICATION);
    return AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                               reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), icon);
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs) {
    if (cs.lpszClass == nullptr) cs.lpszClass = FrameClassFor(0);
    return TRUE;
}

BOOL CFrameWnd::Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect,
                       CWnd* parent, LPCSTR menuName, DWORD exStyle, CCreateContext* context) {
    HMENU menu = nullptr;
    if (menuName != nullptr) {
        menu = ::LoadMenuA(AfxFindResourceHandle(menuName, RT_MENU), menuName);
        if (menu == nullptr) return FALSE;
    }
    m_strTitle = windowName;
    const bool placedBySystem = CRect(rect) == rectDefault;
    int x = placedBySystem ? CW_USEDEFAULT : rect.left;
    int y = placedBySystem ? CW_USEDEFAULT : rect.top;
    int width = placedBySystem ? CW_USEDEFAULT : rect.right - rect.left;
    int height = placedBySystem ? CW_USEDEFAULT : rect.bottom - rect.top;
    if (!CreateEx(exStyle, className, windowName, style, x, y, width, height, parent->GetSafeHwnd(),
                  menu, context)) {
        if (menu != nullptr) ::DestroyMenu(menu);
        return FALSE;
    }
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT resourceId, DWORD style, CWnd* parent, CCreateContext* context) {
    m_nIDHelp = resourceId;
    CString strings;
    CString title;
    if (strings.LoadString(resourceId)) AfxExtractSubString(title, strings, 0);
    LPCSTR menuName = MAKEINTRESOURCEA(resourceId);
    bool hasMenu = ::FindResourceA(AfxFindResourceHandle(menuName, RT_MENU), menuName, RT_MENU) != nullptr;
    if (!Create(FrameClassFor(resourceId), title, style, rectDefault, parent, hasMenu ? menuName : nullptr,
                0, context))
        return FALSE;  // a window that was made has deleted its object
    m_hMenuDefault = ::GetMenu(m_hWnd);
    if (m_hAccelTable == nullptr)
        m_hAccelTable = ::LoadAcceleratorsA(AfxFindResourceHandle(menuName, RT_ACCELERATOR), menuName);
    // Without a document the views are ready now.
    if (context == nullptr) SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT cs) {
    return OnCreateHelper(cs, static_cast<CCreateContext*>(cs->lpCreateParams));
}

int CFrameWnd::OnCreateHelper(LPCREATESTRUCT cs, CCreateContext* context) {
    if (CWnd::OnCreate(cs) == -1) return -1;
    if (!OnCreateClient(cs, context)) return -1;
    RecalcLayout();
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* context) {
    if (context != nullptr && context->m_pNewViewClass != nullptr)
        return CreateView(context, AFX_IDW_PANE_FIRST) != nullptr;
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* context, UINT id) {
    ASSERT(context != nullptr && context->m_pNewViewClass != nullptr);
    auto* view = static_cast<CWnd*>(context->m_pNewViewClass->CreateObjectOfKind(RUNTIME_CLASS(CWnd)));
    if (view == nullptr) return nullptr;
    if (!view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 0, 0), this, id, context))
        return nullptr;  // the view's window was destroyed and took its object along
    return view;
}

namespace {

// The first view with the pane id below `wnd`, also inside splitters.
CView* FirstPaneView(HWND wnd) {
    for (HWND child = ::GetTopWindow(wnd); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (::GetDlgCtrlID(child) != AFX_IDW_PANE_FIRST) continue;
        CWnd* object = CWnd::FromHandlePermanent(child);
        if (object != nullptr && object->IsKindOf(RUNTIME_CLASS(CView))) return static_cast<CView*>(object);
        if (CView* inner = FirstPaneView(child)) return inner;
    }
    return nullptr;
}

}  // namespace

void CFrameWnd::InitialUpdateFrame(CDocument* document, BOOL makeVisible) {
    if (m_pViewActive == nullptr) {
        if (CView* view = FirstPaneView(m_hWnd)) SetActiveView(view, FALSE);
    }
    SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    if (makeVisible) {
        ActivateFrame();
        if (m_pViewActive != nullptr) m_pViewActive->OnActivateView(TRUE, m_pViewActive, m_pViewActive);
    }
    // Titles now count this frame among the document's frames.
    if (document != nullptr) document->UpdateFrameCounts();
    else OnUpdateFrameTitle(TRUE);
}

void CFrameWnd::ActivateFrame(int cmdShow) {
    if (cmdShow == -1) {
        if (!IsWindowVisible()) cmdShow = SW_SHOWNORMAL;
        else if (IsIconic()) cmdShow = SW_RESTORE;
    }
    if (cmdShow != -1) ShowWindow(cmdShow);
    BringWindowToTop();
}

// Active view and document

void CFrameWnd::SetActiveView(CView* view, BOOL notify) {
    CView* old = m_pViewActive;
    if (view == old) return;
    m_pViewActive = view;
    if (!notify) return;
    if (old != nullptr) old->OnActivateView(FALSE, view, old);
    if (view != nullptr && m_pViewActive == view) view->OnActivateView(TRUE, view, old);
}

CDocument* CFrameWnd::GetActiveDocument() {
    CFrameWnd* frame = GetActiveFrame();
    CView* view = frame != nullptr ? frame->GetActiveView() : nullptr;
    return view != nullptr ? view->GetDocument() : nullptr;
}

CFrameWnd* CFrameWnd::GetActiveFrame() { return this; }

// Commands

BOOL CFrameWnd::RouteToActiveView(UINT id, int code, void* extra, CmdHandlerInfo* handlerInfo) {
    return m_pViewActive != nullptr && m_pViewActive->m_hWnd != nullptr &&
           m_pViewActive->OnCmdMsg(id, code, extra, handlerInfo);
}

BOOL CFrameWnd::RouteToApplication(UINT id, int code, void* extra, CmdHandlerInfo* handlerInfo) {
    CWinApp* app = AfxGetApp();
    return app != nullptr && app->OnCmdMsg(id, code, extra, handlerInfo);
}

RoutingFrameScope::RoutingFrameScope(CFrameWnd* frame) : previous_(AfxGetThreadState()->routingFrame) {
    AfxGetThreadState()->routingFrame = frame;
}

RoutingFrameScope::~RoutingFrameScope() { AfxGetThreadState()->routingFrame = previous_; }

CFrameWnd* CFrameWnd::GetRoutingFrame() { return AfxGetThreadState()->routingFrame; }

BOOL CFrameWnd::OnCmdMsg(UINT id, int code, void* extra, CmdHandlerInfo* handlerInfo) {
    RoutingFrameScope routing(this);
    if (RouteToActiveView(id, code, extra, handlerInfo)) return TRUE;
    if (CWnd::OnCmdMsg(id, code, extra, handlerInfo)) return TRUE;
    return RouteToApplication(id, code, extra, handlerInfo);
}

HACCEL CFrameWnd::GetDefaultAccelerator() { return m_hAccelTable; }

BOOL CFrameWnd::PreTranslateMessage(MSG* msg) {
    if (CWnd::PreTranslateMessage(msg)) return TRUE;
    if (msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST) return FALSE;
    HACCEL accelerators = GetDefaultAccelerator();
    return accelerators != nullptr && ::TranslateAcceleratorA(m_hWnd, accelerators, msg);
}

void CFrameWnd::OnInitMenuPopup(CMenu* popup, UINT index, BOOL sysMenu) {
    CWnd::OnInitMenuPopup(popup, index, sysMenu);
    if (!sysMenu) UpdateMenuCmdUI(popup, m_bAutoMenuEnable);
}

// Layout

void CFrameWnd::RecalcLayout(BOOL) {
    if (m_bInRecalcLayout) return;
    m_bInRecalcLayout = TRUE;
    m_nIdleFlags &= ~(idleLayout | idleNotify);
    RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST);
    m_bInRecalcLayout = FALSE;
}

void CFrameWnd::DelayRecalcLayout(BOOL notify) {
    m_nIdleFlags |= idleLayout | (notify ? idleNotify : 0);
}

void CFrameWnd::OnSize(UINT type, int, int) {
    // The frame places its panes itself; the system's default (which an MDI
    // frame's would make the client fill the whole area) is not wanted.
    if (type != SIZE_MINIMIZED) RecalcLayout();
}

// Titles and menus

void CFrameWnd::OnUpdateFrameTitle(BOOL addToTitle) {
    if ((GetStyle() & FWS_ADDTOTITLE) == 0) return;
    CDocument* document = GetActiveDocument();
    UpdateFrameTitleForDocument(addToTitle && document != nullptr ? static_cast<LPCSTR>(document->GetTitle())
                                                                  : nullptr);
}

void CFrameWnd::UpdateFrameTitleForDocument(LPCSTR docName) {
    CString title = m_strTitle;
    if (docName != nullptr && *docName != '\0') {
        CString name = docName;
        if (m_nWindow > 0) name.Format("%s:%d", docName, m_nWindow);
        if (m_strTitle.IsEmpty()) title = name;
        else if (GetStyle() & FWS_PREFIXTITLE) title = name + " - " + m_strTitle;
        else title = m_strTitle + " - " + name;
    }
    CString current;
    GetWindowText(current);
    if (current != title) SetWindowText(title);
}

void CFrameWnd::OnUpdateFrameMenu(HMENU alternateMenu) {
    HMENU menu = alternateMenu != nullptr ? alternateMenu : m_hMenuDefault;
    if (menu != nullptr && ::GetMenu(m_hWnd) != menu) ::SetMenu(m_hWnd, menu);
}

void CFrameWnd::OnSetPreviewMode(BOOL preview, CPrintPreviewState*) {
    if (preview && !m_bInPreview) {
        m_hMenuBeforePreview = ::GetMenu(m_hWnd);
        ::SetMenu(m_hWnd, nullptr);
        m_bInPreview = TRUE;
    } else if (!preview && m_bInPreview) {
        ::SetMenu(m_hWnd, m_hMenuBeforePreview);
        m_hMenuBeforePreview = nullptr;
        m_bInPreview = FALSE;
    }
    RecalcLayout();
}

// Status prompts

void CFrameWnd::SetMessageText(LPCSTR text) {
    SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(text));
}

void CFrameWnd::SetMessageText(UINT id) { SendMessage(WM_SETMESSAGESTRING, id); }

CWnd* CFrameWnd::GetMessageBar() { return GetDescendantWindow(AFX_IDW_STATUS_BAR, TRUE); }

void CFrameWnd::GetMessageString(UINT id, CString& text) const {
    CString full;
    text.Empty();
    if (full.LoadString(id)) AfxExtractSubString(text, full, 0);
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM id, LPARAM text) {
    // A child frame's prompts are shown by the frame around it.
    if (GetStyle() & WS_CHILD) {
        if (CFrameWnd* outer = GetParentFrame()) return outer->SendMessage(WM_SETMESSAGESTRING, id, text);
    }
    UINT last = m_nIDLastMessage;
    CString message;
    if (text != 0) message = reinterpret_cast<LPCSTR>(text);
    else if (id != 0) GetMessageString(static_cast<UINT>(id), message);
    if (CWnd* bar = GetMessageBar()) bar->SetWindowText(message);
    m_nIDLastMessage = static_cast<UINT>(id);
    m_nIDTracking = static_cast<UINT>(id);
    return last;
}

void CFrameWnd::OnMenuSelect(UINT itemId, UINT flags, HMENU menu) {
    if (flags == 0xFFFF && menu == nullptr) {
        // The menu closed: the idle prompt comes back at the next idle time.
        m_nIDTracking = AFX_IDS_IDLEMESSAGE;
        return;
    }
    m_nIDTracking = (flags & (MF_POPUP | MF_SEPARATOR)) ? 0 : itemId;
    if (m_nIDTracking != m_nIDLastMessage) SendMessage(WM_SETMESSAGESTRING, m_nIDTracking);
}

// Idle time

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM) {
    UINT flags = m_nIdleFlags;
    m_nIdleFlags = 0;
    if (flags & (idleLayout | idleNotify)) RecalcLayout((flags & idleNotify) != 0);
    if (flags & idleTitle) OnUpdateFrameTitle(TRUE);
    if (flags & idleMenu) OnUpdateFrameMenu(nullptr);
    // Floating bars live in frames of their own, outside this one's children.
    const std::vector<CControlBar*> bars = m_listControlBars;
    for (CControlBar* bar : bars)
        if (bar->IsFloating() && bar->m_hWnd != nullptr && !bar->IsKindOf(RUNTIME_CLASS(CDockBar)))
            bar->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    if (!(GetStyle() & WS_CHILD) && m_nIDTracking != m_nIDLastMessage)
        SendMessage(WM_SETMESSAGESTRING, m_nIDTracking);
    return 0;
}

// Closing

void CFrameWnd::OnClose() {
    if (m_lpfnCloseProc != nullptr) m_lpfnCloseProc(this);
    CWinApp* app = AfxGetApp();
    if (app != nullptr && app->m_pMainWnd == this) {
        // The main window goes with all documents, once each was offered a save.
        if (!app->SaveAllModified()) return;
        app->CloseAllDocuments(FALSE);
        DestroyWindow();
        return;
    }
    CDocument* document = GetActiveDocument();
    if (document != nullptr) {
        if (!document->CanCloseFrame(this)) return;
        // The document's last frame closes the document, which destroys the frame.
        if (document->m_bAutoDelete && !document->HasOtherFrame(this)) {
            document->OnCloseDocument();
            return;
        }
    }
    DestroyWindow();
}

void CFrameWnd::OnDestroy() {
    if (m_lpfnCloseProc != nullptr) m_lpfnCloseProc(this);
    // Menus shared by the documents' frames outlive this window.
    if (m_hMenuDefault != nullptr && ::GetMenu(m_hWnd) != m_hMenuDefault) ::SetMenu(m_hWnd, m_hMenuDefault);
    CWnd::OnDestroy();
}

void CFrameWnd::PostNcDestroy() {
    CWinThread* thread = AfxGetThread();
    if (thread->m_pMainWnd == this) {
        thread->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
    if (m_bAutoDelete) delete this;
}

// Other messages

void CFrameWnd::OnSetFocus(CWnd* oldWnd) {
    if (m_pViewActive != nullptr && m_pViewActive->m_hWnd != nullptr) m_pViewActive->SetFocus();
    else CWnd::OnSetFocus(oldWnd);
}

void CFrameWnd::OnActivate(UINT state, CWnd* other, BOOL minimized) {
    CWnd::OnActivate(state, other, minimized);
    // The view the user works in hears of it (in an MDI frame, the active
    // child's).
    CFrameWnd* active = GetActiveFrame();
    CView* view = active != nullptr ? active->GetActiveView() : nullptr;
    if (view != nullptr) view->OnActivateFrame(state, active);
}

void CFrameWnd::OnSysColorChange() {
    // Only top-level windows hear of colour changes from the system; they
    // pass it to all their descendants (a child frame among them, which
    // must not pass it on again).
    if (!(GetStyle() & WS_CHILD)) SendMessageToDescendants(WM_SYSCOLORCHANGE, 0, 0, TRUE, FALSE);
    CWnd::OnSysColorChange();
}

// CWnd members that know frames and bars

CFrameWnd* CWnd::GetParentFrame() const {
    if (m_hWnd == nullptr) return nullptr;
    for (HWND wnd = m_hWnd; ::GetWindowLongPtrA(wnd, GWL_STYLE) & WS_CHILD;) {
        wnd = ::GetParent(wnd);
        if (wnd == nullptr) break;
        CWnd* object = FromHandlePermanent(wnd);
        if (object != nullptr && object->IsKindOf(RUNTIME_CLASS(CFrameWnd))) return static_cast<CFrameWnd*>(object);
    }
    return nullptr;
}

CFrameWnd* CWnd::GetTopLevelFrame() const {
    if (m_hWnd == nullptr) return nullptr;
    CFrameWnd* frame = IsKindOf(RUNTIME_CLASS(CFrameWnd)) ? static_cast<CFrameWnd*>(const_cast<CWnd*>(this))
                                                          : GetParentFrame();
    while (frame != nullptr) {
        CFrameWnd* outer = frame->GetParentFrame();
        if (outer == nullptr) break;
        frame = outer;
    }
    return frame;
}

void AfxRepositionWindow(SizeParentParams* layout, HWND wnd, LPCRECT rect) {
    HWND parent = ::GetParent(wnd);
    RECT now;
    ::GetWindowRect(wnd, &now);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<LPPOINT>(&now), 2);
    if (::EqualRect(&now, rect)) return;
    int width = rect->right - rect->left;
    int height = rect->bottom - rect->top;
    if (layout->hDWP != nullptr)
        layout->hDWP = ::DeferWindowPos(layout->hDWP, wnd, nullptr, rect->left, rect->top, width, height,
                                        SWP_NOACTIVATE | SWP_NOZORDER);
    else
        ::SetWindowPos(wnd, nullptr, rect->left, rect->top, width, height, SWP_NOACTIVATE | SWP_NOZORDER);
}

void CWnd::RepositionBars(UINT first, UINT last, UINT leftOverId, UINT flags, LPRECT rectParam,
                          LPCRECT rectClient, BOOL stretch) {
    SizeParentParams layout;
    layout.bStretch = stretch;
    if (rectClient != nullptr) layout.rect = *rectClient;
    else ::GetClientRect(m_hWnd, &layout.rect);
    const bool query = (flags & reposQuery) != 0;
    if (!query) layout.hDWP = ::BeginDeferWindowPos(8);

    // Each bar, in z-order, takes its room from what is left.
    HWND leftOver = nullptr;
    for (HWND child = ::GetTopWindow(m_hWnd); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        UINT id = static_cast<UINT>(::GetDlgCtrlID(child));
        if (id == leftOverId) leftOver = child;
        else if (id >= first && id <= last && FromHandlePermanent(child) != nullptr)
            ::SendMessageA(child, WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout));
    }
    if ((flags & reposExtra) && rectParam != nullptr) {
        layout.rect.left += rectParam->left;
        layout.rect.top += rectParam->top;
        layout.rect.right -= rectParam->right;
        layout.rect.bottom -= rectParam->bottom;
    }
    if (query) {
        if (rectParam != nullptr) *rectParam = layout.rect;
        return;
    }
    if (leftOver != nullptr && !(flags & reposNoPosLeftOver)) {
        RECT rect = layout.rect;
        // The window may grow or shrink its share (margins, borders).
        FromHandle(leftOver)->CalcWindowRect(&rect);
        AfxRepositionWindow(&layout, leftOver, &rect);
    }
    if (layout.hDWP != nullptr) ::EndDeferWindowPos(layout.hDWP);
}
