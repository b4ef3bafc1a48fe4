// The engine program started as a user starts it: the splash window, the
// maximised workbook frame with its bars, one blank document split into
// its two tabbed panes, the preferences read at start and written at exit,
// the low-colour notice, and the stray timer that ends the program.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <vector>

#include "AppTestSupport.h"
#include "ModalDriver.h"
#include "SplashWatch.h"
#include "StartChecks.h"
#include "WindowHelpers.h"
#include "toolkit/TabWnd.h"
#include "torvane/document/TorvaneDoc.h"
#include "torvane/res/TorvaneResources.h"
#include "torvane/ui/AppColors.h"
#include "torvane/ui/ChildFrame.h"
#include "torvane/ui/MainFrame.h"

namespace torvane {

namespace {

using testing_harness::ModalDriver;
using testing_harness::SplashWatch;

std::string ClassOf(HWND wnd) {
    char name[64] = {};
    ::GetClassNameA(wnd, name, sizeof name);
    return name;
}

bool g_lowColorDisplay = false;
bool LowColorDisplay() { return g_lowColorDisplay; }

class AppStartTest : public ::testing::Test {
protected:
    void SetUp() override {
        ForgetProgramSettings();
        AppColorsSetDisplayQuery(nullptr);
        AppColorsEnterHighColorMode();
    }
    void TearDown() override {
        AppColorsSetDisplayQuery(nullptr);
        AppColorsEnterHighColorMode();
        ForgetProgramSettings();
    }
};

TEST_F(AppStartTest, TheSplashWindowStaysTwoSecondsThenTheMaximisedWorkbookShowsOneBlankDocument) {
    SplashWatch splash;
    RunningApp program;
    ASSERT_TRUE(program.Started());
    testing_harness::ExpectStartedAsAUserMeetsIt(splash, program.FrameWnd(), program.Frame()->m_hWndMDIClient,
                                                 "Torvane1");

    EXPECT_EQ(static_cast<UINT>(MF_CHECKED), program.MenuState(ID_VIEW_WORKBOOK) & (MF_CHECKED | MF_GRAYED));
    EXPECT_EQ(static_cast<UINT>(MF_CHECKED), program.MenuState(ID_COLORS_TORVANE) & (MF_CHECKED | MF_GRAYED));
    EXPECT_EQ(0u, program.MenuState(ID_COLORS_WINDOWS) & (MF_CHECKED | MF_GRAYED));
    EXPECT_EQ(0u, program.MenuState(ID_SWEEP) & MF_GRAYED);  // the engine's sweep dialog
    EXPECT_TRUE(ModalDriver::Instance().Boxes().empty());  // no low-colour notice
    program.SaveScreenshot("torvane-start.png");
}

TEST_F(AppStartTest, TheFrameHasItsToolbarStatusPanesAndTwoTabbedPanes) {
    RunningApp program;
    ASSERT_TRUE(program.Started());
    HWND frame = program.FrameWnd();

    HWND toolbar = program.Frame()->GetDescendantWindow(0xE800, TRUE)->GetSafeHwnd();
    ASSERT_NE(nullptr, toolbar);
    EXPECT_TRUE(::IsChild(frame, toolbar));  // docked at the top
    EXPECT_EQ("ToolbarWindow32", ClassOf(toolbar));
    const std::vector<int> expected = {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0,
                                       ID_QUICK_ITERATOR, ID_SWEEP, ID_CUSTOM_AIRFLOW, ID_CAM_MATH,
                                       ID_COMPRESSION_MATH, ID_AIRFLOW_MATH, 0, ID_FILE_PRINT, ID_APP_ABOUT};
    ASSERT_EQ(13, ::SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < 13; ++i) {
        TBBUTTON button = {};
        ::SendMessageA(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        if (expected[i] == 0)
            EXPECT_TRUE(button.fsStyle & TBSTYLE_SEP) << i;
        else
            EXPECT_EQ(expected[i], button.idCommand) << i;
    }

    HWND status = ::GetDlgItem(frame, 0xE801);
    ASSERT_NE(nullptr, status);
    EXPECT_EQ(4, ::SendMessageA(status, SB_GETPARTS, 0, 0));

    HWND child = program.ActiveChild();
    HWND splitter = ::GetDlgItem(child, 0xE900);
    ASSERT_NE(nullptr, splitter);
    HWND left = ::GetDlgItem(splitter, 0xE900), right = ::GetDlgItem(splitter, 0xE901);
    ASSERT_NE(nullptr, left);
    ASSERT_NE(nullptr, right);
    auto* childFrame = static_cast<CChildFrame*>(CWnd::FromHandlePermanent(child));
    ASSERT_NE(nullptr, childFrame);
    int width = 0, minimum = 0;
    childFrame->GetSplitter().GetColumnInfo(0, width, minimum);
    EXPECT_EQ(kLeftPaneWidth, width);
    for (int id = 0xEB00; id <= 0xEB03; ++id) EXPECT_NE(nullptr, ::GetDlgItem(left, id)) << std::hex << id;
    EXPECT_EQ(nullptr, ::GetDlgItem(left, 0xEB04));
    for (int id = 0xEB00; id <= 0xEB02; ++id) EXPECT_NE(nullptr, ::GetDlgItem(right, id)) << std::hex << id;
    EXPECT_EQ(nullptr, ::GetDlgItem(right, 0xEB03));
    for (HWND pane : {left, right}) {
        EXPECT_NE(nullptr, ::GetDlgItem(pane, SEC_IDW_TABCONTROL));
        EXPECT_NE(nullptr, ::GetDlgItem(pane, SEC_IDW_HSCROLL_BAR));
        EXPECT_NE(nullptr, ::GetDlgItem(pane, SEC_IDW_VSCROLL_BAR));
    }
    // The first tab of each pane shows: the form on the left, a graph on the right.
    EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(left, 0xEB00)));
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(left, 0xEB01)));
    EXPECT_EQ("Engine", std::string(childFrame->GetLeftTabs()->GetTabControl()->GetTab(0)->label));

    // The mouse wheel never scrolls the splitter.
    EXPECT_EQ(1, ::SendMessageA(splitter, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0));
}

TEST_F(AppStartTest, WorkbookModeOffLeavesTheChildAndOnMaximisesIt) {
    RunningApp program;
    ASSERT_TRUE(program.Started());
    program.Command(ID_VIEW_WORKBOOK);
    EXPECT_EQ(0u, program.MenuState(ID_VIEW_WORKBOOK) & MF_CHECKED);
    BOOL maximized = FALSE;
    HWND child = program.ActiveChild(&maximized);
    EXPECT_TRUE(maximized);
    ::SendMessageA(program.Frame()->m_hWndMDIClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(child), 0);
    program.ActiveChild(&maximized);
    EXPECT_FALSE(maximized);
    program.Command(ID_VIEW_WORKBOOK);
    program.ActiveChild(&maximized);
    EXPECT_TRUE(maximized);
    EXPECT_EQ(static_cast<UINT>(MF_CHECKED), program.MenuState(ID_VIEW_WORKBOOK) & MF_CHECKED);
}

TEST_F(AppStartTest, AFirstStartWritesTheHighColourPreferencesAtExit) {
    {
        RunningApp program;
        ASSERT_TRUE(program.Started());
    }
    const StoredPreferences stored = ReadStoredPreferences();
    EXPECT_EQ(0u, stored.suppress);
    EXPECT_EQ(1u, stored.highColor);
    EXPECT_EQ(1u, stored.scheme);
}

TEST_F(AppStartTest, AStoredSchemeOutsideZeroOrOneGivesSchemeZero) {
    struct Case {
        DWORD stored, written;
    };
    for (const Case& c : {Case{0, 0}, Case{1, 1}, Case{7, 0}, Case{0xFFFFFFFF, 0}}) {
        StoreColorScheme(c.stored);
        {
            RunningApp program;
            ASSERT_TRUE(program.Started());
            EXPECT_EQ(static_cast<int>(c.written), AppColorsGetScheme()) << c.stored;
        }
        EXPECT_EQ(c.written, ReadStoredPreferences().scheme) << c.stored;
    }
}

TEST_F(AppStartTest, TheWindowsColoursCommandIsWrittenAtExit) {
    {
        RunningApp program;
        ASSERT_TRUE(program.Started());
        program.Command(ID_COLORS_WINDOWS);
        EXPECT_EQ(0, AppColorsGetScheme());
        EXPECT_EQ(static_cast<UINT>(MF_CHECKED), program.MenuState(ID_COLORS_WINDOWS) & MF_CHECKED);
        EXPECT_EQ(0u, program.MenuState(ID_COLORS_TORVANE) & MF_CHECKED);
    }
    EXPECT_EQ(0u, ReadStoredPreferences().scheme);
}

TEST_F(AppStartTest, OnALowColourDisplayTheNoticeFollowsThePreferences) {
    struct Case {
        DWORD suppress, highColor;
        bool noticeShown;
    };
    AppColorsSetDisplayQuery(LowColorDisplay);
    g_lowColorDisplay = true;
    for (const Case& c : {Case{0, 0, true}, Case{1, 0, false}, Case{1, 1, true}}) {
        ForgetProgramSettings();
        StorePreference("SuppressLowClrInfoMsg", c.suppress);
        StorePreference("HighColorModeLastUsed", c.highColor);
        ModalDriver::Instance().Reset();
        if (c.noticeShown)
            ModalDriver::Instance().Handle("Important!", [](HWND box) {
                ::SendDlgItemMessageA(box, IDC_DONT_SHOW_AGAIN, BM_SETCHECK, BST_CHECKED, 0);
                ModalDriver::PressButton(box, IDC_DONT_SHOW_AGAIN);
                ModalDriver::PressButton(box, IDOK);
            });
        {
            RunningApp program;
            ASSERT_TRUE(program.Started());
            EXPECT_EQ(c.noticeShown ? 1u : 0u, ModalDriver::Instance().Boxes().size()) << c.suppress << c.highColor;
            EXPECT_EQ(0, AppColorsGetScheme());
            AppColorsEnterLowColorMode();  // what start-up found on this display
            EXPECT_TRUE(program.MenuState(ID_COLORS_WINDOWS) & MF_GRAYED);
            EXPECT_TRUE(program.MenuState(ID_COLORS_TORVANE) & MF_GRAYED);
        }
        const StoredPreferences stored = ReadStoredPreferences();
        EXPECT_EQ(1u, stored.suppress);
        EXPECT_EQ(0u, stored.highColor);
        EXPECT_EQ(0u, stored.scheme);
    }
}

TEST_F(AppStartTest, AFileNamedOnTheCommandLineIsNotOpened) {
    char program[] = "Torvane.exe";
    char file[] = "Engine.tvn";
    char* arguments[] = {program, file, nullptr};
    char** savedArguments = __argv;
    const int savedCount = __argc;
    __argv = arguments;
    __argc = 2;
    RunningApp running;
    __argv = savedArguments;
    __argc = savedCount;
    ASSERT_TRUE(running.Started());
    HWND child = running.ActiveChild();
    ASSERT_NE(nullptr, child);
    EXPECT_EQ("Torvane1", testing_harness::ControlText(child));
    EXPECT_TRUE(ModalDriver::Instance().Boxes().empty());
}

TEST_F(AppStartTest, OtherTimersAndARefreshWithoutDocumentsDoNothing) {
    RunningApp program;
    ASSERT_TRUE(program.Started());
    ::SendMessageA(program.FrameWnd(), WM_TIMER, 3, 0);
    program.Command(ID_FILE_CLOSE);
    EXPECT_EQ(nullptr, program.ActiveChild());
    ::PostMessageA(program.FrameWnd(), kMsgDocumentClosing, 0, 0);
    testing_harness::PumpPending();
    EXPECT_TRUE(::IsWindow(program.FrameWnd()));
}

TEST_F(AppStartTest, AStrayBestResultsTimerEndsTheProgramThroughTheAssertion) {
    EXPECT_EXIT(
        {
            ModalDriver::Instance().Answer("ASSERTION FAILURE", IDOK);
            RunningApp program;
            ::SendMessageA(program.FrameWnd(), WM_TIMER, kTimerBestResults, 0);
            testing_harness::PumpPending();
        },
        ::testing::ExitedWithCode(9999), "");
}

}  // namespace

}  // namespace torvane
