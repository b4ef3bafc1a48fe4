// CCmdUI: the state of one user-interface item (a menu item, a toolbar
// button, a control) that a command id stands for, as update handlers set it.
//
// Whoever shows items fills one CCmdUI per item and calls DoUpdate with the
// command target that routes commands (a frame, a window): the target's
// ON_UPDATE_COMMAND_UI handler sets the state; without one the item is
// enabled exactly when some handler would take its command, if asked to.
// The menu form works on item m_nIndex of m_pMenu (by position); the window
// form works on m_pOther. Toolbars and status bars derive their own.
#pragma once

#include <windows.h>

#include "CmdTarget.h"

class CMenu;
class CWnd;

class CCmdUI {
public:
    CCmdUI() = default;
    virtual ~CCmdUI() = default;

    virtual void Enable(BOOL on = TRUE);
    // 0 clear, 1 checked, 2 indeterminate (shown as checked in a menu).
    virtual void SetCheck(int check = 1);
    // A menu item gets the round mark; other items a check.
    virtual void SetRadio(BOOL on = TRUE);
    virtual void SetText(LPCSTR text);

    // Lets an update handler pass the item on to the next command target.
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Asks `target` for the item's state (see above). Items with id 0
    // (separators) are left alone. Returns whether an update handler ran.
    virtual BOOL DoUpdate(CCmdTarget* target, BOOL disableIfNoHandler);

    UINT m_nID = 0;
    UINT m_nIndex = 0;
    UINT m_nIndexMax = 0;
    CMenu* m_pMenu = nullptr;        // the menu that holds the item
    CMenu* m_pSubMenu = nullptr;     // the item's own pop-up, when it opens one
    CMenu* m_pParentMenu = nullptr;  // the menu holding m_pMenu, for a pop-up's own item
    CWnd* m_pOther = nullptr;        // the window that is the item, when not a menu item
    BOOL m_bEnableChanged = FALSE;   // set by Enable
    BOOL m_bContinueRouting = FALSE;
};
