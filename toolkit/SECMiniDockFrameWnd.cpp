#include "SECMiniDockFrameWnd.h"

#include "SECDockBar.h"

IMPLEMENT_DYNCREATE(SECMiniDockFrameWnd, CMiniDockFrameWnd)

CDockBar* SECMiniDockFrameWnd::NewDockBar() { return new SECDockBar(TRUE); }
