// Commands and command updates arriving at a real window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CmdUI.h"
#include "Menu.h"
#include "WindowHelpers.h"
#include "WindowMessages.h"
#include "Wnd.h"

namespace {

enum : UINT {
    ID_RUN = 1000,
    ID_UNITS = 1001,
    ID_NOTHING = 1002,
    ID_PART_FIRST = 1100,
    ID_PART_LAST = 1117,
};

// Stands for a document behind the window: commands reach it first.
class CPartsTarget : public CCmdTarget {
public:
    std::vector<std::string>* log = nullptr;
    afx_msg void OnRun() { log->push_back("document run"); }
    afx_msg void OnPart(UINT id) { log->push_back("document part " + std::to_string(id)); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPartsTarget, CCmdTarget)
    ON_COMMAND(ID_RUN, OnRun)
    ON_COMMAND_RANGE(ID_PART_FIRST, ID_PART_LAST, OnPart)
END_MESSAGE_MAP()

class CCommandWindow : public CWnd {
public:
    std::vector<std::string> log;
    CPartsTarget document;
    BOOL metric = FALSE;

    CCommandWindow() { document.log = &log; }

    BOOL OnCmdMsg(UINT id, int code, void* extra, CmdHandlerInfo* handlerInfo) override {
        // The document first, then the window itself.
        if (document.OnCmdMsg(id, code, extra, handlerInfo)) return TRUE;
        return CWnd::OnCmdMsg(id, code, extra, handlerInfo);
    }

    afx_msg void OnRun() { log.push_back("window run"); }
    afx_msg void OnUnits() { metric = !metric; }
    afx_msg void OnUpdateUnits(CCmdUI* cmdUI) { cmdUI->SetCheck(metric); }
    afx_msg void OnInitMenuPopup(CMenu* popup, UINT, BOOL sysMenu) {
        if (!sysMenu) UpdateMenuCmdUI(popup, TRUE);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCommandWindow, CWnd)
    ON_COMMAND(ID_RUN, OnRun)
    ON_COMMAND(ID_UNITS, OnUnits)
    ON_UPDATE_COMMAND_UI(ID_UNITS, OnUpdateUnits)
    ON_WM_INITMENUPOPUP()
END_MESSAGE_MAP()

class WindowCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(window_.CreateEx(0, nullptr, "Commands", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                                     nullptr, nullptr));
    }
    void TearDown() override { window_.DestroyWindow(); }

    CCommandWindow window_;
};

}  // namespace

TEST_F(WindowCommandTest, CommandsGoToTheFirstTargetThatHandlesThem) {
    testing_harness::SendCommand(window_.m_hWnd, ID_RUN);
    testing_harness::SendCommand(window_.m_hWnd, ID_UNITS);  // only the window has it
    testing_harness::SendCommand(window_.m_hWnd, ID_NOTHING);
    EXPECT_EQ((std::vector<std::string>{"document run"}), window_.log);
    EXPECT_TRUE(window_.metric);
}

TEST_F(WindowCommandTest, RangeHandlerGetsTheCommandId) {
    for (UINT id : {UINT(ID_PART_FIRST), ID_PART_FIRST + 7u, UINT(ID_PART_LAST), ID_PART_LAST + 1u})
        testing_harness::SendCommand(window_.m_hWnd, static_cast<int>(id));
    EXPECT_EQ((std::vector<std::string>{"document part 1100", "document part 1107",
                                        "document part 1117"}),
              window_.log);
}

TEST_F(WindowCommandTest, PopupMenuItemsAreUpdatedBeforeTheyShow) {
    CMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    popup.AppendMenu(MF_STRING | MF_GRAYED, ID_RUN, "&Run!");
    popup.AppendMenu(MF_STRING, ID_NOTHING, "&Nothing");
    popup.AppendMenu(MF_SEPARATOR);
    popup.AppendMenu(MF_STRING, ID_UNITS, "&Metric Units");
    popup.AppendMenu(MF_STRING, ID_PART_FIRST + 3, "&Part");

    window_.metric = TRUE;
    window_.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup.m_hMenu), 0);
    EXPECT_EQ(0u, popup.GetMenuState(ID_RUN, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_NE(0u, popup.GetMenuState(ID_NOTHING, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_NE(0u, popup.GetMenuState(ID_UNITS, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_EQ(0u, popup.GetMenuState(ID_PART_FIRST + 3, MF_BYCOMMAND) & MF_GRAYED);

    // Choosing the item flips the state; the next opening shows it.
    testing_harness::SendCommand(window_.m_hWnd, ID_UNITS);
    window_.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup.m_hMenu), 0);
    EXPECT_EQ(0u, popup.GetMenuState(ID_UNITS, MF_BYCOMMAND) & MF_CHECKED);
}
