#include <gtest/gtest.h>

#include <string>

#include "CmdTarget.h"
#include "CmdUI.h"
#include "Menu.h"
#include "Wnd.h"

namespace {

enum : UINT { ID_OPEN = 100, ID_NO_HANDLER = 101, ID_UNITS = 102, ID_MODE = 103, ID_LABEL = 104 };

class CMenuOwner : public CCmdTarget {
public:
    BOOL metric = TRUE;
    afx_msg void OnOpen() {}
    afx_msg void OnUnits() {}
    afx_msg void OnUpdateUnits(CCmdUI* cmdUI) { cmdUI->SetCheck(metric); }
    afx_msg void OnUpdateMode(CCmdUI* cmdUI) {
        cmdUI->Enable(FALSE);
        cmdUI->SetRadio(TRUE);
    }
    afx_msg void OnUpdateLabel(CCmdUI* cmdUI) { cmdUI->SetText("Metric &Units"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMenuOwner, CCmdTarget)
    ON_COMMAND(ID_OPEN, OnOpen)
    ON_COMMAND(ID_UNITS, OnUnits)
    ON_COMMAND(ID_MODE, OnUnits)
    ON_UPDATE_COMMAND_UI(ID_UNITS, OnUpdateUnits)
    ON_UPDATE_COMMAND_UI(ID_MODE, OnUpdateMode)
    ON_UPDATE_COMMAND_UI(ID_LABEL, OnUpdateLabel)
END_MESSAGE_MAP()

// Updates every item of `menu` as a pop-up menu about to open would.
void UpdateItems(CMenu& menu, CCmdTarget& target) {
    CCmdUI item;
    item.m_pMenu = &menu;
    item.m_nIndexMax = menu.GetMenuItemCount();
    for (item.m_nIndex = 0; item.m_nIndex < item.m_nIndexMax; ++item.m_nIndex) {
        item.m_nID = menu.GetMenuItemID(static_cast<int>(item.m_nIndex));
        item.DoUpdate(&target, TRUE);
    }
}

UINT StateOf(CMenu& menu, UINT id) { return menu.GetMenuState(id, MF_BYCOMMAND); }

}  // namespace

TEST(CmdUITest, MenuItemsFollowHandlersAndUpdateHandlers) {
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING | MF_GRAYED, ID_OPEN, "&Open");
    menu.AppendMenu(MF_STRING, ID_NO_HANDLER, "&Nothing");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, ID_UNITS, "&Units");
    menu.AppendMenu(MF_STRING, ID_MODE, "&Mode");
    menu.AppendMenu(MF_STRING | MF_GRAYED, ID_LABEL, "Label");

    CMenuOwner owner;
    UpdateItems(menu, owner);
    EXPECT_EQ(0u, StateOf(menu, ID_OPEN) & MF_GRAYED);        // handler: enabled
    EXPECT_NE(0u, StateOf(menu, ID_NO_HANDLER) & MF_GRAYED);  // none: greyed
    EXPECT_NE(0u, StateOf(menu, ID_UNITS) & MF_CHECKED);
    EXPECT_EQ(0u, StateOf(menu, ID_UNITS) & MF_GRAYED);       // checking leaves enabling to the rule
    EXPECT_NE(0u, StateOf(menu, ID_MODE) & MF_GRAYED);        // disabled despite its handler
    EXPECT_NE(0u, StateOf(menu, ID_MODE) & MF_CHECKED);
    EXPECT_NE(0u, StateOf(menu, ID_LABEL) & MF_GRAYED);       // a new text, still no handler
    CString label;
    menu.GetMenuString(ID_LABEL, label, MF_BYCOMMAND);
    EXPECT_STREQ("Metric &Units", label);

    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    ASSERT_TRUE(menu.GetMenuItemInfo(ID_MODE, &info, FALSE));
    EXPECT_NE(0u, info.fType & MFT_RADIOCHECK);

    owner.metric = FALSE;
    UpdateItems(menu, owner);
    EXPECT_EQ(0u, StateOf(menu, ID_UNITS) & MF_CHECKED);
}

TEST(CmdUITest, ControlItemsAreEnabledCheckedAndRelabelled) {
    HWND parent = CreateWindowA("STATIC", "parent", WS_OVERLAPPED, 0, 0, 200, 100, nullptr, nullptr,
                                nullptr, nullptr);
    HWND check = CreateWindowA("BUTTON", "Units", WS_CHILD | BS_AUTOCHECKBOX, 0, 0, 100, 20, parent,
                               reinterpret_cast<HMENU>(ID_UNITS), nullptr, nullptr);
    ASSERT_NE(nullptr, check);
    CWnd* control = CWnd::FromHandle(check);

    CMenuOwner owner;
    CCmdUI item;
    item.m_pOther = control;
    item.m_nID = ID_UNITS;
    item.DoUpdate(&owner, TRUE);
    EXPECT_EQ(BST_CHECKED, SendMessageA(check, BM_GETCHECK, 0, 0));
    EXPECT_TRUE(IsWindowEnabled(check));

    item.m_nID = ID_NO_HANDLER;
    item.DoUpdate(&owner, TRUE);
    EXPECT_FALSE(IsWindowEnabled(check));

    item.SetText("Metric");
    char text[32];
    GetWindowTextA(check, text, sizeof text);
    EXPECT_STREQ("Metric", text);
    DestroyWindow(parent);
}
