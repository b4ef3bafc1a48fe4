// The drag-race program started as a user starts it: the splash window, the
// maximised workbook frame with its toolbar and status bar, and one blank
// vehicle document whose window is split into two tabbed panes, the right
// one's first tab holding two graphs one above the other.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ModalDriver.h"
#include "RunningProgram.h"
#include "SplashWatch.h"
#include "StartChecks.h"
#include "WindowHelpers.h"
#include "quillet/document/QuilletCommands.h"
#include "quillet/document/QuilletDoc.h"
#include "quillet/res/QuilletResources.h"
#include "quillet/ui/ChildFrame.h"
#include "quillet/ui/MainFrame.h"
#include "quillet/ui/QuilletApp.h"
#include "quillet/ui/QuilletSpecsFormView.h"
#include "toolkit/TabWnd.h"

namespace quillet {

namespace {

using testing_harness::ModalDriver;
using testing_harness::SplashWatch;

// The program started in the test process, closed again at the end.
class RunningProgram : public testing_harness::RunningProgram<CQuilletApp, CMainFrame> {
public:
    CChildFrame* Child() const { return static_cast<CChildFrame*>(CWnd::FromHandlePermanent(ActiveChild())); }
};

std::vector<std::string> TabLabels(const CSplitterPaneTabWnd* pane) {
    std::vector<std::string> labels;
    for (int i = 0; i < pane->GetTabCount(); ++i) {
        LPCSTR label = nullptr;
        BOOL selected = FALSE;
        CWnd* wnd = nullptr;
        void* data = nullptr;
        int extra = 0;
        pane->GetTabInfo(i, label, selected, wnd, data, extra);
        labels.emplace_back(label != nullptr ? label : "");
    }
    return labels;
}

TEST(QuilletStartTest, TheSplashStaysTwoSecondsThenTheMaximisedWorkbookShowsOneBlankVehicle) {
    SplashWatch splash;
    RunningProgram program;
    ASSERT_TRUE(program.Started());
    testing_harness::ExpectStartedAsAUserMeetsIt(splash, program.FrameWnd(), program.Frame()->m_hWndMDIClient,
                                                 "Quillet1");
    CDocument* document = program.Child()->GetActiveDocument();
    ASSERT_NE(nullptr, document);
    EXPECT_TRUE(document->IsKindOf(RUNTIME_CLASS(CQuilletDoc)));
    EXPECT_NE(std::string::npos, testing_harness::ControlText(program.FrameWnd()).find("Quillet"));
    EXPECT_TRUE(ModalDriver::Instance().Boxes().empty());

    const std::string shot = testing_harness::TestOutputPath("quillet-start.png");
    testing_harness::PumpPending();
    testing_harness::Pixels::FromWindow(program.FrameWnd()).SavePng(shot);
}

TEST(QuilletStartTest, TheFrameHasItsToolbarAndStatusPanes) {
    RunningProgram program;
    ASSERT_TRUE(program.Started());
    HWND toolbar = program.Frame()->GetDescendantWindow(0xE800, TRUE)->GetSafeHwnd();
    ASSERT_NE(nullptr, toolbar);
    EXPECT_TRUE(::IsChild(program.FrameWnd(), toolbar));  // docked at the top
    const std::vector<int> expected = {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0,
                                       ID_QUICK_ITERATOR, ID_PRO_ITERATOR, ID_TOOLS_TIME_SLIP,
                                       ID_TRACTION_CALCULATOR, ID_CUSTOM_POWER_CURVE, ID_IMPORT_ENGINE_FILE, 0,
                                       ID_FILE_PRINT, ID_APP_ABOUT};
    ASSERT_EQ(static_cast<LRESULT>(expected.size()), ::SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0));
    for (size_t i = 0; i < expected.size(); ++i) {
        TBBUTTON button = {};
        ::SendMessageA(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        if (expected[i] == 0)
            EXPECT_TRUE(button.fsStyle & TBSTYLE_SEP) << i;
        else
            EXPECT_EQ(expected[i], button.idCommand) << i;
    }
    HWND status = ::GetDlgItem(program.FrameWnd(), 0xE801);
    ASSERT_NE(nullptr, status);
    EXPECT_EQ(4, ::SendMessageA(status, SB_GETPARTS, 0, 0));
    // The message pane shows the idle prompt and a command's prompt.
    char text[128] = {};
    ::SendMessageA(program.FrameWnd(), WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE, 0);
    ::SendMessageA(status, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ("Ready", text);
    ::SendMessageA(program.FrameWnd(), WM_SETMESSAGESTRING, ID_TOOLS_TIME_SLIP, 0);
    ::SendMessageA(status, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ("Open the Time Slip Tool Window", text);
}

TEST(QuilletStartTest, TheDocumentWindowHasItsTabbedPanesAndTheTwoGraphRows) {
    RunningProgram program;
    ASSERT_TRUE(program.Started());
    CChildFrame* child = program.Child();
    ASSERT_NE(nullptr, child);
    EXPECT_EQ((std::vector<std::string>{"Quillet Specs", "Graph", "Table", "ProData"}),
              TabLabels(child->GetLeftTabs()));
    EXPECT_EQ((std::vector<std::string>{"Graph", "Table", "ProData"}), TabLabels(child->GetRightTabs()));

    // The right pane's first tab is the graph splitter, showing.
    CWnd* active = child->GetRightTabs()->GetActiveWnd();
    ASSERT_EQ(&child->GetGraphSplitter(), active);
    EXPECT_TRUE(active->IsWindowVisible());
    EXPECT_EQ(0xE900, ::GetDlgCtrlID(active->m_hWnd));
    CSplitterWnd& graphs = child->GetGraphSplitter();
    ASSERT_EQ(2, graphs.GetRowCount());
    EXPECT_NE(nullptr, graphs.GetPane(0, 0));
    EXPECT_NE(nullptr, graphs.GetPane(1, 0));
    int height = 0, minimum = 0;
    graphs.GetRowInfo(0, height, minimum);
    EXPECT_EQ(CChildFrame::UpperGraphHeight(::GetSystemMetrics(SM_CYSCREEN)), height);
    // The left pane shows its first tab, the vehicle form.
    CWnd* form = child->GetLeftTabs()->GetActiveWnd();
    ASSERT_NE(nullptr, form);
    EXPECT_TRUE(form->IsKindOf(RUNTIME_CLASS(CQuilletSpecsFormView)));
    EXPECT_TRUE(form->IsWindowVisible());
    EXPECT_EQ(child->GetActiveDocument(), static_cast<CView*>(form)->GetDocument());
}

TEST(QuilletStartTest, TheUpperGraphTakesThirtyEightPercentOfTheScreenButNeverLessThan180) {
    struct Case {
        int screen, upper;
    };
    for (const Case& c : {Case{1024, 389}, Case{768, 291}, Case{473, 180}, Case{400, 180}})
        EXPECT_EQ(c.upper, CChildFrame::UpperGraphHeight(c.screen)) << c.screen;
}

TEST(QuilletStartTest, WorkbookModeOffLeavesTheChildAndOnMaximisesItAgain) {
    RunningProgram program;
    ASSERT_TRUE(program.Started());
    program.Command(ID_VIEW_WORKBOOK);
    BOOL maximized = FALSE;
    HWND child = program.ActiveChild(&maximized);
    ::SendMessageA(program.Frame()->m_hWndMDIClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(child), 0);
    program.ActiveChild(&maximized);
    EXPECT_FALSE(maximized);
    program.Command(ID_VIEW_WORKBOOK);
    program.ActiveChild(&maximized);
    EXPECT_TRUE(maximized);
}

TEST(QuilletStartTest, FileNewAddsASecondMaximisedVehicle) {
    RunningProgram program;
    ASSERT_TRUE(program.Started());
    program.Command(ID_FILE_NEW);
    BOOL maximized = FALSE;
    HWND child = program.ActiveChild(&maximized);
    EXPECT_TRUE(maximized);
    EXPECT_EQ("Quillet2", testing_harness::ControlText(child));
}

// The state of a menu item after its pop-up's command update, as a user
// opening that menu sees it.
UINT MenuStateAfterUpdate(HWND frame, UINT id) {
    HMENU bar = ::GetMenu(frame);
    for (int i = 0; i < ::GetMenuItemCount(bar); ++i) {
        HMENU popup = ::GetSubMenu(bar, i);
        if (popup == nullptr || ::GetMenuState(popup, id, MF_BYCOMMAND) == static_cast<UINT>(-1)) continue;
        ::SendMessageA(frame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), MAKELPARAM(i, FALSE));
        return ::GetMenuState(popup, id, MF_BYCOMMAND);
    }
    return static_cast<UINT>(-1);
}

TEST(QuilletStartTest, ToolsWithoutTheirWindowsAreGreyedAndTheRestStayEnabled) {
    RunningProgram program;
    ASSERT_TRUE(program.Started());
    struct Case {
        UINT id;
        bool greyed;
    } const cases[] = {
        {kCmdQuickIterator, false},     {kCmdProIterator, false},       {kCmdTractionCalculator, false},
        {ID_CUSTOM_POWER_CURVE, false}, {kCmdImportEngineFile, false}, {kCmdRun, false},
    };
    for (const Case& c : cases) {
        UINT state = MenuStateAfterUpdate(program.FrameWnd(), c.id);
        ASSERT_NE(static_cast<UINT>(-1), state) << c.id;
        EXPECT_EQ(c.greyed, (state & MF_GRAYED) != 0) << c.id;
    }
    // Asked who takes a withheld command, the document window answers nobody.
    CmdHandlerInfo info;
    EXPECT_FALSE(program.Child()->OnCmdMsg(kCmdIterator, CN_COMMAND, nullptr, &info));
}

}  // namespace

}  // namespace quillet
