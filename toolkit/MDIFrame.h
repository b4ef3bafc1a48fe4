// The toolkit's MDI frame and child frame.
//
// Routing: a command reaching the frame goes to the active floating MDI
// child (a child that hosts a floating bar) or else to the active child
// frame (its view, the view's document, the child), then to the command
// plug-in, then to the frame itself and the application. A system command
// nobody handles (the system menu of a maximised child shown in a menu bar)
// gets the frame's default processing, which hands it to that child.
//
// Plug-ins: the frame's menu plug-in (made at WM_CREATE from the menu bar or
// the bitmap-menu class, see MenuBarLink.h) sees each frame message before
// the frame and may eat it; its command plug-in (CreateCommandPlugIn) sees
// each command before the frame's own routing.
//
// Activation: WM_ACTIVATE tells the active view (of the active child) that
// the frame was activated or deactivated, once even when activation comes
// back while it is told. A floating MDI child can be the active one
// (ActivateFloatingMDIChild): it then comes first for commands and for
// GetActiveFrame, and the regular child loses its view activation.
//
// Closing goes through the framework's rules (the documents' save queries);
// the menu plug-in is deleted before the window is destroyed.
//
// The frame keeps the area its bars leave free at each layout, and the
// menus it hands out by id (GetMenuForId, WM_SECGETMENU).
#pragma once

#include <windows.h>

#include "ControlBar.h"
#include "FrameFeatures.h"
#include "MDIFrameWnd.h"

class SECMDIFrameWnd : public SECFeatureFrame<CMDIFrameWnd> {
    DECLARE_DYNCREATE(SECMDIFrameWnd)

public:
    BOOL LoadFrame(UINT resourceId, DWORD style = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, CWnd* parent = nullptr,
                   CCreateContext* context = nullptr) override;
    void RecalcLayout(BOOL notify = TRUE) override;

    // Docking. The frame's dock bars on the sides in `dockStyle` (see
    // SECFeatureFrame); bars floated in the MDI client are hosted by
    // children of m_pFloatingMDIChildClass (SECControlBarMDIChildWnd unless
    // set). A bar docked with a stored length (DockControlBarEx) commits it
    // in the layout mode of the dock bar it goes to.
    void EnableDocking(DWORD dockStyle);
    // Floats a bar in a floating frame; a bar hosted by an MDI child leaves it.
    void FloatControlBar(CControlBar* bar, CPoint point, DWORD style = CBRS_ALIGN_TOP) override;
    // Floats a bar in an MDI child at `point` (screen; negative: at the next
    // cascade position), or moves the child that already holds it alone.
    virtual void FloatControlBarInMDIChild(CControlBar* bar, CPoint point, DWORD style = CBRS_ALIGN_TOP);
    // A new hosting child (resource kFloatingChildResource); null when it
    // can't be loaded.
    virtual CMDIChildWnd* CreateFloatingMDIChild(DWORD style, CControlBar* bar);
    static const UINT kFloatingChildResource = 20514;
    CRuntimeClass* m_pFloatingMDIChildClass = nullptr;
    // Where the next bar floated in the MDI client goes.
    CPoint m_ptCascade{30, 30};

    // Floating MDI children.
    virtual void ActivateFloatingMDIChild(CWnd* child);
    virtual void DeactivateFloatingMDIChild(BOOL activateMDIChild);
    CMDIChildWnd* GetActiveFloatingMDIChild() const { return m_pActiveFloatingChild; }
    CMDIChildWnd* MDIGetActive(BOOL* maximized = nullptr) const override;
    CFrameWnd* GetActiveFrame() override;

    // Menus. The menu of `id`: the menu bar's own for the current menu id,
    // else the shared menu of the first multiple-document template of that
    // id, else one kept with AddMenu; null when none.
    HMENU GetMenuForId(UINT id) override;
    // With a menu bar: shows the menu of `id` (-1 or 0: the default menu).
    virtual void SwitchMenuBarMenu(UINT id);
    virtual void RefreshMenuBarButtons();
    virtual void UpdateMenuBarMenu();

    // Tells the active view of the active frame that this frame was
    // activated or deactivated (guarded against re-entry); when that moved
    // the foreground elsewhere, the window that was in front comes back.
    virtual void ActivateFrameView(UINT state, CWnd* other, BOOL minimized);

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

protected:
    DWORD DockMode(CControlBar*, UINT dockBarId) override { return SECDockModeForDockBar(dockBarId); }
    // Commands go to the active floating MDI child, else the active child.
    BOOL RouteFirst(UINT id, int code, void* extra, CmdHandlerInfo* handlerInfo) override;

    afx_msg void OnActivate(UINT state, CWnd* other, BOOL minimized);
    afx_msg void OnActivateApp(BOOL active, DWORD threadId);
    afx_msg LRESULT OnCommandHelp(WPARAM wParam, LPARAM lParam);
    // A bar is about to show its context menu (wParam the bar's window,
    // lParam the menu): the items that depend on floating in the MDI client.
    afx_msg LRESULT OnBarContextMenu(WPARAM wParam, LPARAM lParam);
    // "Float In Main Window" of that menu: the bar floats in the MDI client,
    // or, floating there already, in a floating frame.
    afx_msg void OnFloatInMainWindow();
    DECLARE_MESSAGE_MAP()

private:
    CMDIChildWnd* m_pActiveFloatingChild = nullptr;
    // The bar whose context menu is up.
    HWND m_hContextMenuBar = nullptr;
    BOOL m_bActivatingView = FALSE;
};

class SECMDIChildWnd : public CMDIChildWnd {
    DECLARE_DYNCREATE(SECMDIChildWnd)

public:
    BOOL LoadFrame(UINT resourceId, DWORD style = WS_CHILD | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* parent = nullptr, CCreateContext* context = nullptr) override;
    void OnUpdateFrameMenu(BOOL activate, CWnd* activateWnd, HMENU alternateMenu) override;
    using CMDIChildWnd::OnUpdateFrameMenu;
    // Puts up the frame menu again with the alternate menu last given.
    virtual void UpdateFrameMenu(HMENU alternateMenu);

    // The toolkit frame this child lives in, or null.
    SECMDIFrameWnd* GetToolkitFrame() const;
    // The menu the menu bar shows while this child is active (0: none).
    UINT GetMenuBarMenuId() const { return m_menuBarMenuId; }

protected:
    afx_msg int OnMouseActivate(CWnd* topParent, UINT hitTest, UINT message);
    afx_msg void OnChildActivate();
    afx_msg void OnMDIActivate(BOOL activate, CWnd* activated, CWnd* deactivated);
    afx_msg void OnSize(UINT type, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    // The toolkit frame when it has a menu bar, else null.
    SECMDIFrameWnd* MenuBarFrame() const;

    UINT m_menuBarMenuId = 0;
    HMENU m_alternateMenu = nullptr;
};
