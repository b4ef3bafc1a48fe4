#include "WndPlugIn.h"

IMPLEMENT_DYNCREATE(SECWndPlugIn, CWnd)

// The map chains to the command target's, not the window's: a plug-in runs
// only the handlers it lists itself (see the header).
BEGIN_MESSAGE_MAP(SECWndPlugIn, CCmdTarget)
END_MESSAGE_MAP()

SECWndPlugIn::~SECWndPlugIn() { UnPlug(); }

BOOL SECWndPlugIn::CreatePlugIn(DWORD, CWnd*, UINT id, LPVOID) {
    m_nPlugInId = id;
    return TRUE;
}

void SECWndPlugIn::SetResult(LRESULT result) {
    m_result = result;
    m_bHasResult = TRUE;
}

BOOL SECWndPlugIn::PlugInTo(CWnd* host) {
    if (host == nullptr || host->m_hWnd == nullptr) return FALSE;
    m_pHost = host;
    m_hWnd = host->m_hWnd;  // borrowed: never in the handle map
    m_bAttached = TRUE;
    return TRUE;
}

void SECWndPlugIn::UnPlug() {
    m_bAttached = FALSE;
    m_pHost = nullptr;
    m_hWnd = nullptr;
}

BOOL SECWndPlugIn::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (!m_bAttached) return FALSE;
    m_bHandled = FALSE;
    m_bPassToDefault = FALSE;
    m_bHasResult = FALSE;
    MessageCall call;
    call.message = message;
    call.wParam = wParam;
    call.lParam = lParam;
    BOOL dispatched;
    if (message == WM_COMMAND) {
        // Menu commands and control notifications, straight to the map: the
        // host reflects and probes for itself.
        const bool fromControl = lParam != 0;
        dispatched = OnCmdMsg(LOWORD(wParam), fromControl ? HIWORD(wParam) : CN_COMMAND, nullptr, nullptr);
    } else if (message == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        NotifyInfo notify = {header, &call.result};
        dispatched = header != nullptr &&
                     OnCmdMsg(static_cast<UINT>(header->idFrom), NotifyCommandCode(header->code), &notify, nullptr);
    } else {
        dispatched = DispatchEntries(call);
    }
    LRESULT answer = m_bHasResult ? m_result : call.result;
    m_bHasResult = FALSE;
    if (dispatched && result != nullptr) *result = answer;
    return dispatched;
}

BOOL SECWndPlugIn::HookMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    LRESULT answer = 0;
    OnWndMsg(message, wParam, lParam, &answer);
    const BOOL handled = m_bAttached && m_bHandled;
    m_bHandled = FALSE;
    if (handled && result != nullptr) *result = answer;
    return handled;
}

BOOL SECWndPlugIn::OnCmdMsg(UINT id, int code, void* extra, CmdHandlerInfo* handlerInfo) {
    if (!m_bAttached) return FALSE;
    return CCmdTarget::OnCmdMsg(id, code, extra, handlerInfo);
}

BOOL SECWndPlugIn::RouteCommand(UINT id, int code, void* extra, CmdHandlerInfo* handlerInfo) {
    m_bHandled = FALSE;
    BOOL handled = OnCmdMsg(id, code, extra, handlerInfo);
    m_bHandled = FALSE;
    return handled;
}

LRESULT SECWndPlugIn::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!m_bAttached || !m_bPassToDefault || m_pHost == nullptr) return 0;
    return m_pHost->DefWindowProc(message, wParam, lParam);
}
