// CWnd's tooltip support: one tooltip control per thread, fed by the
// OnToolHitTest of the window that enabled tooltips.
#include <cstdlib>

#include "CommonControls.h"
#include "ThreadState.h"
#include "Wnd.h"

namespace {

using ThreadToolTip = CThreadState::ToolTip;

ThreadToolTip& State() { return AfxGetThreadState()->toolTip; }

bool IsMouseMessage(UINT message) {
    return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK);
}

bool ClosesTip(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
           message == WM_NCLBUTTONDOWN || message == WM_NCRBUTTONDOWN ||
           message == WM_NCMBUTTONDOWN || message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
}

void RemoveCurrentTool(ThreadToolTip& state) {
    if (state.hit != -1 && state.control && state.control->m_hWnd)
        state.control->SendMessage(TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&state.tool));
    state.hit = -1;
    state.hitWindow = nullptr;
}

// A hit test's text, unless a callback or resource id, is a malloc'ed copy
// the framework owns once the control has copied it.
void FreeHitText(TOOLINFOA& info) {
    if (info.lpszText != LPSTR_TEXTCALLBACKA && !IS_INTRESOURCE(info.lpszText)) std::free(info.lpszText);
    info.lpszText = nullptr;
}

CToolTipCtrl* ToolTipFor(CWnd* wnd) {
    ThreadToolTip& state = State();
    if (state.control && ::IsWindow(state.control->m_hWnd)) return state.control;
    delete state.control;
    state.control = new CToolTipCtrl;
    if (!state.control->Create(wnd->GetTopLevelParent(), TTS_ALWAYSTIP)) {
        delete state.control;
        state.control = nullptr;
        return nullptr;
    }
    state.control->Activate(TRUE);
    state.hit = -1;
    return state.control;
}

}  // namespace

INT_PTR CWnd::OnToolHitTest(CPoint point, TOOLINFO* info) const {
    // A visible child control under the point is a tool named by its window.
    HWND child = ::ChildWindowFromPointEx(m_hWnd, point, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (!child || child == m_hWnd) return -1;
    int id = ::GetDlgCtrlID(child);
    if (id == 0 || id == -1) return -1;
    if (info) {
        info->hwnd = m_hWnd;
        info->uFlags |= TTF_IDISHWND;
        info->uId = reinterpret_cast<UINT_PTR>(child);
        info->lpszText = LPSTR_TEXTCALLBACKA;
    }
    return id;
}

BOOL CWnd::EnableToolTips(BOOL enable) {
    m_bToolTipsEnabled = enable;
    if (!enable && State().hitWindow == m_hWnd) RemoveCurrentTool(State());
    return TRUE;
}

void CWnd::CancelToolTips(BOOL) {
    ThreadToolTip& state = State();
    if (state.control && state.control->m_hWnd) state.control->Pop();
}

void CWnd::FilterToolTipMessage(MSG* msg) {
    if (!IsMouseMessage(msg->message) && !ClosesTip(msg->message)) return;
    CToolTipCtrl* tip = ToolTipFor(this);
    if (!tip) return;
    ThreadToolTip& state = State();
    if (ClosesTip(msg->message)) tip->Pop();

    CPoint point = msg->pt;
    ScreenToClient(&point);
    TOOLINFOA info = {};
    info.cbSize = CToolTipCtrl::ToolInfoSize();
    INT_PTR hit = OnToolHitTest(point, &info);
    if (hit != state.hit || state.hitWindow != m_hWnd) {
        RemoveCurrentTool(state);
        if (hit != -1) {
            if (!info.hwnd) info.hwnd = m_hWnd;
            info.cbSize = CToolTipCtrl::ToolInfoSize();
            tip->SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
            state.tool = info;
            state.tool.lpszText = nullptr;
            state.hit = hit;
            state.hitWindow = m_hWnd;
        }
    }
    if (hit != -1) FreeHitText(info);
    if (state.hit == -1) return;
    // The tool belongs to this window: relay the message as if it were its own.
    MSG relayed = *msg;
    relayed.hwnd = state.tool.hwnd;
    if (msg->message >= WM_MOUSEFIRST && msg->message <= WM_MOUSELAST) {
        CPoint local = msg->pt;
        ::ScreenToClient(relayed.hwnd, &local);
        relayed.lParam = MAKELPARAM(local.x, local.y);
    }
    tip->RelayEvent(&relayed);
}
