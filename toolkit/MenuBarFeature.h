// SECMenuBarFeature: the frame plug-in of a menu bar. It turns keyboard,
// mouse and menu-loop events into menu-bar actions, and (as a bitmap-menu
// plug-in) draws the pop-ups it opens with the commands' images.
//
// Keyboard: Alt pressed and released alone enters menu mode on the first
// menu (a second Alt leaves it); Alt with a letter opens the menu of that
// mnemonic; in menu mode Left and Right move between the menus, Down or
// Enter opens one, a letter opens the menu of that mnemonic and Escape
// leaves; while a pop-up is open Left and Right move to the neighbouring
// menu's pop-up, and past the last menu to the frame's system menu; Alt
// with space or "-" opens the system menu. A click anywhere leaves menu
// mode; deactivating the frame too.
//
// One menu loop runs at a time: the thread hooks (keyboard and mouse in
// menu mode, the menu message filter while a pop-up is tracked) belong to
// the feature that runs it.
#pragma once

#include <windows.h>

#include <vector>

#include "BmpMenuPlugIn.h"

class SECMenuBar;

// "WM_SEC_MENUPROD": posted to the frame to open a menu after the current
// event (wParam: the menu button's index; lParam: 1 when by keyboard).
extern const UINT WM_SEC_MENUPROD;

class SECMenuBarFeature : public SECBmpMenuPlugIn {
    DECLARE_DYNAMIC(SECMenuBarFeature)

public:
    explicit SECMenuBarFeature(SECMenuBar* bar);
    ~SECMenuBarFeature() override;

    void UnPlug() override;
    BOOL PreTranslateMessage(MSG* msg) override;

    // Menu mode on the menu button `index`; leaving it.
    void EnterMenuMode(int index);
    void CancelMenu();
    // Tracks the pop-up of menu button `index`, then of the neighbours the
    // user moves to; returns when the last pop-up closes.
    void TrackButtonPopup(int index, BOOL byKeyboard);
    // The frame's system menu below its icon; the chosen command is posted
    // as WM_SYSCOMMAND.
    void TrackSystemMenu();
    BOOL IsTrackingPopup() const { return m_bTracking; }
    SECMenuBar* GetMenuBar() const { return m_pBar; }

protected:
    afx_msg LRESULT OnInitMenuPopupByKeyboard(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnMenuProd(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSysCommandMsg(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnNcActivateMsg(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnMenuSelectMsg(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void SetKeyboardHooks(BOOL on);
    void SetFilterHook(BOOL on);
    // Opens the menu of a mnemonic; FALSE when no menu has it.
    BOOL OpenByMnemonic(char letter);
    HWND FrameWindow() const;

    static LRESULT CALLBACK KeyboardHook(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK MouseHook(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK FilterHook(int code, WPARAM wParam, LPARAM lParam);

    SECMenuBar* m_pBar;
    BOOL m_bAltDown = FALSE;
    BOOL m_bAltConsumed = FALSE;
    BOOL m_bOpenedByKeyboard = FALSE;
    BOOL m_bTracking = FALSE;
    int m_nMoveDirection = 0;   // a pop-up was left with Left (-1) or Right (+1)
    int m_nMoveTo = -1;         // the mouse moved onto another menu button
    // The open menus, from the menu button's pop-up to the one holding the
    // selection, and whether the selected item opens a sub-menu.
    std::vector<HMENU> m_menuPath;
    BOOL m_bSelectionOpensPopup = FALSE;
    POINT m_lastMouse{-1, -1};
};
