// The toolkit's MDI frame and child frame. The frame keeps the area its bars
// leave free at each layout. Commands reach the active child first through
// the framework's routing; a system command nobody handles (the system menu
// of a maximised child shown in the frame's menu bar) gets the frame's
// default processing, which hands it to that child.
#pragma once

#include <windows.h>

#include "MDIFrameWnd.h"

class SECMDIFrameWnd : public CMDIFrameWnd {
    DECLARE_DYNCREATE(SECMDIFrameWnd)

public:
    void RecalcLayout(BOOL notify = TRUE) override;

    // The frame's client area less its bars at the last layout.
    const CRect& GetLastLayoutRect() const { return m_lastLayoutRect; }
    // The client area less the bars, asked of the bars now.
    CRect QueryFreeRect();

private:
    CRect m_lastLayoutRect;
};

class SECMDIChildWnd : public CMDIChildWnd {
    DECLARE_DYNCREATE(SECMDIChildWnd)
};
