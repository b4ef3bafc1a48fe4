// How a toolkit frame (SECMDIFrameWnd, SECFrameWnd) works with a menu bar:
// a control bar that shows the frame's menus as buttons in place of the
// system menu bar.
//
// The menu bar implements SECMenuBarLink and is handed to the frame with
// SetMenuBar before the frame's window is made. The frame then:
//   - loads its menu resource as the menu bar's own menu instead of a system
//     menu bar (GetDefaultMenu answers it);
//   - at WM_CREATE asks the bar for its frame plug-in (CreateFramePlugIn), a
//     window plug-in that sees every frame message first (keyboard, menu
//     loop); the frame owns and deletes it;
//   - on activation of a child, asks the bar to show that child's menu
//     (SwitchMenu with the child's menu id, or the frame's default menu id);
//   - after size changes of a child, asks it to bring its caption buttons in
//     line (ResetMDIButtons) and lays itself out again when they changed.
// Every menu of a menu id is found through the frame's GetMenuForId (and the
// registered message WM_SECGETMENU), so the bar needs no menus of its own.
//
// Without a menu bar a frame may still draw its pop-up menus with bitmaps:
// EnableBitmapMenus(plug-in class) makes the frame create a window plug-in of
// that class at WM_CREATE; it sees WM_INITMENUPOPUP after the frame has
// updated the pop-up's items.
#pragma once

#include <windows.h>

class CControlBar;
class SECWndPlugIn;

// "WM_SECGETMENU": wParam a menu id (or a menu handle), lParam the position
// of a pop-up in that menu; the frame answers the pop-up's handle, or 0.
extern const UINT WM_SECGETMENU;

class SECMenuBarLink {
public:
    virtual ~SECMenuBarLink() = default;

    // The bar's window among the frame's bars.
    virtual CControlBar* GetMenuBarWnd() = 0;
    // Shows the menu of `menuId`; FALSE when the bar has no such menu.
    virtual BOOL SwitchMenu(UINT menuId) = 0;
    // The id of the menu shown.
    virtual UINT GetMenuId() const = 0;
    // Brings the caption buttons of a maximised child in line with the
    // active child; TRUE when they changed (the frame then lays out again).
    virtual BOOL ResetMDIButtons() = 0;
    // The frame's plug-in for keyboard and menu-loop handling, or null.
    virtual SECWndPlugIn* CreateFramePlugIn() = 0;
};
