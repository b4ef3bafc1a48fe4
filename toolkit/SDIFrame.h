// The toolkit's single-document frame: the framework's frame with the same
// plug-ins, menu bar and menu lookup, control-bar manager, custom caption
// and idle layout as the toolkit's MDI frame (see FrameFeatures.h and
// MDIFrame.h).
//
// A command goes first to the frame's command plug-in or, when it has none,
// to the plug-in of its top-level toolkit frame; then through the
// framework's routing (view, document, frame, application).
#pragma once

#include <windows.h>

#include "FrameFeatures.h"
#include "FrameWnd.h"

class SECFrameWnd : public SECFeatureFrame<CFrameWnd> {
    DECLARE_DYNCREATE(SECFrameWnd)

public:
    // The menu resource is used when it exists; with a menu bar it becomes
    // the bar's own menu instead of the window's.
    BOOL LoadFrame(UINT resourceId, DWORD style = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, CWnd* parent = nullptr,
                   CCreateContext* context = nullptr) override;
    void RecalcLayout(BOOL notify = TRUE) override;

    // The menu bar's own menu for the default menu id, else null.
    HMENU GetMenuForId(UINT id) override;

    // Leaving print preview redraws the whole frame.
    void OnSetPreviewMode(BOOL preview, CPrintPreviewState* state) override;

protected:
    // A bar docked with a stored length commits it in the mode its own style gives.
    DWORD DockMode(CControlBar* bar, UINT) override { return SECDockModeForBarStyle(bar->GetBarStyle()); }
    DECLARE_MESSAGE_MAP()
};
