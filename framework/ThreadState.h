// What the framework keeps for each thread: the handle maps, the message the
// thread's window procedure is processing, the window-creation hook and the
// thread's tooltip. Windows, DCs and menus belong to the thread that made
// them, so none of this is shared between threads.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "HandleMap.h"

class CWnd;
class CDC;
class CGdiObject;
class CMenu;
class CImageList;
class CToolTipCtrl;
class CFrameWnd;
class CPropertySheet;

struct CThreadState {
    CThreadState();
    ~CThreadState();
    CThreadState(const CThreadState&) = delete;
    CThreadState& operator=(const CThreadState&) = delete;

    // Handle maps (see HandleMap.h).
    CHandleMap<CWnd, HWND> windowMap;
    CHandleMap<CDC, HDC> dcMap;
    CHandleMap<CGdiObject, HGDIOBJ> gdiMap;
    CHandleMap<CMenu, HMENU> menuMap;
    CHandleMap<CImageList, HIMAGELIST> imageListMap;

    // The message the window procedure is processing (for Default and
    // GetCurrentMessage); nested sends save and restore it.
    MSG currentMessage = {};

    // The window-creation hook: the object waiting for the next window, the
    // hook and how many creations are under way.
    CWnd* pendingWindow = nullptr;
    HHOOK creationHook = nullptr;
    int creationDepth = 0;

    // The frame whose command routing is under way (innermost), or null.
    CFrameWnd* routingFrame = nullptr;

    // The sheet whose window the system's sheet control is making (its
    // creation callback carries no pointer of its own).
    CPropertySheet* sheetBeingCreated = nullptr;

    // The thread's tooltip control and the tool of the last hit test.
    struct ToolTip {
        CToolTipCtrl* control = nullptr;
        HWND hitWindow = nullptr;  // the window whose hit test made the current tool
        INT_PTR hit = -1;
        TOOLINFOA tool = {};       // the current tool (its text already freed)
    } toolTip;
};

// The calling thread's state, made on first use and freed when the thread
// ends.
CThreadState* AfxGetThreadState();
