// Start-up pieces both programs share: the splash window held for a least
// time, the main frame's toolbar and status bar, and the maximising of the
// active document window.
#pragma once

#include "framework/Framework.h"
#include "toolkit/SECStatusBar.h"
#include "toolkit/SECToolBar.h"

// The splash window shown from its making until `CloseAfter`.
class CSplashHold {
public:
    CSplashHold(UINT bitmapId, UINT displayMs);
    // Waits until the window has shown `minimumMs` (a window that is gone
    // already is not waited for).
    void WaitAtLeast(DWORD minimumMs);
    // Closes the window if it is still there.
    void Close();

private:
    HWND wnd_ = nullptr;
    DWORD start_ = 0;
};

// Makes the frame's toolbar from the resource `toolBarId`, docked at the
// top, and its status bar with the message pane and the CAP, NUM and SCRL
// panes; false on failure.
bool CreateFrameBars(CFrameWnd& frame, SECToolBar& toolBar, SECStatusBar& statusBar, UINT toolBarId);

// Maximises the frame's active document window, if there is one.
void MaximizeActiveMdiChild(CMDIFrameWnd& frame);
