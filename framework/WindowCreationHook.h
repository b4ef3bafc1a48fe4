// Binds the next window the thread creates to a CWnd before that window
// gets its first message (used by window and dialog creation). Creations may
// nest: each scope binds the first window created inside it.
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
    static CWnd* pending_;
    static HHOOK hook_;
    static int depth_;
};
