#include "FrameFeatures.h"

#include "ControlBarManager.h"
#include "DockBar.h"
#include "MiniFrameWnd.h"
#include "SECControlBar.h"
#include "SECDockBar.h"
#include "SECDockState.h"
#include "SECMiniDockFrameWnd.h"
#include "WinApp.h"
#include "WndPlugIn.h"

const UINT WM_SECGETMENU = ::RegisterWindowMessageA("WM_SECGETMENU");

HMENU SECPopupOf(HMENU menu, LPARAM position) {
    if (menu == nullptr || position < 0 || position >= ::GetMenuItemCount(menu)) return nullptr;
    return ::GetSubMenu(menu, static_cast<int>(position));
}

HMENU SECMenuHandleOf(WPARAM idOrMenu) {
    // Menu ids are 16-bit; anything larger that is a menu is a handle.
    auto menu = reinterpret_cast<HMENU>(idOrMenu);
    return idOrMenu > 0xFFFF && ::IsMenu(menu) ? menu : nullptr;
}

DWORD SECDockModeForDockBar(UINT dockBarId) {
    switch (dockBarId) {
        case AFX_IDW_DOCKBAR_TOP:
        case AFX_IDW_DOCKBAR_BOTTOM: return LM_HORZ | LM_HORZDOCK | LM_LENGTHY;
        case AFX_IDW_DOCKBAR_LEFT:
        case AFX_IDW_DOCKBAR_RIGHT: return LM_VERTDOCK;
        default: return LM_HORZ | LM_MRUWIDTH | LM_LENGTHY;
    }
}

DWORD SECDockModeForBarStyle(DWORD barStyle) {
    if ((barStyle & CBRS_SIZE_DYNAMIC) && (barStyle & CBRS_FLOATING)) return LM_HORZ | LM_MRUWIDTH | LM_LENGTHY;
    if (barStyle & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) return LM_HORZ | LM_HORZDOCK | LM_LENGTHY;
    return LM_VERTDOCK;
}

void SECDockControlBarWithLayout(CFrameWnd* frame, CControlBar* bar, UINT dockBarId, int length, DWORD mode,
                                 const RECT* rect, SECControlBarInfo* record) {
    if (frame == nullptr || bar == nullptr) return;
    if (record != nullptr)
        if (auto* toolkitBar = dynamic_cast<SECControlBar*>(bar)) toolkitBar->SetBarInfoEx(record, frame);
    bar->CalcDynamicLayout(length, mode | LM_COMMIT);
    frame->DockControlBar(bar, dockBarId, rect);
}

void SECDockControlBarAtPoint(CFrameWnd* frame, CControlBar* bar, UINT dockBarId, int length, DWORD mode,
                              POINT point, SECControlBarInfo* record) {
    if (frame == nullptr || bar == nullptr) return;
    if (record != nullptr)
        if (auto* toolkitBar = dynamic_cast<SECControlBar*>(bar)) toolkitBar->SetBarInfoEx(record, frame);
    const CSize size = bar->CalcDynamicLayout(length, mode | LM_COMMIT);
    const CRect rect(point, size);
    frame->DockControlBar(bar, dockBarId, &rect);
}

void SECUseToolkitDocking(CFrameWnd* frame) {
    if (frame->m_pDockBarClass == RUNTIME_CLASS(CDockBar)) frame->m_pDockBarClass = RUNTIME_CLASS(SECDockBar);
    if (frame->m_pFloatingFrameClass == RUNTIME_CLASS(CMiniDockFrameWnd))
        frame->m_pFloatingFrameClass = RUNTIME_CLASS(SECMiniDockFrameWnd);
}

void SECInvalidateToolkitDockBars(CFrameWnd* frame) {
    for (HWND child = ::GetTopWindow(frame->m_hWnd); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        CWnd* object = CWnd::FromHandlePermanent(child);
        if (object != nullptr && object->IsKindOf(RUNTIME_CLASS(SECDockBar))) object->Invalidate();
    }
}

SECFrameFeatures::SECFrameFeatures(CFrameWnd* frame) : m_frame(frame) { m_caption.Attach(frame); }

SECFrameFeatures::~SECFrameFeatures() {
    DeleteMenuPlugIn();
    m_commandPlugIn.reset();
    if (m_menuBarMenu != nullptr) ::DestroyMenu(m_menuBarMenu);
    for (auto& entry : m_menuMap)
        if (entry.second != m_menuBarMenu) ::DestroyMenu(entry.second);
}

// Messages

BOOL SECFrameFeatures::BeforeMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message != WM_INITMENUPOPUP && m_menuPlugIn != nullptr &&
        m_menuPlugIn->HookMessage(message, wParam, lParam, result))
        return TRUE;
    if (IsCustomizing()) {
        // The bars are being customised: the frame can't be closed, and
        // does not stay active on its own.
        if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE) {
            *result = 0;
            return TRUE;
        }
        if (message == WM_NCHITTEST) {
            *result = HTERROR;
            return TRUE;
        }
    }
    return m_caption.Handle(message, wParam, lParam, result);
}

void SECFrameFeatures::AfterMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITMENUPOPUP && m_menuPlugIn != nullptr) {
        LRESULT ignored = 0;
        m_menuPlugIn->HookMessage(message, wParam, lParam, &ignored);
    }
}

BOOL SECFrameFeatures::PreTranslate(MSG* msg) {
    return m_menuPlugIn != nullptr && m_menuPlugIn->IsAttached() && m_menuPlugIn->PreTranslateMessage(msg);
}

// Plug-ins

namespace {

std::unique_ptr<SECWndPlugIn> MakePlugIn(CRuntimeClass* cls) {
    // Only window plug-ins: a class of another kind is refused.
    if (cls == nullptr || !cls->IsDerivedFrom(RUNTIME_CLASS(SECWndPlugIn))) return nullptr;
    return std::unique_ptr<SECWndPlugIn>(static_cast<SECWndPlugIn*>(cls->CreateObject()));
}

}  // namespace

void SECFrameFeatures::CreateMenuPlugIn() {
    if (m_menuPlugIn != nullptr) return;
    std::unique_ptr<SECWndPlugIn> plugIn;
    if (m_menuBar != nullptr) plugIn.reset(m_menuBar->CreateFramePlugIn());
    else plugIn = MakePlugIn(m_bitmapMenuClass);
    if (plugIn != nullptr && plugIn->PlugInTo(m_frame)) m_menuPlugIn = std::move(plugIn);
}

void SECFrameFeatures::DeleteMenuPlugIn() { m_menuPlugIn.reset(); }

SECWndPlugIn* SECFrameFeatures::CreateCommandPlugIn(CWnd* parent, UINT id, CRuntimeClass* cls, LPVOID param) {
    std::unique_ptr<SECWndPlugIn> plugIn = MakePlugIn(cls);
    if (plugIn == nullptr) return nullptr;
    if (!plugIn->CreatePlugIn(WS_POPUP | 1, parent, id, param) || !plugIn->PlugInTo(m_frame)) return nullptr;
    m_commandPlugIn = std::move(plugIn);
    return m_commandPlugIn.get();
}

BOOL SECFrameFeatures::RouteToPlugIn(SECWndPlugIn* plugIn, UINT id, int code, void* extra,
                                     CmdHandlerInfo* handlerInfo) {
    return plugIn != nullptr && plugIn->RouteCommand(id, code, extra, handlerInfo);
}

// Menus

void SECFrameFeatures::SetMenuIds(UINT resourceId) {
    m_defaultMenuId = resourceId;
    m_currentMenuId = resourceId;
}

void SECFrameFeatures::SetMenuBarMenu(HMENU menu) {
    if (m_menuBarMenu != nullptr && m_menuBarMenu != menu) ::DestroyMenu(m_menuBarMenu);
    m_menuBarMenu = menu;
}

void SECFrameFeatures::MoveMenuToMenuBar() {
    if (m_menuBar == nullptr) return;
    HMENU menu = ::GetMenu(m_frame->m_hWnd);
    ::SetMenu(m_frame->m_hWnd, nullptr);
    m_frame->m_hMenuDefault = nullptr;
    SetMenuBarMenu(menu);
}

void SECFrameFeatures::AddMenu(UINT id, HMENU menu) {
    auto found = m_menuMap.find(id);
    if (found != m_menuMap.end() && found->second != menu) ::DestroyMenu(found->second);
    m_menuMap[id] = menu;
}

HMENU SECFrameFeatures::FindMappedMenu(UINT id) const {
    auto found = m_menuMap.find(id);
    return found != m_menuMap.end() ? found->second : nullptr;
}

// Bars and idle time

BOOL SECFrameFeatures::IsCustomizing() const { return m_manager != nullptr && m_manager->IsInCustomizeMode(); }

void SECFrameFeatures::OnIdleLayout(UINT reason) {
    if (!IsCustomizing() || reason != MSGF_DIALOGBOX) return;
    const UINT flags = m_frame->m_nIdleFlags;
    if (!(flags & CFrameWnd::idleLayout)) return;
    m_frame->RecalcLayout((flags & CFrameWnd::idleNotify) != 0);
    m_frame->UpdateWindow();
}

// --- the bars' layout -------------------------------------------------------

void SECFrameFeatureHost::SaveBarState(LPCSTR profileName) {
    SECDockState state(GetControlBarManager());
    state.GetState(m_features.GetFrame());
    state.Normalize();
    state.SaveState(profileName);
}

void SECFrameFeatureHost::LoadBarState(LPCSTR profileName) {
    SECDockState state(GetControlBarManager());
    state.LoadState(profileName);
    state.SetState(m_features.GetFrame());
    CWinApp* app = AfxGetApp();
    if (app != nullptr && app->m_pMainWnd == nullptr) app->m_pMainWnd = m_features.GetFrame();
}

void SECFrameFeatureHost::SetDockState(SECDockState& state) { state.SetState(m_features.GetFrame()); }

void SECFrameFeatureHost::GetDockState(SECDockState& state) { state.GetState(m_features.GetFrame()); }
