// CWnd's modal loop, used by modal dialogs (and sheets).
#include "WinThread.h"
#include "WindowMessages.h"
#include "Wnd.h"

int CWnd::RunModalLoop(DWORD flags) {
    ASSERT(!m_bInModalLoop);
    m_bInModalLoop = TRUE;
    m_bContinueModal = TRUE;
    bool showOnIdle = (flags & MLF_SHOWONIDLE) && !(GetStyle() & WS_VISIBLE);
    HWND owner = ::GetParent(m_hWnd);
    CWinThread* thread = AfxGetThread();
    MSG& msg = thread->m_msgCur;
    BOOL idle = TRUE;
    LONG idleCount = 0;

    while (ContinueModal()) {
        // Idle: show the window, update the command UI, tell the owner.
        while (idle && ContinueModal() && !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (showOnIdle) {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                showOnIdle = false;
            }
            if (idleCount == 0) {
                CWnd* main = thread->GetMainWnd();
                if (main && main->m_hWnd && main->IsWindowVisible()) CWinThread::SendIdleUpdates(main);
                CWinThread::SendIdleUpdates(this);
                if (!(flags & MLF_NOIDLEMSG) && owner)
                    ::SendMessageA(owner, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(m_hWnd));
            }
            if ((flags & MLF_NOKICKIDLE) || !SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, idleCount++)) idle = FALSE;
        }
        // Pump what is there.
        do {
            if (!ContinueModal()) break;
            if (!thread->PumpMessage()) {
                // WM_QUIT ends the loop; it is posted again for the outer loop.
                ::PostQuitMessage(static_cast<int>(msg.wParam));
                m_nModalResult = -1;
                m_bContinueModal = FALSE;
                break;
            }
            if (showOnIdle && (msg.message == 0x0118 || msg.message == WM_SYSKEYDOWN)) {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                showOnIdle = false;
            }
            if (thread->IsIdleMessage(&msg)) {
                idle = TRUE;
                idleCount = 0;
            }
        } while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    }
    m_bInModalLoop = FALSE;
    m_bContinueModal = FALSE;
    return m_nModalResult;
}

BOOL CWnd::ContinueModal() { return m_bContinueModal; }

void CWnd::EndModalLoop(int result) {
    m_nModalResult = result;
    if (m_bContinueModal) {
        m_bContinueModal = FALSE;
        // Wakes a loop that is waiting for a message.
        PostMessage(WM_NULL);
    }
}
