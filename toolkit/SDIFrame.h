// The toolkit's single-document frame: the framework's frame with the same
// plug-ins, menu bar and menu lookup, control-bar manager, custom caption
// and idle layout as the toolkit's MDI frame (see MDIFrame.h).
//
// A command goes first to the frame's command plug-in or, when it has none,
// to the plug-in of its top-level toolkit frame; then through the
// framework's routing (view, document, frame, application).
#pragma once

#include <windows.h>

#include "FrameFeatures.h"
#include "FrameWnd.h"

class SECFrameWnd : public CFrameWnd, public SECFrameFeatureHost {
    DECLARE_DYNCREATE(SECFrameWnd)

public:
    SECFrameWnd();

    // The menu resource is used when it exists; with a menu bar it becomes
    // the bar's own menu instead of the window's.
    BOOL LoadFrame(UINT resourceId, DWORD style = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, CWnd* parent = nullptr,
                   CCreateContext* context = nullptr) override;
    void RecalcLayout(BOOL notify = TRUE) override;
    const CRect& GetLastLayoutRect() const { return m_lastLayoutRect; }

    // The menu bar's own menu with a menu bar, else the frame's default menu.
    virtual HMENU GetDefaultMenu();
    // The menu bar's own menu for the default menu id, else null.
    virtual HMENU GetMenuForId(UINT id);

    // The frame's dock bars on the sides in `dockStyle`: the toolkit's dock
    // bars and floating frames unless other classes are set.
    void EnableDocking(DWORD dockStyle);
    // Docks `bar` in the dock bar `dockBarId` after committing its size for
    // `length` in the layout mode its own style gives.
    // With `record`, a toolkit bar first takes its saved sizes and styles.
    virtual void DockControlBarEx(CControlBar* bar, UINT dockBarId, int length, const RECT* rect = nullptr,
                                  SECControlBarInfo* record = nullptr);
    // The same with the bar's top-left (screen) as separate coordinates.
    virtual void DockControlBarEx(CControlBar* bar, UINT dockBarId, int length, int left, int top,
                                  SECControlBarInfo* record = nullptr);

    // While the bars are customised, a dialog's idle time lays out the frame.
    virtual void OnIdleLayout(UINT reason, CWnd* who);

    // Leaving print preview redraws the whole frame.
    void OnSetPreviewMode(BOOL preview, CPrintPreviewState* state) override;
    BOOL OnCmdMsg(UINT id, int code, void* extra, CmdHandlerInfo* handlerInfo) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL DestroyWindow() override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT cs);
    afx_msg void OnClose();
    afx_msg void OnDestroy();
    afx_msg void OnEnterIdle(UINT reason, CWnd* who);
    afx_msg LRESULT OnGetMenu(WPARAM id, LPARAM position);
    afx_msg void OnWorkspaceCommand(UINT id);
    afx_msg void OnUpdateWorkspaceCommand(CCmdUI* cmdUI);
    DECLARE_MESSAGE_MAP()

private:
    CRect m_lastLayoutRect;
};
