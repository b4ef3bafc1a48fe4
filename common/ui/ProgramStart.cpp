#include "common/ui/ProgramStart.h"

#include "common/Assertion.h"
#include "framework/StandardResourceIds.h"
#include "toolkit/SplashWnd.h"

namespace {

const char kAssertModule[] = "ProgramStart";

const UINT kIndicators[] = {
    0,  // the message pane
    ID_INDICATOR_CAPS,
    ID_INDICATOR_NUM,
    ID_INDICATOR_SCRL,
};

}  // namespace

CSplashHold::CSplashHold(UINT bitmapId, UINT displayMs) {
    auto* splash = new SECSplashWnd(bitmapId, displayMs);
    // A window that fails to be made deletes itself.
    if (splash->Create()) wnd_ = splash->m_hWnd;
    start_ = ::GetTickCount();
}

void CSplashHold::WaitAtLeast(DWORD minimumMs) {
    if (wnd_ == nullptr) return;
    for (;;) {
        const DWORD now = ::GetTickCount();
        if (now < start_) start_ = now;  // the counter wrapped
        if (now - start_ >= minimumMs) break;
    }
}

void CSplashHold::Close() {
    if (wnd_ != nullptr && ::IsWindow(wnd_)) ::SendMessageA(wnd_, WM_CLOSE, 0, 0);
    wnd_ = nullptr;
}

bool CreateFrameBars(CFrameWnd& frame, SECToolBar& toolBar, SECStatusBar& statusBar, UINT toolBarId) {
    if (!toolBar.Create(&frame, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM, AFX_IDW_TOOLBAR) ||
        !toolBar.LoadToolBar(toolBarId))
        return false;
    if (!statusBar.Create(&frame, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP, AFX_IDW_STATUS_BAR) ||
        !statusBar.SetIndicators(kIndicators, static_cast<int>(sizeof kIndicators / sizeof kIndicators[0])))
        return false;
    toolBar.SetBarStyle(toolBar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC);
    toolBar.EnableDocking(CBRS_ALIGN_ANY);
    frame.EnableDocking(CBRS_ALIGN_ANY);
    frame.DockControlBar(&toolBar);
    return true;
}

void MaximizeActiveMdiChild(CMDIFrameWnd& frame) {
    CFrameWnd* active = frame.GetActiveFrame();
    if (active == nullptr || active == &frame) return;
    APP_ASSERT(active->IsKindOf(RUNTIME_CLASS(CMDIChildWnd)));
    ::SendMessageA(frame.m_hWndMDIClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(active->m_hWnd), 0);
}
