// Binds the next window the thread creates to a CWnd before that window
// gets its first message (used by window and dialog creation). Creations may
// nest: each scope binds the first window created inside it. The hook and
// the window waiting to be bound are the thread's (CThreadState).
#pragma once

#include <windows.h>

class CWnd;

class WindowCreationHook {
public:
    explicit WindowCreationHook(CWnd* wnd);
    ~WindowCreationHook();
    WindowCreationHook(const WindowCreationHook&) = delete;
    WindowCreationHook& operator=(const WindowCreationHook&) = delete;

private:
    static LRESULT CALLBACK Filter(int code, WPARAM wParam, LPARAM lParam);

    CWnd* previous_;
};
