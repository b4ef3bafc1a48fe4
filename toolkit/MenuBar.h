// SECMenuBar: a customisable toolbar that shows a frame's menu as buttons
// in place of the system menu bar: one SECTBMenuBtn per top-level item and,
// while an MDI child is maximised, the child's icon first (SECCapMenuBtn)
// and its minimise, restore and close buttons last (SECBtnCaption).
//
//   SECMenuBar menuBar;                 // a member of the frame
//   frame->SetMenuBar(&menuBar);        // before LoadFrame
//   // in the frame's OnCreate:
//   menuBar.Create(this);
//
// The frame finds each menu by id (SECMenuBarLink::SwitchMenu) and each
// pop-up through WM_SECGETMENU; the keyboard (Alt, mnemonics, arrows,
// Escape) and the pop-ups are handled by the bar's frame plug-in,
// SECMenuBarFeature, which the frame asks for at its creation.
#pragma once

#include <windows.h>

#include "CustomToolBar.h"
#include "MenuBarLink.h"

class SECMenuBarFeature;

class SECMenuBar : public SECCustomToolBar, public SECMenuBarLink {
    DECLARE_DYNCREATE(SECMenuBar)

public:
    SECMenuBar();

    BOOL Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT id = SEC_IDW_MENUBAR,
                LPCSTR title = nullptr) override;

    // Fills the buttons from `menu` (not owned).
    virtual void LoadMenu(HMENU menu);
    // The menu button whose mnemonic is `letter` (lower case), or -1.
    int FindMnemonic(char letter) const;

    // SECMenuBarLink.
    CControlBar* GetMenuBarWnd() override { return this; }
    BOOL SwitchMenu(UINT menuId) override;
    UINT GetMenuId() const override { return m_nMenuId; }
    BOOL ResetMDIButtons() override;
    SECWndPlugIn* CreateFramePlugIn() override;

    // A press on a menu button opens its pop-up through the plug-in.
    void ShowButtonMenu(SECStdBtn* button) override;
    void SetFeature(SECMenuBarFeature* feature) { m_pFeature = feature; }
    HMENU GetMenu() const { return m_hMenu; }

protected:
    // The frame's menu of an id (its menu-bar menu, a template's menu or
    // one kept by id).
    HMENU MenuForId(UINT id) const;
    BOOL HasMaximizedChild() const;

    HMENU m_hMenu = nullptr;
    UINT m_nMenuId = 0;
    BOOL m_bMDIButtons = FALSE;
    SECMenuBarFeature* m_pFeature = nullptr;
};
