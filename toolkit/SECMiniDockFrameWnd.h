// SECMiniDockFrameWnd: the floating frame of toolkit bars; its dock bar is
// a toolkit dock bar.
#pragma once

#include "MiniFrameWnd.h"

class SECMiniDockFrameWnd : public CMiniDockFrameWnd {
    DECLARE_DYNCREATE(SECMiniDockFrameWnd)

protected:
    CDockBar* NewDockBar() override;
};
