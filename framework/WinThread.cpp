#include "WinThread.h"

#include "CommonControls.h"
#include "WinApp.h"
#include "Wnd.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

CWinThread::CWinThread() : m_nThreadID(::GetCurrentThreadId()) {}

CWinThread::~CWinThread() = default;

BOOL CWinThread::InitInstance() { return FALSE; }

int CWinThread::ExitInstance() { return static_cast<int>(m_msgCur.wParam); }

int CWinThread::Run() {
    BOOL idle = TRUE;
    LONG idleCount = 0;
    for (;;) {
        while (idle && !::PeekMessageA(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(idleCount++)) idle = FALSE;
        }
        do {
            if (!PumpMessage()) return ExitInstance();
            if (IsIdleMessage(&m_msgCur)) {
                idle = TRUE;
                idleCount = 0;
            }
        } while (::PeekMessageA(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE));
    }
}

BOOL CWinThread::PumpMessage() {
    if (!::GetMessageA(&m_msgCur, nullptr, 0, 0)) return FALSE;
    if (!PreTranslateMessage(&m_msgCur)) {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageA(&m_msgCur);
    }
    return TRUE;
}

namespace {

bool IsInTreeOf(HWND wnd, HWND top) {
    for (; wnd; wnd = ::GetParent(wnd))
        if (wnd == top) return true;
    return false;
}

}  // namespace

BOOL CWinThread::PreTranslateMessage(MSG* msg) {
    CWnd* mainWnd = GetMainWnd();
    HWND main = mainWnd ? mainWnd->m_hWnd : nullptr;
    if (CWnd::WalkPreTranslateTree(main, msg)) return TRUE;
    // A window outside the main window's tree (a modeless window it does
    // not own) still gets the main window's keyboard handling last.
    if (main && msg->hwnd && !IsInTreeOf(msg->hwnd, main)) return mainWnd->PreTranslateMessage(msg);
    return FALSE;
}

BOOL CWinThread::OnIdle(LONG count) {
    if (count <= 0) {
        CWnd* mainWnd = GetMainWnd();
        if (mainWnd && mainWnd->m_hWnd && mainWnd->IsWindowVisible() && !mainWnd->IsIconic())
            SendIdleUpdates(mainWnd);
        return TRUE;
    }
    DeleteTempMaps();
    return FALSE;
}

void CWinThread::SendIdleUpdates(CWnd* wnd) {
    wnd->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    wnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
}

void CWinThread::DeleteTempMaps() {
    CWnd::DeleteTempMap();
    CDC::DeleteTempMap();
    CGdiObject::DeleteTempMap();
    CMenu::DeleteTempMap();
    CImageList::DeleteTempMap();
}

BOOL CWinThread::IsIdleMessage(MSG* msg) {
    if (msg->message == WM_MOUSEMOVE || msg->message == WM_NCMOUSEMOVE) {
        // A mouse that did not move is no user activity.
        bool same = msg->message == lastMouseMessage_ && msg->pt.x == lastMousePoint_.x &&
                    msg->pt.y == lastMousePoint_.y;
        lastMouseMessage_ = msg->message;
        lastMousePoint_ = msg->pt;
        return !same;
    }
    // Paint and caret-blink timer messages come on their own.
    return msg->message != WM_PAINT && msg->message != 0x0118;
}

CWnd* CWinThread::GetMainWnd() { return m_pMainWnd; }

CWinThread* AfxGetThread() {
    if (CWinApp* app = AfxGetApp()) return app;
    // Without an application object (test programs) the thread still has a loop.
    static CWinThread thread;
    return &thread;
}

CWnd* AfxGetMainWnd() { return AfxGetThread()->GetMainWnd(); }
