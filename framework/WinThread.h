// CWinThread: the UI thread's message loop.
//
// Run pumps messages; every message is first offered to PreTranslateMessage
// (the window it is for and then its parents, see CWnd::WalkPreTranslateTree).
// When the queue is empty OnIdle runs: its first pass updates the command UI
// of the main window and its descendants (WM_IDLEUPDATECMDUI), its second
// deletes the temporary handle wrappers.
#pragma once

#include "CmdTarget.h"

class CWnd;

class CWinThread : public CCmdTarget {
    DECLARE_DYNAMIC(CWinThread)

public:
    CWinThread();
    ~CWinThread() override;

    CWnd* m_pMainWnd = nullptr;
    BOOL m_bAutoDelete = FALSE;
    DWORD m_nThreadID;
    // The message being pumped.
    MSG m_msgCur = {};

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // The message loop; returns ExitInstance's result after WM_QUIT.
    virtual int Run();
    virtual BOOL PreTranslateMessage(MSG* msg);
    // Gets and dispatches one message; FALSE at WM_QUIT.
    virtual BOOL PumpMessage();
    // One idle pass; TRUE when more idle passes are wanted.
    virtual BOOL OnIdle(LONG count);
    // Whether a message ends the idle state (repeated mouse moves and
    // paint messages do not).
    virtual BOOL IsIdleMessage(MSG* msg);
    virtual CWnd* GetMainWnd();

    // Sends WM_IDLEUPDATECMDUI to a window and every bound descendant.
    static void SendIdleUpdates(CWnd* wnd);
    // Deletes the temporary wrappers of windows, DCs, GDI objects, menus
    // and image lists.
    static void DeleteTempMaps();

private:
    POINT lastMousePoint_ = {-1, -1};
    UINT lastMouseMessage_ = 0;
};

// The thread object of the calling (UI) thread: the application object.
CWinThread* AfxGetThread();
CWnd* AfxGetMainWnd();
