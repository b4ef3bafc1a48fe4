// The drag-race program's application and frame commands as a user meets
// them: the about box, the manual and product information with their error
// messages, the two colour schemes and their own colour slots, the display
// preferences in the registry, the low-colour notice and the warning when
// the display goes to low colour.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "ModalDriver.h"
#include "ProgramSettings.h"
#include "RunningProgram.h"
#include "WindowHelpers.h"
#include "quillet/res/QuilletResources.h"
#include "quillet/ui/AppColors.h"
#include "quillet/ui/MainFrame.h"
#include "quillet/ui/QuilletApp.h"

namespace quillet {

namespace {

using testing_harness::ControlText;
using testing_harness::ModalDriver;
using RunningProgram = testing_harness::RunningProgram<CQuilletApp, CMainFrame>;

bool g_lowColorDisplay = false;
bool LowColorDisplay() { return g_lowColorDisplay; }

class QuilletAppCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        settings_.Forget();
        ModalDriver::Instance().Reset();
    }
    void TearDown() override {
        AppColorsSetDisplayQuery(nullptr);
        AppColorsEnterHighColorMode();
        AppColorsSetScheme(1);
        ModalDriver::Instance().Reset();
    }
    const testing_harness::ProgramSettings settings_{"Quillet"};
};

TEST_F(QuilletAppCommandsTest, TheAboutBoxShowsTheVersionDateAndTexts) {
    RunningProgram program;
    ASSERT_TRUE(program.Started());
    std::string caption, version, date;
    bool textsFilled = true;
    ModalDriver::Instance().Handle("About Quillet", [&](HWND box) {
        caption = ControlText(box);
        version = ControlText(::GetDlgItem(box, IDC_ABOUT_VERSION));
        date = ControlText(::GetDlgItem(box, IDC_ABOUT_DATE));
        for (int id : {IDC_ABOUT_CONTRIBUTORS, IDC_ABOUT_COPYRIGHT, IDC_ABOUT_DISCLAIMER, IDC_ABOUT_COPY_WARNING})
            textsFilled = textsFilled && !ControlText(::GetDlgItem(box, id)).empty();
        ModalDriver::PressButton(box, IDOK);
    });
    program.Command(ID_APP_ABOUT);
    EXPECT_EQ("About Quillet", caption);
    EXPECT_EQ("4.05", version);
    EXPECT_EQ("February 24, 2003", date);
    EXPECT_TRUE(textsFilled);
}

TEST_F(QuilletAppCommandsTest, AMissingManualOrProductProgramShowsItsNumberedError) {
    RunningProgram program;
    ASSERT_TRUE(program.Started());
    struct Case {
        UINT command;
        const char* caption;
        const char* text;
    };
    for (const Case& c : {Case{ID_HELP_USER_MANUAL, "User Manual Error", "Quillet User Manual"},
                          Case{ID_PRODUCT_INFO, "Halvern Software Error", "Product Information program"}}) {
        ModalDriver::Instance().Reset();
        ModalDriver::Instance().Answer(c.caption, IDOK);
        program.Command(c.command);
        ASSERT_EQ(1u, ModalDriver::Instance().Boxes().size()) << c.caption;
        EXPECT_EQ(c.caption, ModalDriver::Instance().Boxes()[0].caption);
        EXPECT_NE(std::string::npos, ModalDriver::Instance().Boxes()[0].text.find(c.text)) << c.caption;
    }
}

TEST_F(QuilletAppCommandsTest, TheColourCommandsSwitchTheSchemeAndTheChoiceIsWrittenAtExit) {
    {
        RunningProgram program;
        ASSERT_TRUE(program.Started());
        EXPECT_EQ(1, AppColorsGetScheme());
        EXPECT_EQ(static_cast<UINT>(MF_CHECKED), program.MenuState(ID_COLORS_QUILLET) & (MF_CHECKED | MF_GRAYED));
        program.Command(ID_COLORS_WINDOWS);
        EXPECT_EQ(0, AppColorsGetScheme());
        EXPECT_EQ(static_cast<UINT>(MF_CHECKED), program.MenuState(ID_COLORS_WINDOWS) & (MF_CHECKED | MF_GRAYED));
        EXPECT_EQ(0u, program.MenuState(ID_COLORS_QUILLET) & (MF_CHECKED | MF_GRAYED));
    }
    testing_harness::StoredPreferences stored = settings_.ReadPreferences();
    EXPECT_EQ(0u, stored.suppress);
    EXPECT_EQ(1u, stored.highColor);
    EXPECT_EQ(0u, stored.scheme);
    {
        RunningProgram program;
        ASSERT_TRUE(program.Started());
        EXPECT_EQ(0, AppColorsGetScheme());  // the stored choice
        program.Command(ID_COLORS_QUILLET);
        EXPECT_EQ(1, AppColorsGetScheme());
    }
    EXPECT_EQ(1u, settings_.ReadPreferences().scheme);
}

TEST(QuilletColorsTest, TheProgramsOwnSlotsFollowTheSharedOnes) {
    struct Case {
        int slot;
        COLORREF windows, quillet;
    };
    const Case cases[] = {{0, 0xC0C0C0, 0xD67563},  {27, 0xC0C0C0, 0xEBB394}, {28, 0x808080, 0xD67563},
                          {29, 0xFFFFFF, 0xFFFFFF}, {30, 0x000000, 0x000000}, {31, 0xC0C0C0, 0xEBB394},
                          {32, 0x808080, 0x808080}};
    for (const Case& c : cases) {
        AppColorsSetScheme(0);
        EXPECT_EQ(c.windows, AppColorsGetColor(c.slot)) << c.slot;
        AppColorsSetScheme(1);
        EXPECT_EQ(c.quillet, AppColorsGetColor(c.slot)) << c.slot;
    }
    EXPECT_EQ(33, kQuilletColors.SlotCount());
}

TEST_F(QuilletAppCommandsTest, OnALowColourDisplayTheNoticeShowsUntilTheUserDeclinesIt) {
    AppColorsSetDisplayQuery(LowColorDisplay);
    g_lowColorDisplay = true;
    for (bool declined : {false, true}) {
        ModalDriver::Instance().Reset();
        ModalDriver::Instance().Handle("Important!", [declined](HWND box) {
            if (declined) {
                ::SendDlgItemMessageA(box, IDC_DONT_SHOW_AGAIN, BM_SETCHECK, BST_CHECKED, 0);
                ModalDriver::PressButton(box, IDC_DONT_SHOW_AGAIN);
            }
            ModalDriver::PressButton(box, IDOK);
        });
        {
            RunningProgram program;
            ASSERT_TRUE(program.Started());
            EXPECT_EQ(1u, ModalDriver::Instance().Boxes().size());
            EXPECT_EQ(0, AppColorsGetScheme());
        }
        EXPECT_EQ(declined ? 1u : 0u, settings_.ReadPreferences().suppress);
        EXPECT_EQ(0u, settings_.ReadPreferences().highColor);
    }
    // Declined: the next start shows nothing.
    ModalDriver::Instance().Reset();
    RunningProgram program;
    ASSERT_TRUE(program.Started());
    EXPECT_TRUE(ModalDriver::Instance().Boxes().empty());
}

TEST_F(QuilletAppCommandsTest, TheDisplayGoingToLowColourShowsItsWarningAndGreysTheColourCommands) {
    RunningProgram program;
    ASSERT_TRUE(program.Started());
    AppColorsSetDisplayQuery(LowColorDisplay);
    g_lowColorDisplay = true;
    ModalDriver::Instance().Answer("Important!", IDOK);
    ::SendMessageA(program.FrameWnd(), WM_SYSCOLORCHANGE, 0, 0);
    testing_harness::PumpPending();
    ASSERT_EQ(1u, ModalDriver::Instance().Boxes().size());
    EXPECT_NE(std::string::npos, ModalDriver::Instance().Boxes()[0].text.find("low color mode"));
    EXPECT_EQ(0, AppColorsGetScheme());
    EXPECT_TRUE(program.MenuState(ID_COLORS_WINDOWS) & MF_GRAYED);
    EXPECT_TRUE(program.MenuState(ID_COLORS_QUILLET) & MF_GRAYED);

    // Back to high colour: no warning, the commands come back.
    g_lowColorDisplay = false;
    ModalDriver::Instance().Reset();
    ::SendMessageA(program.FrameWnd(), WM_SYSCOLORCHANGE, 0, 0);
    testing_harness::PumpPending();
    EXPECT_TRUE(ModalDriver::Instance().Boxes().empty());
    EXPECT_FALSE(program.MenuState(ID_COLORS_QUILLET) & MF_GRAYED);
}

}  // namespace

}  // namespace quillet
